#include "cards/ok/ok_test_support.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Lines whose order in a file decides where they go: the subject codes fill their
// fields in turn and the first financing line is the first row.
bool orderMatters(const QString &line)
{
    static const QStringList codes = {u"5616"_s, u"7713"_s, u"7715"_s};
    return codes.contains(line.left(4));
}

// The lines in another order, those whose order matters kept in theirs.
QStringList shuffled(const QStringList &lines)
{
    QStringList out;
    for (qsizetype i = 0; i < lines.size(); ++i)
        out << lines.at((i * 17 + 5) % lines.size());
    QStringList ordered;
    for (const QString &line : lines) {
        if (orderMatters(line))
            ordered << line;
    }
    for (QString &line : out) {
        if (orderMatters(line))
            line = ordered.takeFirst();
    }
    return out;
}

} // namespace

class OkLinesTest : public QObject
{
    Q_OBJECT
private slots:
    void freshCardMatchesFixture()
    {
        auto model = okTest::card.fresh();
        QCOMPARE(cardFileBytes(okTest::card.lines(*model)), readAll(QString::fromUtf8(ZORVAT_TEST_DATA "/ok_fresh.txt")));
    }

    void fullCardRoundTrip() { cardSteps::checkRoundTrip(okTest::card, okTest::fullCard()); }

    void shuffledLinesSaveInCardOrder()
    {
        cardSteps::checkShuffled(okTest::card, okTest::fullCard(), shuffled(okTest::fullCard()));
    }

    void twoProgrammeCodeLines()
    {
        auto model = okTest::card.opened({u"7023\\Програма"_s, u"7022\\К-1"_s});
        const QStringList lines = okTest::card.lines(*model);
        QCOMPARE(okTest::linesOf(lines, u"7022"_s), (QStringList{u"7022\\К-1"_s, u"7022\\К-1"_s}));
        QCOMPARE(lines.indexOf(u"7022\\К-1"_s), lines.indexOf(u"5437\\    U       "_s) + 1);
        QCOMPARE(lines.lastIndexOf(u"7022\\К-1"_s), lines.indexOf(u"7023\\Програма"_s) + 1);
    }

    // What an opened file saves under one code: older forms come back in the current
    // ones, lines outside their ranges and beyond their limits are gone.
    void linesAfterOpen_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("letter date without number")
            << QStringList{u"5418\\\\01.02.24"_s} << u"5418"_s << QStringList{u"5418\\\\01.02.24"_s};
        QTest::newRow("natural-person executor: no e-mail")
            << QStringList{u"2457\\2\\1234567890"_s, u"2394\\a@b.ua"_s, u"1332\\МОН"_s, u"1133\\ВУЗ"_s} << u"2394"_s
            << QStringList{};
        QTest::newRow("natural-person executor: no subordination")
            << QStringList{u"2457\\2\\1234567890"_s, u"1332\\МОН"_s} << u"1332"_s << QStringList{};
        QTest::newRow("natural-person executor: no sector")
            << QStringList{u"2457\\2\\1234567890"_s, u"1133\\ВУЗ"_s} << u"1133"_s << QStringList{};
        QTest::newRow("natural-person executor code")
            << QStringList{u"2457\\2\\1234567890"_s} << u"2457"_s << QStringList{u"2457\\2\\1234567890"_s};
        QTest::newRow("no programme code") << QStringList{} << u"7022"_s << QStringList{};
        QTest::newRow("no budget programme") << QStringList{} << u"7700"_s << QStringList{};
        QTest::newRow("no direction") << QStringList{} << u"7201"_s << QStringList{};
        QTest::newRow("direction without other") << QStringList{u"7201\\2.1"_s} << u"7201"_s
                                                 << QStringList{u"7201\\2.1\\"_s};
        QTest::newRow("no source, no financing line") << QStringList{} << u"7713"_s << QStringList{};
        QTest::newRow("7715 is accepted") << QStringList{u"7715\\євро\\5"_s} << u"7715"_s
                                          << QStringList{u"7715\\євро\\5"_s};
        QTest::newRow("third financing line ignored")
            << QStringList{u"7713\\тис.грн.\\1"_s, u"7714\\тис.грн.\\2"_s, u"7705\\тис.грн.\\3"_s} << u"7705"_s
            << QStringList{};
        QTest::newRow("stage numbers") << QStringList{u"5526\\A;B;"_s} << u"5526"_s << QStringList{u"5526\\A;B;"_s};
        QTest::newRow("stage numbers beyond ten ignored")
            << QStringList{u"5526\\1;2;3;4;5;6;7;8;9;10;11;"_s} << u"5526"_s
            << QStringList{u"5526\\1;2;3;4;5;6;7;8;9;10;"_s};
        QTest::newRow("seventh subject code ignored")
            << QStringList{u"5616\\01.00.00.00"_s, u"5616\\02.00.00.00"_s, u"5616\\03.00.00.00"_s,
                           u"5616\\04.00.00.00"_s, u"5616\\05.00.00.00"_s, u"5616\\06.00.00.00"_s,
                           u"5616\\07.00.00.00"_s}
            << u"5616"_s
            << QStringList{u"5616\\01.00.00.00"_s, u"5616\\02.00.00.00"_s, u"5616\\03.00.00.00"_s,
                           u"5616\\04.00.00.00"_s, u"5616\\05.00.00.00"_s, u"5616\\06.00.00.00"_s};
        QTest::newRow("older owner lines")
            << QStringList{u"2459\\2\\1234567890"_s, u"2153\\Петренко Петро"_s, u"2657\\Одеса\\вул. Морська, 7"_s,
                           u"2360\\Петренко"_s, u"2935\\048-1"_s, u"2395\\p@x.ua"_s, u"1333\\Мінпром"_s,
                           u"5518\\Свідоцтво 5\\01.03.24"_s}
            << u"2459"_s
            << QStringList{u"2459\\1\\2\\1234567890\\Одеса\\Петренко Петро\\вул. Морська, 7\\048-1\\p@x.ua\\Петренко\\"
                           u"Мінпром\\Свідоцтво 5\\01.03.24"_s};
        QTest::newRow("older co-executor forms")
            << QStringList{u"2142\\1\\44444444\\Дніпро\\КБ\\вул. Криворізька, 3"_s,
                           u"2142\\2\\5555555555\\Суми\\Іваненко Іван\\вул. Лісна, 4"_s}
            << u"2142"_s
            << QStringList{u"2142\\1\\1\\44444444\\Дніпро\\КБ\\вул. Криворізька, 3"_s,
                           u"2142\\2\\2\\5555555555\\Суми\\Іваненко Іван\\вул. Лісна, 4"_s};
        QTest::newRow("older stage form") << QStringList{u"9036\\1\\01.24\\12.24\\Огляд"_s} << u"9036"_s
                                          << QStringList{u"9036\\1 \\01.24\\12.24\\\\Огляд"_s};
        QTest::newRow("older head of work") << QStringList{u"6120\\Коваленко К.К."_s} << u"6120"_s
                                            << QStringList{u"6120\\1\\Коваленко К.К."_s, u"6120\\3\\"_s};
        QTest::newRow("English under sub-code 2") << QStringList{u"2151\\2\\Institute"_s} << u"2151"_s
                                                  << QStringList{u"2151\\1\\"_s, u"2151\\3\\Institute"_s};
        QTest::newRow("sub-code 4 ignored") << QStringList{u"9027\\4\\Назва"_s} << u"9027"_s
                                            << QStringList{u"9027\\1\\"_s, u"9027\\3\\"_s};
        QTest::newRow("co-executor 51 ignored")
            << QStringList{u"2142\\51\\1\\44444444\\Дніпро\\КБ\\адреса"_s} << u"2142"_s << QStringList{};
        QTest::newRow("owner 21 ignored")
            << QStringList{u"2459\\21\\1\\11111111\\Львів\\Завод\\адреса\\\\\\\\\\\\  .  .  "_s} << u"2459"_s
            << QStringList{};
        QTest::newRow("person 121 ignored") << QStringList{u"6121\\121\\Іванов\\с.н.с.\\"_s} << u"6121"_s
                                            << QStringList{};
        QTest::newRow("persons after a gap not written")
            << QStringList{u"6121\\1\\Петров\\зав.\\"_s, u"6121\\120\\Іванов\\с.н.с.\\"_s} << u"6121"_s
            << QStringList{u"6121\\1\\Петров\\зав.\\"_s};
        QTest::newRow("empty value ignored") << QStringList{u"5634\\004"_s, u"5634\\"_s} << u"5634"_s
                                             << QStringList{u"5634\\004"_s};
        QTest::newRow("empty e-mail applied") << QStringList{u"2394\\a@b.ua"_s, u"2394\\"_s} << u"2394"_s
                                              << QStringList{u"2394\\"_s};
        QTest::newRow("address without city")
            << QStringList{u"2655\\\\вул. Хрещатик, 1"_s} << u"2655"_s << QStringList{u"2655\\\\вул. Хрещатик, 1"_s};
        QTest::newRow("memo of three physical lines")
            << QStringList{u"9117\\1\\перший рядок"_s, u"  другий рядок  "_s, u"третій"_s} << u"9117"_s
            << QStringList{u"9117\\1\\перший рядок другий рядок третій"_s, u"9117\\3\\"_s};
        QTest::newRow("unknown line ignored") << QStringList{u"7146\\34"_s} << u"7146"_s << QStringList{};
    }
    void linesAfterOpen()
    {
        QFETCH(QStringList, input);
        QFETCH(QString, code);
        QFETCH(QStringList, expected);
        ReadResult result;
        auto model = okTest::card.opened(input, &result);
        QVERIFY(result.ok());
        QCOMPARE(okTest::linesOf(okTest::card.lines(*model), code), expected);
    }

    void memoWithLineBreaksBecomesSeveralLines()
    {
        auto model = okTest::card.fresh();
        model->setBilingual(OkText::WorkAbstract, TextLanguage::Ukrainian, u"перший\r\nдругий\r\nтретій"_s);
        const QByteArray bytes = cardFileBytes(okTest::card.lines(*model));
        QVERIFY(bytes.contains(cardFileBytes({u"9117\\1\\перший"_s, u"другий"_s, u"третій"_s}).chopped(2)));
        auto back = okTest::card.fresh();
        QVERIFY(okTest::card.open(*back, bytes).ok());
        QCOMPARE(back->bilingual(OkText::WorkAbstract, TextLanguage::Ukrainian), u"перший другий третій"_s);
    }
};

ZORVAT_TEST(OkLinesTest)
#include "ok_lines_test.moc"
