#include "cards/okd/okd_test_support.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class OkdLinesTest : public QObject
{
    Q_OBJECT
private slots:
    void freshCardMatchesFixture()
    {
        auto model = okdTest::card.fresh();
        QCOMPARE(cardFileBytes(okdTest::card.lines(*model)),
                 readAll(QStringLiteral(ZORVAT_TEST_DATA "/okd_fresh.txt")));
    }

    // compNil leaves nothing of a filled card behind.
    void clearedCardSavesAsFresh()
    {
        auto model = okdTest::card.opened(okdTest::fullCard());
        okdTest::card.kind().compNil(*model);
        QCOMPARE(cardFileBytes(okdTest::card.lines(*model)),
                 readAll(QStringLiteral(ZORVAT_TEST_DATA "/okd_fresh.txt")));
    }

    void fullCardRoundTrip()
    {
        const QStringList full = okdTest::fullCard();
        ReadResult result;
        auto model = okdTest::card.opened(full, &result);
        QVERIFY(result.ok());
        const QByteArray saved = cardFileBytes(okdTest::card.lines(*model));
        QCOMPARE(saved, cardFileBytes(full));

        auto again = okdTest::card.fresh();
        QVERIFY(okdTest::card.open(*again, saved).ok());
        QCOMPARE(cardFileBytes(okdTest::card.lines(*again)), saved);
    }

    void shuffledLinesSaveInCardOrder()
    {
        const QStringList full = okdTest::fullCard();
        const QStringList mixed = cardSteps::shuffled(full, {u"6444"_s, u"5616"_s});
        QVERIFY(mixed != full);
        auto model = okdTest::card.opened(mixed);
        QCOMPARE(okdTest::card.lines(*model), full);
    }

    // What an opened file saves under one code: older forms come back in the current
    // ones, repeated and out-of-range lines are dropped, and the mended cases.
    void linesAfterOpen_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("older applicant form") << QStringList{u"6147\\Петренко П.П."_s} << u"6147"_s
                                              << QStringList{u"6147\\1\\Петренко П.П."_s, u"6147\\3\\"_s};
        QTest::newRow("applicant under sub-code 2") << QStringList{u"6147\\2\\ Petrenko "_s} << u"6147"_s
                                                    << QStringList{u"6147\\1\\"_s, u"6147\\3\\Petrenko"_s};
        QTest::newRow("applicant sub-code 5 ignored") << QStringList{u"6147\\5\\Хто"_s} << u"6147"_s
                                                      << QStringList{u"6147\\1\\"_s, u"6147\\3\\"_s};
        QTest::newRow("older supervisor form")
            << QStringList{u"6156\\1\\Коваленко І.\\д.т.н.\\професор\\05.13.06\\01.05.02"_s} << u"6156"_s
            << QStringList{u"6156\\1\\1\\Коваленко І.\\д.т.н.\\професор\\05.13.06\\01.05.02"_s, u"6156\\1\\3\\"_s};
        QTest::newRow("supervisor items trimmed")
            << QStringList{u"6156\\ 2 \\ 1 \\ Сидоренко \\ к.т.н. \\ доцент \\05.13.06\\"_s} << u"6156"_s
            << QStringList{u"6156\\2\\1\\Сидоренко\\к.т.н.\\доцент\\05.13.06\\  .  .  "_s, u"6156\\2\\3\\"_s};
        QTest::newRow("supervisor 4 ignored") << QStringList{u"6156\\4\\1\\Хтось\\\\\\\\"_s} << u"6156"_s
                                              << QStringList{};
        QTest::newRow("supervisor number blank") << QStringList{u"6156\\ \\1\\Хтось"_s} << u"6156"_s
                                                 << QStringList{};
        // Mended: a supervisor named in English only keeps the name.
        QTest::newRow("supervisor 2 in English only")
            << QStringList{u"6156\\2\\3\\Sydorenko"_s} << u"6156"_s
            << QStringList{u"6156\\2\\1\\\\\\\\  .  .  \\  .  .  "_s, u"6156\\2\\3\\Sydorenko"_s};
        QTest::newRow("opponent 5 ignored") << QStringList{u"6165\\5\\Хтось\\\\\\\\"_s} << u"6165"_s
                                            << QStringList{};
        QTest::newRow("opponent without name not written")
            << QStringList{u"6165\\2\\\\к.т.н.\\доцент\\05.13.06\\"_s} << u"6165"_s << QStringList{};
        QTest::newRow("third speciality dropped")
            << QStringList{u"6444\\01.01.01"_s, u"6444\\02.02.02"_s, u"6444\\03.03.03"_s} << u"6444"_s
            << QStringList{u"6444\\01.01.01"_s, u"6444\\02.02.02"_s};
        QTest::newRow("seventh subject code dropped")
            << QStringList{u"5616\\01.00.00.00"_s, u"5616\\02.00.00.00"_s, u"5616\\03.00.00.00"_s,
                           u"5616\\04.00.00.00"_s, u"5616\\05.00.00.00"_s, u"5616\\06.00.00.00"_s,
                           u"5616\\07.00.00.00"_s}
            << u"5616"_s
            << QStringList{u"5616\\01.00.00.00"_s, u"5616\\02.00.00.00"_s, u"5616\\03.00.00.00"_s,
                           u"5616\\04.00.00.00"_s, u"5616\\05.00.00.00"_s, u"5616\\06.00.00.00"_s};
        QTest::newRow("English title under sub-code 2") << QStringList{u"9045\\2\\Control"_s} << u"9045"_s
                                                        << QStringList{u"9045\\1\\"_s, u"9045\\3\\Control"_s};
        QTest::newRow("title sub-code 4 kept nowhere") << QStringList{u"9045\\4\\Назва"_s} << u"9045"_s
                                                       << QStringList{u"9045\\1\\"_s, u"9045\\3\\"_s};
        QTest::newRow("title of three physical lines")
            << QStringList{u"9045\\1\\Методи"_s, u"  керування  "_s, u"процесами"_s} << u"9045"_s
            << QStringList{u"9045\\1\\Методи керування процесами"_s, u"9045\\3\\"_s};
        // Mended: a backslash in the title is kept.
        QTest::newRow("title with a backslash") << QStringList{u"9045\\1\\Вибір A\\B"_s} << u"9045"_s
                                                << QStringList{u"9045\\1\\Вибір A\\B"_s, u"9045\\3\\"_s};
        QTest::newRow("abstract with a backslash") << QStringList{u"9118\\3\\x\\y\\z"_s} << u"9118"_s
                                                   << QStringList{u"9118\\1\\"_s, u"9118\\3\\x\\y\\z"_s};
        QTest::newRow("natural-person workplace") << QStringList{u"2484\\2\\1234567890"_s} << u"2484"_s
                                                  << QStringList{u"2484\\2\\1234567890"_s};
        QTest::newRow("older workplace code") << QStringList{u"2484\\12345678"_s} << u"2484"_s
                                              << QStringList{u"2484\\1\\12345678"_s};
        QTest::newRow("workplace kind 3: no kind") << QStringList{u"2484\\3\\12345678"_s} << u"2484"_s
                                                   << QStringList{u"2484\\0\\12345678"_s};
        // Mended: an organisation name on two physical lines comes back whole.
        QTest::newRow("name on two lines") << QStringList{u"2304\\Київський"_s, u"університет"_s} << u"2304"_s
                                           << QStringList{u"2304\\Київський університет"_s};
        QTest::newRow("codes as they stand") << QStringList{u"2430\\ 1234"_s} << u"2430"_s
                                             << QStringList{u"2430\\ 1234"_s};
        QTest::newRow("postgraduate 5 leaves it") << QStringList{u"6642\\1"_s, u"6642\\5"_s} << u"6642"_s
                                                  << QStringList{u"6642\\1"_s};
        QTest::newRow("chairman without name") << QStringList{u"6273\\д.т.н.\\"_s} << u"6174"_s << QStringList{};
        QTest::newRow("chairman's degree alone") << QStringList{u"6273\\д.т.н."_s} << u"6273"_s
                                                 << QStringList{u"6273\\д.т.н.\\"_s};
        QTest::newRow("empty value ignored") << QStringList{u"7452\\Д 1"_s, u"7452\\"_s} << u"7452"_s
                                             << QStringList{u"7452\\Д 1"_s};
        QTest::newRow("council e-mail never saved") << QStringList{u"7461\\044"_s} << u"7461"_s
                                                    << QStringList{u"7461\\044"_s};
        QTest::newRow("lines of other cards ignored") << QStringList{u"2457\\1\\12345678"_s} << u"2457"_s
                                                      << QStringList{};
    }
    void linesAfterOpen()
    {
        QFETCH(QStringList, input);
        QFETCH(QString, code);
        QFETCH(QStringList, expected);
        ReadResult result;
        auto model = okdTest::card.opened(input, &result);
        QVERIFY(result.ok());
        QCOMPARE(okdTest::linesOf(okdTest::card.lines(*model), code), expected);
    }

    void memoLineBreaksBecomePhysicalLines()
    {
        auto model = okdTest::card.fresh();
        model->setBilingual(OkdText::ThesisTitle, TextLanguage::English, u"first\r\nsecond"_s);
        model->organisation(2).name = u"Інститут\r\nкібернетики"_s;
        const QByteArray bytes = cardFileBytes(okdTest::card.lines(*model));
        QVERIFY(bytes.contains(cardFileBytes({u"9045\\3\\first"_s, u"second"_s}).chopped(2)));
        auto back = okdTest::card.fresh();
        QVERIFY(okdTest::card.open(*back, bytes).ok());
        QCOMPARE(back->bilingual(OkdText::ThesisTitle, TextLanguage::English), u"first second"_s);
        QCOMPARE(back->organisation(2).name, u"Інститут кібернетики"_s);
    }
};

ZORVAT_TEST(OkdLinesTest)
#include "okd_lines_test.moc"
