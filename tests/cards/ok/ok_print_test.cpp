#include "cards/ok/ok_print_layouts.h"
#include "cards/ok/ok_test_support.h"
#include "fields/card_document.h"
#include "print/card_printout.h"
#include "print/continuation_sheets.h"
#include "print/dop_sheets.h"
#include "print/page_renderer.h"
#include "print/print_job.h"
#include "print/report_layouts.h"
#include "print/text_wrap.h"
#include "support/fake_platform.h"
#include "support/print_checks.h"
#include "support/test_registry.h"

#include <QFontMetricsF>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kContinued = u"(див. продовження)"_s;
const QString kCoExecutorHeading = u"2142. Співвиконавці   "_s;
const QString kOwnerHeading = u"   ВІДОМОСТІ ПРО ВЛАСНИКА РЕЗУЛЬТАТІВ НДР (ДКР)"_s;
const QString kPersonHeading = u"6121. Список виконавців  (П.І.Б.; код посади; науковий ступінь, вчене звання)"_s;

OkModel &okOf(CardDocument &doc)
{
    return static_cast<OkModel &>(doc.model());
}

// A card as "Відкрити..." leaves it after reading `lines`.
void openLines(CardDocument &doc, const QStringList &lines)
{
    okTest::card.open(okOf(doc), cardFileBytes(lines));
}

PageLayout &layout(const QString &name)
{
    return printChecks::layouts().layout(name);
}

PageLayout &page(int n)
{
    return layout(n == 1 ? okPrintLayouts::pageName(1) : okPrintLayouts::pageName(2));
}

using printChecks::sheetLines;

// What an element prints: a label's text or a memo's lines.
QStringList printed(int pageNumber, const QString &element)
{
    const PageElement &e = page(pageNumber).at(element);
    return e.type == PageElement::Type::Label ? QStringList{e.text} : e.lines;
}

QString ownerLine(int n)
{
    return u"2459\\%1\\1\\1111111%2\\Львів\\Власник %1\\вул. Зелена, %1\\032-%1\\o%1@b.ua\\В%1\\Мінпром\\Свідоцтво %1\\01.03.24"_s
        .arg(n)
        .arg(n % 10);
}

// The eight lines and the hyphen line of owner n on the continuation sheet.
QStringList ownerBlock(int n)
{
    return {u"2459. Код за ЄДРПОУ (ідентифікаційний номер)  1111111%1"_s.arg(n % 10),
            u"2153. Найменування юридичної особи (або П.І.Б.)  Власник %1"_s.arg(n),
            u"2360. Скорочене найменування юридичної особи   В%1"_s.arg(n),
            u"2657. Місцезнаходження  вул. Зелена, %1"_s.arg(n),
            u"2935. Телефон / Факс   032-%1,   2395. E-mail / WWW   o%1@b.ua"_s.arg(n),
            u"1333. Відомча підпорядкованість  Мінпром"_s,
            u"5518. № юридичного документа   Свідоцтво %1,  дата видачі   01.03.24"_s.arg(n),
            QString(69, u'-')};
}

QString coExecutorLine(int n)
{
    return u"2142\\%1\\1\\4444444%1\\Дніпро\\Установа %1\\вул. %1"_s.arg(n);
}

QString personLine(int n)
{
    return u"6121\\%1\\Особа %1\\н.с.\\к.т.н."_s.arg(n);
}

// The lines placed on the sheets, in order, without the empty line that closes sheet 1.
QStringList placedLines(CardDocument &doc)
{
    QStringList all = sheetLines(1);
    if (!all.isEmpty())
        all.removeLast();
    Q_UNUSED(doc)
    for (int sheet = 2; sheet <= printChecks::lastPrint().state().sheetCount; ++sheet)
        all << sheetLines(sheet);
    return all;
}

QStringList numbered(QString (*line)(int), int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines << line(n);
    return lines;
}

using printChecks::longText;

// Every field filled, with values as long as the form lets each one print in full.
void fillFullCard(CardDocument &doc, const QStringList &moreLines = {})
{
    openLines(doc, okTest::fullCard() + moreLines);
    OkModel &m = okOf(doc);
    m.setBilingual(OkText::ExecutorName, TextLanguage::Ukrainian,
                   u"Інститут проблем міцності імені Г.С. Писаренка Національної академії наук України"_s);
    m.setBilingual(OkText::WorkTitle, TextLanguage::Ukrainian,
                   u"Розроблення методів оцінки ресурсу жаростійких покриттів лопаток газотурбінних двигунів"_s);
    m.setBilingual(OkText::WorkAbstract, TextLanguage::Ukrainian, longText(u"реферат"_s, 120));
    m.setText(u"mm5481"_s, u"Писаренко Г.С. Міцність матеріалів при високих температурах. - К.: Наукова думка, 2024."_s);
    m.setText(u"mm2655"_s, u"01014, м. Київ, вул. Тимірязєвська, 2"_s);
    m.setText(u"ed7023"_s, u"Загальнодержавна цільова науково-технічна програма «Нанотехнології та наноматеріали» "
                           u"на 2010-2014 роки"_s);
    for (int n = 3; n <= 10; ++n)
        m.setStageNumber(n, u"0124U0000%1с"_s.arg(n, 2, 10, QChar(u'0')));
}

} // namespace

class OkPrintTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        okTest::card.kind(); // registers the OK pages
    }

    void valuesPrinted_data()
    {
        printChecks::addValueColumns();

        const QStringList none;
        QTest::newRow("letter number without date") << QStringList{u"5418\\12/34\\"_s} << none << 1 << u"ed5418"_s
                                                    << QStringList{u"12/34"_s};
        QTest::newRow("letter number with date") << QStringList{u"5418\\12/34\\01.02.24"_s} << none << 1
                                                 << u"ed5418"_s << QStringList{u"12/34; 01.02.24"_s};
        QTest::newRow("amount in dollars") << QStringList{u"7715\\дол.\\12,5"_s} << none << 1 << u"sum"_s
                                           << QStringList{u"12,5 дол."_s};
        QTest::newRow("amount in thousands") << QStringList{u"7715\\тис.грн.\\12,5"_s} << none << 1 << u"sum"_s
                                             << QStringList{u"12,5"_s};
        QTest::newRow("second amount with its unit")
            << QStringList{u"7713\\тис.грн.\\1"_s, u"7715\\дол.\\12,5"_s} << none << 1 << u"sum1"_s
            << QStringList{u"12,5 дол."_s};
        QTest::newRow("no amount") << none << none << 1 << u"sum"_s << QStringList{u" "_s};
        QTest::newRow("source code") << QStringList{u"7715\\дол.\\12,5"_s} << none << 1 << u"fin"_s
                                     << QStringList{u"7715"_s};
        QTest::newRow("account number untouched") << none << none << 1 << u"ed5437"_s << QStringList{u" "_s};
        QTest::newRow("account number") << QStringList{u"5437\\0224U000123с"_s} << none << 1 << u"ed5437"_s
                                        << QStringList{u"0224U000123с"_s};
        QTest::newRow("no co-executor") << none << none << 1 << u"mm2142"_s
                                        << QStringList{u" "_s, u"2142. Співвиконавці"_s};
        QTest::newRow("no stage numbers") << none << none << 1 << u"ed5526"_s
                                          << QStringList{u" "_s, u"   "_s, {}, u"    "_s, {}, u"   "_s};
        QTest::newRow("two stage numbers") << QStringList{u"5526\\0124U000001с;0124U000002с;"_s} << none << 1
                                           << u"ed5526"_s << QStringList{u" "_s, u"0124U000001с; 0124U000002с; "_s};
        QTest::newRow("executor names empty")
            << none << none << 1 << u"mm2151"_s
            << QStringList{u" "_s, u"1 - українською мовою "_s, {}, {}, {}, u"3 - англійською мовою"_s};
        QTest::newRow("executor name in Ukrainian") << QStringList{u"2151\\1\\Інститут"_s} << none << 1
                                                    << u"mm2151"_s << QStringList{u" "_s, u"1. Інститут"_s, u"3. "_s};
        QTest::newRow("stage") << QStringList{u"9036\\2 \\01.24\\12.24\\З\\Етап"_s} << none << 1 << u"mm9036"_s
                               << QStringList{u" "_s, u"2. 01.24, 12.24, З, Етап"_s};
        QTest::newRow("no stage") << none << none << 1 << u"mm9036"_s << QStringList{u" "_s};
        QTest::newRow("stage name without its number")
            << none << QStringList{u"mm9036=Етап"_s, u"ed9036p=01.24"_s} << 1 << u"mm9036"_s
            << QStringList{u" "_s, u". 01.24,   .  , П, Етап"_s};
        QTest::newRow("direction with other") << QStringList{u"7201\\2.7\\інший"_s} << none << 1 << u"cb7201"_s
                                              << QStringList{u" "_s, u"2.7  інший"_s};
        QTest::newRow("no direction") << none << QStringList{u"ed7201a=інший"_s} << 1 << u"cb7201"_s
                                      << QStringList{u" "_s};
        QTest::newRow("owner document") << QStringList{ownerLine(1)} << none << 1 << u"ed5518"_s
                                        << QStringList{u"Свідоцтво 1, 01.03.24"_s};
        QTest::newRow("owner without document")
            << QStringList{u"2459\\1\\1\\11111111\\Львів\\Завод\\вул\\\\\\\\\\\\  .  .  "_s} << none << 1
            << u"ed5518"_s << QStringList{u" "_s};
        QTest::newRow("owner name") << QStringList{ownerLine(1)} << none << 1 << u"mm2153"_s
                                    << QStringList{u" "_s, u"2153. Повне найменування юридичної особи (або П.І.Б.)  Власник 1"_s};
        QTest::newRow("titles empty") << none << none << 2 << u"mm9027"_s
                                      << QStringList{u" "_s, u"1. "_s, {}, {}, u"3. "_s, {}};
        QTest::newRow("English title only") << QStringList{u"9027\\3\\Control methods"_s} << none << 2
                                            << u"mm9027"_s << QStringList{u" "_s, u"1. "_s, u"3. Control methods"_s};
        QTest::newRow("abstract empty") << none << none << 2 << u"mm9117"_s << QStringList{u" "_s, u"1. "_s};
        QTest::newRow("bibliography up to an empty line") << none << QStringList{u"mm5481=Опис\n\nНе друкується"_s}
                                                          << 2 << u"mm5481"_s << QStringList{u" "_s, u"Опис"_s};
        QTest::newRow("subject codes with a gap")
            << none << QStringList{u"ed5616a=11.22.33.44"_s, u"ed5616c=55.66.77.88"_s} << 2 << u"ed5616"_s
            << QStringList{u" "_s, u"11.22.33.44    55.66.77.88      "_s};
        QTest::newRow("head of work") << QStringList{u"6120\\1\\Коваленко К.К."_s, u"6120\\3\\Kovalenko K."_s} << none
                                      << 2 << u"ed6120"_s
                                      << QStringList{u" "_s, u"1. Коваленко К.К."_s, u"3. Kovalenko K."_s};
        QTest::newRow("first person") << QStringList{personLine(1)} << none << 2 << u"ed6121az1"_s
                                      << QStringList{u"к.т.н."_s};
        QTest::newRow("no second person") << QStringList{personLine(1)} << none << 2 << u"ed6121a2"_s
                                          << QStringList{QString()};
    }
    void valuesPrinted() { printChecks::checkValuePrinted(okTest::card.kind(), [] { return QList<const PageLayout *>{&::page(1), &::page(2)}; }); }

    // A line break typed at the end of the Ukrainian title keeps the English one on paper.
    void titleEndingInLineBreak()
    {
        ScopedFakePlatform platform;
        CardDocument doc(okTest::card.kind());
        okOf(doc).setBilingual(OkText::WorkTitle, TextLanguage::Ukrainian, u"Назва\n"_s);
        okOf(doc).setBilingual(OkText::WorkTitle, TextLanguage::English, u"Title"_s);
        QVERIFY(printChecks::printCard(doc, platform));
        QCOMPARE(printed(2, u"mm9027"_s), (QStringList{u" "_s, u"1. Назва"_s, u"3. Title"_s}));
    }

    // Four co-executor lines stay on page 1, the others go to the sheets.
    void coExecutors_data()
    {
        QTest::addColumn<int>("count");
        for (int count : {1, 4, 5, 7})
            QTest::addRow("%d co-executors", count) << count;
    }
    void coExecutors()
    {
        QFETCH(int, count);
        const int cardLines = std::min(count, 4);
        ScopedFakePlatform platform;
        CardDocument doc(okTest::card.kind());
        openLines(doc, numbered(coExecutorLine, count));
        QVERIFY(printChecks::printCard(doc, platform));

        QStringList onPage{u" "_s};
        QStringList onSheet;
        for (int n = 1; n <= count; ++n) {
            const QString line = u"%1. 4444444%1; Установа %1; вул. %1"_s.arg(n);
            (n <= cardLines ? onPage : onSheet) << line;
        }
        onPage[1].prepend(u"2142. Співвиконавці     "_s);
        QCOMPARE(printed(1, u"mm2142"_s), onPage);
        QCOMPARE(printed(1, u"markCoExecutors"_s), QStringList{onSheet.isEmpty() ? u" "_s : kContinued});
        if (!onSheet.isEmpty())
            onSheet = QStringList{QString(), kCoExecutorHeading} + onSheet + QStringList{QString()};
        QCOMPARE(sheetLines(1), onSheet);
        QCOMPARE(platform.previews().first().size(), onSheet.isEmpty() ? 2 : 3);
        if (!onSheet.isEmpty()) {
            QCOMPARE(platform.messages(), QStringList{u"Формується лист доповнення!"_s});
            QCOMPARE(layout(dopSheets::layoutName(1)).at(dopSheets::heading()).text, u"Продовження 1"_s);
        }
    }

    void owners_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("withoutCode"); // an owner whose code an older card left empty
        QTest::addColumn<QList<int>>("onSheet");
        QTest::newRow("one owner") << 1 << 0 << QList<int>{};
        QTest::newRow("two owners") << 2 << 0 << QList<int>{2};
        QTest::newRow("second owner without code") << 3 << 2 << QList<int>{3};
        QList<int> all;
        for (int n = 2; n <= 20; ++n)
            all << n;
        // The twentieth owner is on the card too, so it is on paper.
        QTest::newRow("twenty owners") << 20 << 0 << all;
    }
    void owners()
    {
        QFETCH(int, count);
        QFETCH(int, withoutCode);
        QFETCH(QList<int>, onSheet);
        ScopedFakePlatform platform;
        CardDocument doc(okTest::card.kind());
        QStringList lines = numbered(ownerLine, count);
        if (withoutCode > 0)
            lines[withoutCode - 1].replace(u"\\1111111%1\\"_s.arg(withoutCode), u"\\\\"_s);
        openLines(doc, lines);
        QVERIFY(printChecks::printCard(doc, platform));

        QCOMPARE(printed(1, u"ed2459"_s), QStringList{u"11111111"_s});
        QCOMPARE(printed(1, u"ed2360"_s), QStringList{u"В1"_s});
        QCOMPARE(printed(1, u"mm2657"_s), QStringList{u"вул. Зелена, 1"_s});
        QCOMPARE(printed(1, u"ed2935"_s), QStringList{u"032-1"_s});
        QCOMPARE(printed(1, u"ed2395"_s), QStringList{u"o1@b.ua"_s});
        QCOMPARE(printed(1, u"ed1333"_s), QStringList{u"Мінпром"_s});
        QCOMPARE(printed(1, u"markOwners"_s), QStringList{count > 1 ? u"(див.продовження)"_s : u" "_s});
        QStringList expected;
        if (count > 1)
            expected << QString() << kOwnerHeading;
        for (int n : std::as_const(onSheet))
            expected << ownerBlock(n);
        QCOMPARE(placedLines(doc), expected);
    }

    void executorList_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("two persons") << 2;
        QTest::newRow("three persons") << 3;
        QTest::newRow("five persons") << 5;
    }
    void executorList()
    {
        QFETCH(int, count);
        ScopedFakePlatform platform;
        CardDocument doc(okTest::card.kind());
        openLines(doc, numbered(personLine, count));
        QVERIFY(printChecks::printCard(doc, platform));

        for (int row = 1; row <= 2; ++row) {
            QStringList shown;
            for (const QString &name : okPrintLayouts::executorRow(row))
                shown << printed(2, name);
            QCOMPARE(shown, (QStringList{u"Особа %1"_s.arg(row), u"н.с."_s, u"к.т.н."_s}));
        }
        QStringList expected;
        if (count > 2) {
            expected << QString() << kPersonHeading;
            for (int n = 3; n <= count; ++n)
                expected << u"%1. Особа %1; н.с.; к.т.н."_s.arg(n);
            expected << QString();
        }
        QCOMPARE(printed(2, u"markExecutors"_s), QStringList{count > 2 ? kContinued : QString()});
        QCOMPARE(sheetLines(1), expected);
    }

    // The person on the executor-list panel is printed before its page is left.
    void shownPersonPrinted()
    {
        ScopedFakePlatform platform;
        CardDocument doc(okTest::card.kind());
        openLines(doc, numbered(personLine, 2));
        OkModel &m = okOf(doc);
        m.setText(u"Cpn"_s, u"3"_s);
        m.setText(u"ed6121a"_s, u"Нова Н.Н."_s);
        m.setText(u"ed6121ak"_s, u"інж."_s);
        m.setText(u"ed6121az"_s, QString());
        QVERIFY(printChecks::printCard(doc, platform));

        QCOMPARE(placedLines(doc), (QStringList{QString(), kPersonHeading, u"3. Нова Н.Н.; інж.; "_s}));
        QCOMPARE(m.lists().count(OkList::Executors), 3);
    }

    // The short texts, one owner, four co-executors and two persons of a small card
    // stay on its two pages.
    void smallCardHasNoSheet()
    {
        ScopedFakePlatform platform;
        CardDocument doc(okTest::card.kind());
        QStringList lines = okTest::fullCard();
        lines.removeIf([](const QString &line) {
            return line.startsWith(u"2459\\2"_s) || line.startsWith(u"2459\\3"_s) || line.startsWith(u"6121\\3"_s);
        });
        lines << coExecutorLine(4);
        openLines(doc, lines);
        QVERIFY(printChecks::printCard(doc, platform));

        QCOMPARE(platform.previews(), (QList<QList<const PageLayout *>>{{&page(1), &page(2)}}));
        QCOMPARE(platform.messages(), QStringList());
        QCOMPARE(printChecks::lastPrint().state().sheetCount, 0);
        QVERIFY(!doc.continuationEnabled());
        for (const QString &mark : {u"markStage"_s, u"markCoExecutors"_s, u"markOwners"_s})
            QCOMPARE(printed(1, mark), QStringList{u" "_s});
        for (const QString &mark : {u"markTitle"_s, u"markAbstract"_s, u"markBibliography"_s, u"markExecutors"_s})
            QCOMPARE(printed(2, mark), QStringList{QString()});
    }

    // Long texts of every kind: their overflow reaches the sheets in the card's order,
    // and a second sheet makes "Друк листів продовжень" available.
    void overflowOrderAndSecondSheet()
    {
        ScopedFakePlatform platform;
        CardDocument doc(okTest::card.kind());
        openLines(doc, numbered(ownerLine, 2) + numbered(coExecutorLine, 6) + numbered(personLine, 4));
        OkModel &m = okOf(doc);
        m.setBilingual(OkText::WorkTitle, TextLanguage::Ukrainian, longText(u"назва"_s, 150));
        m.setText(u"ed9036n"_s, u"1 "_s);
        m.setText(u"mm9036"_s, longText(u"етап"_s, 80));
        m.setBilingual(OkText::WorkAbstract, TextLanguage::English, longText(u"abstract"_s, 400));
        m.setText(u"mm5481"_s, longText(u"опис"_s, 60));
        QVERIFY(printChecks::printCard(doc, platform));

        const QStringList all = placedLines(doc);
        const QStringList headings = {u"9027. Назва роботи "_s,
                                      u"9036. Порядковий №; початок етапу; закінчення етапу; вид етапу; назва етапу "_s,
                                      u"9117. Реферат "_s,
                                      kOwnerHeading,
                                      kCoExecutorHeading,
                                      u"5481 Бібліографічний опис "_s,
                                      kPersonHeading};
        const QStringList outOfOrder = printChecks::blocksOutOfOrder(all, headings);
        QVERIFY2(outOfOrder.isEmpty(), qPrintable(outOfOrder.join(u" | "_s)));
        // The sheets go on where the page stops: the title's ninth line follows its heading.
        const QStringList title = CardPrintout::cutLines(u"1. "_s + longText(u"назва"_s, 150) + u"\n3. "_s);
        QCOMPARE(printed(2, u"mm9027"_s), QStringList{u" "_s} + title.mid(0, 8));
        QCOMPARE(all.mid(all.indexOf(headings.first()) + 1, title.size() - 8), title.mid(8));

        const int sheets = printChecks::lastPrint().state().sheetCount;
        QVERIFY(sheets >= 2);
        QVERIFY(doc.continuationEnabled());
        QCOMPARE(platform.messages(), QStringList{u"Друк продовження з 2-го листа - іншою функцією!"_s});
        QCOMPARE(layout(dopSheets::layoutName(1)).at(dopSheets::heading()).text, ContinuationSheets::headingFor(sheets));
        QVERIFY(layout(dopSheets::layoutName(1)).at(dopSheets::titleMemo()).lines.join(u' ').startsWith(u"назва1 "_s));
        for (const QString &mark : {u"markStage"_s, u"markCoExecutors"_s})
            QCOMPARE(printed(1, mark), QStringList{kContinued});
        for (const QString &mark : {u"markTitle"_s, u"markAbstract"_s, u"markBibliography"_s, u"markExecutors"_s})
            QCOMPARE(printed(2, mark), QStringList{kContinued});
        QCOMPARE(platform.previews().first().size(), 3);

        // "Друк листів продовжень": sheets 2 and on, then the command is disabled.
        platform.clear();
        platform.allowMessages();
        platform.expect(FakePlatform::Call::Preview);
        printChecks::lastPrint().printContinuation();
        QCOMPARE(platform.previews().size(), 1);
        QCOMPARE(platform.previews().first().size(), sheets - 1);
        QCOMPARE(platform.previews().first().first(), &layout(dopSheets::layoutName(2)));
        QVERIFY(!doc.continuationEnabled());
    }

    // Twenty owners, fifty co-executors, 120 persons and a long bibliography fill more
    // sheets than the five a card once had: both print jobs carry every one of them,
    // every word in its order, and no sheet holds more lines than its page shows.
    void everyWordReachesPaper()
    {
        ScopedFakePlatform platform;
        CardDocument doc(okTest::card.kind());
        openLines(doc, numbered(ownerLine, 20) + numbered(coExecutorLine, 50) + numbered(personLine, 120));
        okOf(doc).setText(u"mm5481"_s, longText(u"опис"_s, 3000));
        QVERIFY(printChecks::printCard(doc, platform));
        const int sheets = printChecks::lastPrint().state().sheetCount;
        QVERIFY2(sheets > 5, qPrintable(QString::number(sheets)));
        QCOMPARE(layout(dopSheets::layoutName(1)).at(dopSheets::heading()).text, ContinuationSheets::headingFor(sheets));
        const QList<const PageLayout *> pages = printChecks::bothJobs(platform);
        QCOMPARE(pages.size(), 2 + sheets);

        QStringList owners, coExecutors, bibliography, persons;
        for (int n = 2; n <= 20; ++n)
            owners << u"Власник %1 "_s.arg(n);
        for (int n = 1; n <= 50; ++n)
            coExecutors << u"Установа %1;"_s.arg(n);
        for (int n = 1; n <= 3000; ++n)
            bibliography << u"опис%1 "_s.arg(n);
        for (int n = 3; n <= 120; ++n)
            persons << u"%1. Особа %1;"_s.arg(n);
        PDF_TEXT_OR_SKIP();
        const QStringList missing = printChecks::missingInOrderFromPdf(
            pages, u"ok-every-word"_s, {owners, coExecutors, bibliography, {kPersonHeading}, persons});
        QVERIFY2(missing.isEmpty(), qPrintable(missing.mid(0, 20).join(u" | "_s)));

        for (int n = 2; n <= sheets; ++n) {
            const PageElement &text = pages.at(n + 1)->at(dopSheets::textMemo());
            QVERIFY(text.lines.size() <= dopSheets::kLaterSheetLines);
            QVERIFY(memoCapacity(text) >= text.lines.size());
        }
    }

    // A second print starts from a clean form: nothing of the first one is left.
    void reprintClearsThePages()
    {
        ScopedFakePlatform platform;
        CardDocument full(okTest::card.kind());
        fillFullCard(full);
        QVERIFY(printChecks::printCard(full, platform));
        QCOMPARE(printed(1, u"markOwners"_s), QStringList{u"(див.продовження)"_s});

        platform.clear();
        CardDocument empty(okTest::card.kind());
        QVERIFY(printChecks::printCard(empty, platform));
        for (const QString &label : {u"ed5437"_s, u"ed5518"_s, u"markOwners"_s, u"sum"_s, u"sum1"_s})
            QVERIFY2(printed(1, label) == QStringList{u" "_s}, qPrintable(label));
        for (const QString &memo : {u"cb7201"_s, u"ed7023"_s, u"mm9036"_s})
            QVERIFY2(printed(1, memo) == QStringList{u" "_s}, qPrintable(memo));
        QCOMPARE(printed(2, u"ed6121a1"_s), QStringList{QString()});
        QCOMPARE(printed(2, u"markExecutors"_s), QStringList{QString()});
        QVERIFY(sheetLines(1).isEmpty());
        QCOMPARE(platform.previews().first().size(), 2);
    }

    // Printing stores the entries shown that have a name and changes nothing else.
    void printingChangesNoField()
    {
        ScopedFakePlatform platform;
        CardDocument doc(okTest::card.kind());
        fillFullCard(doc);
        OkModel &m = okOf(doc);
        // The owner shown is edited but not yet stored; the co-executor shown has no name.
        m.showEntry(OkList::Owners, 2);
        m.setText(u"ed2935"_s, u"048-999"_s);
        m.setText(u"mm2142n"_s, QString());
        doc.setModified(true);
        const QHash<QString, QString> before = printChecks::fieldTexts(m);
        const QStringList coExecutors = m.lists().records(OkList::CoExecutors);
        const QStringList persons = m.lists().records(OkList::Executors);

        QVERIFY(printChecks::printCard(doc, platform));
        const QStringList changed = printChecks::changedFields(m, before);
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(u", "_s)));
        QVERIFY(doc.modified());
        QCOMPARE(m.lists().records(OkList::CoExecutors), coExecutors);
        QCOMPARE(m.lists().records(OkList::Executors), persons);
        QCOMPARE(EntryList::item(m.lists().record(OkList::Owners, 2), 7), u"048-999"_s);
        QVERIFY(sheetLines(1).contains(u"2935. Телефон / Факс   048-999,   2395. E-mail / WWW   "_s));
    }

    // A full card: every value memo is high enough for its lines, no two printed lines
    // overlap, none leaves the band or runs into a frame line, no value is cut.
    void pagesLayOutCleanly()
    {
        ScopedFakePlatform platform;
        CardDocument doc(okTest::card.kind());
        fillFullCard(doc, {coExecutorLine(4)});
        QVERIFY(printChecks::printCard(doc, platform));

        QStringList problems;
        for (const PageLayout *l : {&page(1), &page(2)}) {
            const QStringList memos = okPrintLayouts::valueMemos(*l);
            const auto lines = [l](const QString &memo) { return okPrintLayouts::valueLines(l->name(), memo); };
            for (const QString &p : printChecks::shortMemos(*l, memos, lines) + printChecks::layoutProblems(*l, memos)
                                        + printChecks::cutLabels(*l))
                problems << l->name() + u": "_s + p;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u", "_s)));
    }

    // Page 2's last rows stand where the form puts them while they fit the band; only
    // the registrar's rows below it move up, the last one just inside the frame.
    void page2BottomRows_data()
    {
        QTest::addColumn<QString>("text"); // a caption, or the name of a value element
        QTest::addColumn<double>("top");   // millimetres from the band's top; 0: moved
        QTest::newRow("6141") << u"6141. Відповідальний за підготовку облікових документів"_s << 243.0;
        QTest::newRow("phone") << u"ed6141"_s << 248.0;
        QTest::newRow("6140") << u"6140. Керівник відділу  Велтарис"_s << 259.0;
        QTest::newRow("head of department") << u"ed6140"_s << 259.0;
        QTest::newRow("6142") << u"6142. Реєстратор"_s << 0.0;
        QTest::newRow("registrar's signature") << u"Підпис                                                            М.П."_s
                                               << 0.0;
    }
    void page2BottomRows()
    {
        QFETCH(QString, text);
        QFETCH(double, top);
        const PageLayout &l = page(2);
        const PageElement *e = nullptr;
        for (const PageElement &candidate : l.elements) {
            if (candidate.name == text || candidate.text == text)
                e = &candidate;
        }
        QVERIFY(e);
        const double at = e->top * 25.4 / kUnitsPerInch;
        if (top > 0) {
            QVERIFY2(qAbs(at - top) < 0.01, qPrintable(QString::number(at)));
            return;
        }
        // Moved up, yet below the rows that stay and inside the band.
        QVERIFY2(at > 262 && at < 274, qPrintable(QString::number(at)));
        const QFontMetricsF fm(elementFont(*e));
        QVERIFY(e->top + fm.ascent() + fm.descent() <= l.bandHeight);
        if (text.startsWith(u"Підпис"_s))
            QVERIFY(e->top + fm.ascent() + fm.descent() > l.bandHeight - fromMm(1));
    }

    // Both pages and sheet 1 of a full card as PDF text and as images.
    void fullCardRendersToPdfAndImages()
    {
        const QStringList values = {
            u"ОБЛІКОВА КАРТКА НДР І ДКР (ОК)"_s, u"0224U000123с"_s, u"0124U000777с"_s, u"12/34; 01.02.24"_s,
            u"2. 01.24, 12.24, З, Розроблення методів"_s, u"0124U000001 ; 0124U000002с; 0124U000003с"_s,
            u"0124U000010с;"_s, u"12345678"_s, u"1. Інститут проблем міцності імені Г.С. Писаренка"_s,
            u"3. Institute of Technical Cybernetics"_s, u"ІТК"_s, u"01014, м. Київ, вул. Тимірязєвська, 2"_s,
            u"044-123-45-67"_s, u"info@itk.ua"_s, u"МОН України"_s, u"ВУЗ"_s,
            u"2142. Співвиконавці 1. 44444444; КБ «Південне»; вул. Криворізька, 3"_s,
            u"3. 66666666; Завод; вул. Нова, 1"_s, u"11111111"_s, u"Завод «Прилад»"_s, u"вул. Зелена, 2"_s,
            u"032-1"_s, u"a@b.ua"_s, u"Прилад"_s, u"Мінпром"_s, u"(див.продовження)"_s, u"6541030"_s,
            u"2.7 Інший напрям"_s, u"«Нанотехнології та наноматеріали» на"_s, u"2010-2014 роки"_s, u"ДЦП-5"_s,
            u"7713"_s, u"150,5"_s, u"7715"_s, u"10 дол."_s,
            u"1. Розроблення методів оцінки ресурсу"_s, u"3. Control methods"_s, u"реферат1 реферат2"_s,
            u"3. Abstract of the work"_s, u"Наукова думка, 2024."_s, u"91"_s, u"720"_s, u"120"_s, u"15"_s,
            u"53"_s, u"63"_s, u"004.8"_s,
            u"27.41.15.00 28.23.15.00 50.43.29.00 20.53.00.00 14.35.07.00 12.00.00.00"_s, u"Петров П.П."_s,
            u"д.т.н., проф."_s, u"1. Коваленко К.К."_s, u"3. Kovalenko K.K."_s, u"к.т.н."_s, u"зав. від."_s,
            u"Сидоренко С.С."_s, u"с.н.с."_s, u"044-111-22-33, Ковальчук"_s, u"Ковальчук О.О."_s,
            u"Продовження 1"_s, u"2459. Код за ЄДРПОУ (ідентифікаційний номер) 2222222222"_s,
            u"Петренко Петро"_s, u"Свідоцтво 5, дата видачі 01.03.24"_s, u"33333333"_s, u"Фонд"_s,
            u"3. Мельник М.М.; м.н.с.;"_s,
        };
        ScopedFakePlatform platform;
        CardDocument doc(okTest::card.kind());
        fillFullCard(doc);
        QVERIFY(printChecks::printCard(doc, platform));
        QCOMPARE(platform.previews().first().size(), 3);
        PDF_TEXT_OR_SKIP();
        const QStringList missing = printChecks::missingFromPdf(platform.previews().first(), u"ok-card"_s, values);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u" | "_s)));
    }
};

ZORVAT_TEST(OkPrintTest)
#include "ok_print_test.moc"
