#include "spell/speller.h"
#include "support/scoped_places.h"
#include "support/test_registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using spelling::Speller;
using namespace Qt::Literals::StringLiterals;

class SpellerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The tests use Debian's own dictionaries; ./scripts/test installs them.
        QVERIFY2(Speller::service().available(TextLanguage::Ukrainian), "hunspell-uk is not installed");
        QVERIFY2(Speller::service().available(TextLanguage::English), "hunspell-en-us is not installed");
    }

    void words_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("checked");
        QTest::newRow("plain") << u"Мета роботи."_s << QStringList{u"Мета"_s, u"роботи"_s};
        QTest::newRow("digits, codes") << u"5G мережа v2 ДСТУ-3008 2024р"_s << QStringList{u"мережа"_s};
        QTest::newRow("capitals") << u"НДР ТОВ UAH McAfee Київ"_s << QStringList{u"Київ"_s};
        QTest::newRow("apostrophe, hyphen") << u"м'ясо, науково-технічний 'лапки'"_s
                                            << QStringList{u"м'ясо"_s, u"науково-технічний"_s, u"лапки"_s};
        QTest::newRow("addresses") << u"пишіть info@ndr.gov.ua або https://ukrintei.ua слово"_s
                                   << QStringList{u"пишіть"_s, u"або"_s, u"слово"_s};
        QTest::newRow("single letters") << u"і в a I"_s << QStringList{};
    }
    void words()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, checked);
        QStringList found;
        for (const spelling::WordSpan &w : spelling::wordsToCheck(text))
            found << text.mid(w.start, w.length);
        QCOMPARE(found, checked);
    }

    void spelling_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("right");
        QTest::newRow("uk right") << u"програма"_s << false << true;
        QTest::newRow("uk wrong") << u"программа"_s << false << false;
        QTest::newRow("uk apostrophe") << u"пам’яті"_s << false << true;
        QTest::newRow("uk compound") << u"науково-технічної"_s << false << true;
        QTest::newRow("uk compound wrong") << u"науково-тєхнічної"_s << false << false;
        QTest::newRow("Latin term in uk text") << u"software"_s << false << true;
        QTest::newRow("Latin typo in uk text") << u"sofware"_s << false << false;
        QTest::newRow("en right") << u"research"_s << true << true;
        QTest::newRow("en wrong") << u"reserch"_s << true << false;
        QTest::newRow("Cyrillic in en text") << u"програма"_s << true << false;
    }
    void spelling()
    {
        QFETCH(QString, word);
        QFETCH(bool, english);
        QFETCH(bool, right);
        QCOMPARE(Speller::service().isCorrect(word, english ? TextLanguage::English : TextLanguage::Ukrainian), right);
    }

    void suggestionsAreFew()
    {
        const QStringList s = Speller::service().suggestions(u"программа"_s, TextLanguage::Ukrainian, 7);
        QVERIFY(s.contains(u"програма"_s));
        QVERIFY(s.size() <= 7);
    }

    // Without its dictionary a language is not checked at all; the other one still is.
    void missingDictionary()
    {
        QTemporaryDir only;
        for (const char *ext : {".aff", ".dic"})
            QVERIFY(QFile::copy(Speller::dictionaryFolder() + u"/en_US"_s + QLatin1String(ext),
                                only.filePath(u"en_US"_s + QLatin1String(ext))));
        bool ukAvailable = true;
        bool ukWrongPasses = false;
        bool enStillChecked = false;
        {
            ScopedPlaces onlyEnglish([&only](DataPlaces &p) { p.dictionaryFolder = only.path(); });
            ukAvailable = Speller::service().available(TextLanguage::Ukrainian);
            ukWrongPasses = Speller::service().isCorrect(u"программа"_s, TextLanguage::Ukrainian);
            enStillChecked = !Speller::service().isCorrect(u"reserch"_s, TextLanguage::English);
        }
        QVERIFY(!ukAvailable);
        QVERIFY(ukWrongPasses);
        QVERIFY(enStillChecked);
    }

    // The word list is a file of the data folder: a word added is right from then on,
    // also after the list is read again (a later run); a skipped word only for this run.
    void wordListAndSkip()
    {
        Speller &s = Speller::service();
        QVERIFY(!s.isCorrect(u"Зорватик"_s, TextLanguage::Ukrainian));
        QVERIFY(s.addToWordList(u"Зорватик"_s));
        QVERIFY(s.isCorrect(u"Зорватик"_s, TextLanguage::Ukrainian));
        QVERIFY(!s.isCorrect(u"Зорватика"_s, TextLanguage::Ukrainian)); // another word
        QVERIFY(!s.isCorrect(u"скіпнуте"_s, TextLanguage::Ukrainian));
        s.ignore(u"скіпнуте"_s);
        QVERIFY(s.isCorrect(u"скіпнуте"_s, TextLanguage::Ukrainian));

        s.reload(); // read again, as a new run does
        QVERIFY(s.isCorrect(u"Зорватик"_s, TextLanguage::Ukrainian));
        QFile file(Speller::wordListFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(file.readAll()).split(u'\n').contains(u"Зорватик"_s));
    }
};

ZORVAT_TEST(SpellerTest)
#include "speller_test.moc"
