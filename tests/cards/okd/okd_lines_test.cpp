#include "cards/okd/okd_test_support.h"
#include "support/test_files.h"
#include "support/test_registry.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// What an opened file saves under one code: older forms come back in the current
// ones, repeated and out-of-range lines are dropped; the rows marked "mended" keep
// what a clerk typed.
struct SavedRow
{
    const char *name;
    const char *input;
    const char *code;
    const char *saved;
};

const SavedRow kSavedRows[] = {
    {"older applicant form", R"(6147\Петренко П.П.)", "6147", "6147\\1\\Петренко П.П.\n6147\\3\\"},
    {"applicant under sub-code 2", R"(6147\2\ Petrenko )", "6147", "6147\\1\\\n6147\\3\\Petrenko"},
    {"applicant sub-code 5 ignored", R"(6147\5\Хто)", "6147", "6147\\1\\\n6147\\3\\"},
    {"older supervisor form", R"(6156\1\Коваленко І.\д.т.н.\професор\05.13.06\01.05.02)", "6156",
     "6156\\1\\1\\Коваленко І.\\д.т.н.\\професор\\05.13.06\\01.05.02\n6156\\1\\3\\"},
    {"supervisor items trimmed", R"(6156\ 2 \ 1 \ Сидоренко \ к.т.н. \ доцент \05.13.06\)", "6156",
     "6156\\2\\1\\Сидоренко\\к.т.н.\\доцент\\05.13.06\\  .  .  \n6156\\2\\3\\"},
    {"supervisor 4 ignored", R"(6156\4\1\Хтось\\\\)", "6156", ""},
    {"supervisor number blank", R"(6156\ \1\Хтось)", "6156", ""},
    {"mended: supervisor 2 in English only", R"(6156\2\3\Sydorenko)", "6156",
     "6156\\2\\1\\\\\\\\  .  .  \\  .  .  \n6156\\2\\3\\Sydorenko"},
    {"opponent 5 ignored", R"(6165\5\Хтось\\\\)", "6165", ""},
    {"opponent without name not written", R"(6165\2\\к.т.н.\доцент\05.13.06\)", "6165", ""},
    {"third speciality dropped", "6444\\01.01.01\n6444\\02.02.02\n6444\\03.03.03", "6444",
     "6444\\01.01.01\n6444\\02.02.02"},
    {"seventh subject code dropped",
     "5616\\01.00.00.00\n5616\\02.00.00.00\n5616\\03.00.00.00\n5616\\04.00.00.00\n5616\\05.00.00.00\n"
     "5616\\06.00.00.00\n5616\\07.00.00.00",
     "5616",
     "5616\\01.00.00.00\n5616\\02.00.00.00\n5616\\03.00.00.00\n5616\\04.00.00.00\n5616\\05.00.00.00\n"
     "5616\\06.00.00.00"},
    {"English title under sub-code 2", R"(9045\2\Control)", "9045", "9045\\1\\\n9045\\3\\Control"},
    {"title sub-code 4 kept nowhere", R"(9045\4\Назва)", "9045", "9045\\1\\\n9045\\3\\"},
    {"title of three physical lines", "9045\\1\\Методи\n  керування  \nпроцесами", "9045",
     "9045\\1\\Методи керування процесами\n9045\\3\\"},
    {"mended: title with a backslash", R"(9045\1\Вибір A\B)", "9045", "9045\\1\\Вибір A\\B\n9045\\3\\"},
    {"mended: abstract with backslashes", R"(9118\3\x\y\z)", "9118", "9118\\1\\\n9118\\3\\x\\y\\z"},
    {"natural-person workplace", R"(2484\2\1234567890)", "2484", R"(2484\2\1234567890)"},
    {"older workplace code", R"(2484\12345678)", "2484", R"(2484\1\12345678)"},
    {"workplace kind 3: no kind", R"(2484\3\12345678)", "2484", R"(2484\0\12345678)"},
    {"mended: name on two lines", "2304\\Київський\nуніверситет", "2304", R"(2304\Київський університет)"},
    {"codes as they stand", R"(2430\ 1234)", "2430", R"(2430\ 1234)"},
    {"postgraduate 5 leaves it", "6642\\1\n6642\\5", "6642", R"(6642\1)"},
    {"chairman without name", R"(6273\д.т.н.\)", "6174", ""},
    {"chairman's degree alone", R"(6273\д.т.н.)", "6273", R"(6273\д.т.н.\)"},
    {"chairman's title alone", R"(6273\\професор)", "6273", R"(6273\\професор)"},
    {"letter date alone", R"(5418\\01.02.24)", "5418", R"(5418\\01.02.24)"},
    {"empty value ignored", "7452\\Д 1\n7452\\", "7452", R"(7452\Д 1)"},
    {"council phone", R"(7461\044)", "7461", R"(7461\044)"},
    {"lines of other cards ignored", R"(2457\1\12345678)", "2457", ""},
};

} // namespace

class OkdLinesTest : public QObject
{
    Q_OBJECT
private slots:
    void freshCardMatchesFixture()
    {
        auto model = okdTest::card.fresh();
        QCOMPARE(cardFileBytes(okdTest::card.lines(*model)),
                 readAll(QString::fromUtf8(ZORVAT_TEST_DATA "/okd_fresh.txt")));
    }

    // clearModel leaves nothing of a filled card behind.
    void clearedCardSavesAsFresh()
    {
        auto model = okdTest::card.opened(okdTest::fullCard());
        okdTest::card.kind().clearModel(*model);
        QCOMPARE(cardFileBytes(okdTest::card.lines(*model)),
                 readAll(QString::fromUtf8(ZORVAT_TEST_DATA "/okd_fresh.txt")));
    }

    void fullCardRoundTrip() { cardSteps::checkRoundTrip(okdTest::card, okdTest::fullCard()); }

    void shuffledLinesSaveInCardOrder()
    {
        const QStringList full = okdTest::fullCard();
        cardSteps::checkShuffled(okdTest::card, full, cardSteps::shuffled(full, {u"6444"_s, u"5616"_s}));
    }

    void linesAfterOpen_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("expected");
        for (const SavedRow &row : kSavedRows)
            QTest::newRow(row.name) << okdTest::cardText(row.input) << QString::fromUtf8(row.code)
                                    << okdTest::cardText(row.saved);
    }
    void linesAfterOpen()
    {
        QFETCH(QStringList, input);
        QFETCH(QString, code);
        QFETCH(QStringList, expected);
        ReadResult result;
        const auto opened = okdTest::card.opened(input, &result);
        QVERIFY2(result.ok(), qPrintable(result.message));
        QCOMPARE(okdTest::linesOf(okdTest::card.lines(*opened), code), expected);
    }

    // Line breaks typed into the title or an organisation name stand on physical
    // lines of their own and come back joined by blanks.
    void memoLineBreaksBecomePhysicalLines()
    {
        auto model = okdTest::card.fresh();
        model->texts().setText(OkdText::ThesisTitle, TextLanguage::English, u"first\r\nsecond"_s);
        model->organisation(2).name = u"Інститут\r\nкібернетики"_s;
        const QByteArray bytes = cardFileBytes(okdTest::card.lines(*model));
        QVERIFY(bytes.contains(cardFileBytes({u"9045\\3\\first"_s, u"second"_s}).chopped(2)));
        auto back = okdTest::card.fresh();
        QVERIFY(okdTest::card.open(*back, bytes).ok());
        QCOMPARE(back->texts().text(OkdText::ThesisTitle, TextLanguage::English), u"first second"_s);
        QCOMPARE(back->organisation(2).name, u"Інститут кібернетики"_s);
    }
};

ZORVAT_TEST(OkdLinesTest)
#include "okd_lines_test.moc"
