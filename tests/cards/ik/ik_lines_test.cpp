#include "cards/ik/ik_test_support.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The lines in another order; the subject codes, which fill their boxes in turn,
// kept in theirs.
QStringList shuffled(const QStringList &lines)
{
    QStringList out;
    for (qsizetype i = 0; i < lines.size(); ++i)
        out << lines.at((i * 17 + 5) % lines.size());
    QStringList rubrics = ikTest::linesOf(lines, u"5616"_s);
    for (QString &line : out) {
        if (line.startsWith(u"5616\\"_s))
            line = rubrics.takeFirst();
    }
    return out;
}

QByteArray fixture(const char *name)
{
    return readAll(QString::fromUtf8(ZORVAT_TEST_DATA "/") + QLatin1String(name));
}

} // namespace

class IkLinesTest : public QObject
{
    Q_OBJECT
private slots:
    void freshCardMatchesFixture()
    {
        auto model = ikTest::card.fresh();
        QCOMPARE(cardFileBytes(ikTest::card.lines(*model)), fixture("ik_fresh.txt"));
    }

    // Reopened, a fresh card shows the first organisation size: its 1009 line has an
    // empty first value and is not read.
    void freshCardReopenedMatchesFixture()
    {
        auto model = ikTest::card.fresh();
        QVERIFY(ikTest::card.open(*model, fixture("ik_fresh.txt")).ok());
        QCOMPARE(cardFileBytes(ikTest::card.lines(*model)), fixture("ik_fresh_reopened.txt"));
    }

    void fullCardRoundTrip()
    {
        QCOMPARE(ikTest::fullCard().size(), 29);
        cardSteps::checkRoundTrip(ikTest::card, ikTest::fullCard());
    }

    void shuffledLinesSaveInCardOrder()
    {
        cardSteps::checkShuffled(ikTest::card, ikTest::fullCard(), shuffled(ikTest::fullCard()));
    }

    // Memos of two paragraphs save as two physical lines and read back joined by a
    // blank; what is saved then stays as it is.
    void memoParagraphs_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("code");
        const QString rows[] = {u"mm5635|5635"_s, u"mm5636|5636"_s, u"mm1001|1001"_s, u"mm9118|9118"_s,
                                u"mm9155|9155"_s};
        for (const QString &row : rows) {
            const QStringList r = row.split(QLatin1Char('|'));
            QTest::newRow(qPrintable(r.at(0))) << r.at(0) << r.at(1);
        }
    }
    void memoParagraphs()
    {
        QFETCH(QString, field);
        QFETCH(QString, code);
        auto model = ikTest::card.fresh();
        model->setText(field, u"Перший абзац.\r\nДругий абзац."_s);
        const QByteArray first = cardFileBytes(ikTest::card.lines(*model));
        QVERIFY(first.contains(cardFileBytes({code + u"\\Перший абзац."_s, u"Другий абзац."_s}).chopped(2)));

        auto back = ikTest::card.fresh();
        QVERIFY(ikTest::card.open(*back, first).ok());
        QCOMPARE(back->text(field), u"Перший абзац. Другий абзац."_s);
        const QByteArray second = cardFileBytes(ikTest::card.lines(*back));
        QVERIFY(ikTest::card.open(*back, second).ok());
        QCOMPARE(cardFileBytes(ikTest::card.lines(*back)), second);
    }

    // What an opened file saves under one code: older forms come back in the current
    // ones, lines outside their ranges and empty lines that count for nothing are gone.
    void linesAfterOpen_data()
    {
        const ikTest::OpenRow<QString, QStringList> rows[] = {
            {"no stage, no 7326", QStringList{}, u"7326"_s, QStringList{}},
            {"no implementation, no 7344", QStringList{}, u"7344"_s, QStringList{}},
            {"7326 with empty value skipped", QStringList{u"7326\\\\Свій варіант"_s}, u"7326"_s, QStringList{}},
            {"7326 without other", QStringList{u"7326\\3.2"_s}, u"7326"_s, QStringList{u"7326\\3.2\\"_s}},
            {"5638 with empty first value", QStringList{u"5638\\\\\\\\x"_s}, u"5638"_s, QStringList{u"5638\\\\\\\\x"_s}},
            {"1006 with empty first value", QStringList{u"1006\\\\так"_s}, u"1006"_s, QStringList{u"1006\\\\так\\\\\\\\\\"_s}},
            {"9153 without other", QStringList{u"9153\\02"_s}, u"9153"_s, QStringList{u"9153\\02"_s}},
            {"9153 other typed", QStringList{u"9153\\03\\нове"_s}, u"9153"_s, QStringList{u"9153\\03\\нове"_s}},
            {"English under sub-code 2", QStringList{u"9027\\2\\Name"_s}, u"9027"_s, QStringList{u"9027\\1\\"_s, u"9027\\3\\Name"_s}},
            {"English under sub-code 3", QStringList{u"9027\\3\\Name"_s}, u"9027"_s, QStringList{u"9027\\1\\"_s, u"9027\\3\\Name"_s}},
            {"sub-code 4 ignored", QStringList{u"9027\\4\\Назва"_s}, u"9027"_s, QStringList{u"9027\\1\\"_s, u"9027\\3\\"_s}},
            {"name of three physical lines", QStringList{u"9027\\1\\перший рядок"_s, u"  другий рядок  "_s, u"третій"_s}, u"9027"_s, QStringList{u"9027\\1\\перший рядок другий рядок третій"_s, u"9027\\3\\"_s}},
            {"older owner form", QStringList{u"2459\\2\\2222222222"_s, u"2153\\Петренко Петро"_s, u"2657\\Одеса\\вул. Морська, 7"_s}, u"2459"_s, QStringList{u"2459\\1\\2\\2222222222\\Одеса\\Петренко Петро\\вул. Морська, 7\\\\\\\\\\\\  .  .  \\"_s}},
            {"older owner form, legal person", QStringList{u"2459\\1\\11111111"_s, u"2153\\Завод"_s}, u"2459"_s, QStringList{u"2459\\1\\1\\11111111\\\\Завод\\\\\\\\\\\\\\  .  .  \\"_s}},
            {"owner 6 after five", QStringList{ u"2459\\1\\1\\11111111\\\\А"_s, u"2459\\2\\1\\11111111\\\\Б"_s, u"2459\\3\\1\\11111111\\\\В"_s, u"2459\\4\\1\\11111111\\\\Г"_s, u"2459\\5\\1\\11111111\\\\Д"_s, u"2459\\6\\1\\11111111\\\\Е"_s}, u"2459"_s, QStringList{ u"2459\\1\\1\\11111111\\\\А\\\\\\\\\\\\\\  .  .  \\"_s, u"2459\\2\\1\\11111111\\\\Б\\\\\\\\\\\\\\  .  .  \\"_s, u"2459\\3\\1\\11111111\\\\В\\\\\\\\\\\\\\  .  .  \\"_s, u"2459\\4\\1\\11111111\\\\Г\\\\\\\\\\\\\\  .  .  \\"_s, u"2459\\5\\1\\11111111\\\\Д\\\\\\\\\\\\\\  .  .  \\"_s, u"2459\\6\\1\\11111111\\\\Е\\\\\\\\\\\\\\  .  .  \\"_s}},
            {"owner 7 ignored", QStringList{u"2459\\7\\1\\11111111\\Львів\\Завод"_s}, u"2459"_s, QStringList{}},
            {"owner kind 0 ignored", QStringList{u"2459\\1\\0\\11111111\\Львів\\Завод"_s}, u"2459"_s, QStringList{}},
            {"owners after a gap not written", QStringList{u"2459\\1\\1\\11111111\\\\А"_s, u"2459\\3\\1\\33333333\\\\В"_s}, u"2459"_s, QStringList{u"2459\\1\\1\\11111111\\\\А\\\\\\\\\\\\\\  .  .  \\"_s}},
            {"seventh subject code ignored", QStringList{u"5616\\01.00.00.00"_s, u"5616\\02.00.00.00"_s, u"5616\\03.00.00.00"_s, u"5616\\04.00.00.00"_s, u"5616\\05.00.00.00"_s, u"5616\\06.00.00.00"_s, u"5616\\07.00.00.00"_s}, u"5616"_s, QStringList{u"5616\\01.00.00.00"_s, u"5616\\02.00.00.00"_s, u"5616\\03.00.00.00"_s, u"5616\\04.00.00.00"_s, u"5616\\05.00.00.00"_s, u"5616\\06.00.00.00"_s}},
            {"1009 with empty first value", QStringList{u"1009\\\\9.4.2"_s}, u"1009"_s, QStringList{u"1009\\\\9.4.1"_s}},
            {"1009 with empty size", QStringList{u"1009\\9.1\\"_s}, u"1009"_s, QStringList{u"1009\\9.1\\"_s}},
            {"ignored multi-line codes", QStringList{u"5637\\x"_s, u"далі"_s, u"9156\\y"_s, u"1000\\z"_s, u"6111\\Петров"_s}, u"6111"_s, QStringList{u"6111\\Петров"_s}},
            {"unknown line ignored", QStringList{u"7146\\34"_s}, u"7146"_s, QStringList{}},
        };
        ikTest::addOpenRows(rows, "code", "expected");
    }
    void linesAfterOpen()
    {
        QFETCH(QStringList, input);
        QFETCH(QString, code);
        QFETCH(QStringList, expected);
        ReadResult result;
        auto model = ikTest::card.opened(input, &result);
        QVERIFY2(result.ok(), qPrintable(result.message));
        QCOMPARE(ikTest::linesOf(ikTest::card.lines(*model), code), expected);
    }

    // Boxes a, c and f filled write three lines; read back they fill a, b and c.
    void rubricBoxesCloseUp()
    {
        auto model = ikTest::card.fresh();
        model->setFitted(u"ed5616a"_s, u"01.02.03.04"_s);
        model->setFitted(u"ed5616c"_s, u"05.06.07.08"_s);
        model->setFitted(u"ed5616f"_s, u"09.10.11.12"_s);
        const QStringList lines = ikTest::card.lines(*model);
        QCOMPARE(ikTest::linesOf(lines, u"5616"_s),
                 (QStringList{u"5616\\01.02.03.04"_s, u"5616\\05.06.07.08"_s, u"5616\\09.10.11.12"_s}));
        auto back = ikTest::card.opened(lines);
        const QStringList expected = {u"01.02.03.04"_s, u"05.06.07.08"_s, u"09.10.11.12"_s,
                                      u"  .  .  .  "_s, u"  .  .  .  "_s, u"  .  .  .  "_s};
        const QStringList boxes = {u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s, u"ed5616d"_s, u"ed5616e"_s, u"ed5616f"_s};
        for (int i = 0; i < boxes.size(); ++i)
            QCOMPARE(back->text(boxes.at(i)), expected.at(i));
    }

    // An owner's address typed in several lines: the owner line stays one line, so
    // the owner's later items are not lost when the card is read back.
    void ownerAddressWithLineBreaks()
    {
        auto model = ikTest::card.fresh();
        model->setText(u"mm2153"_s, u"Завод"_s);
        model->setText(u"mm2657"_s, u"м. Львів,\r\nвул. Зелена, 2"_s);
        model->setText(u"ed2935"_s, u"032-1"_s);
        model->setText(u"ed6120"_s, u"Іваненко"_s);
        const QStringList lines = ikTest::card.lines(*model);
        QCOMPARE(ikTest::linesOf(lines, u"2459"_s),
                 QStringList{u"2459\\1\\1\\        \\\\Завод\\м. Львів, вул. Зелена, 2\\032-1\\\\\\\\\\  .  .  \\Іваненко"_s});
        auto back = ikTest::card.fresh();
        QVERIFY(ikTest::card.open(*back, cardFileBytes(lines)).ok());
        QCOMPARE(back->text(u"ed2935"_s), u"032-1"_s);
        QCOMPARE(back->text(u"ed6120"_s), u"Іваненко"_s);
    }

    // A save stores the owner shown first, without a name it stores nothing.
    void shownOwnerSaved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("named") << u"Фонд"_s
                               << QStringList{u"2459\\1\\1\\        \\\\Фонд\\\\\\\\\\\\\\  .  .  \\"_s};
        QTest::newRow("no name") << QString() << QStringList{};
    }
    void shownOwnerSaved()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        auto model = ikTest::card.fresh();
        model->setText(u"mm2153"_s, name);
        QCOMPARE(ikTest::linesOf(ikTest::card.lines(*model), u"2459"_s), expected);
    }
};

ZORVAT_TEST(IkLinesTest)
#include "ik_lines_test.moc"
