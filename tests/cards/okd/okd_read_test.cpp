#include "cards/okd/okd_test_support.h"
#include "support/test_registry.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class OkdReadTest : public QObject
{
    Q_OBJECT
private slots:
    // What a file leaves in the card: the fields shown after the open and the private
    // texts behind them.
    void valuesAfterOpen_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");

        const QString uk = u"Петренко Петро"_s;
        QTest::newRow("older applicant fills Ukrainian") << QStringList{u"6147\\"_s + uk} << u"applicant.uk"_s << uk;
        QTest::newRow("applicant field shows Ukrainian")
            << QStringList{u"6147\\3\\Petrenko"_s, u"6147\\1\\"_s + uk} << u"ed6147"_s << uk;
        QTest::newRow("applicant group on Ukrainian") << QStringList{u"6147\\3\\Petrenko"_s} << u"indjzd"_s << u"0"_s;
        QTest::newRow("older supervisor fills Ukrainian")
            << QStringList{u"6156\\1\\Коваленко І.\\д.т.н.\\професор\\05.13.06\\01.05.02"_s} << u"supervisor1.uk"_s
            << u"Коваленко І."_s;
        QTest::newRow("older supervisor's degree")
            << QStringList{u"6156\\1\\Коваленко І.\\д.т.н.\\професор\\05.13.06\\01.05.02"_s} << u"ed6156ns1"_s
            << u"д.т.н."_s;
        QTest::newRow("older supervisor's second speciality")
            << QStringList{u"6156\\1\\Коваленко І.\\д.т.н.\\професор\\05.13.06\\01.05.02"_s} << u"Ed6156h1a"_s
            << u"01.05.02"_s;
        QTest::newRow("supervisor field shows Ukrainian")
            << QStringList{u"6156\\3\\1\\Мельник\\\\\\\\"_s, u"6156\\3\\3\\Melnyk"_s} << u"ed6156f3"_s << u"Мельник"_s;
        QTest::newRow("English supervisor") << QStringList{u"6156\\3\\2\\Melnyk"_s} << u"supervisor3.en"_s
                                            << u"Melnyk"_s;
        QTest::newRow("opponent items untrimmed") << QStringList{u"6165\\ 1 \\ Шевченко\\д.т.н.\\проф."_s}
                                                  << u"ed6165f1"_s << u" Шевченко"_s;
        QTest::newRow("English title under 2") << QStringList{u"9045\\2\\Control"_s} << u"title.en"_s << u"Control"_s;
        QTest::newRow("English title under 3") << QStringList{u"9045\\3\\Control"_s} << u"title.en"_s << u"Control"_s;
        QTest::newRow("title field shows Ukrainian")
            << QStringList{u"9045\\1\\Методи"_s, u"9045\\3\\Methods"_s} << u"mm9045"_s << u"Методи"_s;
        QTest::newRow("abstract field shows Ukrainian") << QStringList{u"9118\\1\\Реферат"_s} << u"mm9118"_s
                                                        << u"Реферат"_s;
        QTest::newRow("natural person") << QStringList{u"2484\\2\\1234567890"_s} << u"lizv"_s << u"Фізична особа"_s;
        QTest::newRow("natural person's code") << QStringList{u"2484\\2\\1234567890"_s} << u"org3.code"_s
                                               << u"1234567890"_s;
        QTest::newRow("older code only") << QStringList{u"2484\\12345678"_s} << u"org3.code"_s << u"12345678"_s;
        QTest::newRow("older code leaves the kind") << QStringList{u"2484\\12345678"_s} << u"lizv"_s
                                                    << u"Юридична особа"_s;
        QTest::newRow("kind 3 leaves the selector empty") << QStringList{u"2484\\3\\12345678"_s} << u"lizv"_s
                                                          << QString();
        QTest::newRow("council cipher") << QStringList{u"7452\\Д 26.001.01"_s} << u"cipher"_s << u"Д 26.001.01"_s;
        QTest::newRow("council cipher shown") << QStringList{u"7452\\Д 26.001.01"_s} << u"ed7452"_s
                                              << u"Д 26.001.01"_s;
        QTest::newRow("council phone shown") << QStringList{u"7461\\044-1"_s} << u"edTel"_s << u"044-1"_s;
        QTest::newRow("slot 2 place") << QStringList{u"3276\\КИЇВ\\пр. Глушкова, 40"_s} << u"org2.location"_s
                                      << u"пр. Глушкова, 40"_s;
        QTest::newRow("slot 3 e-mail") << QStringList{u"3296\\p@ukr.net"_s} << u"org3.email"_s << u"p@ukr.net"_s;
        QTest::newRow("slot 1 subordination") << QStringList{u"1334\\МОН"_s} << u"org1.subordination"_s << u"МОН"_s;
        QTest::newRow("name on two lines") << QStringList{u"2187\\ФОП"_s, u"Петренко"_s} << u"org3.name"_s
                                           << u"ФОП Петренко"_s;
        QTest::newRow("postgraduate ticked") << QStringList{u"6642\\1"_s} << u"cb6642"_s << u"1"_s;
        QTest::newRow("postgraduate 0 unticks") << QStringList{u"6642\\1"_s, u"6642\\0"_s} << u"cb6642"_s << u"0"_s;
        QTest::newRow("second speciality") << QStringList{u"6444\\01.01.01"_s, u"6444\\02.02.02"_s} << u"Ed6444a"_s
                                           << u"02.02.02"_s;
        QTest::newRow("combo value outside its list stays") << QStringList{u"7425\\к.т.н"_s} << u"ed7425"_s
                                                            << u"к.т.н"_s;
        QTest::newRow("number U fitted") << QStringList{u"5438\\    U"_s} << u"ed5438"_s << u"    U      "_s;
        QTest::newRow("letter date") << QStringList{u"5418\\12/34\\01.02.24"_s} << u"ed5418D"_s << u"01.02.24"_s;
    }
    void valuesAfterOpen()
    {
        QFETCH(QStringList, input);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        ReadResult result;
        auto model = okdTest::card.opened(input, &result);
        QVERIFY(result.ok());
        QCOMPARE(okdTest::valueOf(*model, name), expected);
    }

    // Values that must be numbers stop the reading; what was read stays.
    void notANumberStopsReading_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::newRow("postgraduate flag") << QStringList{u"6642\\так"_s};
        QTest::newRow("applicant sub-code") << QStringList{u"6147\\А\\Петренко"_s};
        QTest::newRow("supervisor number") << QStringList{u"6156\\перший\\1\\Коваленко"_s};
        QTest::newRow("opponent number") << QStringList{u"6165\\x\\Шевченко"_s};
        QTest::newRow("title without sub-code") << QStringList{u"9045\\Назва"_s};
    }
    void notANumberStopsReading()
    {
        QFETCH(QStringList, input);
        ReadResult result;
        auto model = okdTest::card.opened(QStringList{u"7021\\Д-17"_s} + input + QStringList{u"6480\\123"_s}, &result);
        QCOMPARE(result.status, ReadResult::Status::ConversionError);
        QCOMPARE(model->text(u"ed7021"_s), u"Д-17"_s);
        QCOMPARE(model->text(u"ed6480"_s), QString());
    }

    // A title sub-code beyond the five the card knows is skipped: the rest of the file
    // is still read.
    void titleSubCodeOutOfRangeIsSkipped()
    {
        ReadResult result;
        auto model = okdTest::card.opened({u"9045\\7\\Назва"_s, u"6480\\123"_s}, &result);
        QVERIFY(result.ok());
        QCOMPARE(model->text(u"ed6480"_s), u"123"_s);
        QCOMPARE(model->bilingual(OkdText::ThesisTitle, TextLanguage::Ukrainian), QString());
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
};

ZORVAT_TEST(OkdReadTest)
#include "okd_read_test.moc"
