#include "fields/common_texts.h"

#include "fields/field_rules.h"

using namespace Qt::Literals::StringLiterals;

namespace commonTexts {

QString monthHint()
{
    return u"Дата проставляється у вигляді :  ММ.РР"_s;
}

QString addressHint()
{
    return u"Поштовий індекс, область, район, місто, вулиця, будинок."_s;
}

QString mailHint()
{
    return u"Зазначається електронна пошта та веб-сайт"_s;
}

QString currencyHint()
{
    return u"Фактичні обсяги фінансування наводяться в тисячах гривень."_s;
}

QString dateHint()
{
    return u"Дата проставляється у вигляді :  ДД.ММ.РР "_s;
}

QString veltarisHint()
{
    return u"Проставляється при реєстрації ОК в Велтарис"_s;
}

QString stateNumberHint()
{
    return u"В № держреєстрації НДДКР перша або п'ята літера \"U\" \n"
           u"Якщо  співвиконавець реєстрував свою частину (етап) роботи,\n"
           u"то в кінці  номера стоїть позначка \"с\""_s;
}

QString documentHint()
{
    return u"Зазначаються (для фізичних осіб) номер та дата видачі юридичного документа,\n"
           u"який засвідчує право власності на результати НДР (ДКР)"_s;
}

QString subordinationHint(const QString &party)
{
    return u"Зазначається орган державної влади, якому підпорядковується "_s + party + u". \n"_s
           u"Підприємства, установи, організації з приватною формою власності указують місце проведення "
           u"їх державної реєстрації\n"
           u"відповідно до статті 5 Закону України \"Про державну реєстрацію юридичних осіб та "
           u"фізичних осіб-підприємців\"."_s;
}

QString deletionHint(const QString &what)
{
    return u"Для знищення "_s + what + u" треба усунути його номер та\n"
           u"натиснути на клавішу \"Tab\". Нумерація зміниться автоматично."_s;
}

const QStringList &personKinds()
{
    static const QStringList kinds = {fieldRules::legalPerson(), fieldRules::naturalPerson()};
    return kinds;
}

const QStringList &currencies()
{
    static const QStringList units = {u"тис.грн."_s, u"дол."_s, u"євро"_s, u"DM"_s, u"тис.руб."_s, u"фунт.ст."_s};
    return units;
}

const QStringList &sourceItems()
{
    static const QStringList items = {u"7713"_s, u"7714"_s, u"7722"_s, u"7716"_s, u"7704"_s, u"7705"_s, u"7706"_s};
    return items;
}

QString sourceHint()
{
    return u"7713-Кошти держбюджету\n"
           u"7714-Кошти місцевого бюджету\n"
           u"7722-Кошти підприємств, установ, організацій України\n"
           u"7716-Кошти замовників іноземних держав\n"
           u"7704-Власні кошти - кошти підприємств, установ, організацій, фізичної особи на виконання ініціативних робіт\n"
           u"7705-Кошти інших джерел\n"
           u"7706-Безплатно (договір про науково-технічне співробітництво, тощо)"_s;
}

const QStringList &financingSources()
{
    static const QStringList sources = {u"7713"_s, u"7714"_s, u"7715"_s, u"7716"_s,
                                        u"7722"_s, u"7704"_s, u"7705"_s, u"7706"_s};
    return sources;
}

const QStringList &directionItems()
{
    static const QStringList items = {u"2.1"_s, u"2.2"_s, u"2.3"_s, u"2.4"_s, u"2.5"_s, u"2.6"_s, u"2.7"_s};
    return items;
}

const QStringList &resultKinds()
{
    static const QStringList kinds = {u"001"_s, u"002"_s, u"003"_s, u"004"_s, u"005"_s,
                                      u"006"_s, u"007"_s, u"02"_s,  u"03"_s};
    return kinds;
}

const QStringList &otherResults(const QString &kind)
{
    static const QStringList none;
    static const QStringList documents = {u"методична документація"_s, u"нормативно-технічна документація"_s,
                                          u"правові документи"_s, u"програмно-технологічна документація"_s,
                                          u"тощо - ввести"_s};
    static const QStringList effects = {u"збільшення обсягів виробництва"_s,
                                        u"поліпшення умов праці"_s,
                                        u"поліпшення стану навколишнього середовища"_s,
                                        u"економія енергоресурсів"_s,
                                        u"економія матеріалів"_s,
                                        u"зменшення зносу обладнання, збільшення продуктивності праці"_s,
                                        u"збільшення продуктивності праці"_s,
                                        u"поліпшення ефективності діагностики та лікування хворих"_s,
                                        u"тощо - ввести"_s};
    if (kind == u"007"_s)
        return documents;
    return kind == u"03"_s ? effects : none;
}

QString directionHint()
{
    return u"2.1 - фундаментальні дослідження\n"
           u"2.2 - прикладні дослідження і розробки\n"
           u"2.3 - виконання робіт за державними цільовими програмами\n"
           u"2.4 - розробки найважливіших новітніх технологій за державним замовленням\n"
           u"2.5 - програми і проекти у сфері міжнародного науково-технічного співробітництва\n"
           u"2.6 - фінансова підтримка розвитку інфраструктури та матеріально-технічної бази наукової діяльності\n"
           u"2.7 - інші (вказати)"_s;
}

} // namespace commonTexts
