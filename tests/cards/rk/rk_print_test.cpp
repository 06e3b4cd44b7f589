#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_print_layouts.h"
#include "fields/card_document.h"
#include "print/dop_sheets.h"
#include "print/page_renderer.h"
#include "print/print_job.h"
#include "print/report_layouts.h"
#include "print/text_wrap.h"
#include "rk_test_support.h"
#include "support/fake_platform.h"
#include "support/print_checks.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kContinued = u"(див. продовження)"_s;

RkModel &rkOf(CardDocument &doc)
{
    return static_cast<RkModel &>(doc.model());
}

PageLayout &layout(const QString &name)
{
    return printChecks::layouts().layout(name);
}

PageLayout &page(int n)
{
    return layout(n == 1 ? rkPrintLayouts::page1() : rkPrintLayouts::page2());
}

using printChecks::sheetLines;

// An entry of a list as the editor stores it: the number field, the item fields in
// the list's order, then the store.
void addEntry(RkModel &m, RkList list, int n, const QStringList &values)
{
    const EntryListSettings entry = RkModel::entryListSettings(list);
    m.setText(entry.numberField, QString::number(n));
    for (qsizetype i = 0; i < values.size(); ++i)
        m.setFitted(entry.itemFields.at(i), values.at(i));
    m.storeFields(list, n);
}

void addStage(RkModel &m, int n, const QString &name = {})
{
    addEntry(m, RkList::Stages, n,
             {u"%1.05"_s.arg(n, 2, 10, QChar(u'0')), u"12.05"_s, u"28"_s,
              name.isEmpty() ? u"Етап номер %1"_s.arg(n) : name});
}

void addCustomer(RkModel &m, int n, const QString &name = {})
{
    addEntry(m, RkList::Customers, n,
             {rkPersonKinds().at(0), u"1234567%1"_s.arg(n), u"Київ"_s,
              name.isEmpty() ? u"Замовник номер %1"_s.arg(n) : name, u"вул. Хрещатик, %1"_s.arg(n),
              u"044-000-00-0%1"_s.arg(n),
              u"zam%1@example.ua"_s.arg(n)});
}

void addCoExecutor(RkModel &m, int n)
{
    addEntry(m, RkList::CoExecutors, n,
             {rkPersonKinds().at(0), u"8765432%1"_s.arg(n % 10), u"Харків"_s,
              u"Співвиконавець номер %1 з досить довгою назвою установи"_s.arg(n), u"пр. Науки, %1"_s.arg(n)});
}

using printChecks::longText;

// A card with every value filled, as long as the form lets each one print in full.
void fillFullCard(RkModel &m)
{
    const QList<std::pair<QString, QString>> values = {
        {u"ed5436"_s, u"0105U000123 "_s}, {u"ed5256"_s, u"1"_s}, {u"ed5517"_s, u"0104U000777 "_s},
        {u"ed7209"_s, u"17"_s}, {u"ed5418N"_s, u"123/45-67"_s}, {u"ed5418D"_s, u"01.02.05"_s},
        {u"ed7146"_s, u"34"_s}, {u"ed7021"_s, u"ШФ-2005/17"_s}, {u"ed7210"_s, u"0103U009876 "_s},
        {u"ed2457"_s, u"02070987"_s}, {u"ed2358"_s, u"ІПМ НАН України"_s},
        {u"mm2655"_s, u"03680, м. Київ, вул. Наумова, 15"_s}, {u"ed2934"_s, u"(044) 526-32-51 / 526-32-52"_s},
        {u"ed2394"_s, u"ipm@ipm.kiev.ua / www.ipm.kiev.ua"_s}, {u"ed1332"_s, u"Національна академія наук України"_s},
        {u"cb1133"_s, u"АКД"_s}, {u"ed7700"_s, u"6541030"_s}, {u"cb7201"_s, u"2.7"_s},
        {u"ed7201a"_s, u"Цільова програма наукових досліджень"_s},
        {u"ed7023"_s, u"Загальнодержавна цільова науково-технічна програма «Нанотехнології та наноматеріали» "
                      u"на 2010-2014 роки"_s},
        {u"ed7022"_s, u"ДЦП-17"_s}, {u"fin"_s, u"7713"_s}, {u"ed"_s, u"тис.грн."_s}, {u"sum"_s, u"1500.5"_s},
        {u"fin1"_s, u"7722"_s}, {u"ed1"_s, u"грн."_s}, {u"sum1"_s, u"250"_s}, {u"ed7353"_s, u"01.05"_s},
        {u"ed7362"_s, u"12.07"_s}, {u"cb7199"_s, u"06"_s}, {u"ed7191"_s, u"48"_s}, {u"cb9153"_s, u"007"_s},
        {u"cb9153a"_s, u"методична документація"_s}, {u"ed5634"_s, u"539.3:620.17"_s},
        {u"ed56161"_s, u"29.19.21.00"_s}, {u"ed56162"_s, u"29.19.22.00"_s}, {u"ed56163"_s, u"30.19.00.00"_s},
        {u"ed56164"_s, u"30.19.15.00"_s}, {u"ed56165"_s, u"81.09.00.00"_s}, {u"ed56166"_s, u"55.22.00.00"_s},
        {u"ed6111"_s, u"Шевченко Тарас Григорович"_s}, {u"ed6210"_s, u"академік НАН України"_s},
        {u"ed6228"_s, u"доктор технічних наук, професор"_s},
        {u"ed6141"_s, u"(044) 526-31-00, Коваленко Олена Іванівна"_s}, {u"ed6140"_s, u"Бондаренко Ігор Петрович"_s},
        {u"mm9126"_s, longText(u"мета"_s, 60)}, {u"mm9155"_s, u"Машинобудування, енергетика"_s},
        {u"mm9156"_s, u"Робота відповідає пріоритетам"_s},
    };
    const QStringList years = rkYearFields();
    for (int i = 0; i < years.size(); ++i) {
        m.setText(years.at(i), QString::number(2005 + i));
        m.setText(rkFinancingRows().at(0).at(3 + i), QString::number(100 + i));
        m.setText(rkFinancingRows().at(1).at(3 + i), QString::number(10 + i));
    }
    for (const auto &[field, value] : values)
        m.setFitted(field, value);
    m.setBilingual(RkText::ExecutorName, RkLanguage::Ukrainian,
                   u"Інститут проблем міцності імені Г.С. Писаренка Національної академії наук України"_s);
    m.setBilingual(RkText::ExecutorName, RkLanguage::English,
                   u"G.S. Pisarenko Institute for Problems of Strength of the National Academy of Sciences"_s);
    m.setBilingual(RkText::WorkTitle, RkLanguage::Ukrainian,
                   u"Розроблення методів оцінки ресурсу жаростійких покриттів лопаток газотурбінних двигунів"_s);
    m.setBilingual(RkText::WorkTitle, RkLanguage::English,
                   u"Development of methods of life assessment of heat-resistant coatings of gas turbine blades"_s);
    m.setBilingual(RkText::WorkHead, RkLanguage::Ukrainian, u"Писаренко Георгій Степанович"_s);
    m.setBilingual(RkText::WorkHead, RkLanguage::English, u"Pysarenko Heorhii"_s);
    for (int n = 1; n <= 3; ++n)
        addStage(m, n);
    addCustomer(m, 1, u"Міністерство освіти і науки, молоді та спорту України, Департамент наукової діяльності"_s);
    addCustomer(m, 2);
    addCoExecutor(m, 1);
}

bool print(CardDocument &doc, FakePlatform &platform)
{
    return printChecks::printCard(doc, platform);
}

} // namespace

class RkPrintTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        rkTest::kind(); // registers the RK pages
    }

    void valuesPrinted_data()
    {
        QTest::addColumn<QStringList>("fields"); // "name=value", set as a card file sets them
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QStringList>("printed"); // a label's text, or a memo's lines

        QTest::newRow("letter number without date") << QStringList{u"ed5418N=12"_s} << 1 << u"QRLabel3"_s
                                                    << QStringList{u"12"_s};
        QTest::newRow("letter number with date") << QStringList{u"ed5418N=12"_s, u"ed5418D=01.02.05"_s} << 1
                                                 << u"QRLabel3"_s << QStringList{u"12; 01.02.05"_s};
        QTest::newRow("total in thousands") << QStringList{u"sum=150"_s, u"ed=тис.грн."_s} << 1 << u"QRLabel64"_s
                                            << QStringList{u"150"_s};
        QTest::newRow("total in hryvnias") << QStringList{u"sum=150"_s, u"ed=грн."_s} << 1 << u"QRLabel64"_s
                                           << QStringList{u"150 грн."_s};
        QTest::newRow("second total with its unit") << QStringList{u"sum1=7"_s, u"ed1=дол."_s} << 1
                                                    << u"QRLabel65"_s << QStringList{u"7 дол."_s};
        QTest::newRow("empty total") << QStringList{u"sum="_s, u"ed=грн."_s} << 1 << u"QRLabel64"_s
                                     << QStringList{u" "_s};
        QTest::newRow("state number untouched") << QStringList{} << 1 << u"QRLabel9"_s << QStringList{u" "_s};
        QTest::newRow("state number") << QStringList{u"ed5436=0105U000123 "_s} << 1 << u"QRLabel9"_s
                                      << QStringList{u"0105U000123 "_s};
        QTest::newRow("changed number empty") << QStringList{} << 1 << u"QRLabel14"_s << QStringList{u" "_s};
        QTest::newRow("changed number") << QStringList{u"ed5517=0104U000777c"_s} << 1 << u"QRLabel14"_s
                                        << QStringList{u"0104U000777c"_s};
        QTest::newRow("start untouched") << QStringList{} << 1 << u"QRLabel20"_s << QStringList{u" "_s};
        QTest::newRow("end of work") << QStringList{u"ed7362=12.07"_s} << 1 << u"QRLabel41"_s
                                     << QStringList{u"12.07"_s};
        QTest::newRow("direction with other") << QStringList{u"cb7201=2.7"_s, u"ed7201a=інший"_s} << 1
                                              << u"QRMemo5"_s << QStringList{u" "_s, u"2.7  інший"_s};
        QTest::newRow("other direction without code") << QStringList{u"cb7201="_s, u"ed7201a=інший"_s} << 1
                                                      << u"QRMemo5"_s << QStringList{u" "_s};
        QTest::newRow("executor names empty")
            << QStringList{} << 1 << u"QRMemo18"_s
            << QStringList{u" "_s, u"1 - українською мовою"_s, {}, {}, u"3 - англійською мовою"_s};
        QTest::newRow("no co-executor") << QStringList{} << 1 << u"QRMemo2"_s
                                        << QStringList{u" "_s, u"2142. Співвиконавці"_s};
        QTest::newRow("no stage") << QStringList{} << 1 << u"QRMemo4"_s
                                  << QStringList{u" "_s, u"1."_s, {}, u"2."_s, {}, u"3."_s};
        QTest::newRow("no customer") << QStringList{} << 1 << u"QRMemo1"_s
                                     << QStringList{u" "_s, u"2152. Повне найменування юридичної особи (або П.І.Б.)  "_s};
        QTest::newRow("both titles empty") << QStringList{} << 2 << u"QRMemo1"_s
                                           << QStringList{u" "_s, u"1. "_s, {}, {}, u"3. "_s, {}};
        QTest::newRow("title marker blank") << QStringList{} << 2 << u"QRLabel31"_s << QStringList{u" "_s};
        QTest::newRow("rubric codes with a gap")
            << QStringList{u"ed56161=11.22.33.44"_s, u"ed56163=55.66.77.88"_s} << 2 << u"QRMemo12"_s
            << QStringList{u" "_s, u"11.22.33.44        55.66.77.88"_s};
        QTest::newRow("rubric codes untouched") << QStringList{} << 2 << u"QRMemo14"_s
                                                << QStringList{u" "_s, u"        "_s};
        QTest::newRow("purpose up to an empty line") << QStringList{u"mm9126=Мета\n\nЦе не друкується"_s} << 2
                                                     << u"QRMemo3"_s << QStringList{u" "_s, u"Мета"_s};
    }
    void valuesPrinted()
    {
        QFETCH(QStringList, fields);
        QFETCH(int, page);
        QFETCH(QString, element);
        QFETCH(QStringList, printed);
        ScopedFakePlatform platform;
        CardDocument doc(rkTest::kind());
        for (const QString &f : std::as_const(fields))
            rkOf(doc).setFitted(f.section(u'=', 0, 0), f.section(u'=', 1));
        QVERIFY(print(doc, platform));

        const PageElement &e = ::page(page).at(element);
        QCOMPARE(e.type == PageElement::Type::Label ? QStringList{e.text} : e.lines, printed);
        QVERIFY(platform.unexpected().isEmpty());
        QCOMPARE(printChecks::lastPrint().state().sheetCount, 0);
        QCOMPARE(platform.previews().size(), 1);
        QCOMPARE(platform.previews().first(), (QList<const PageLayout *>{&::page(1), &::page(2)}));
    }

    // A line break typed at the end of the Ukrainian title keeps the English one on paper.
    void titleEndingInLineBreak()
    {
        ScopedFakePlatform platform;
        CardDocument doc(rkTest::kind());
        rkOf(doc).setBilingual(RkText::WorkTitle, RkLanguage::Ukrainian, u"Назва\r\n"_s);
        rkOf(doc).setBilingual(RkText::WorkTitle, RkLanguage::English, u"Title"_s);
        QVERIFY(print(doc, platform));
        QCOMPARE(::page(2).at(u"QRMemo1"_s).lines, (QStringList{u" "_s, u"1. Назва"_s, u"3. Title"_s}));
    }

    void stagesAndOverflow_data()
    {
        QTest::addColumn<int>("stages");
        QTest::addColumn<bool>("shownOnly"); // the last stage is only in the fields
        QTest::addColumn<QStringList>("onSheet");
        QTest::newRow("three stages") << 3 << false << QStringList{};
        QTest::newRow("third stage only shown") << 3 << true << QStringList{};
        QTest::newRow("five stages") << 5 << false << QStringList{};
        QTest::newRow("sixth stage line")
            << 6 << false
            << QStringList{{},
                           u"9036. Порядковий №; початок та закінчення етапу; вид звітного документа з НДР (ДКР); "
                           u"назва етапу"_s,
                           u"6. 06.05, 12.05, 28, Етап номер 6"_s};
    }
    void stagesAndOverflow()
    {
        QFETCH(int, stages);
        QFETCH(bool, shownOnly);
        QFETCH(QStringList, onSheet);
        ScopedFakePlatform platform;
        CardDocument doc(rkTest::kind());
        RkModel &m = rkOf(doc);
        for (int n = 1; n <= stages; ++n)
            addStage(m, n);
        if (shownOnly)
            m.removeEntry(RkList::Stages, stages);
        QVERIFY(print(doc, platform));

        QStringList expected{u" "_s};
        for (int n = 1; n <= std::min(stages, 5); ++n)
            expected << u"%1. 0%1.05, 12.05, 28, Етап номер %1"_s.arg(n);
        QCOMPARE(page(1).at(u"QRMemo4"_s).lines, expected);
        QCOMPARE(page(1).at(u"QRLabel79"_s).text, onSheet.isEmpty() ? u" "_s : kContinued);
        QCOMPARE(sheetLines(1).mid(0, onSheet.size()), onSheet);
        QCOMPARE(printChecks::lastPrint().state().sheetCount, onSheet.isEmpty() ? 0 : 1);
    }

    void customers_data()
    {
        QTest::addColumn<int>("customers");
        QTest::addColumn<bool>("secondWithoutCode"); // as an older card line can leave it
        QTest::addColumn<QList<int>>("onSheet");     // the customers continued on sheet 1
        QTest::newRow("one customer") << 1 << false << QList<int>{};
        QTest::newRow("two customers") << 2 << false << QList<int>{2};
        QTest::newRow("second customer without code") << 3 << true << QList<int>{3};
    }
    void customers()
    {
        QFETCH(int, customers);
        QFETCH(bool, secondWithoutCode);
        QFETCH(QList<int>, onSheet);
        ScopedFakePlatform platform;
        CardDocument doc(rkTest::kind());
        RkModel &m = rkOf(doc);
        for (int n = 1; n <= customers; ++n)
            addCustomer(m, n);
        if (secondWithoutCode) {
            QStringList items = EntryList::items(m.record(RkList::Customers, 2));
            items[2].clear();
            m.setRecord(RkList::Customers, 2, EntryList::join(items), EntryList::join(items));
        }
        QVERIFY(print(doc, platform));

        QCOMPARE(page(1).at(u"QRLabel32"_s).text, u"12345671"_s);
        QCOMPARE(page(1).at(u"QRMemo1"_s).lines,
                 (QStringList{u" "_s, u"2152. Повне найменування юридичної особи (або П.І.Б.)  Замовник номер 1"_s}));
        QCOMPARE(page(1).at(u"QRLabel77"_s).text, u"вул. Хрещатик, 1"_s);
        QCOMPARE(page(1).at(u"QRLabel55"_s).text, u"044-000-00-01"_s);
        QCOMPARE(page(1).at(u"QRLabel56"_s).text, u"zam1@example.ua"_s);
        QCOMPARE(page(1).at(u"QRLabel47"_s).text, onSheet.isEmpty() ? u" "_s : u"(див.продовження)"_s);
        QStringList expected;
        if (!onSheet.isEmpty())
            expected << QString() << u"   ВІДОМОСТІ ПРО ЗАМОВНИКА "_s;
        for (int n : std::as_const(onSheet)) {
            expected << u"2458. Код за ЄДРПОУ (ідентифікаційний номер)  1234567%1"_s.arg(n)
                     << u"2152. Повне найменування юридичної особи (або П.І.Б.) Замовник номер %1"_s.arg(n)
                     << u"2656. Місцезнаходження   вул. Хрещатик, %1"_s.arg(n)
                     << u"2935. Телефон / Факс   044-000-00-0%1,   2395. E-mail / WWW   zam%1@example.ua"_s.arg(n)
                     << QString(69, u'-') << QString();
        }
        QCOMPARE(sheetLines(1), expected);
        if (!onSheet.isEmpty()) {
            QCOMPARE(platform.messages().first(), u"Формується лист доповнення!"_s);
            QCOMPARE(layout(dopSheets::layoutName(1)).at(dopSheets::heading()).text, u"Продовження 1"_s);
        }
    }

    void coExecutors_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("cardLines");
        QTest::addColumn<bool>("overflow");
        QTest::newRow("one") << 1 << 1 << false;
        QTest::newRow("four short ones") << 4 << 4 << false;
        QTest::newRow("six") << 6 << 4 << true;
    }
    void coExecutors()
    {
        QFETCH(int, count);
        QFETCH(int, cardLines);
        QFETCH(bool, overflow);
        ScopedFakePlatform platform;
        CardDocument doc(rkTest::kind());
        RkModel &m = rkOf(doc);
        for (int n = 1; n <= count; ++n)
            addEntry(m, RkList::CoExecutors, n,
                     {rkPersonKinds().at(0), u"8765432%1"_s.arg(n), u"Львів"_s, u"Установа %1"_s.arg(n),
                      u"вул. %1"_s.arg(n)});
        QVERIFY(print(doc, platform));

        const QStringList lines = page(1).at(u"QRMemo2"_s).lines;
        QCOMPARE(lines.size(), 1 + cardLines);
        QCOMPARE(lines.at(1), u"2142. Співвиконавці     1. 87654321; Львів; Установа 1; вул. 1"_s);
        QVERIFY(lines.constLast().endsWith(u"%1. 8765432%1; Львів; Установа %1; вул. %1"_s.arg(cardLines)));
        QCOMPARE(page(1).at(u"QRLabel78"_s).text, overflow ? kContinued : u" "_s);
        if (overflow) {
            QCOMPARE(sheetLines(1), (QStringList{{},
                                                 u"2142. Співвиконавці   "_s,
                                                 u"5. 87654325; Львів; Установа 5; вул. 5"_s,
                                                 u"6. 87654326; Львів; Установа 6; вул. 6"_s,
                                                 {}}));
        }
    }

    void longTitle()
    {
        ScopedFakePlatform platform;
        CardDocument doc(rkTest::kind());
        RkModel &m = rkOf(doc);
        const QString uk = longText(u"назва"_s, 150);
        m.setBilingual(RkText::WorkTitle, RkLanguage::Ukrainian, uk);
        m.setBilingual(RkText::WorkTitle, RkLanguage::English, u"English title"_s);
        QVERIFY(print(doc, platform));

        const QStringList wrapped = wrapText(u"1. "_s + uk + u"\n3. English title"_s, 701, layoutFont(u"Arial"_s, 13));
        QVERIFY(wrapped.size() > 10);
        QCOMPARE(page(2).at(u"QRMemo1"_s).lines, QStringList{u" "_s} + wrapped.mid(0, 9));
        QCOMPARE(page(2).at(u"QRLabel31"_s).text, kContinued);
        // The sheet repeats no line of the card: it goes on where the card stops.
        QCOMPARE(sheetLines(1), QStringList{QString()} + QStringList{u"9027. Назва роботи "_s} + wrapped.mid(9)
                                    + QStringList{QString()});
        // Sheet 1 names the work by its Ukrainian title.
        const QStringList title = layout(dopSheets::layoutName(1)).at(dopSheets::titleMemo()).lines;
        QVERIFY(title.join(u' ').startsWith(u"назва1 назва2"_s));
    }

    // However long the texts, every line reaches a sheet: sheet 1 holds 57 lines, each
    // later one 63, and the pages, sheets, count, heading and messages are those of the
    // whole text placed.
    void textFillsTheSheetsItNeeds_data()
    {
        QTest::addColumn<int>("titleWords");
        QTest::addColumn<int>("purposeWords");
        QTest::newRow("a few sheets") << 20 << 2000;
        QTest::newRow("beyond five sheets") << 20 << 6000;
        QTest::newRow("beyond ten sheets") << 20 << 20000;
        QTest::newRow("a title beyond its memo and ten sheets") << 12000 << 3000;
    }
    void textFillsTheSheetsItNeeds()
    {
        QFETCH(int, titleWords);
        QFETCH(int, purposeWords);
        ScopedFakePlatform platform;
        CardDocument doc(rkTest::kind());
        RkModel &m = rkOf(doc);
        const QString title = longText(u"назва"_s, titleWords);
        const QString purpose = longText(u"мета"_s, purposeWords);
        m.setBilingual(RkText::WorkTitle, RkLanguage::Ukrainian, title);
        m.setBilingual(RkText::WorkTitle, RkLanguage::English, u"English title"_s);
        m.setText(u"mm9126"_s, purpose);
        QVERIFY(print(doc, platform));

        // The whole texts wrapped and placed as the sheets place them.
        const QFont font = layoutFont(u"Arial"_s, 13);
        const auto block = [&font](const QString &heading, const QStringList &overflow) {
            if (overflow.isEmpty())
                return QStringList();
            return QStringList{QString()} + wrapText((QStringList{heading} + overflow).join(u'\n'), 701, font);
        };
        const QStringList titleLines = wrapText(u"1. "_s + title + u"\n3. English title"_s, 701, font);
        const QStringList purposeLines = wrapText(purpose, 701, font);
        const QStringList placed = block(u"9027. Назва роботи "_s, titleLines.mid(9))
                                   + block(u"9126. Мета роботи "_s, purposeLines.mid(4));
        const int sheetCount = dopSheets::sheetForLine(int(placed.size()) - 1);
        QVERIFY(sheetCount >= 2);

        QCOMPARE(printChecks::lastPrint().state().sheetCount, sheetCount);
        QCOMPARE(layout(dopSheets::layoutName(1)).at(dopSheets::heading()).text,
                 ContinuationSheets::headingFor(sheetCount));
        QCOMPARE(platform.messages().first(), u"Друк продовження з 2-го листа - іншою функцією!"_s);
        QCOMPARE(page(2).at(u"QRMemo1"_s).lines, QStringList{u" "_s} + titleLines.mid(0, 9));
        QCOMPARE(page(2).at(u"QRMemo3"_s).lines, QStringList{u" "_s} + purposeLines.mid(0, 4));
        QStringList onSheets;
        for (int sheet = 1; sheet <= sheetCount; ++sheet) {
            QStringList lines = sheet == 1 ? sheetLines(1) : sheetLines(sheet);
            if (sheet == 1)
                lines.removeLast(); // the empty line that closes sheet 1
            // Each sheet shows every line it holds, and holds as many as its page shows.
            const PageElement &memo = printChecks::layouts().sheet(sheet).at(dopSheets::textMemo());
            QVERIFY(lines.size() <= (sheet == 1 ? dopSheets::kFirstSheetLines : dopSheets::kLaterSheetLines));
            QVERIFY(memoCapacity(memo) >= lines.size() + (sheet == 1 ? 1 : 0));
            if (sheet < sheetCount)
                QCOMPARE(lines.size(), dopSheets::firstLine(sheet + 1) - dopSheets::firstLine(sheet));
            onSheets << lines;
        }
        QCOMPARE(onSheets, placed);
        const PageElement &titleBox = layout(dopSheets::layoutName(1)).at(dopSheets::titleMemo());
        const int shown = memoCapacity(titleBox);
        QCOMPARE(titleBox.lines.mid(0, shown), wrapText(title, titleBox.width, elementFont(titleBox)).mid(0, shown));
    }

    // Overflow reaches the sheets in the fixed order of the texts, and a second sheet
    // makes "Друк листів продовжень" available.
    void overflowOrderAndSecondSheet()
    {
        ScopedFakePlatform platform;
        CardDocument doc(rkTest::kind());
        RkModel &m = rkOf(doc);
        for (int n = 1; n <= 7; ++n)
            addStage(m, n);
        addCustomer(m, 1);
        addCustomer(m, 2);
        for (int n = 1; n <= 6; ++n)
            addCoExecutor(m, n);
        m.setBilingual(RkText::WorkTitle, RkLanguage::Ukrainian, longText(u"назва"_s, 150));
        m.setText(u"mm9126"_s, longText(u"мета"_s, 400));
        m.setText(u"mm9155"_s, longText(u"галузь"_s, 400));
        m.setText(u"mm9156"_s, longText(u"висновок"_s, 60));
        QVERIFY(print(doc, platform));

        QStringList all = sheetLines(1);
        for (int sheet = 2; sheet <= printChecks::lastPrint().state().sheetCount; ++sheet)
            all += sheetLines(sheet);
        const QStringList headings = {
            u"9036. Порядковий №; початок та закінчення етапу; вид звітного документа з НДР (ДКР); назва етапу"_s,
            u"   ВІДОМОСТІ ПРО ЗАМОВНИКА "_s, u"2142. Співвиконавці   "_s, u"9027. Назва роботи "_s,
            u"9126. Мета роботи "_s, u"9155. Галузь застосування"_s, u"9156. Експертний висновок "_s};
        const QStringList outOfOrder = printChecks::blocksOutOfOrder(all, headings);
        QVERIFY2(outOfOrder.isEmpty(), qPrintable(outOfOrder.join(u" | "_s)));
        QVERIFY(printChecks::lastPrint().state().sheetCount >= 2);
        QVERIFY(doc.continuationEnabled());
        QVERIFY(platform.messages().contains(u"Друк продовження з 2-го листа - іншою функцією!"_s));
        QCOMPARE(layout(dopSheets::layoutName(1)).at(dopSheets::heading()).text,
                 ContinuationSheets::headingFor(printChecks::lastPrint().state().sheetCount));
        for (const QString &marker : {u"QRLabel79"_s, u"QRLabel78"_s})
            QCOMPARE(page(1).at(marker).text, kContinued);
        for (const QString &marker : {u"QRLabel31"_s, u"QRLabel37"_s, u"QRLabel36"_s, u"QRLabel35"_s})
            QCOMPARE(page(2).at(marker).text, kContinued);
        QCOMPARE(platform.previews().first().size(), 3); // both pages and sheet 1
    }

    // A second print starts from a clean form: nothing of the first one is left.
    void reprintClearsThePages()
    {
        ScopedFakePlatform platform;
        CardDocument full(rkTest::kind());
        fillFullCard(rkOf(full));
        for (int n = 4; n <= 7; ++n)
            addStage(rkOf(full), n);
        QVERIFY(print(full, platform));
        QCOMPARE(page(1).at(u"QRLabel79"_s).text, kContinued);

        platform.clear();
        CardDocument empty(rkTest::kind());
        QVERIFY(print(empty, platform));
        for (const QString &label : {u"QRLabel9"_s, u"QRLabel14"_s, u"QRLabel47"_s, u"QRLabel79"_s, u"QRLabel64"_s})
            QVERIFY2(page(1).at(label).text == u" "_s, qPrintable(label));
        QCOMPARE(page(1).at(u"QRLabel27"_s).text, QString());
        QCOMPARE(page(1).at(u"QRMemo5"_s).lines, QStringList{u" "_s});
        QCOMPARE(page(2).at(u"QRMemo3"_s).lines, QStringList{u" "_s});
        QCOMPARE(page(2).at(u"QRLabel37"_s).text, u" "_s);
        QVERIFY(sheetLines(1).isEmpty());
        QCOMPARE(platform.previews().first().size(), 2);
    }

    void printingChangesNoField()
    {
        ScopedFakePlatform platform;
        CardDocument doc(rkTest::kind());
        RkModel &m = rkOf(doc);
        fillFullCard(m);
        // The fields show an entry with a number but no name: it stays as it is.
        m.setText(u"Edit1"_s, u"2"_s);
        m.setText(u"mm2152"_s, QString());
        m.setFitted(u"ed2458"_s, u"        "_s);
        m.setText(u"mm2656"_s, QString());
        doc.setModified(true);
        const QHash<QString, QString> before = printChecks::fieldTexts(m);
        const QStringList customers = m.entries(RkList::Customers).files();

        QVERIFY(print(doc, platform));
        const QStringList changed = printChecks::changedFields(m, before);
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(u", "_s)));
        QVERIFY(doc.modified());
        QCOMPARE(m.entries(RkList::Customers).files(), customers);
    }

    // Each value memo shows its blank first line and every value line below it.
    void memosShowTheirValueLines_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("memo");
        for (int p = 1; p <= 2; ++p) {
            for (const QString &memo : rkPrintLayouts::valueMemos(page(p)))
                QTest::addRow("%s %s", qPrintable(page(p).name()), qPrintable(memo)) << p << memo;
        }
    }
    void memosShowTheirValueLines()
    {
        QFETCH(int, page);
        QFETCH(QString, memo);
        const PageElement &e = ::page(page).at(memo);
        QVERIFY(e.height > 0);
        QVERIFY(memoCapacity(e) >= rkPrintLayouts::valueLines(::page(page).name(), memo) + 1);
    }

    // A full card: no two printed lines overlap, none leaves the band or runs into a
    // frame line, and every value memo shows all the lines it holds.
    void fullCardLaysOutCleanly_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("TQRRk1") << 1;
        QTest::newRow("TQRRk2") << 2;
    }
    void fullCardLaysOutCleanly()
    {
        QFETCH(int, page);
        ScopedFakePlatform platform;
        CardDocument doc(rkTest::kind());
        RkModel &m = rkOf(doc);
        fillFullCard(m);
        for (int n = 4; n <= 5; ++n)
            addStage(m, n, u"Етап з назвою, що займає майже весь рядок картки: дослідження, випробування, звіт"_s);
        for (int n = 2; n <= 4; ++n)
            addCoExecutor(m, n);
        m.setText(u"mm9155"_s, longText(u"галузь"_s, 40));
        m.setText(u"mm9156"_s, longText(u"висновок"_s, 14));
        QVERIFY(print(doc, platform));

        const PageLayout &l = ::page(page);
        const QStringList problems = printChecks::layoutProblems(l, rkPrintLayouts::valueMemos(l));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u", "_s)));
    }

    // Both pages and sheet 1 of a full card as PDF text and as images.
    void fullCardRendersToPdfAndImages()
    {
        ScopedFakePlatform platform;
        CardDocument doc(rkTest::kind());
        fillFullCard(rkOf(doc));
        for (int n = 4; n <= 7; ++n)
            addStage(rkOf(doc), n);
        QVERIFY(print(doc, platform));
        const QList<const PageLayout *> pages = platform.previews().first();
        QCOMPARE(pages.size(), 3);

        const QStringList values = {
            u"РЕЄСТРАЦІЙНА КАРТКА НДР І ДКР (РК)"_s,
            u"0105U000123"_s,
            u"123/45-67; 01.02.05"_s,
            u"1. Інститут проблем міцності"_s,
            u"1. 87654321; Харків; Співвиконавець номер 1"_s,
            u"Міністерство освіти і науки, молоді та спорту України, Департамент наукової діяльності"_s,
            u"2.7 Цільова програма наукових досліджень"_s,
            u"«Нанотехнології та наноматеріали» на 2010-2014 роки"_s,
            u"250 грн."_s,
            u"5. 05.05, 12.05, 28, Етап номер 5"_s,
            u"1. Розроблення методів оцінки ресурсу"_s,
            u"29.19.21.00 29.19.22.00 30.19.00.00"_s,
            u"3. Pysarenko Heorhii"_s,
            u"Продовження 1"_s,
            u"6. 06.05, 12.05, 28, Етап номер 6"_s,
            u"2458. Код за ЄДРПОУ (ідентифікаційний номер) 12345672"_s,
        };
        PDF_TEXT_OR_SKIP();
        const QStringList missing = printChecks::missingFromPdf(pages, u"rk-card"_s, values);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u" | "_s)));
    }
};

ZORVAT_TEST(RkPrintTest)
#include "rk_print_test.moc"
