#include "cards/okd/okd_test_support.h"
#include "support/test_registry.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// What a file leaves in the card: the fields shown after the open and the private
// texts behind them (names as okdTest::valueOf takes them).
struct ValueRow
{
    const char *name;
    const char *input;
    const char *value;
    const char *expected;
};

const char kOlderSupervisor[] = R"(6156\1\Коваленко І.\д.т.н.\професор\05.13.06\01.05.02)";

const ValueRow kValueRows[] = {
    {"older applicant fills Ukrainian", R"(6147\Петренко Петро)", "applicant.uk", "Петренко Петро"},
    {"applicant field shows Ukrainian", "6147\\3\\Petrenko\n6147\\1\\Петренко", "ed6147", "Петренко"},
    {"applicant group on Ukrainian", R"(6147\3\Petrenko)", "indjzd", "0"},
    {"older supervisor fills Ukrainian", kOlderSupervisor, "supervisor1.uk", "Коваленко І."},
    {"older supervisor's degree", kOlderSupervisor, "ed6156ns1", "д.т.н."},
    {"older supervisor's second speciality", kOlderSupervisor, "Ed6156h1a", "01.05.02"},
    {"supervisor field shows Ukrainian", "6156\\3\\1\\Мельник\\\\\\\\\n6156\\3\\3\\Melnyk", "ed6156f3", "Мельник"},
    {"English supervisor under 2", R"(6156\3\2\Melnyk)", "supervisor3.en", "Melnyk"},
    {"opponent items untrimmed", R"(6165\ 1 \ Шевченко\д.т.н.\проф.)", "ed6165f1", " Шевченко"},
    {"English title under 2", R"(9045\2\Control)", "title.en", "Control"},
    {"English title under 3", R"(9045\3\Control)", "title.en", "Control"},
    {"title field shows Ukrainian", "9045\\1\\Методи\n9045\\3\\Methods", "mm9045", "Методи"},
    {"abstract field shows Ukrainian", R"(9118\1\Реферат)", "mm9118", "Реферат"},
    {"natural person", R"(2484\2\1234567890)", "lizv", "Фізична особа"},
    {"natural person's code", R"(2484\2\1234567890)", "org3.code", "1234567890"},
    {"older code only", R"(2484\12345678)", "org3.code", "12345678"},
    {"older code leaves the kind", R"(2484\12345678)", "lizv", "Юридична особа"},
    {"kind 3 leaves the selector empty", R"(2484\3\12345678)", "lizv", ""},
    {"council cipher", R"(7452\Д 26.001.01)", "cipher", "Д 26.001.01"},
    {"council cipher shown", R"(7452\Д 26.001.01)", "ed7452", "Д 26.001.01"},
    {"council phone shown", R"(7461\044-1)", "edTel", "044-1"},
    {"slot 2 place", R"(3276\КИЇВ\пр. Глушкова, 40)", "org2.location", "пр. Глушкова, 40"},
    {"slot 3 e-mail", R"(3296\p@ukr.net)", "org3.email", "p@ukr.net"},
    {"slot 1 subordination", R"(1334\МОН)", "org1.subordination", "МОН"},
    {"name on two lines", "2187\\ФОП\nПетренко", "org3.name", "ФОП Петренко"},
    {"postgraduate ticked", R"(6642\1)", "cb6642", "1"},
    {"postgraduate 0 unticks", "6642\\1\n6642\\0", "cb6642", "0"},
    {"second speciality", "6444\\01.01.01\n6444\\02.02.02", "Ed6444a", "02.02.02"},
    {"combo value outside its list stays", R"(7425\к.т.н)", "ed7425", "к.т.н"},
    {"number fitted around its U", R"(5438\    U)", "ed5438", "    U      "},
    {"letter date", R"(5418\12/34\01.02.24)", "ed5418D", "01.02.24"},
    {"letter date without number", R"(5418\\01.02.24)", "ed5418D", "01.02.24"},
    {"chairman's title without degree", R"(6273\\професор)", "ed6273vz", "професор"},
};

// Values that must be numbers: each stops the reading between two good lines.
const char *const kNotNumbers[] = {
    R"(6642\так)", R"(6147\А\Петренко)", R"(6156\перший\1\Коваленко)", R"(6165\x\Шевченко)", R"(9045\Назва)",
};

} // namespace

class OkdReadTest : public QObject
{
    Q_OBJECT
private slots:
    void valuesAfterOpen_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        for (const ValueRow &row : kValueRows)
            QTest::newRow(row.name) << okdTest::cardText(row.input) << QString::fromUtf8(row.value)
                                    << QString::fromUtf8(row.expected);
    }
    void valuesAfterOpen()
    {
        QFETCH(QStringList, input);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        ReadResult result;
        const auto opened = okdTest::card.opened(input, &result);
        QVERIFY2(result.ok(), qPrintable(result.message));
        QCOMPARE(okdTest::valueOf(*opened, name), expected);
    }

    void notANumberStopsReading_data()
    {
        QTest::addColumn<QString>("line");
        for (const char *line : kNotNumbers)
            QTest::newRow(line) << QString::fromUtf8(line);
    }
    void notANumberStopsReading()
    {
        QFETCH(QString, line);
        ReadResult result;
        const auto model = okdTest::card.opened({u"7021\\Д-17"_s, line, u"6480\\123"_s}, &result);
        QCOMPARE(result.status, ReadResult::Status::ConversionError);
        QCOMPARE(model->text(u"ed7021"_s), u"Д-17"_s);
        QCOMPARE(model->text(u"ed6480"_s), QString());
    }

    // A title sub-code beyond the five the card knows is skipped: the rest of the file
    // is still read.
    void titleSubCodeOutOfRangeIsSkipped()
    {
        ReadResult result;
        const auto model = okdTest::card.opened({u"9045\\7\\Назва"_s, u"6480\\123"_s}, &result);
        QVERIFY(result.ok());
        QCOMPARE(model->text(u"ed6480"_s), u"123"_s);
        QCOMPARE(model->texts().text(OkdText::ThesisTitle, TextLanguage::Ukrainian), QString());
    }

    // Opening puts every language group on Ukrainian and the organisation page on the
    // council, whatever the card showed before.
    void stateAfterOpen()
    {
        auto model = okdTest::card.fresh();
        model->selectLanguage(OkdText::ThesisTitle, TextLanguage::English);
        model->selectSupervisorLanguage(TextLanguage::English);
        model->showSlot(3);
        QVERIFY(okdTest::card.open(*model, cardFileBytes(okdTest::fullCard())).ok());
        for (const QString &group : {u"RadioGroup1"_s, u"RadioGroup2"_s, u"indjzd"_s, u"indjzk"_s})
            QCOMPARE(model->text(group), u"0"_s);
        QCOMPARE(model->text(u"ed6156f2"_s), u"Сидоренко Олег"_s);
        QCOMPARE(model->text(u"mm9118"_s), u"Реферат дисертації"_s);
        QVERIFY(model->councilShown());
        QVERIFY(!model->personKindShown());
        QCOMPARE(model->text(u"edCod"_s), u"        "_s);
    }

    // What the OKD reader leaves out is noted on the line that held it; the full card
    // loses nothing.
    void notesWhatIsLeftOut_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("note"); // "line: start of the text"; empty: none
        QTest::newRow("full card") << okdTest::fullCard() << QString();
        QTest::newRow("supervisor 4") << QStringList{u"6156\\4\\1\\Коваленко"_s}
                                      << u"1: номер запису «4» у рядку 6156 має бути від 1 до 3"_s;
        QTest::newRow("supervisor of language 5") << QStringList{u"6156\\1\\5\\Коваленко"_s} << u"1: мовний код «5»"_s;
        QTest::newRow("supervisor in English only") << QStringList{u"6156\\2\\3\\Sydorenko"_s}
                                                    << u"1: керівника 2 без імені українською не буде записано"_s;
        QTest::newRow("supervisor's degree replaced")
            << QStringList{u"6156\\1\\1\\Коваленко\\д.т.н.\\професор"_s, u"6156\\1\\1\\Коваленко"_s}
            << u"1: значення «д.т.н.» замінено рядком 2"_s;
        QTest::newRow("opponent without a name") << QStringList{u"6165\\1\\\\д.т.н."_s}
                                                 << u"1: опонента без прізвища не буде записано"_s;
        QTest::newRow("third speciality") << QStringList{u"6444\\05.13.06"_s, u"6444\\01.05.02"_s, u"6444\\01.01.01"_s}
                                          << u"3: обидва поля шифру спеціальності вже заповнено"_s;
        QTest::newRow("postgraduate flag 2") << QStringList{u"6642\\2"_s} << u"1: позначка «2» має бути 0 або 1"_s;
        QTest::newRow("title of language 4") << QStringList{u"9045\\4\\Назва"_s} << u"1: мовний код «4»"_s;
        QTest::newRow("title with a backslash on its second line")
            << QStringList{u"9045\\1\\Методи"_s, u"розділ 2\\3"_s} << u"1: у тексті є «\\»"_s;
        QTest::newRow("applicant replaced") << QStringList{u"6147\\1\\Петренко"_s, u"6147\\Іваненко"_s}
                                            << u"1: значення «Петренко» замінено рядком 2"_s;
    }

    void notesWhatIsLeftOut()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, note);
        ReadResult result;
        okdTest::card.opened(lines, &result);
        cardSteps::checkOneNote(result, note);
    }
};

ZORVAT_TEST(OkdReadTest)
#include "okd_read_test.moc"
