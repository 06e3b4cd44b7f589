#include "cards/rk/rk_fields.h"

#include "fields/common_texts.h"
#include "fields/field_row.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kDate = u"99.99.99;1;"_s;
const QString kMonth = u"99.99;1;_"_s;
const QString kLegalCode = u"99999999;1;_"_s;
const QString kRubric = u"99.99.99.99;1;_"_s;

const QString kDateHint = u"Дата проставляється у вигляді :  ДД.ММ.РР"_s;
const QString kMonthHint = commonTexts::monthHint();
const QString kAddressHint = commonTexts::addressHint();
const QString kMailHint = commonTexts::mailHint();
const QString kCurrencyHint = commonTexts::currencyHint();
const QStringList kCurrencies = commonTexts::currencies();
const QStringList kSourceItems = commonTexts::sourceItems();
const QString kSourceHint = commonTexts::sourceHint();
const QString kDegreeLabel = u"Науковий ступінь,  вчене звання"_s;
const QString kNameLabel = u"Прізвище, ім'я, по батькові"_s;

using F = FieldRow;
using Page = QList<F>;

const QStringList kPages = {u"Реєстраційні дані"_s, u"Виконавець"_s, u"Замовник, фінансування"_s,
                            u"Співвиконавці, етапи"_s, u"Назва, мета, результати"_s, u"Тематика"_s};

Page registrationPage()
{
    using K = FieldKind;
    return Page{
        F(K::Combo, u"ed5256"_s, u"5256"_s).items({u"5"_s, u"1"_s}).byDefault(u"5"_s)
            .label(u"5256. Особливі \nпозначки"_s)
            .hint(u"5 - Відкрита\n1 - Для службового користування"_s),
        F(K::Masked, u"ed5517"_s, u"5517"_s).mask(u"aa99a999999l;1;_"_s, 12)
            .label(u"5517. Реєстраційний №,\nщо змінюється"_s)
            .hint(u"Перша або п'ята літера державного реєстраційного номера - U.\n"
                  u"Співвиконавець, що зареєстрував свою частину (етап) роботи,\n"
                  u"ставить у кінці номера позначку с"_s),
        F(K::Edit, u"ed5418N"_s, u"5418"_s).label(u"5418. № супровідного \nлиста"_s).marks(),
        F(K::Masked, u"ed5418D"_s, u"5418"_s).mask(kDate, 8).label(u"Дата листа"_s).marks().hint(kDateHint),
        F(K::Combo, u"ed7146"_s, u"7146"_s).items({u"34"_s, u"52"_s, u"09"_s, u"43"_s, u"25"_s}).cleared({})
            .label(u"7146. Підстави для проведення роботи "_s)
            .hint(u"34 - договір з міністерством, іншим центральним органом виконавчої влади\n"
                  u"52 - договір з вітчизняною організацією (фондом, асоціацією, концерном тощо)\n"
                  u"09 - договір із закордонним замовником\n"
                  u"43 - власна ініціатива (якщо робота виконується з власної ініціативи за кошти виконавця НДР або ДКР)\n"
                  u"25 - договір з фізичною особою. Замовником НДР (ДКР) виступає фізична особа, за рахунок коштів якої виконується робота"_s),
        F(K::Edit, u"ed7021"_s, u"7021"_s).label(u"7021. Шифр роботи"_s).marks()
            .hint(u"Для бюджетноі роботи вказувати шифр обов'язково !"_s),
        F(K::Masked, u"ed7210"_s, u"7210"_s).mask(u"aa99a99999al;1;_"_s, 12)
            .label(u"7210. Державний реєстраційний № роботи\nголовного виконавця НДР (ДКР)"_s),
        F(K::Edit, u"ed7700"_s, u"7700"_s).label(u"7700. КПКВК"_s).marks()
            .hint(u"Код програмної класифікації видатків та кредитування державного бюджету.\n"
                  u"Довжина коду 7 цифр."_s),
        F(K::Combo, u"cb7201"_s, u"7201"_s).cleared({})
            .items(commonTexts::directionItems() + QStringList{QString()})
            .label(u"7201. Напрям фінансування"_s)
            .hint(commonTexts::directionHint()),
        F(K::Edit, u"ed7201a"_s, u"7201"_s).label(u"7201. Інший напрям фінансування"_s)
            .hint(u"Інші ввести при виборі коду 2.7"_s),
        F(K::Memo, u"ed7023"_s, u"7023"_s).vScroll().label(u"7023. Назва ДЦП"_s)
            .hint(u"Вказується назва державної цільової програми, в рамках якої виконується НДР"_s),
        F(K::Edit, u"ed7022"_s, u"7022"_s).label(u"7022. Код ДЦП"_s)
            .hint(u"Вказується зареєстрований код державної цільової програми"_s),
        F(K::Masked, u"ed5436"_s, u"5436"_s).mask(u"9999U999999l;1;_"_s, 12)
            .label(u"5436. Державний реєстраційний №"_s).marks(),
        F(K::Combo, u"ed7209"_s, u"7209"_s).items({u"17"_s, u"71"_s}).cleared({})
            .label(u"7209. Статус виконавця"_s)
            .hint(u"17 - головний виконавець\n71 - співвиконавець"_s),
    };
}

Page executorPage()
{
    using K = FieldKind;
    return Page{
        F(K::Combo, u"lizv"_s, u"2457"_s).items(rkPersonKinds()).byDefault(rkPersonKinds().at(0)),
        F(K::Masked, u"ed2457"_s, u"2457"_s).mask(kLegalCode, 8).label(u"2457. Код організації за ЄДРПОУ"_s),
        F(K::Edit, u"gorv"_s, u"2655"_s).label(u"Місто"_s),
        languageGroup(u"Indjz"_s, u"українська "_s, u"Мова найменування виконавця:"_s),
        F(K::Memo, u"mm2151"_s, u"2151"_s).noEnter().label(u"2151. Найменування (або П.І.Б.)"_s).marks(),
        F(K::Edit, u"ed2358"_s, u"2358"_s).label(u"2358. Скорочене найменування"_s).marks(),
        F(K::Edit, u"mm2655"_s, u"2655"_s).label(u"2655. Місцезнаходження"_s).marks().hint(kAddressHint),
        F(K::Edit, u"ed2934"_s, u"2934"_s).label(u"2934. Телефон / Факс"_s).marks(),
        F(K::Edit, u"ed2394"_s, u"2394"_s).label(u"2394. E-mail  /WWW"_s).marks().hint(kMailHint),
        F(K::Edit, u"ed1332"_s, u"1332"_s).label(u"1332. Відомча підпорядкованність"_s).marks()
            .hint(u"Державний орган, якому підпорядкований виконавець.\n"
                  u"Недержавні організації вказують орган, що здійснив їх державну реєстрацію."_s),
        F(K::Combo, u"cb1133"_s, u"1133"_s).items({u"АКД"_s, u"ГЛЗ "_s, u"ВУЗ"_s, u"ЗАВ"_s}).cleared({})
            .label(u"1133. Сектор науки"_s)
            .hint(u"АКД - академічний\nГЛЗ - галузевий\nВУЗ - вузівський\nЗАВ - заводський\n"
                  u"(за класифікатором секторів науки)"_s),
    };
}

Page customerPage()
{
    using K = FieldKind;
    return Page{
        F(K::Edit, u"Edit1"_s, u"2458"_s).byDefault(u"1"_s).cleared(u"1"_s).label(u"Порядковий №"_s)
            .hint(u"Максимальна кількість замовників - 201.\n"
                  u"Щоб вилучити замовника, видаліть його номер і натисніть Tab."_s),
        F(K::Combo, u"lizz"_s, u"2458"_s).items(rkPersonKinds()).byDefault(rkPersonKinds().at(0)),
        F(K::Masked, u"ed2458"_s, u"2458"_s).mask(kLegalCode, 8).label(u"2458. Код організаціїза ЄДРПОУ"_s),
        F(K::Edit, u"gorz"_s, u"2458"_s).label(u"Місто"_s),
        F(K::Memo, u"mm2152"_s, u"2458"_s).noEnter().label(u"2152. Повне найменування (або П.І.Б.)"_s).marks(),
        F(K::Edit, u"mm2656"_s, u"2458"_s).label(u"2656. Місцезнаходження"_s).marks().hint(kAddressHint),
        F(K::Edit, u"ed2935"_s, u"2458"_s).label(u"2935. Телефон /Факс"_s).marks(),
        F(K::Edit, u"ed2395"_s, u"2458"_s).label(u"2395. E-mail /WWW"_s).hint(kMailHint),
        F(K::Combo, u"fin"_s).items(kSourceItems).cleared({}).label(u"Код\n джерела"_s).hint(kSourceHint),
        F(K::Combo, u"fin1"_s).items(kSourceItems).cleared({}).hint(kSourceHint),
        F(K::Combo, u"ed"_s).items(kCurrencies).byDefault(kCurrencies.at(0)).label(u"Грошова \nодиниця"_s)
            .marks().hint(kCurrencyHint),
        F(K::Combo, u"ed1"_s).items(kCurrencies).cleared({}).marks().hint(kCurrencyHint),
        F(K::Edit, u"sum"_s).label(u"Загальний обсяг\nфінансування"_s).marks()
            .hint(u"Головний виконавець вказує обсяг фінансування своєї частини роботи\n"
                  u"(без обсягів, що передаються співвиконавцям)"_s),
        F(K::Edit, u"sum1"_s).marks(),
        F(K::Edit, u"edgod1"_s, u"FING"_s).byDefault(u"20--"_s).cleared(u"200-"_s),
        F(K::Edit, u"edgod2"_s, u"FING"_s).byDefault(u"20--"_s).cleared(u"200-"_s),
        F(K::Edit, u"edgod3"_s, u"FING"_s).byDefault(u"20--"_s).cleared(u"20--"_s),
        F(K::Edit, u"edgod4"_s, u"FING"_s).byDefault(u"20--"_s).cleared(u"20--"_s),
        F(K::Edit, u"edgod5"_s, u"FING"_s).byDefault(u"20--"_s).cleared(u"20--"_s),
        F(K::Edit, u"edgod6"_s, u"FING"_s).byDefault(u"20--"_s),
        F(K::Edit, u"sumg1"_s),
        F(K::Edit, u"sumg2"_s),
        F(K::Edit, u"sumg3"_s),
        F(K::Edit, u"sumg4"_s),
        F(K::Edit, u"sumg5"_s),
        F(K::Edit, u"sumg6"_s),
        F(K::Edit, u"sumg1a"_s),
        F(K::Edit, u"sumg2a"_s),
        F(K::Edit, u"sumg3a"_s),
        F(K::Edit, u"sumg4a"_s),
        F(K::Edit, u"sumg5a"_s),
        F(K::Edit, u"sumg6a"_s),
        F(K::Masked, u"ed7353"_s, u"7353"_s).mask(kMonth, 5).label(u"7353. Початок"_s).marks().hint(kMonthHint),
        F(K::Masked, u"ed7362"_s, u"7362"_s).mask(kMonth, 5).label(u"7362. Закінчення"_s).marks().hint(kMonthHint),
    };
}

Page coExecutorStagePage()
{
    using K = FieldKind;
    return Page{
        F(K::Combo, u"lizsv"_s, u"2142"_s).items(rkPersonKinds()).byDefault(rkPersonKinds().at(0)),
        F(K::Masked, u"cpk"_s, u"2142"_s).mask(kLegalCode, 8).label(u"Код організаціїза ЄДРПОУ"_s).marks(),
        F(K::Edit, u"gorc"_s, u"2142"_s).label(u"Місто"_s),
        F(K::Memo, u"cpi"_s, u"2142"_s).noEnter().vScroll().label(u"Повне найменування"_s).marks(),
        F(K::Edit, u"cpa"_s, u"2142"_s).label(u"Місцезнаходження"_s).marks().hint(kAddressHint),
        F(K::Edit, u"ed9036n"_s, u"9036"_s).maxLength(1).byDefault(u"1"_s).cleared(u"1"_s)
            .label(u"Порядковий № етапу"_s).marks()
            .hint(u"Максимальна кількість етапів - 15.\n"
                  u"Щоб вилучити етап, видаліть його номер і натисніть Tab."_s),
        F(K::Masked, u"ed9036p"_s, u"9036"_s).mask(kMonth, 5).label(u"Початок та закінчення етапу  (мм.рр)"_s).marks(),
        F(K::Masked, u"ed9036z"_s, u"9036"_s).mask(kMonth, 5).marks(),
        F(K::Combo, u"ed9036v"_s, u"9036"_s).items({u"19"_s, u"28"_s, u"91"_s}).cleared({})
            .label(u"Вид звітного документу"_s)
            .hint(u"19-без звіту (тільки для співвиконавців)\n91-заключний звіт\n28-проміжний звіт"_s),
        F(K::Memo, u"mm9036"_s, u"9036"_s).noEnter().vScroll().label(u"Назва етапу"_s).marks(),
        // Two typed digits: the list holds 50, and a number typed beyond them is answered
        // by the list's bounds rather than cut to its first digit.
        F(K::Edit, u"cpn"_s, u"2142"_s).maxLength(2).byDefault(u"1"_s).cleared(u"1"_s).label(u"Порядковий №"_s).marks()
            .hint(u"Максимальна кількість співвиконавців -50.\n"
                  u"Щоб вилучити співвиконавця, видаліть його номер і натисніть Tab."_s),
    };
}

Page titlePage()
{
    using K = FieldKind;
    return Page{
        languageGroup(u"Indjzr"_s, u"українська"_s, u"Мова роботи:"_s),
        F(K::Memo, u"mm9027"_s, u"9027"_s).noEnter().vScroll().label(u"9027. Назва роботи"_s).marks(),
        F(K::Memo, u"mm9126"_s, u"9126"_s).noEnter().vScroll().label(u"9126. Мета роботи"_s).marks(),
        F(K::Combo, u"cb7199"_s, u"7199"_s).cleared({})
            .items({QString(), u"01"_s, u"02"_s, u"03"_s, u"04"_s, u"05"_s, u"06"_s})
            .label(u"7199. Пріоритетний напрям"_s)
            .hint(u"Пріоритетні напрями розвитку науки і техніки:\n"
                  u"01   Фундаментальні наукові дослідження з найважливіших проблем розвітку\n"
                  u"     науково-технічного, соціально-економічного, суспільно-політичного, людського потенціалу\n"
                  u"02   Iнформаційні та комунікаційні технології\n"
                  u"03   Енергетика та енергоефективність \n"
                  u"04   Раціональне природокористування \n"
                  u"05   Науки про життя, нові технології профілактики та лікування найпоширеніших захворювань \n"
                  u"06   Нові речовини і матеріали"_s),
        F(K::Combo, u"ed7191"_s, u"7191"_s).items({u"39"_s, u"48"_s, u"57"_s, u"66"_s}).label(u"7191. Вид роботи "_s)
            .hint(u"39 - фундаментальна\n48 - прикладна\n57 - науково-технічні розробки\n66 - науково-технічні послуги"_s),
        F(K::Combo, u"cb9153"_s, u"9153"_s).cleared({})
            .items({u"001"_s, u"002"_s, u"003"_s, u"004"_s, u"005"_s, u"006"_s, u"007"_s, u"02"_s, u"03"_s})
            .label(u"9153. Очікувані результати"_s)
            .hint(u"01 - випуск нового виду продукції\n"
                  u"001 - техніки\n"
                  u"002 - технології \n"
                  u"003 - матеріалів \n"
                  u"004 - сортів рослин \n"
                  u"005 - порід тварин \n"
                  u"006 - методів, теорій \n"
                  u"007 - інше: методична, нормативно-технічна, правова, програмно-технологічна документація тощо (вказати)\n"
                  u"02 - поліпшення якості продукції, що випускається\n"
                  u"03 - інші результати (вказати):\n"
                  u"   збільшення обсягів виробництва\n"
                  u"   поліпшення умов праці\n"
                  u"   поліпшення стану навколишнього середовища\n"
                  u"   економія енергоресурсів\n"
                  u"   економія матеріалів\n"
                  u"   зменшення зносу обладнання, збільшення продуктивності праці\n"
                  u"   збільшення продуктивності праці\n"
                  u"   поліпшення ефективності діагностики та лікування хворих"_s),
        // Its entries come from the choice in cb9153; they may change while the card is
        // open, so a cleared card never takes one of them over.
        F(K::Combo, u"cb9153a"_s, u"9153"_s).cleared({}).label(u"Інше "_s)
            .hint(u"9153.Інше - ввести відповідно до переліку 007 або 03 або нове"_s),
        F(K::Memo, u"mm9155"_s, u"9155"_s).noEnter().vScroll().label(u"9155. Галузь\nзастосування"_s).marks(),
        F(K::Memo, u"mm9156"_s, u"9156"_s).vScroll().label(u"9156. Експертний\nвисновок"_s),
    };
}

Page subjectPage()
{
    using K = FieldKind;
    return Page{
        F(K::Edit, u"ed5634"_s, u"5634"_s).label(u"5634. Індекс УДК"_s).marks(),
        F(K::Masked, u"ed56161"_s, u"5616"_s).mask(kRubric, 11).label(u"5616. Коди тематичних рубрик"_s).marks(),
        F(K::Masked, u"ed56162"_s, u"5616"_s).mask(kRubric, 11).marks(),
        F(K::Masked, u"ed56163"_s, u"5616"_s).mask(kRubric, 11).marks(),
        F(K::Masked, u"ed56164"_s, u"5616"_s).mask(kRubric, 11).marks(),
        F(K::Masked, u"ed56165"_s, u"5616"_s).mask(kRubric, 11).marks(),
        F(K::Masked, u"ed56166"_s, u"5616"_s).mask(kRubric, 11).marks(),
        F(K::Edit, u"ed6111"_s, u"6111"_s).label(u"6111. Керівник юридичної\nособи\n"_s + kNameLabel).marks(),
        F(K::Edit, u"ed6210"_s, u"6210"_s).label(kDegreeLabel).marks(),
        languageGroup(u"indjzk"_s, u"українська "_s, u"Мова П.І.Б. керівника роботи"_s),
        F(K::Edit, u"ed6120"_s, u"6120"_s).label(u"6120. Керівник розробки\n"_s + kNameLabel).marks(),
        F(K::Edit, u"ed6228"_s, u"6228"_s).label(kDegreeLabel).marks(),
        F(K::Edit, u"ed6141"_s, u"6141"_s)
            .label(u"6141. Відповідальний за підготовку реєстраційних документів  (телефон, П.І.Б.)"_s),
        F(K::Edit, u"ed6140"_s, u"6140"_s).label(u"6140. Керівник відділу держреєстрації Велтарис"_s),
    };
}

FieldTable buildTable()
{
    return fieldTableOfPages(kPages, {registrationPage(), executorPage(), customerPage(), coExecutorStagePage(),
                                      titlePage(), subjectPage()});
}

} // namespace

const FieldTable &rkFieldTable()
{
    static const FieldTable table = buildTable();
    return table;
}

const QList<RkHeading> &rkHeadings()
{
    static const QList<RkHeading> headings = {
        {0, u"Напрями фінансування НДР (ДКР)"_s, u"cb7201"_s},
        {1, u"Відомості про виконавця   НДР (ДКР)"_s, u"lizv"_s},
        {2, u"Відомості про замовника НДР  (ДКР)"_s, u"Edit1"_s},
        {2, u"Джерела фінансування"_s, u"fin"_s},
        {2, u"у тому числі за роками"_s, u"edgod1"_s},
        {2, u"Терміни виконання роботи:"_s, u"ed7353"_s},
        {3, u"2142. Співвиконавці:"_s, u"lizsv"_s},
        {3, u"9036. Етапи роботи :"_s, u"ed9036n"_s},
    };
    return headings;
}

QString rkPageHint(int page)
{
    if (page == 3) {
        return u"Щоб вилучити співвиконавця або етап, видаліть його порядковий номер і натисніть Tab.\n"
               u"Нумерація наступних змінюється автоматично."_s;
    }
    return {};
}

QString rkLabelName(const QString &field)
{
    static const QHash<QString, QString> names = {
        {u"ed2457"_s, u"Label30"_s}, {u"ed2458"_s, u"StaticText2"_s}, {u"cpk"_s, u"Label69"_s},
        {u"ed7201a"_s, u"lab7201"_s}, {u"cb9153a"_s, u"lab9153"_s}, {u"ed6141"_s, u"StaticText1"_s},
    };
    return names.value(field);
}

const QStringList &rkClickMarkFields()
{
    static const QStringList fields = {u"lizz"_s, u"ed1"_s};
    return fields;
}

const QStringList &rkPersonKinds()
{
    return commonTexts::personKinds();
}

const QStringList &rkFinancingSources()
{
    return commonTexts::financingSources();
}

const QList<QStringList> &rkFinancingRows()
{
    static const QList<QStringList> rows = {
        {u"fin"_s, u"ed"_s, u"sum"_s, u"sumg1"_s, u"sumg2"_s, u"sumg3"_s, u"sumg4"_s, u"sumg5"_s, u"sumg6"_s},
        {u"fin1"_s, u"ed1"_s, u"sum1"_s, u"sumg1a"_s, u"sumg2a"_s, u"sumg3a"_s, u"sumg4a"_s, u"sumg5a"_s, u"sumg6a"_s},
    };
    return rows;
}

const QStringList &rkYearFields()
{
    static const QStringList fields = {u"edgod1"_s, u"edgod2"_s, u"edgod3"_s, u"edgod4"_s, u"edgod5"_s, u"edgod6"_s};
    return fields;
}

const QStringList &rkRubricFields()
{
    static const QStringList fields = {u"ed56161"_s, u"ed56162"_s, u"ed56163"_s,
                                       u"ed56164"_s, u"ed56165"_s, u"ed56166"_s};
    return fields;
}
