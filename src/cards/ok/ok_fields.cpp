#include "cards/ok/ok_fields.h"

#include "fields/common_texts.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace {

using F = FieldRow;
using K = FieldKind;
using Page = QList<F>;

const QString kDate = u"99.99.99;1;_"_s;
const QString kMonth = u"99.99;1;_"_s;
const QString kLegalCode = u"99999999;1;_"_s;
const QString kAccountNumber = u"9999U999999l;1;_"_s;
const QString kRubric = u"99.99.99.99;1;_"_s;

const QString kDegreeLabel = u"Науковий ступінь, звання"_s;
const QString kNameColumn = u"Прізвище, ім'я, по батькові"_s;

using commonTexts::deletionHint;
using commonTexts::subordinationHint;
const QString kDateHint = commonTexts::dateHint();
const QString kVeltarisHint = commonTexts::veltarisHint();

const QStringList kPages = {u"Реєстраційні дані, етапи"_s, u"Виконавець"_s, u"Спів-ці, загальні дані"_s,
                            u"Власник"_s, u"Фінансування"_s, u"Назва, реферат"_s, u"Тематика"_s};

Page registrationPage()
{
    return Page{
        F(K::Masked, u"ed5436"_s, u"5436"_s).mask(u"AA99A999999l;1;_"_s, 12).marks()
            .label(u"5436. Державний реєстраційний №"_s)
            .hint(commonTexts::stateNumberHint()),
        F(K::Combo, u"cb5256"_s, u"5256"_s).items({u"5"_s, u"1"_s}).maxLength(1).byDefault(u"5"_s)
            .label(u"5256. Особливі позначки"_s)
            .hint(u"5 - Відкрита\n1 - Для службового користування"_s),
        F(K::Edit, u"ed5418N"_s, u"5418"_s).label(u"5418. № супровідного листа"_s).marks(),
        F(K::Masked, u"ed5418D"_s, u"5418"_s).mask(kDate, 8).label(u"Дата листа"_s).marks().hint(kDateHint),
        F(K::Masked, u"ed9036n"_s, u"9036"_s).mask(u"99;1;_"_s, 2).label(u"Порядковий № етапу"_s).marks()
            .hint(u"Номер виконаного етапу повинен співпадати з відповідним номером  в  РК"_s),
        F(K::Masked, u"ed9036p"_s, u"9036"_s).mask(kMonth, 5).label(u"Початок та закінчення етапу  (мм.рр)"_s)
            .marks().hint(commonTexts::monthHint()),
        F(K::Masked, u"ed9036z"_s, u"9036"_s).mask(kMonth, 5).marks().hint(commonTexts::monthHint()),
        F(K::Combo, u"cb9036e"_s, u"9036"_s).items({u"П"_s, u"З"_s}).byDefault({}).label(u"Вид етапу"_s)
            .hint(u"П - Проміжний етап\nЗ - Заключний етап"_s),
        F(K::Memo, u"mm9036"_s, u"9036"_s).noEnter().label(u"Назва етапу"_s).marks(),
        // The list of stage numbers holds ten entries; the spin box offers no more.
        F(K::Spin, u"sp5526"_s).choosesView().range(1, 10).byDefault(u"1"_s).cleared(u"1"_s)
            .label(u"5526. Порядковий № держобліку"_s),
        F(K::Masked, u"ed5526"_s, u"5526"_s).mask(kAccountNumber, 12).marks()
            .label(u"№ держобліку виконаних етапів роботи"_s),
        F(K::Masked, u"ed5437"_s, u"5437"_s).mask(kAccountNumber, 12).marks()
            .label(u"5437. Державний обліковий номер"_s).hint(u"Надається в Велтарис"_s),
    };
}

Page executorPage()
{
    return Page{
        F(K::Combo, u"lizv"_s, u"2457"_s).items(commonTexts::personKinds()).byDefault(commonTexts::personKinds().at(0)),
        F(K::Masked, u"ed2457"_s, u"2457"_s).mask(kLegalCode, 8).label(u"2457. Код організації за ЄДРПОУ"_s).marks(),
        F(K::Edit, u"gorv"_s, u"2655"_s).label(u"Місто"_s),
        languageGroup(u"Indjz"_s, u"українська "_s, u"Мова найменування виконавця:"_s),
        F(K::Memo, u"mm2151"_s, u"2151"_s).noEnter().label(u"2151. Повне найменування виконавця"_s).marks(),
        F(K::Edit, u"ed2358"_s, u"2358"_s).label(u"2358. Скорочене найменування"_s).marks(),
        F(K::Memo, u"mm2655"_s, u"2655"_s).noEnter().label(u"2655. Повне місцезнаходження"_s).marks()
            .hint(commonTexts::addressHint()),
        F(K::Edit, u"ed2934"_s, u"2934"_s).label(u"2934. Телефон / Факс  "_s).marks(),
        F(K::Edit, u"ed2394"_s, u"2394"_s).label(u"2394. E-mail /WWW"_s).marks().hint(commonTexts::mailHint()),
        F(K::Edit, u"ed1332"_s, u"1332"_s).maxLength(80).label(u"1332. Відомча підпорядкованість"_s).marks()
            .hint(subordinationHint(u"Виконавець"_s)),
        F(K::Combo, u"cb1133"_s, u"1133"_s).items({u"АКД"_s, u"ГЛЗ "_s, u"ВУЗ"_s, u"ЗАВ"_s, QString()})
            .byDefault({}).cleared({}).label(u"1133.Сектор науки"_s)
            .hint(u"АКД - академічний\nГЛЗ - галузевий\nВУЗ - вузівський\nЗАВ - заводський"_s),
    };
}

Page coExecutorPage()
{
    return Page{
        F(K::Edit, u"ed2142p"_s, u"2142"_s).byDefault(u"1"_s).cleared(u"1"_s).label(u"Порядковий №"_s)
            .hint(u"Максимальна кількість співвиконавців - 50.\n"_s + deletionHint(u"співвиконавця"_s)),
        F(K::Combo, u"lizsv"_s, u"2142"_s).items(commonTexts::personKinds())
            .byDefault(commonTexts::personKinds().at(0)),
        F(K::Masked, u"ed2142k"_s, u"2142"_s).mask(kLegalCode, 8).label(u"Код організіції за ЄДРПОУ"_s).marks(),
        F(K::Memo, u"mm2142n"_s, u"2142"_s).noEnter().label(u"Найменування"_s).marks()
            .hint(u"Повне найменування співвиконавця"_s),
        F(K::Edit, u"Ed2142m"_s, u"2142"_s).label(u"Місто"_s),
        F(K::Edit, u"ed2142ad"_s, u"2142"_s).label(u"Місцезнаходження"_s).marks().hint(commonTexts::addressHint()),
        F(K::Memo, u"mm5481"_s, u"5481"_s).noEnter().marks()
            .label(u"5481. Бібліографічний опис (статей,монографій, нормативно-технічної документації тощо)"_s),
        F(K::Combo, u"cb5040"_s, u"5040"_s).items({QString(), u"19"_s, u"91"_s, u"28"_s}).maxLength(2).cleared({})
            .label(u"5040. Вид звітного документа"_s).marks()
            .hint(u"19 - без звіту (тільки для співвиконавців)\n91 - Заключний звіт\n28 - Проміжний звіт"_s),
        F(K::Combo, u"cb5715"_s, u"5715"_s).items({QString(), u"720"_s, u"570"_s, u"045"_s}).maxLength(3)
            .byDefault(u"720"_s).cleared({}).label(u"5715. Мова звітного документа"_s).marks()
            .hint(u"720 - Українська мова\n570 - Російська мова\n045 - Англійська мова"_s),
        F(K::Edit, u"ed5743"_s, u"5743"_s).label(u"5743. Кількість електронних носіїв"_s)
            .hint(u"Указується загальна кількість електронних носіїв інформації, на яких міститься звіт."_s),
        F(K::Combo, u"cb5535"_s, u"5535"_s).items({QString(), u"35"_s, u"53"_s}).byDefault(u"35"_s).cleared({})
            .label(u"5535. Умови поширення в Україні"_s)
            .hint(u"35 - Дозволяється копіювати\n"
                  u"53 - Не дозволяється копіювати (тільки для робіт, що виконувались \n"
                  u"за власні кошти, \n"
                  u"кощти інших джерел, \n"
                  u"кошти замовників іноземгих держав)"_s),
        F(K::Masked, u"ed5742"_s, u"5742"_s).mask(u"999999;1; "_s, 6).label(u"5742. Сторінок"_s).marks(),
        F(K::Edit, u"ed5744"_s, u"5744"_s).label(u"5744. Загальна кількість файлів"_s)
            .hint(u"Указується загальна кількість файлів на електронних носіях інформації із звітом"_s),
        F(K::Combo, u"cb5211"_s, u"5211"_s).items({QString(), u"55"_s, u"63"_s}).maxLength(2).cleared({})
            .label(u"5211. Умови передачі зарубіжним країнам"_s).marks()
            .hint(u"55 - Дозволяється копіювати\n63 - Не дозволяється копіювати"_s),
    };
}

Page ownerPage()
{
    return Page{
        F(K::Edit, u"Edit1"_s, u"2459"_s).byDefault(u"1"_s).cleared(u"1"_s).label(u"Порядковий №"_s),
        F(K::Combo, u"lizz"_s, u"2459"_s).items(commonTexts::personKinds()).byDefault(commonTexts::personKinds().at(0)),
        F(K::Masked, u"ed2459"_s, u"2459"_s).mask(kLegalCode, 8).label(u"2459.Код організації за ЄДРПУ"_s).marks(),
        F(K::Edit, u"gorz"_s, u"2459"_s).label(u"Місто"_s),
        F(K::Memo, u"mm2153"_s, u"2459"_s).noEnter().label(u"2153. Повне найменування власника"_s).marks(),
        F(K::Edit, u"ed2360"_s, u"2459"_s).label(u"2360. Скорочене найменування"_s).marks(),
        F(K::Memo, u"mm2657"_s, u"2459"_s).noEnter().label(u"2657. Місцезнаходження"_s)
            .hint(commonTexts::addressHint()),
        F(K::Masked, u"ed2935"_s, u"2459"_s).label(u"2935. Телефон / Факс"_s).marks(),
        F(K::Masked, u"ed2395"_s, u"2459"_s).label(u"2395. E-mail / WWW"_s).marks().hint(commonTexts::mailHint()),
        F(K::Edit, u"ed1333"_s, u"2459"_s).maxLength(80).label(u"1333. Відомча підпорядкованість"_s).marks()
            .hint(subordinationHint(u"Власник"_s)),
        F(K::Masked, u"ed5518N"_s, u"2459"_s).maxLength(30).label(u"5518. № юридичного документа"_s).marks()
            .hint(commonTexts::documentHint()),
        F(K::Masked, u"ed5518D"_s, u"2459"_s).mask(kDate, 8).label(u"дата видачі"_s).marks().hint(kDateHint),
    };
}

Page financingPage()
{
    return Page{
        F(K::Edit, u"ed7700"_s, u"7700"_s).label(u"7700. КПКВК"_s).marks()
            .hint(u"Вказується код бюджетної програми\n"
                  u"(код програмної класифікації видатків і кредитування),\n"
                  u"за якою здійснюється фінансування (за даними, \n"
                  u"наведеними у розділі \"Вартість робіт та порядок розрахунків\"\n"
                  u"договору на виконання (передачу) науково-технічних робіт)"_s),
        F(K::Combo, u"cb7201"_s, u"7201"_s).items(commonTexts::directionItems()).byDefault({}).cleared({})
            .label(u"7201. Напрям фінансування"_s).hint(commonTexts::directionHint()),
        F(K::Edit, u"ed7201a"_s, u"7201"_s).label(u"Інше "_s).hint(u"Вказується при віборі коду 2.7 (інше)"_s),
        F(K::Memo, u"ed7023"_s, u"7023"_s).noEnter().label(u"7023. Назва ДЦП"_s)
            .hint(u"Вказується назва державної цільової програми, в рамках якої виконується НДР"_s),
        F(K::Edit, u"ed7022"_s, u"7022"_s).label(u"7022. Код ДЦП"_s)
            .hint(u"Зазначається обліковий код державної цільової програми\n"
                  u"згідно з переліком, затвердженим Мінекономіки України"_s),
        F(K::Combo, u"fin"_s).items(commonTexts::sourceItems()).byDefault({}).cleared({}).label(u"Код джерела "_s)
            .hint(commonTexts::sourceHint()),
        F(K::Combo, u"ed"_s).items(commonTexts::currencies()).byDefault(commonTexts::currencies().at(0))
            .label(u"Грошова одиниця"_s).marks().hint(commonTexts::currencyHint()),
        F(K::Edit, u"sum"_s).label(u"Обсяг фінансування за звітний етап"_s).hint(commonTexts::currencyHint()),
        F(K::Combo, u"fin1"_s).items(commonTexts::sourceItems()).byDefault({}).cleared({})
            .hint(commonTexts::sourceHint()),
        F(K::Combo, u"ed1"_s).items(commonTexts::currencies()).byDefault({}).cleared({}).marks()
            .hint(commonTexts::currencyHint()),
        F(K::Edit, u"sum1"_s),
    };
}

Page titlePage()
{
    return Page{
        languageGroup(u"Indjzr"_s, u"українська"_s, u"Мова назви і реферату :"_s),
        F(K::Memo, u"mm9027"_s, u"9027"_s).noEnter().label(u"9027. Назва роботи"_s).marks(),
        F(K::Memo, u"mm9117"_s, u"9117"_s).noEnter().vScroll().label(u"9117. Реферат"_s).marks(),
    };
}

Page subjectPage()
{
    auto rubric = [](const QString &name) { return F(K::Masked, name, u"5616"_s).mask(kRubric, 11).marks().hint(kVeltarisHint); };
    return Page{
        F(K::Edit, u"ed5634"_s, u"5634"_s).label(u"5634. Індекс УДК"_s).marks(),
        rubric(u"ed5616a"_s).label(u"5616. Коди тематичних рубрик"_s),
        rubric(u"ed5616b"_s),
        rubric(u"ed5616c"_s),
        rubric(u"ed5616e"_s),
        rubric(u"ed5616f"_s),
        F(K::Edit, u"ed6111"_s, u"6111"_s).label(u"6111. Керівник юридичної \nособи\n"_s + kNameColumn).marks(),
        F(K::Edit, u"ed6210vc"_s, u"6210"_s).label(kDegreeLabel).marks(),
        languageGroup(u"indjzk"_s, u"українська "_s, u"Мова П.І.Б. керівника роботи"_s),
        F(K::Edit, u"ed6120"_s, u"6120"_s).label(u"6120. Керівник розробки\n"_s + kNameColumn).marks(),
        F(K::Edit, u"ed6228vc"_s, u"6228"_s).label(kDegreeLabel).marks(),
        F(K::Edit, u"Cpn"_s, u"6121"_s).maxLength(1).byDefault(u"1"_s).cleared(u"1"_s).label(u" № "_s).marks()
            .hint(okExecutorListHint()),
        F(K::Edit, u"ed6121a"_s, u"6121"_s).label(u"(П.І.Б.)"_s),
        F(K::Edit, u"ed6121ak"_s, u"6121"_s).label(u"Посада"_s).hint(u"Скорочена назва посади"_s),
        F(K::Edit, u"ed6121az"_s, u"6121"_s).label(kDegreeLabel),
        F(K::Edit, u"ed6141"_s, u"6141"_s)
            .label(u"6141. Відповідальний за підготовку документів   (телефон, П.І.Б.)"_s),
        F(K::Edit, u"ed6140"_s, u"6140"_s).label(u"6140. Керівник відділу держреєстрації Велтарис"_s).marks()
            .hint(kVeltarisHint),
        // Shown between c and e, entered last on the page.
        rubric(u"ed5616d"_s),
    };
}

} // namespace

const FieldTable &okFieldTable()
{
    static const FieldTable table = fieldTableOfPages(
        kPages, {registrationPage(), executorPage(), coExecutorPage(), ownerPage(), financingPage(), titlePage(),
                 subjectPage()});
    return table;
}

QString okHeadingAbove(const QString &field)
{
    // Each heading stands on the page of the field below it.
    static const QHash<QString, QString> headings = {
        {u"ed9036n"_s, u"9036. Етапи роботи :"_s}, {u"lizv"_s, u"Відомості про виконавця "_s},
        {u"ed2142p"_s, u"2142. Співвиконавці:"_s}, {u"Edit1"_s, u"Відомості про власника результатів НДР (ДКР)"_s},
        {u"ed7700"_s, u"ДЖЕРЕЛА, НАПРЯМИ ТА ОБСЯГИ ФІНАНСУВАННЯ НДР (ДКР)"_s},
        {u"fin"_s, u"Фактичні обсяги фінансування"_s}, {u"Cpn"_s, u"6121. Список виконавців"_s},
    };
    return headings.value(field);
}

QString okPageHint(int page)
{
    if (page == 2)
        return deletionHint(u"співвиконавця"_s);
    if (page == 3)
        return deletionHint(u"власника"_s);
    return {};
}

QString okExecutorListHint()
{
    return deletionHint(u"виконавця з списку"_s);
}

QString okLabelName(const QString &field)
{
    static const QHash<QString, QString> names = {
        {u"ed2457"_s, u"Label30"_s}, {u"ed2459"_s, u"StaticText2"_s}, {u"ed2142k"_s, u"Label43"_s},
        {u"ed7201a"_s, u"lab7201"_s},
    };
    return names.value(field);
}

const QStringList &okClickMarkFields()
{
    static const QStringList fields = {u"cb5256"_s, u"cb5040"_s, u"cb5535"_s, u"cb5211"_s, u"lizz"_s};
    return fields;
}

const QList<QStringList> &okFinancingRows()
{
    static const QList<QStringList> rows = {{u"fin"_s, u"ed"_s, u"sum"_s}, {u"fin1"_s, u"ed1"_s, u"sum1"_s}};
    return rows;
}

const QStringList &okRubricFields()
{
    static const QStringList fields = {u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s,
                                       u"ed5616d"_s, u"ed5616e"_s, u"ed5616f"_s};
    return fields;
}
