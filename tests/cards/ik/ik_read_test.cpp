#include "cards/ik/ik_test_support.h"
#include "fields/card_document.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class IkReadTest : public QObject
{
    Q_OBJECT
private slots:
    // What the fields show after an open.
    void fieldsAfterOpen_data()
    {
        const QStringList full = ikTest::fullCard();
        const ikTest::OpenRow<QString, QString> rows[] = {
            {"full: name in Ukrainian", full, u"mm9027"_s, u"Система керування"_s},
            {"full: language Ukrainian", full, u"Indjzr"_s, u"0"_s},
            {"full: last owner shown", full, u"Edit1"_s, u"3"_s},
            {"full: last owner's name", full, u"mm2153"_s, u"Фонд"_s},
            {"full: other product kind", full, u"cb9153a"_s, u"методична документація"_s},
            {"full: fourth investor value", full, u"ed10064"_s, u"ні"_s},
            {"full: organisation size", full, u"cb1009a"_s, u"9.4.3"_s},
            {"full: inventory number", full, u"ed5439"_s, u"0724U000015"_s},
            {"full: third subject code", full, u"ed5616c"_s, u"50.43.29.00"_s},
            {"full: fourth subject box blank", full, u"ed5616d"_s, u"  .  .  .  "_s},
            {"5638 fourth value after empty first", QStringList{u"5638\\\\\\\\x"_s}, u"ed5638d"_s, u"x"_s},
            {"1006 later values after empty first", QStringList{u"1006\\\\\\так\\\\\\3"_s}, u"ed10063"_s, u"так"_s},
            {"1006 last value after empty first", QStringList{u"1006\\\\\\так\\\\\\3"_s}, u"ed10066"_s, u"3"_s},
            {"5638 empty first value applied", QStringList{u"5638\\a\\b"_s, u"5638\\\\\\\\x"_s}, u"ed5638a"_s, QString()},
            {"7326 empty value skipped", QStringList{u"7326\\3.2\\"_s, u"7326\\\\Інше"_s}, u"cb7326"_s, u"3.2"_s},
            {"English under sub-code 2: field Ukrainian", QStringList{u"9027\\2\\Name"_s}, u"mm9027"_s, QString()},
            {"organisation size without 1009", QStringList{u"6111\\Петров"_s}, u"cb1009a"_s, u"9.4.1"_s},
            {"organisation size emptied by 1009", QStringList{u"1009\\9.1\\"_s}, u"cb1009a"_s, QString()},
            {"1009 without status skipped", QStringList{u"1009\\\\9.4.2"_s}, u"cb1009a"_s, u"9.4.1"_s},
            {"end of file inside a memo", QStringList{u"6111\\Петров"_s, u"9118\\опис"_s, u"  продовження  "_s}, u"mm9118"_s, u"опис продовження"_s},
            {"two paragraphs joined", QStringList{u"5635\\перший"_s, u"другий"_s, u"5636\\x"_s}, u"mm5635"_s, u"перший другий"_s},
            {"line after a memo still read", QStringList{u"5635\\перший"_s, u"другий"_s, u"5636\\x"_s}, u"mm5636"_s, u"x"_s},
            {"owner: number", QStringList{u"2459\\2\\2\\2222222222\\Одеса\\Петренко\\адреса"_s}, u"Edit1"_s, u"2"_s},
            {"owner: kind", QStringList{u"2459\\2\\2\\2222222222\\Одеса\\Петренко\\адреса"_s}, u"lizz"_s, u"Фізична особа"_s},
            {"owner: tax number", QStringList{u"2459\\2\\2\\2222222222\\Одеса\\Петренко\\адреса"_s}, u"ed2459"_s, u"2222222222"_s},
            {"owner: names of the owners", QStringList{u"2459\\1\\1\\11111111\\Львів\\Завод\\адр\\1\\2\\3\\4\\5\\01.02.03\\Іванов"_s}, u"ed6120"_s, u"Іванов"_s},
            {"owner: kind beyond the list", QStringList{u"2459\\1\\3\\11111111\\Львів\\Завод"_s}, u"lizz"_s, QString()},
            {"older owner: tax number kept", QStringList{u"2459\\2\\2222222222"_s}, u"ed2459"_s, u"2222222222"_s},
            {"older owner: number 1", QStringList{u"2459\\2\\2222222222"_s}, u"Edit1"_s, u"1"_s},
            {"older owner: address", QStringList{u"2657\\Одеса\\вул. Морська, 7"_s}, u"mm2657"_s, u"вул. Морська, 7"_s},
            {"older owner: city", QStringList{u"2657\\Одеса\\вул. Морська, 7"_s}, u"gorz"_s, u"Одеса"_s},
            {"owner line from the other owner lines ignored", QStringList{u"2360\\Завод"_s}, u"ed2360"_s, QString()},
            {"seventh subject code ignored", QStringList{u"5616\\01.00.00.00"_s, u"5616\\02.00.00.00"_s, u"5616\\03.00.00.00"_s, u"5616\\04.00.00.00"_s, u"5616\\05.00.00.00"_s, u"5616\\06.00.00.00"_s, u"5616\\07.00.00.00"_s}, u"ed5616f"_s, u"06.00.00.00"_s},
            {"cleared: stage empty", QStringList{u"6111\\x"_s}, u"cb7326"_s, QString()},
            {"cleared: degree empty", QStringList{u"6111\\x"_s}, u"cb6210"_s, QString()},
            {"cleared: owner kind legal", QStringList{u"6111\\x"_s}, u"lizz"_s, u"Юридична особа"_s},
        };
        ikTest::addOpenRows(rows, "field", "expected");
    }
    void fieldsAfterOpen() { cardSteps::checkFieldAfterOpen(ikTest::card); }

    // The owner code after an open: its mask and the text and colour of its label follow
    // the owner kind read.
    void ownerCodeAfterOpen_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<bool>("natural");
        QTest::addColumn<QString>("label");
        const QString legal = u"2459 Код організації за ЄДРПОУ"_s;
        const QString natural = u"2459 Індивідуальний податковий номер"_s;
        QTest::newRow("natural owner") << QStringList{u"2459\\1\\2\\2222222222\\Одеса\\Петренко\\адреса"_s} << true
                                       << natural;
        QTest::newRow("legal owner") << QStringList{u"2459\\1\\1\\11111111\\Львів\\Завод\\адреса"_s} << false
                                     << legal;
        QTest::newRow("older natural owner") << QStringList{u"2459\\2\\2222222222"_s} << true << natural;
        // The caption the window was created with.
        QTest::newRow("no owner") << QStringList{u"6111\\x"_s} << false << u"2459. Код організації за ЄДРПОУ"_s;
    }
    void ownerCodeAfterOpen()
    {
        QFETCH(QStringList, input);
        QFETCH(bool, natural);
        QFETCH(QString, label);
        const PartyCode code = ikTest::card.opened(input)->ownerCode();
        QCOMPARE(code.label, label);
        QCOMPARE(code.blue, natural);
        QCOMPARE(code.mask, natural ? u"9999999999;1;_"_s : u"99999999;1;_"_s);
    }

    // A number that is not one stops the reading; what was read stays.
    void conversionErrors_data()
    {
        QTest::addColumn<QString>("bad");
        const QStringList lines = {u"2459\\x\\1\\11111111\\Львів\\Завод"_s, u"2459\\1\\x\\11111111\\Львів\\Завод"_s,
                                   u"2459\\x\\11111111"_s, u"9027\\x\\Назва"_s};
        for (const QString &bad : lines)
            QTest::newRow(qPrintable(bad)) << bad;
    }
    void conversionErrors()
    {
        QFETCH(QString, bad);
        const QStringList lines = {u"6111\\Петров"_s, bad, u"6140\\Ковальчук"_s};
        ReadResult result;
        const auto model = ikTest::card.opened(lines, &result);
        QVERIFY(result.status == ReadResult::Status::ConversionError && result.lineNumber == 2);
        QCOMPARE(model->text(u"ed6111"_s) + model->text(u"ed6140"_s), u"Петров"_s);
    }

    void openClearsThePreviousCard()
    {
        auto model = ikTest::card.opened(ikTest::fullCard());
        model->setText(u"cbdsk"_s, u"1"_s);
        model->setText(u"Indjzr"_s, u"1"_s);
        QVERIFY(ikTest::card.open(*model, cardFileBytes({u"6111\\Петров"_s})).ok());
        QCOMPARE(model->lists().count(IkList::Owners), 0);
        QCOMPARE(model->title(TextLanguage::English), QString());
        const QList<std::pair<QString, QString>> cleared = {
            {u"cbdsk"_s, QString()}, {u"Indjzr"_s, u"0"_s}, {u"mm9027"_s, QString()}, {u"Edit1"_s, u"1"_s},
            {u"mm2153"_s, QString()}, {u"ed5616a"_s, u"  .  .  .  "_s}, {u"cb9153a"_s, QString()},
            {u"ed5419"_s, u"  .  .  "_s}};
        for (const auto &[field, value] : cleared)
            QCOMPARE(model->text(field), value);
    }

    // The open warnings by the start of the file name; the file is read as an IK card,
    // and its line IK has no field for (2151) is counted last.
    void otherCardOpened_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("rk") << u"rk_2005.txt"_s
                            << QStringList{u"Зверніть увагу Ви відкрили реєстраційну картку !    rk_2005.txt"_s};
        QTest::newRow("RK") << u"RK1.txt"_s
                            << QStringList{u"Зверніть увагу Ви відкрили реєстраційну картку !    RK1.txt"_s};
        QTest::newRow("ok") << u"ok.txt"_s << QStringList{u"Зверніть увагу Ви відкрили облікову картку !    ok.txt"_s};
        QTest::newRow("Rk: no warning") << u"Rk.txt"_s << QStringList{};
        QTest::newRow("ik") << u"IK.txt"_s << QStringList{};
    }
    void otherCardOpened()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, messages);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        writeFile(path, cardFileBytes({u"5436\\0124U000777"_s, u"2151\\1\\Інститут"_s, u"9027\\1\\Назва"_s,
                                       u"9153\\03\\нове"_s, u"9155\\Галузь"_s, u"6111\\Петров"_s}));
        ScopedFakePlatform fake;
        fake.allowMessages();
        CardDocument doc(ikTest::card.kind());
        QVERIFY(doc.readFrom(path).ok());
        QCOMPARE(fake.messages(),
                 messages + QStringList{u"У файлі «%1» не прочитано 1 рядок (2): цих даних немає в картці, і запис "
                                        u"поверх файлу їх знищить. Що саме і чому, покаже «zorvat-card check»."_s.arg(path)});
        QCOMPARE(doc.caption(), u"Інформаційна картка НТП - "_s + QDir::toNativeSeparators(path));
        QVERIFY(!doc.modified());
        const QList<std::pair<QString, QString>> taken = {
            {u"ed5436"_s, u"0124U000777 "_s}, {u"mm9027"_s, u"Назва"_s}, {u"cb9153"_s, u"03"_s},
            {u"cb9153a"_s, u"нове"_s}, {u"mm9155"_s, u"Галузь"_s}, {u"ed6111"_s, u"Петров"_s}};
        for (const auto &[field, value] : taken)
            QCOMPARE(doc.model().text(field), value);
    }

    // The questions before "Новий", "Вихід" and an open, and the save offered: "IK",
    // and the card's lines written; the print mark stays on the card.
    void promptsAndSave()
    {
        QTemporaryDir dir;
        ScopedFakePlatform fake;
        CardDocument doc(ikTest::card.kind());
        doc.model().setText(u"cbdsk"_s, u"1"_s);
        doc.markModified();
        fake.expectQuestion(Platform::Answer::No);
        QVERIFY(doc.savePrompt());
        doc.markModified();
        fake.expectConfirm(Platform::Answer::Cancel);
        QVERIFY(!doc.open());
        const QString path = dir.filePath(u"IK.txt"_s);
        fake.expectSave(path);
        QVERIFY(doc.saveAs());
        QCOMPARE(fake.log(), (QStringList{
                                 u"question: Інформаційна картка науково-технічної продукції (ІК НТП) | Зберегти зміни в картці?"_s,
                                 u"confirm: Інформаційна картка | Зберегти зміни в картці"_s,
                                 u"save: Текстові файли|*.txt | IK"_s}));
        QVERIFY(!doc.modified());
        QCOMPARE(readAll(path), readAll(QString::fromUtf8(ZORVAT_TEST_DATA "/ik_fresh.txt")));
        QCOMPARE(doc.model().text(u"cbdsk"_s), u"1"_s);
    }

    // A file that ends inside a memo, without a last line end: the value gathered so far counts.
    void endOfFileInsideAValue()
    {
        auto model = ikTest::card.fresh();
        QVERIFY(ikTest::card.open(*model, cp1251::encode(u"6111\\Петров\r\n9118\\опис\r\n  далі"_s)).ok());
        QCOMPARE(model->text(u"mm9118"_s), u"опис далі"_s);
        QCOMPARE(model->text(u"ed6111"_s), u"Петров"_s);
    }

    void listsAfterOpen()
    {
        auto model = ikTest::card.opened(ikTest::fullCard());
        QCOMPARE(model->lists().count(IkList::Owners), 3);
        QCOMPARE(EntryList::item(model->lists().displayRecord(IkList::Owners, 2), 2), u"Фізична особа"_s);
        QCOMPARE(EntryList::item(model->lists().record(IkList::Owners, 2), 2), u"2"_s);
        QCOMPARE(model->title(TextLanguage::English), u"Control system"_s);
    }

    // What the IK reader leaves out is noted on the line that held it; the full card and
    // a fresh card reopened lose nothing.
    void notesWhatIsLeftOut_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("note"); // "line: start of the text"; empty: none
        QTest::newRow("full card") << ikTest::fullCard() << QString();
        QTest::newRow("fresh card reopened") << cardSteps::fixtureLines(u"ik_fresh_reopened.txt"_s) << QString();
        QTest::newRow("owner 7") << QStringList{u"2459\\7\\1\\11111111\\Львів"_s}
                                 << u"1: номер запису «7» у рядку 2459 має бути від 1 до 6"_s;
        QTest::newRow("owner after a gap") << QStringList{u"2459\\1\\1\\11111111\\Львів"_s, u"2459\\3\\1\\33333333\\Харків"_s}
                                           << u"2: запис 3 не буде записано"_s;
        QTest::newRow("name of language 0") << QStringList{u"9027\\0\\Назва"_s} << u"1: мовний код «0»"_s;
        QTest::newRow("a line with no IK field") << QStringList{u"5439\\0724U000015"_s, u"5637\\Текст"_s, u"далі"_s}
                                                 << u"2: код «5637» не належить цій картці"_s;
        QTest::newRow("organisation size lost with an empty kind") << QStringList{u"1009\\\\9.4.3"_s}
                                                                   << u"1: перше значення порожнє"_s;
    }

    void notesWhatIsLeftOut()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, note);
        ReadResult result;
        ikTest::card.opened(lines, &result);
        cardSteps::checkOneNote(result, note);
    }
};

ZORVAT_TEST(IkReadTest)
#include "ik_read_test.moc"
