#include "cards/okd/okd_print_layouts.h"
#include "cards/okd/okd_test_support.h"
#include "fields/card_document.h"
#include "print/card_printout.h"
#include "print/continuation_sheets.h"
#include "print/dop_sheets.h"
#include "print/page_renderer.h"
#include "print/print_job.h"
#include "print/report_layouts.h"
#include "support/fake_platform.h"
#include "support/print_checks.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kContinued = CardPrintout::continued();
const QString kTitleHeading = u"9045. Тема дисертації "_s;
const QString kAbstractHeading = u"9118. Реферат "_s;

OkdModel &okdOf(CardDocument &doc)
{
    return static_cast<OkdModel &>(doc.model());
}

PageLayout &page(int n)
{
    return printChecks::layouts().layout(okdPrintLayouts::pageName(n));
}

PageLayout &sheet(int n)
{
    return printChecks::layouts().layout(dopSheets::layoutName(n));
}

QStringList printed(int pageNumber, const QString &element)
{
    return printChecks::printed(page(pageNumber).at(element));
}

QString words(const QString &word, int count)
{
    QStringList parts;
    for (int i = 1; i <= count; ++i)
        parts << word + QString::number(i);
    return parts.join(u' ');
}

// A Ukrainian title of as many words as make `lines` printed lines with an empty
// English title.
QString titleOfLines(int lines)
{
    for (int count = 1;; ++count) {
        const QString title = words(u"тема"_s, count);
        if (CardPrintout::cutLines(u"1. "_s + title + u"\n3. "_s).size() == lines)
            return title;
    }
}

} // namespace

class OkdPrintTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        okdTest::card.kind(); // registers the OKD pages
    }

    void valuesPrinted_data()
    {
        printChecks::addValueColumns();

        const QStringList none;
        QTest::newRow("no titles") << none << none << 1 << u"QRMemo3"_s
                                   << QStringList{u" "_s, u"1. "_s, {}, {}, {}, {}, u"3. "_s, {}};
        QTest::newRow("no abstract") << none << none << 2 << u"QRMemo3"_s << QStringList{u" "_s, u"1. "_s};
        QTest::newRow("account number untouched") << none << none << 1 << u"QRLabel14"_s << QStringList{u" "_s};
        QTest::newRow("letter with date") << QStringList{u"5418\\12/34\\01.02.24"_s} << none << 1 << u"QRLabel3"_s
                                          << QStringList{u"12/34; 01.02.24"_s};
        QTest::newRow("6642 unticked") << QStringList{u"6642\\0"_s} << none << 1 << u"QRLabel67"_s
                                       << QStringList{QString()};
        QTest::newRow("6642 ticked") << QStringList{u"6642\\1"_s} << none << 1 << u"QRLabel67"_s
                                     << QStringList{u" Так "_s};
        QTest::newRow("two specialities") << QStringList{u"6444\\05.13.06"_s, u"6444\\01.05.02"_s} << none << 1
                                          << u"QRLabel71"_s << QStringList{u"05.13.06; 01.05.02"_s};
        QTest::newRow("applicant") << QStringList{u"6147\\1\\Петренко П.П."_s, u"6147\\3\\Petrenko P."_s} << none
                                   << 1 << u"QRMemo1"_s
                                   << QStringList{u" "_s, u"1. Петренко П.П."_s, u"3. Petrenko P."_s};
        QTest::newRow("workplace name") << QStringList{u"2187\\ФОП Петренко"_s} << none << 1 << u"QRMemo2"_s
                                        << QStringList{u" "_s,
                                                       u"2187. Найменування підприємства, установи, організації "
                                                       u"(або П.І.Б.)   ФОП Петренко"_s};
        QTest::newRow("subject codes a and c")
            << none << QStringList{u"ed5616a=11.22.33.44"_s, u"ed5616c=55.66.77.88"_s} << 2 << u"QRMemo12"_s
            << QStringList{u" "_s, u"11.22.33.44    55.66.77.88      "_s};
        QTest::newRow("chairman title only") << none << QStringList{u"ed6273vz=професор"_s} << 2 << u"QRMemo7"_s
                                             << QStringList{u" "_s, u"професор"_s};
        QTest::newRow("no supervisors") << none << none << 2 << u"QRMemo2"_s
                                        << QStringList{u" "_s, u"1.  "_s, {}, u"2.  "_s, {}, u"3.  "_s, {}};
        QTest::newRow("opponents") << QStringList{u"6165\\2\\Бойко О.\\к.т.н.\\\\05.13.06\\  .  .  "_s} << none << 2
                                   << u"QRMemo1"_s
                                   << QStringList{u"1.  "_s, {}, u"2. Бойко О.; к.т.н.; 05.13.06"_s, {}, u"3.  "_s, {},
                                                  u"4.  "_s, {}};
    }
    void valuesPrinted() { printChecks::checkValuePrinted(okdTest::card.kind(), [] { return QList<const PageLayout *>{&::page(1), &::page(2)}; }); }

    // A supervisor prints by the name its field shows in the language chosen.
    void supervisorByLanguage_data()
    {
        QTest::addColumn<TextLanguage>("shown");
        QTest::addColumn<QString>("line");
        QTest::newRow("Ukrainian shown, no Ukrainian name") << TextLanguage::Ukrainian << u"2.  "_s;
        QTest::newRow("English shown") << TextLanguage::English
                                       << u"2.  1.  3. Sydorenko O.; к.т.н.; доцент; 05.13.06"_s;
    }
    void supervisorByLanguage()
    {
        QFETCH(TextLanguage, shown);
        QFETCH(QString, line);
        ScopedFakePlatform platform;
        CardDocument doc(okdTest::card.kind());
        okdTest::card.open(okdOf(doc), cardFileBytes({u"6156\\2\\1\\\\к.т.н.\\доцент\\05.13.06\\  .  .  "_s,
                                                       u"6156\\2\\3\\Sydorenko O."_s}));
        okdOf(doc).selectSupervisorLanguage(shown);
        QVERIFY(printChecks::printCard(doc, platform));

        QStringList expected{u" "_s, u"1.  "_s, {}, line};
        if (line == u"2.  "_s)
            expected << QString();
        expected << u"3.  "_s << QString();
        QCOMPARE(printed(2, u"QRMemo2"_s), expected);
    }

    // Nine title lines stay on page 1 and eighteen abstract lines on page 2; the rest
    // follows its heading on the sheets, the title's block first.
    void overflowToFirstSheet_data()
    {
        QTest::addColumn<int>("titleLines");
        QTest::addColumn<int>("abstractLines");
        QTest::newRow("title of 12 lines") << 12 << 0;
        QTest::newRow("abstract of 20 lines") << 0 << 20;
        QTest::newRow("both overflow") << 12 << 20;
    }
    void overflowToFirstSheet()
    {
        QFETCH(int, titleLines);
        QFETCH(int, abstractLines);
        ScopedFakePlatform platform;
        CardDocument doc(okdTest::card.kind());
        const QString title = titleLines > 0 ? titleOfLines(titleLines) : QString();
        const QString abstract = abstractLines > 0 ? titleOfLines(abstractLines) : QString();
        okdOf(doc).texts().setText(int(OkdText::ThesisTitle), TextLanguage::Ukrainian, title);
        okdOf(doc).texts().setText(int(OkdText::ThesisAbstract), TextLanguage::Ukrainian, abstract);
        QVERIFY(printChecks::printCard(doc, platform));

        QStringList onSheet;
        const auto check = [&](int pageNumber, const QString &mark, int cardLines, const QString &text,
                               const QString &heading) {
            const QStringList all = CardPrintout::cutLines(u"1. "_s + text + u"\n3. "_s);
            if (text.isEmpty())
                return;
            QCOMPARE(printed(pageNumber, u"QRMemo3"_s), QStringList{u" "_s} + all.mid(0, cardLines));
            QCOMPARE(printed(pageNumber, mark), QStringList{all.size() > cardLines ? kContinued : u" "_s});
            if (all.size() > cardLines)
                onSheet << QString() << heading << all.mid(cardLines);
        };
        check(1, u"QRLabel26"_s, 9, title, kTitleHeading);
        check(2, u"QRLabel94"_s, 18, abstract, kAbstractHeading);

        QCOMPARE(printChecks::lastPrint().state().sheetCount, onSheet.isEmpty() ? 0 : 1);
        if (!onSheet.isEmpty())
            onSheet << QString();
        QCOMPARE(sheet(1).at(dopSheets::textMemo()).lines, onSheet);
        QCOMPARE(platform.previews().first().size(), onSheet.isEmpty() ? 2 : 3);
        if (onSheet.isEmpty())
            return;
        QCOMPARE(platform.messages(), QStringList{u"Формується лист доповнення!"_s});
        QCOMPARE(sheet(1).at(dopSheets::heading()).text, u"Продовження 1"_s);
        QVERIFY(sheet(1).at(dopSheets::titleMemo()).lines.join(u' ').startsWith(title.left(20)));
        QVERIFY(!doc.continuationEnabled());
    }

    // An abstract over many sheets: as many as it fills, numbered, and the later ones
    // offered for "Друк листів продовження".
    void abstractOverManySheets_data()
    {
        QTest::addColumn<int>("wordCount");
        QTest::addColumn<int>("sheets");
        QTest::newRow("two sheets") << 1000 << 2;
        QTest::newRow("seven sheets") << 4800 << 7;
        QTest::newRow("more than ten") << 12000 << 18;
    }
    void abstractOverManySheets()
    {
        QFETCH(int, wordCount);
        QFETCH(int, sheets);
        ScopedFakePlatform platform;
        CardDocument doc(okdTest::card.kind());
        okdOf(doc).texts().setText(int(OkdText::ThesisAbstract), TextLanguage::English, words(u"word"_s, wordCount));
        QVERIFY(printChecks::printCard(doc, platform));

        QCOMPARE(printChecks::lastPrint().state().sheetCount, sheets);
        QCOMPARE(sheet(1).at(dopSheets::heading()).text, u"Продовження 1   (с.1-%1)"_s.arg(sheets));
        QCOMPARE(platform.messages(),
                 QStringList{u"Друк 2-го листа продовження - іншою функцією!"_s});
        QVERIFY(doc.continuationEnabled());
        QCOMPARE(sheet(1).at(dopSheets::textMemo()).lines.mid(0, 2), (QStringList{QString(), kAbstractHeading}));
        QCOMPARE(printed(2, u"QRLabel94"_s), QStringList{kContinued});

        platform.clear();
        platform.allowMessages();
        platform.expect(FakePlatform::Call::Preview);
        printChecks::lastPrint().printContinuation();
        QCOMPARE(platform.previews().size(), 1);
        const QList<const PageLayout *> later = platform.previews().first();
        QCOMPARE(later.size(), sheets - 1);
        for (int n = 2; n <= sheets; ++n) {
            QCOMPARE(later.at(n - 2), &sheet(n));
            QCOMPARE(sheet(n).at(dopSheets::number()).text, QString::number(n));
        }
        QVERIFY(!doc.continuationEnabled());
    }

    // An abstract in both languages that needs more than the ten sheets a dissertation
    // card once had: every word of both reaches the PDF of the two print jobs, in order,
    // and each later sheet holds no more than the 63 lines its page shows.
    void everyWordReachesPaper()
    {
        ScopedFakePlatform platform;
        CardDocument doc(okdTest::card.kind());
        okdOf(doc).texts().setText(int(OkdText::ThesisAbstract), TextLanguage::Ukrainian, words(u"реферат"_s, 6000));
        okdOf(doc).texts().setText(int(OkdText::ThesisAbstract), TextLanguage::English, words(u"abstract"_s, 3000));
        QVERIFY(printChecks::printCard(doc, platform));
        const int sheets = printChecks::lastPrint().state().sheetCount;
        QVERIFY2(sheets > 10, qPrintable(QString::number(sheets)));
        const QList<const PageLayout *> pages = printChecks::bothJobs(platform);
        QCOMPARE(pages.size(), 2 + sheets);
        for (int n = 2; n <= sheets; ++n) {
            const PageElement &text = pages.at(n + 1)->at(dopSheets::textMemo());
            QVERIFY(text.lines.size() <= dopSheets::kLaterSheetLines);
            QVERIFY(memoCapacity(text) >= text.lines.size());
            QCOMPARE(pages.at(n + 1)->at(dopSheets::number()).text, QString::number(n));
        }

        QStringList ukrainian{u"1. "_s};
        for (int n = 1; n <= 6000; ++n)
            ukrainian << u"реферат%1 "_s.arg(n);
        QStringList english{u"3. "_s};
        for (int n = 1; n <= 3000; ++n)
            english << u"abstract%1 "_s.arg(n);
        PDF_TEXT_OR_SKIP();
        const QStringList missing =
            printChecks::missingInOrderFromPdf(pages, u"okd-every-word"_s, {ukrainian + english});
        QVERIFY2(missing.isEmpty(), qPrintable(missing.mid(0, 20).join(u" | "_s)));
    }

    // Empty lines typed into a title or an abstract, at its end or inside, keep nothing
    // after them off the paper.
    void emptyLinesTyped_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("text");
        QTest::addColumn<QString>("ukrainian");
        QTest::addColumn<QStringList>("expected");
        const int title = int(OkdText::ThesisTitle);
        const int abstract = int(OkdText::ThesisAbstract);
        QTest::newRow("title ending in a line break") << 1 << title << u"Тема\r\n"_s
                                                      << QStringList{u" "_s, u"1. Тема"_s, u"3. Theme"_s};
        QTest::newRow("abstract ending in a line break") << 2 << abstract << u"Реферат\n"_s
                                                         << QStringList{u" "_s, u"1. Реферат"_s, u"3. Theme"_s};
        QTest::newRow("empty line inside") << 2 << abstract << u"Перший\n\n \nДругий"_s
                                           << QStringList{u" "_s, u"1. Перший"_s, u"Другий"_s, u"3. Theme"_s};
    }
    void emptyLinesTyped()
    {
        QFETCH(int, page);
        QFETCH(int, text);
        QFETCH(QString, ukrainian);
        QFETCH(QStringList, expected);
        ScopedFakePlatform platform;
        CardDocument doc(okdTest::card.kind());
        okdOf(doc).texts().setText(text, TextLanguage::Ukrainian, ukrainian);
        okdOf(doc).texts().setText(text, TextLanguage::English, u"Theme"_s);
        QVERIFY(printChecks::printCard(doc, platform));
        QCOMPARE(printed(page, u"QRMemo3"_s), expected);
    }

    // Printing changes nothing in the card.
    void printingChangesNothing()
    {
        ScopedFakePlatform platform;
        CardDocument doc(okdTest::card.kind());
        okdTest::card.open(okdOf(doc), cardFileBytes(okdTest::fullCard()));
        doc.setModified(true);
        const QHash<QString, QString> before = printChecks::fieldTexts(okdOf(doc));
        const QStringList lines = okdTest::card.kind().fileLines(okdOf(doc));
        QVERIFY(printChecks::printCard(doc, platform));
        const QStringList changed = printChecks::changedFields(okdOf(doc), before);
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(u", "_s)));
        QCOMPARE(okdTest::card.kind().fileLines(okdOf(doc)), lines);
        QVERIFY(doc.modified());
    }

    // A full card: every value on its pages, nothing overlapping, cut or hidden.
    void fullCardOnPaper()
    {
        const QStringList values = {
            u"ОБЛІКОВА КАРТКА ДИСЕРТАЦІЇ (ОКД)"_s, u"0124U000123"_s, u"0104U000123; 0105U000456"_s,
            u"12/34; 01.02.24"_s, u"1. Петренко Петро Петрович"_s, u"3. Petrenko Petro"_s, u"Аспірантура Так"_s,
            u"05.13.06; 01.05.02"_s, u"15.06.24"_s, u"Д-17"_s, u"Д 26.001.01"_s, u"044-111-11-11"_s,
            u"12345678"_s, u"організації Київський університет"_s, u"вул. Володимирська, 60"_s, u"044-222"_s,
            u"univ@knu.ua"_s, u"МОН України"_s, u"ВУЗ"_s, u"23456789"_s, u"організації Інститут кібернетики"_s,
            u"пр. Глушкова, 40"_s, u"044-333"_s, u"ic@nas.ua"_s, u"НАН України"_s, u"1234567890"_s,
            u"(або П.І.Б.) Петренко Петро Петрович, ФОП"_s, u"вул. Зелена, 1"_s, u"032-444"_s, u"p@ukr.net"_s,
            u"Мінекономіки"_s, u"1. Методи керування"_s, u"3. Control methods"_s, u"1. Реферат дисертації"_s,
            u"3. Abstract of the thesis"_s, u"1. 1. Коваленко Іван 3. Kovalenko Ivan; д.т.н.; професор; 05.13.06; 01.05.02"_s,
            u"2. 1. Сидоренко Олег 3. Sydorenko Oleh; к.т.н.; доцент; 05.13.06"_s,
            u"3. 1. Мельник Анна 3. Melnyk Anna; д соц.комунік."_s, u"1. Шевченко Тарас; д.т.н.; професор; 05.13.06"_s,
            u"2. Бойко Ольга; к.т.н.; доцент; 05.13.06; 01.05.02"_s, u"3. Ткаченко Юрій; к культурол.н."_s,
            u"4. Гнатюк Віра"_s, u"004.8"_s, u"27.41.15.00 28.23.15.00"_s, u"Іваненко Іван Іванович"_s,
            u"д.т.н., професор"_s, u"044-555, Ковальчук"_s, u"Петров П.П."_s, u"720"_s, u"210"_s,
        };
        ScopedFakePlatform platform;
        CardDocument doc(okdTest::card.kind());
        okdTest::card.open(okdOf(doc), cardFileBytes(okdTest::fullCard()));
        QVERIFY(printChecks::printCard(doc, platform));
        QCOMPARE(platform.previews().first().size(), 2);

        QStringList problems;
        for (const PageLayout *l : {&page(1), &page(2)}) {
            const QStringList found = printChecks::pageProblems(*l, okdPrintLayouts::lineCounts(l->name()),
                                                                l == &page(2) ? QStringList{u"QRMemo1"_s} : QStringList{});
            for (const QString &p : found)
                problems << l->name() + u": "_s + p;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u", "_s)));
        PDF_TEXT_OR_SKIP();
        const QStringList missing = printChecks::missingFromPdf(platform.previews().first(), u"okd-card"_s, values);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u" | "_s)));
    }
};

ZORVAT_TEST(OkdPrintTest)
#include "okd_print_test.moc"
