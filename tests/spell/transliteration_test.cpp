#include "fields/transliteration.h"
#include "support/test_registry.h"

#include <QProcess>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TransliterationTest : public QObject
{
    Q_OBJECT
private slots:
    void table_data()
    {
        QTest::addColumn<QString>("ukrainian");
        QTest::addColumn<QString>("latin");
        // The resolution's own examples.
        const char *rows[][2] = {
            {"Згурський", "Zghurskyi"},     {"Їжакевич", "Yizhakevych"},  {"Знам'янка", "Znamianka"},
            {"Юрій", "Yurii"},              {"Яготин", "Yahotyn"},        {"Костянтин", "Kostiantyn"},
            {"Щербухи", "Shcherbukhy"},     {"Ґалаґан", "Galagan"},       {"Короп'є", "Koropie"},
            {"Єнакієве", "Yenakiieve"},     {"Олексій", "Oleksii"},       {"Наталія", "Nataliia"},
            {"Біла Церква", "Bila Tserkva"}, {"Алушта", "Alushta"},       {"Андрій", "Andrii"},
            {"Борщагівка", "Borshchahivka"}, {"Вінниця", "Vinnytsia"},    {"Гадяч", "Hadiach"},
            {"Згорани", "Zghorany"},        {"Розгон", "Rozghon"},        {"Гаєвич", "Haievych"},
            {"Житомир", "Zhytomyr"},        {"Закарпаття", "Zakarpattia"}, {"Михайленко", "Mykhailenko"},
            {"Кадиївка", "Kadyivka"},       {"Йосипівка", "Yosypivka"},   {"Стрий", "Stryi"},
            {"Київ", "Kyiv"},               {"Миколаїв", "Mykolaiv"},     {"Ужгород", "Uzhhorod"},
            {"Харків", "Kharkiv"},          {"Чернівці", "Chernivtsi"},   {"Гоща", "Hoshcha"},
            {"Русь", "Rus"},                {"Крюківка", "Kriukivka"},    {"Ічня", "Ichnia"},
            {"Феодосія", "Feodosiia"},      {"Юрчишин", "Yurchyshyn"},
            // Beyond the table's rows: the forms a clerk types.
            {"ЗГУРСЬКИЙ ЮРІЙ", "ZGHURSKYI YURII"},   // a name in capitals stays in capitals
            {"Знам’янка", "Znamianka"},              // the typographic apostrophe
            {"Знамʼянка", "Znamianka"},              // the Ukrainian apostrophe letter
            {"Івано-Франківськ", "Ivano-Frankivsk"}, // a word after a hyphen starts anew
            {"Ярошенко-Юрченко", "Yaroshenko-Yurchenko"},
            {"Шевченко Т. Г.", "Shevchenko T. H."},
            {"Є. Ю. Ярема", "Ye. Yu. Yarema"},       // initials
            {"Smith Юрій 2", "Smith Yurii 2"},       // Latin letters and digits stay
            {"", ""},
        };
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString::fromUtf8(r[0]) << QString::fromUtf8(r[1]);
    }
    void table()
    {
        QFETCH(QString, ukrainian);
        QFETCH(QString, latin);
        QCOMPARE(transliterate(ukrainian), latin);
    }

    // zorvat-card gives the same as the windows, arguments joined by a blank.
    void commandLine()
    {
        QProcess card;
        card.start(QString::fromUtf8(ZORVAT_CARD_BIN),
                   {u"translit"_s, u"Згурський"_s, u"Юрій Ґалаґан"_s});
        QVERIFY(card.waitForFinished(30000));
        QCOMPARE(card.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(card.readAllStandardOutput()), u"Zghurskyi Yurii Galagan\n"_s);
        card.start(QString::fromUtf8(ZORVAT_CARD_BIN), {u"translit"_s});
        QVERIFY(card.waitForFinished(30000));
        QCOMPARE(card.exitCode(), 2); // nothing to transliterate is a wrong call
        // Russian letters are no part of the table: kept, and said so.
        card.start(QString::fromUtf8(ZORVAT_CARD_BIN), {u"translit"_s, u"Дмитрий Сыч"_s});
        QVERIFY(card.waitForFinished(30000));
        QCOMPARE(card.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(card.readAllStandardOutput()), u"Dmytryi Sыch\n"_s);
        QVERIFY(QString::fromUtf8(card.readAllStandardError()).contains(u"ы"_s));
    }
};

ZORVAT_TEST(TransliterationTest)
#include "transliteration_test.moc"
