#include "cards/okd/okd_fields.h"

#include "fields/common_texts.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList kPages = {u"Реєстраційні дані"_s, u"Організаціі"_s, u"Тема дисертації та реферат"_s,
                            u"Наукові керівники"_s, u"Загальні дані"_s};

using namespace fieldTableRows;

// A key released in a field that holds typed card data marks the card modified, the
// title, the abstract, the e-mail and every speciality code too: a change there is
// a change the unsaved-changes question must know of.

// The masks of the dates and speciality codes, of the counts on the general page.
const QString kDate = u"99.99.99;1;_"_s;
const QString kSpeciality = u"99.99.99;1;"_s;
const QString kCount = u"!9999;1; "_s;
const QString kDateHint = u"Дата проставляється у вигляді :  ДД.ММ.РР"_s;

// A field without a tooltip at all (the others without a hint of their own show
// "Допомоги немає").
F bare(K kind, const QString &name, const QString &code = {})
{
    return F(kind, name, code).hint({});
}

// A language group without a tooltip.
F language(const QString &name, const QString &label)
{
    return languageGroup(name, u"українська "_s, label).hint({});
}

Page registrationPage()
{
    return Page{
        F(K::Combo, u"cb5013"_s, u"5013"_s).items({u"04"_s, u"05"_s}).maxLength(2).byDefault(u"04"_s)
            .label(u"5013. Вид дисертація"_s).marks().hint(u"04 - Кандидатська,\n05 - Докторська."_s),
        F(K::Masked, u"ed5436"_s, u"5436"_s).label(u"5436. Державні реєстраційні номери"_s).marks()
            .hint(u"Реєстраційні номери НДДКР записуються через \";\""_s),
        F(K::Combo, u"cb5256"_s, u"5256"_s).items({u"5"_s, u"1"_s}).maxLength(1).byDefault(u"5"_s)
            .label(u"5256. Особливі позначки"_s).marks().hint(u"5 - Відкрита,\n1 - Для службового користування"_s),
        F(K::Edit, u"ed5418N"_s, u"5418"_s).label(u"5418.  № супровідного листа"_s).marks(),
        F(K::Masked, u"ed5418D"_s, u"5418"_s).mask(kDate, 8).label(u"Дата листа"_s).marks().hint(kDateHint),
        language(u"indjzd"_s, u"Мова П.І.Б. здобувача"_s),
        F(K::Edit, u"ed6147"_s, u"6147"_s).maxLength(80).label(u"6147. Прізвище, ім'я, по батькові здобувача"_s)
            .marks(),
        bare(K::Check, u"cb6642"_s, u"6642"_s).byDefault(u"0"_s).label(u"6642. Аспірантура"_s).marks(),
        bare(K::Combo, u"ed7425"_s, u"7425"_s).items(okdDegrees()).byDefault({}).cleared({})
            .label(u"7425. На здобуття наукового ступеня"_s),
        F(K::Masked, u"ed6444"_s, u"6444"_s).mask(kDate, 8).label(u"6444. Шифри  наукових спеціальностей"_s).marks(),
        F(K::Masked, u"Ed6444a"_s, u"6444"_s).mask(kSpeciality, 8).marks(),
        F(K::Edit, u"ed6480"_s, u"6480"_s).maxLength(40).label(u"6480. № спеціальності за освітою"_s).marks(),
        F(K::Masked, u"ed7434"_s, u"7434"_s).mask(kDate, 8).label(u"7434. Дата захисту"_s).marks().hint(kDateHint),
        F(K::Edit, u"ed7021"_s, u"7021"_s).label(u"7021. Шифр роботи, наданий організацією"_s).marks(),
        F(K::Masked, u"ed5438"_s, u"5438"_s).mask(u"9999U999999;1;_"_s, 11).label(u"5438. Державний обліковий номер"_s)
            .marks().hint(u"Номер надається в Велтарис. "_s),
    };
}

Page organisationPage()
{
    // One set of fields shows the organisation slot the radio group chooses.
    return Page{
        bare(K::Radio, u"RadioGroup1"_s).choosesView()
            .items({u"Відомості про спеціалізовану вчену раду."_s,
                    u"Відомості про організацію, у вченій раді якої відбувся захист."_s,
                    u"Відомості про організацію, в якій було виконано дисертацію."_s,
                    u"Відомості про організацію, де працює здобувач."_s})
            .label(u"Організаціі"_s),
        F(K::Masked, u"ed7452"_s, u"7452"_s).label(u"7452. Шифр вченої ради"_s).marks()
            .hint(u"По Спецраді заповнюются два поля: Шифр вченої ради і Телефон."_s),
        bare(K::Combo, u"lizv"_s, u"2484"_s).spoken(u"Юридична чи фізична особа"_s).items(commonTexts::personKinds())
            .byDefault(commonTexts::personKinds().at(0)),
        F(K::Masked, u"edCod"_s, u"2430"_s).mask(u"99999999;1;_"_s, 8).label(u"Код організації за ЄДРПОУ"_s).marks(),
        bare(K::Memo, u"mmNaz"_s, u"2304"_s).vScroll().label(u"Найменування організації"_s).marks(),
        F(K::Masked, u"edMis"_s, u"2637"_s).mask(u">LLLlccccccccccccccccccccccccc;0; "_s, 29).label(u"Місто"_s).marks(),
        F(K::Masked, u"edAdr"_s, u"2637"_s).label(u"Місцезнаходження"_s).marks(),
        F(K::Masked, u"edTel"_s, u"7461"_s).label(u"Телефон / Факс"_s).marks(),
        F(K::Edit, u"edEM"_s, u"2395"_s).label(u"E-mail  /WWW"_s).marks(),
        F(K::Masked, u"edMin"_s, u"1334"_s).label(u"Відомча підпорядкованість"_s).marks(),
        F(K::Combo, u"cb1133"_s, u"1133"_s).items({u"АКД"_s, u"ВУЗ"_s, u"ГЛЗ"_s, u"НЕД"_s}).byDefault({}).cleared({})
            .label(u"Сектор науки"_s)
            .hint(u"АКД - академічний\nВУЗ - вузівський\nГЛЗ - галузевий\nНЕД - недержавний"_s),
    };
}

Page titlePage()
{
    return Page{
        language(u"RadioGroup2"_s, u"Мова назви дисертації та реферату"_s),
        bare(K::Memo, u"mm9045"_s, u"9045"_s).vScroll().label(u"9045. Назва дисертації"_s).marks(),
        bare(K::Memo, u"mm9118"_s, u"9118"_s).vScroll().label(u"9118. Реферат"_s).marks(),
    };
}

// One row of persons: name, degree, title, two speciality codes. The row number
// labels the name; the first row's fields carry the column captions.
Page personRow(const QString &code, int n, const QStringList &names, const QStringList &degrees,
               const QString &secondMask)
{
    const QString number = u" %1."_s.arg(n);
    F degree = bare(K::Combo, names.at(1), code).items(degrees).byDefault({}).cleared({});
    F title = F(K::Edit, names.at(2), code).marks();
    F speciality = F(K::Masked, names.at(3), code).mask(kDate, 8).marks();
    if (n == 1 && code == QLatin1String("6156"))
        speciality.label(u"Шифри наукових спеціальностей"_s);
    if (n == 1) {
        degree.label(u"Науковий ступінь"_s);
        title.label(u"Вчене звання"_s);
    }
    const QString who = code == QLatin1String("6156") ? u"Науковий керівник"_s : u"Офіційний опонент"_s;
    return Page{
        F(K::Edit, names.at(0), code).label(number).marks().spoken(u"%1 %2: прізвище, ім'я, по батькові"_s.arg(who).arg(n)),
        degree,
        title,
        speciality,
        F(K::Masked, names.at(4), code).mask(secondMask, 8).marks(),
    };
}

Page supervisorsPage()
{
    Page page{language(u"indjzk"_s, u"Мова П.І.Б. наукового керівника"_s)};
    QStringList degrees = QStringList{QString()} + okdDegrees();
    for (int n = 1; n <= 3; ++n) {
        // The third supervisor's list ends with one more empty entry.
        const QStringList items = n == 3 ? degrees + QStringList{QString()} : degrees;
        page += personRow(u"6156"_s, n, okdSupervisorFields(n), items, n == 1 ? kDate : kSpeciality);
    }
    for (int n = 1; n <= 4; ++n)
        page += personRow(u"6165"_s, n, okdOpponentFields(n), degrees, kSpeciality);
    page += F(K::Edit, u"ed6174"_s, u"6174"_s).label(u"Голова спеціалізованої вченої ради"_s).marks();
    page += bare(K::Combo, u"ed6273ns"_s, u"6273"_s).items(okdDegrees()).byDefault({}).cleared({});
    page += F(K::Edit, u"ed6273vz"_s, u"6273"_s).label(u"Вчене звання"_s).marks();
    return page;
}

Page generalPage()
{
    auto count = [](const QString &name, const QString &code, const QString &label) {
        return F(K::Masked, name, code).mask(kCount, 4).label(label).marks();
    };
    Page page{
        F(K::Combo, u"cb7443"_s, u"7443"_s).items({u"13"_s, u"22"_s, u"40"_s}).maxLength(2).byDefault({}).cleared({})
            .label(u"7443. Підсумки дослідження"_s).marks()
            .hint(u"13 - Новий напрямок у науці і техніці,\n"
                  u"22 - Теоретичне узагальнення і вирішення важливої наукової проблеми,\n"
                  u"40 - Нове вирішення актуального наукового завдання."_s),
        count(u"ed5742"_s, u"5742"_s, u"5742 . Сторінок"_s),
        count(u"ed5751"_s, u"5751"_s, u"5751. Додатків"_s),
        count(u"ed5760"_s, u"5760"_s, u"5760. Ілюстрацій"_s),
        count(u"ed5778"_s, u"5778"_s, u"5778. Таблиць"_s),
        count(u"ed5787"_s, u"5787"_s, u"5787. Використаних першоджерел"_s),
        count(u"ed5481"_s, u"5481"_s, u"5481. Публікацій"_s),
        count(u"ed5472"_s, u"5472"_s, u"5472. Патентів"_s),
        F(K::Combo, u"cb5715"_s, u"5715"_s).items({u"     "_s, u"720"_s, u"570"_s, u"045"_s}).maxLength(3)
            .byDefault({}).cleared({}).label(u"5715. Мова документа"_s)
            .hint(u"720 - Українська мова\n570 - Російська мова\n045 - Англійська мова"_s),
        F(K::Edit, u"ed5743"_s, u"5743"_s).label(u"5743. Кількість електронних носіів"_s)
            .hint(u"Зазначається загальна кількість електронних носіїв інформації, на яких міститься дисертація "
                  u"та автореферат."_s),
        F(K::Edit, u"ed5744"_s, u"5744"_s).label(u"5744. Загальна кількість файлів"_s)
            .hint(u"Зазначається загальна кількість файлів на електронних носіях інформації із дисертацією та "
                  u"авторефератом."_s),
        F(K::Combo, u"cb7344"_s, u"7344"_s).items({u"35"_s, u"53"_s}).maxLength(2).byDefault({}).cleared({})
            .label(u"7344. Упровадження результатів роботи"_s).marks()
            .hint(u"35 - Упроваджено,\n53 - Планується впровадження."_s),
        F(K::Masked, u"ed5634"_s, u"5634"_s).label(u"5634. Індекс УДК"_s).marks(),
    };
    // The six subject codes under one caption.
    for (const QString &name : okdRubricFields()) {
        F rubric = F(K::Masked, name, u"5616"_s).mask(u"99.99.99.99;1;_"_s, 11).marks()
                       .hint(u"Проставляється при реєстрації ОКД в Велтарис"_s);
        if (name == okdRubricFields().first())
            rubric.label(u"5616. Коди тематичних рубрик"_s);
        page += rubric;
    }
    page += bare(K::Edit, u"ed6141"_s, u"6141"_s)
                .label(u"6141. Відповідальний за підготовку реєстраційних   документів  ( телефон, П.І.Б.)"_s);
    page += bare(K::Edit, u"ed6140"_s, u"6140"_s).label(u"6140. Керівник відділу держреєстрації Велтарис"_s);
    return page;
}

} // namespace

const FieldTable &okdFieldTable()
{
    static const FieldTable table = fieldTableOfPages(
        kPages, {registrationPage(), organisationPage(), titlePage(), supervisorsPage(), generalPage()});
    return table;
}

const QStringList &okdDegrees()
{
    static const QStringList degrees = {
        u"д.арх."_s,       u"д.б.н."_s,         u"д.вет.н."_s,   u"д.військ.н."_s, u"д.геогр.н."_s,
        u"д.геол.н."_s,    u"д.держ.упр."_s,    u"д.е.н."_s,     u"д.і.н."_s,      u"д.культурол.н."_s,
        u"д.мед.н."_s,     u"д.мист."_s,        u"д.пед.н."_s,   u"д.політ.н."_s,  u"д.соц.н."_s,
        u"д соц.комунік."_s, u"д.т.н."_s,       u"д.ф.-м.н."_s,  u"д.фарм.н."_s,   u"д.фіз.вих."_s,
        u"д.філол.н."_s,   u"д.філос.н."_s,     u"д.х.н."_s,     u"д.ю.н."_s,      u"д.психол.н."_s,
        u"д.с.-г.н."_s,    u"к.арх."_s,         u"к.б.н."_s,     u"к.вет.н."_s,    u"к.військ.н."_s,
        u"к.геогр.н."_s,   u"к.геол.н."_s,      u"к.держ.упр."_s, u"к.е.н."_s,     u"к.і.н."_s,
        u"к культурол.н."_s, u"к.мед.н."_s,     u"к.мист."_s,    u"к.пед.н."_s,    u"к.політ.н."_s,
        u"к.соц.н."_s,     u"к.соц.комунік."_s, u"к.т.н."_s,     u"к.ф.-м.н."_s,   u"к.фарм.н."_s,
        u"к.фіз.вих."_s,   u"к.філол.н."_s,     u"к.філос.н."_s, u"к.х.н."_s,      u"к.ю.н."_s,
        u"к.психол.н."_s,  u"к.с.-г.н."_s,
    };
    return degrees;
}

QString okdHeadingAbove(const QString &field)
{
    // The frames of the supervisors, the opponents and the counts; the note between
    // the first two.
    static const QHash<QString, QString> headings = {{u"ed6156f1"_s, u"Прізвище, ім'я, по батькові наукових керівніків"_s},
                                                     {u"notes"_s, u"далі українською:"_s},
                                                     {u"ed6156h1"_s, u"Шифри наукових спеціальностей"_s},
                                                     {u"ed6165f1"_s, u"Офіційни опоненти (П.І.Б.)"_s},
                                                     {u"ed5742"_s, u"Кількісні характеристики дисертації"_s}};
    return headings.value(field);
}

QString okdLabelName(const QString &field)
{
    static const QHash<QString, QString> names = {
        {u"ed7452"_s, u"lb1"_s}, {u"edMin"_s, u"lb2"_s}, {u"edCod"_s, u"lb3"_s}, {u"cb1133"_s, u"lb16"_s}};
    return names.value(field);
}

const QStringList &okdClickMarkFields()
{
    static const QStringList fields = {u"cb5013"_s, u"cb5256"_s, u"cb7443"_s, u"cb7344"_s};
    return fields;
}

const QStringList &okdRubricFields()
{
    static const QStringList fields = {u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s,
                                       u"ed5616d"_s, u"ed5616e"_s, u"ed5616f"_s};
    return fields;
}

QStringList okdSupervisorFields(int n)
{
    const QString d = QString::number(n);
    return {u"ed6156f"_s + d, u"ed6156ns"_s + d, u"ed6156vz"_s + d, u"ed6156h"_s + d, u"Ed6156h"_s + d + u"a"_s};
}

QStringList okdOpponentFields(int n)
{
    const QString d = QString::number(n);
    return {u"ed6165f"_s + d, u"ed6165ns"_s + d, u"ed6165vz"_s + d, u"ed6165h"_s + d, u"Ed6165h"_s + d + u"a"_s};
}
