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
