#include "cardfile/cp1251.h"
#include "fields/card_document.h"
#include "print/dop_sheets.h"
#include "print/print_job.h"
#include "print/report_layouts.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kOneSheet = u"Формується лист доповнення!"_s;
const QString kMoreSheets = u"Друк продовження з 2-го листа - іншою функцією!"_s;
const QString kMoreSheetsOkd = u"Друк 2-го листа продовження - іншою функцією!"_s;

// A block of `size` lines of the continuation text: its heading and size - 1 lines.
struct Block
{
    QString heading;
    QStringList lines;
};

Block block(int number, int size)
{
    Block b{u"Блок %1"_s.arg(number), {}};
    for (int i = 1; i < size; ++i)
        b.lines << u"блок %1, рядок %2"_s.arg(number).arg(i);
    return b;
}

// What the sheets must show, in order: every block opens with a blank line.
QStringList placedText(const QList<Block> &blocks)
{
    QStringList all;
    for (const Block &b : blocks)
        all << QString() << b.heading << b.lines;
    return all;
}

QStringList sheetLines(ReportLayouts &layouts, int sheet)
{
    return layouts.layout(dopSheets::layoutName(sheet)).at(dopSheets::textMemo()).lines;
}

QString sheetNumber(ReportLayouts &layouts, int sheet)
{
    return layouts.layout(dopSheets::layoutName(sheet)).at(dopSheets::number()).text;
}

QStringList names(const QList<const PageLayout *> &pages)
{
    QStringList n;
    for (const PageLayout *p : pages)
        n << p->name();
    return n;
}

} // namespace

class ContinuationSheetsTest : public QObject
{
    Q_OBJECT
private slots:
    void placement_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("blockSizes"); // lines of each continuation text
        QTest::addColumn<QList<int>>("perSheet");   // lines placed on sheets 1, 2, ...
        QTest::addColumn<int>("numbered");          // sheets 1 .. numbered carry their number
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("message");

        const auto rk = int(CardType::RK);
        const auto okd = int(CardType::OKD);
        QTest::newRow("no overflow") << rk << QList<int>{} << QList<int>{} << 0 << QString() << QString();
        QTest::newRow("one block of 10") << rk << QList<int>{10} << QList<int>{11} << 0 << u"Продовження 1"_s
                                         << kOneSheet;
        QTest::newRow("two blocks of 30") << rk << QList<int>{30, 30} << QList<int>{57, 5} << 2
                                          << u"Продовження 1   (с.1-2)"_s << kMoreSheets;
        // A full sheet 1 is numbered, and so is sheet 2 that is never printed.
        QTest::newRow("exactly 57 lines") << int(CardType::OK) << QList<int>{56} << QList<int>{57} << 2
                                          << u"Продовження 1"_s << kOneSheet;
        // Every sheet holds what its page shows; a longer text takes more sheets, for
        // every card, beyond the ten sheets made at start.
        const QList<int> sevenSheets{57, 63, 63, 63, 63, 63, 28};
        QTest::newRow("400 lines, RK: seven sheets") << rk << QList<int>{399} << sevenSheets << 7
                                                     << u"Продовження 1   (с.1-7)"_s << kMoreSheets;
        QTest::newRow("400 lines in three blocks, IK") << int(CardType::IK) << QList<int>{99, 149, 149} << sevenSheets
                                                       << 7 << u"Продовження 1   (с.1-7)"_s << kMoreSheets;
        QTest::newRow("400 lines, OKD") << okd << QList<int>{399} << sevenSheets << 7 << u"Продовження 1   (с.1-7)"_s
                                        << kMoreSheetsOkd;
        QList<int> twelveSheets{57};
        for (int sheet = 2; sheet <= 11; ++sheet)
            twelveSheets << 63;
        twelveSheets << 13;
        QTest::newRow("700 lines, OKD: twelve sheets") << okd << QList<int>{699} << twelveSheets << 12
                                                       << u"Продовження 1   (с.1-12)"_s << kMoreSheetsOkd;
        QTest::newRow("700 lines in two blocks, OK") << int(CardType::OK) << QList<int>{350, 348} << twelveSheets
                                                     << 12 << u"Продовження 1   (с.1-12)"_s << kMoreSheets;
    }
    void placement()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, blockSizes);
        QFETCH(QList<int>, perSheet);
        QFETCH(int, numbered);
        QFETCH(QString, heading);
        QFETCH(QString, message);

        ScopedFakePlatform platform;
        platform.allowMessages();
        platform.expect(FakePlatform::Call::Preview);
        CardDocument document(cardKind(CardType(type)));
        PrintJob job(document);
        ReportLayouts &layouts = job.layouts();
        job.prepare();
        QList<Block> blocks;
        for (int size : blockSizes) {
            blocks << block(int(blocks.size()) + 1, size);
            job.placeBlock(blocks.last().heading, blocks.last().lines);
        }

        const int sheetCount = int(perSheet.size());
        QCOMPARE(job.state().sheetCount, sheetCount);
        QCOMPARE(job.state().dopLineCount, int(placedText(blocks).size()));
        QStringList placed;
        QVERIFY(layouts.sheetCount() >= std::max(sheetCount, dopSheets::kSheetsAtStart));
        for (int sheet = 1; sheet <= layouts.sheetCount(); ++sheet) {
            QCOMPARE(sheetLines(layouts, sheet).size(), sheet <= sheetCount ? perSheet.at(sheet - 1) : 0);
            QCOMPARE(sheetNumber(layouts, sheet), sheet <= numbered ? QString::number(sheet) : u" "_s);
            placed << sheetLines(layouts, sheet);
        }
        QCOMPARE(placed, placedText(blocks));

        // Print job 1: the card's pages and sheet 1 with its heading, title and closing line.
        const PageLayout page1(u"TQRRk1"_s);
        const PageLayout page2(u"TQRRk2"_s);
        job.finish(u"Назва роботи українською"_s, {&page1, &page2});
        const PageLayout &first = layouts.layout(u"TQRDop"_s);
        QCOMPARE(first.at(dopSheets::heading()).text, heading);
        QCOMPARE(first.at(dopSheets::titleMemo()).lines.size(), sheetCount > 0 ? 1 : 0);
        QCOMPARE(sheetLines(layouts, 1), sheetCount > 0 ? placed.mid(0, perSheet.first()) << QString() : QStringList());
        QCOMPARE(platform.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        QStringList job1{u"TQRRk1"_s, u"TQRRk2"_s};
        if (sheetCount > 0)
            job1 << u"TQRDop"_s;
        QCOMPARE(platform.previews().size(), 1);
        QCOMPARE(names(platform.previews().first()), job1);
        QCOMPARE(document.continuationEnabled(), sheetCount >= 2);

        // Print job 2: sheets 2 and on, the message, and the command off.
        platform.clear();
        platform.allowMessages();
        QStringList job2;
        for (int sheet = 2; sheet <= sheetCount; ++sheet)
            job2 << dopSheets::layoutName(sheet);
        if (!job2.isEmpty())
            platform.expect(FakePlatform::Call::Preview);
        job.printContinuation();
        QCOMPARE(platform.previews().isEmpty() ? QStringList() : names(platform.previews().first()), job2);
        QCOMPARE(platform.messages(), QStringList());
        QVERIFY(!document.continuationEnabled());
        QVERIFY2(platform.unexpected().isEmpty(), qPrintable(platform.unexpected().join(u'\n')));
    }

    void blockStopsAtFirstEmptyLine_data()
    {
        QTest::addColumn<QStringList>("mmtext");
        QTest::addColumn<int>("startLine");
        QTest::addColumn<QStringList>("placed");
        QTest::newRow("fourth line empty") << QStringList{u"перший"_s, u"другий"_s, u"третій"_s, QString(), u"п'ятий"_s}
                                           << 0 << QStringList{QString(), u"перший"_s, u"другий"_s, u"третій"_s};
        QTest::newRow("from line 2") << QStringList{u"перший"_s, u"другий"_s, u"третій"_s} << 1
                                     << QStringList{QString(), u"другий"_s, u"третій"_s};
        QTest::newRow("first line empty: nothing, not even the blank")
            << QStringList{QString(), u"другий"_s} << 0 << QStringList();
        QTest::newRow("empty text") << QStringList() << 0 << QStringList();
    }
    void blockStopsAtFirstEmptyLine()
    {
        QFETCH(QStringList, mmtext);
        QFETCH(int, startLine);
        QFETCH(QStringList, placed);
        ReportLayouts layouts;
        ContinuationState state;
        ContinuationSheets sheets(state, layouts);
        sheets.prepare();
        state.dopStartLine = startLine;
        sheets.placeLines(mmtext);
        QCOMPARE(sheetLines(layouts, 1), placed);
        QCOMPARE(state.dopLineCount, int(placed.size()));
        QCOMPARE(state.sheetCount, placed.isEmpty() ? 0 : 1);
    }

    // The overflow handed over is wrapped again at the sheets' width, like the
    // continuation text box: a long customer line becomes several sheet lines.
    void longBlockLinesAreWrapped()
    {
        ReportLayouts layouts;
        ContinuationState state;
        ContinuationSheets sheets(state, layouts);
        sheets.prepare();
        const QString location = u"2656. Місцезнаходження   "_s
            + u"м. Київ, вул. Академіка Заболотного, буд. 150, корпус 2, "_s.repeated(4);
        sheets.placeBlock(u"   ВІДОМОСТІ ПРО ЗАМОВНИКА "_s, {location});
        const QStringList lines = sheetLines(layouts, 1);
        QVERIFY(lines.size() >= 4);
        QCOMPARE(lines.at(1), u"   ВІДОМОСТІ ПРО ЗАМОВНИКА "_s);
        QCOMPARE(lines.mid(2).join(QLatin1Char(' ')).simplified(), location.simplified());
    }

    // A new print starts from empty sheets, all of them, also those a longer print made.
    void prepareEmptiesEverySheet()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        platform.expect(FakePlatform::Call::Preview);
        CardDocument okd(cardKind(CardType::OKD));
        PrintJob first(okd);
        ReportLayouts &layouts = first.layouts();
        first.prepare();
        first.placeBlock(u"9118. Реферат "_s, block(1, 800).lines);
        first.finish(u"Тема"_s, {});
        QCOMPARE(first.state().sheetCount, 13);
        QCOMPARE(layouts.sheetCount(), 13);

        first.prepare();
        first.placeBlock(u"9045. Тема дисертації "_s, {u"кінець"_s});
        QCOMPARE(first.state().sheetCount, 1);
        QCOMPARE(first.state().dopLineCount, 3);
        QCOMPARE(sheetLines(layouts, 1).size(), 3);
        for (int sheet = 2; sheet <= layouts.sheetCount(); ++sheet) {
            QVERIFY(sheetLines(layouts, sheet).isEmpty());
            QCOMPARE(sheetNumber(layouts, sheet), u" "_s);
        }
        QVERIFY(layouts.layout(u"TQRDop"_s).at(dopSheets::titleMemo()).lines.isEmpty());
    }

    // Each preview names its document for the printer queue: the card's title and the
    // file it was opened from; nothing is said after it but the sheets' messages.
    void previewsNamedNothingAfter()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        CardDocument document(cardKind(CardType::RK));
        QTemporaryDir dir;
        const QString path = dir.filePath(u"РК_2024.txt"_s);
        writeFile(path, cp1251::encode(u"5256\\5\r\n"_s));
        document.openChosen(path);
        platform.clear();
        platform.allowMessages();
        PrintJob job(document);
        platform.expect(FakePlatform::Call::Preview);
        job.prepare();
        job.placeBlock(u"9126. Мета роботи "_s, block(1, 80).lines);
        job.finish(u"Назва"_s, {});
        platform.expect(FakePlatform::Call::Preview);
        job.printContinuation();
        QCOMPARE(platform.messages(), QStringList{kMoreSheets});
        const QString title = u"Реєстраційна карта НДР і ДКР (РК) — РК_2024.txt"_s;
        QCOMPARE(platform.previewTitles(), (QStringList{title, title}));
    }

    // A printed document is titled by the card's name and its file's bare name.
    void documentTitle_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::newRow("new card") << int(CardType::RK) << QString() << u"Реєстраційна карта НДР і ДКР (РК)"_s;
        QTest::newRow("opened card") << int(CardType::OK) << u"/home/clerk/картки/OK_2024.txt"_s
                                     << u"Облікова картка НДР І ДКР (ОК) — OK_2024.txt"_s;
        QTest::newRow("drive path") << int(CardType::OKD) << u"c:\\cards\\OKD.txt"_s
                                    << u"Облікова картка дисертації (ОКД) — OKD.txt"_s;
    }
    void documentTitle()
    {
        QFETCH(int, type);
        QFETCH(QString, file);
        QFETCH(QString, title);
        const CardDocument document(cardKind(CardType(type)));
        QCOMPARE(PrintJob::documentTitle(document, file), title);
    }

    // Each print has sheets of its own: printing the later sheets of one print shows
    // its own lines, even after another editor printed in between.
    void laterSheetsBelongToTheirPrint()
    {
        ScopedFakePlatform platform;
        platform.allowMessages();
        const PageLayout page(u"TQRRk1"_s);

        CardDocument rk(cardKind(CardType::RK));
        PrintJob rkJob(rk);
        platform.expect(FakePlatform::Call::Preview);
        rkJob.prepare();
        rkJob.placeBlock(u"RK"_s, block(1, 80).lines);
        rkJob.finish(u"Робота"_s, {&page});
        const QStringList rkSheet2 = sheetLines(rkJob.layouts(), 2);
        QCOMPARE(rkJob.state().sheetCount, 2);

        CardDocument ok(cardKind(CardType::OK));
        PrintJob okJob(ok);
        platform.expect(FakePlatform::Call::Preview);
        okJob.prepare();
        okJob.placeBlock(u"OK"_s, block(7, 100).lines);
        okJob.finish(u"Інша робота"_s, {&page});
        QVERIFY(sheetLines(okJob.layouts(), 2) != rkSheet2);

        platform.clear();
        platform.allowMessages();
        platform.expect(FakePlatform::Call::Preview);
        rkJob.printContinuation();
        QCOMPARE(names(platform.previews().first()), QStringList{u"TQRDop1"_s});
        QCOMPARE(platform.shownPages().first().first().at(dopSheets::textMemo()).lines, rkSheet2);
        QCOMPARE(sheetNumber(rkJob.layouts(), 2), u"2"_s);
        QVERIFY(ok.continuationEnabled());
        QVERIFY(!rk.continuationEnabled());
    }
};

ZORVAT_TEST(ContinuationSheetsTest)
#include "continuation_sheets_test.moc"
