#include "cards/ok/ok_test_support.h"
#include "fields/card_document.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class OkReadTest : public QObject
{
    Q_OBJECT
private slots:
    void listsAfterOpen()
    {
        auto model = okTest::card.opened(okTest::fullCard());
        QCOMPARE(model->lists().count(OkList::Owners), 3);
        QCOMPARE(model->lists().displayRecord(OkList::Owners, 2).section(QLatin1Char('\\'), 1, 1), u"Фізична особа"_s);
        QCOMPARE(model->lists().count(OkList::CoExecutors), 3);
        QCOMPARE(model->lists().count(OkList::Executors), 3);
        QCOMPARE(model->stageNumbers(), (QStringList{u"0124U000001 "_s, u"0124U000002с"_s}));
        QCOMPARE(model->bilingual(OkText::WorkHead, TextLanguage::English), u"Kovalenko K.K."_s);
    }

    // What the fields show after an open.
    void fieldsAfterOpen_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");

        const QStringList full = okTest::fullCard();
        QTest::newRow("full: executor name in Ukrainian") << full << u"mm2151"_s << u"Інститут технічної кібернетики"_s;
        QTest::newRow("full: abstract in Ukrainian") << full << u"mm9117"_s << u"Реферат роботи"_s;
        QTest::newRow("full: head in Ukrainian") << full << u"ed6120"_s << u"Коваленко К.К."_s;
        QTest::newRow("full: language groups Ukrainian") << full << u"Indjzr"_s << u"0"_s;
        QTest::newRow("full: co-executor 1 shown") << full << u"mm2142n"_s << u"КБ «Південне»"_s;
        QTest::newRow("full: co-executor number") << full << u"ed2142p"_s << u"1"_s;
        QTest::newRow("full: last owner read shown") << full << u"Edit1"_s << u"3"_s;
        QTest::newRow("full: last owner's name") << full << u"mm2153"_s << u"Фонд"_s;
        QTest::newRow("full: last person read shown") << full << u"Cpn"_s << u"3"_s;
        QTest::newRow("full: last person's name") << full << u"ed6121a"_s << u"Мельник М.М."_s;
        QTest::newRow("full: first stage number shown") << full << u"ed5526"_s << u"0124U000001 "_s;
        QTest::newRow("full: first financing source") << full << u"fin"_s << u"7713"_s;
        QTest::newRow("full: first amount") << full << u"sum"_s << u"150,5"_s;
        QTest::newRow("full: second source") << full << u"fin1"_s << u"7715"_s;
        QTest::newRow("full: second unit") << full << u"ed1"_s << u"дол."_s;
        QTest::newRow("full: fourth subject code") << full << u"ed5616d"_s << u"20.53.00.00"_s;
        QTest::newRow("full: pages") << full << u"ed5742"_s << u"120   "_s;

        QTest::newRow("repeated 7022 sets it again") << QStringList{u"7022\\К-1"_s, u"7022\\К-1"_s} << u"ed7022"_s
                                                     << u"К-1"_s;
        QTest::newRow("5634 with empty value ignored") << QStringList{u"5634\\004"_s, u"5634\\"_s} << u"ed5634"_s
                                                       << u"004"_s;
        QTest::newRow("2394 with empty value empties") << QStringList{u"2394\\a@b.ua"_s, u"2394\\"_s} << u"ed2394"_s
                                                       << QString();
        QTest::newRow("bare 2395 empties") << QStringList{u"2395\\a@b.ua"_s, u"2395"_s} << u"ed2395"_s << QString();
        QTest::newRow("stage numbers: first shown")
            << QStringList{u"5526\\0124U000001с;0124U000002с;"_s} << u"ed5526"_s << u"0124U000001с"_s;
        QTest::newRow("abstract of three lines")
            << QStringList{u"9117\\1\\перший рядок"_s, u"  другий рядок  "_s, u"третій"_s, u"5634\\004"_s}
            << u"mm9117"_s << u"перший рядок другий рядок третій"_s;
        QTest::newRow("line after a memo still read")
            << QStringList{u"9117\\1\\перший рядок"_s, u"другий"_s, u"5634\\004"_s} << u"ed5634"_s << u"004"_s;
        QTest::newRow("stage kind trimmed") << QStringList{u"9036\\1\\01.24\\12.24\\ З \\Етап"_s} << u"cb9036e"_s
                                            << u"З"_s;
        QTest::newRow("stage name after kind") << QStringList{u"9036\\1\\01.24\\12.24\\З\\Етап"_s} << u"mm9036"_s
                                               << u"Етап"_s;
        QTest::newRow("older stage: no kind") << QStringList{u"9036\\1\\01.24\\12.24\\Етап"_s} << u"cb9036e"_s
                                              << QString();
        QTest::newRow("older stage: name") << QStringList{u"9036\\1\\01.24\\12.24\\Етап"_s} << u"mm9036"_s
                                           << u"Етап"_s;
        QTest::newRow("letter date without number") << QStringList{u"5418\\\\01.02.24"_s} << u"ed5418D"_s
                                                    << u"01.02.24"_s;
        QTest::newRow("executor kind") << QStringList{u"2457\\2\\1234567890"_s} << u"lizv"_s << u"Фізична особа"_s;
        QTest::newRow("executor kind beyond the list") << QStringList{u"2457\\-2147483648\\12345678"_s} << u"lizv"_s
                                                       << QString();
        QTest::newRow("executor tax number") << QStringList{u"2457\\2\\1234567890"_s} << u"ed2457"_s
                                             << u"1234567890"_s;
        QTest::newRow("natural executor: no e-mail") << QStringList{u"2457\\2\\1234567890"_s} << u"ed2394"_s
                                                     << QString();
        QTest::newRow("co-executor kind shown")
            << QStringList{u"2142\\1\\2\\5555555555\\Суми\\Іваненко\\вул. Лісна, 4"_s} << u"lizsv"_s
            << u"Фізична особа"_s;
        QTest::newRow("co-executor tax number shown")
            << QStringList{u"2142\\1\\2\\5555555555\\Суми\\Іваненко\\вул. Лісна, 4"_s} << u"ed2142k"_s
            << u"5555555555"_s;
        QTest::newRow("older co-executor: kind by the code")
            << QStringList{u"2142\\1\\5555555555\\Суми\\Іваненко\\вул. Лісна, 4"_s} << u"lizsv"_s
            << u"Фізична особа"_s;
        QTest::newRow("no co-executor: legal entity") << QStringList{} << u"lizsv"_s << u"Юридична особа"_s;
        QTest::newRow("owner: number") << QStringList{u"2459\\2\\2\\2222222222\\Одеса\\Петренко\\адреса"_s}
                                       << u"Edit1"_s << u"2"_s;
        QTest::newRow("owner: tax number")
            << QStringList{u"2459\\2\\2\\2222222222\\Одеса\\Петренко\\адреса"_s} << u"ed2459"_s << u"2222222222"_s;
        QTest::newRow("older owner: tax number kept")
            << QStringList{u"2459\\2\\2222222222"_s} << u"ed2459"_s << u"2222222222"_s;
        QTest::newRow("older owner: kind") << QStringList{u"2459\\2\\2222222222"_s} << u"lizz"_s << u"Фізична особа"_s;
        QTest::newRow("older owner: address") << QStringList{u"2657\\Одеса\\вул. Морська, 7"_s} << u"mm2657"_s
                                              << u"вул. Морська, 7"_s;
        QTest::newRow("owner document") << QStringList{u"5518\\Свідоцтво 5\\01.03.24"_s} << u"ed5518D"_s
                                        << u"01.03.24"_s;
        QTest::newRow("older head of work") << QStringList{u"6120\\Коваленко К.К."_s} << u"ed6120"_s
                                            << u"Коваленко К.К."_s;
        QTest::newRow("direction other") << QStringList{u"7201\\2.7\\Інше"_s} << u"ed7201a"_s << u"Інше"_s;
        QTest::newRow("seventh subject code ignored")
            << QStringList{u"5616\\01.00.00.00"_s, u"5616\\02.00.00.00"_s, u"5616\\03.00.00.00"_s,
                           u"5616\\04.00.00.00"_s, u"5616\\05.00.00.00"_s, u"5616\\06.00.00.00"_s,
                           u"5616\\07.00.00.00"_s}
            << u"ed5616f"_s << u"06.00.00.00"_s;
        QTest::newRow("ignored 5635") << QStringList{u"5635\\x"_s, u"5481\\Опис"_s} << u"mm5481"_s << u"Опис"_s;
        QTest::newRow("cleared combos stay empty") << QStringList{u"5634\\004"_s} << u"cb5715"_s << QString();
        QTest::newRow("cleared stage kind: first entry") << QStringList{u"5634\\004"_s} << u"cb9036e"_s << u"П"_s;
    }
    void fieldsAfterOpen() { cardSteps::checkFieldAfterOpen(okTest::card); }

    // The code field of a party after an open: its mask and the text and colour of its
    // label follow the person kind read.
    void partyCodeAfterOpen_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<int>("party");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("natural");
        QTest::newRow("legal executor") << QStringList{u"2457\\1\\12345678"_s} << int(OkParty::Executor)
            << u"2457 Код організації за ЄДРПОУ"_s << false;
        QTest::newRow("natural executor") << QStringList{u"2457\\2\\1234567890"_s} << int(OkParty::Executor)
            << u"2457 Ідентифікаційний номер "_s << true;
        QTest::newRow("natural owner") << QStringList{u"2459\\1\\2\\2222222222\\Одеса\\Петренко\\адреса"_s} << int(OkParty::Owner)
            << u"2459 Індивідуальний податковий номер"_s << true;
        QTest::newRow("legal owner") << QStringList{u"2459\\1\\1\\11111111\\Львів\\Завод\\адреса"_s} << int(OkParty::Owner)
            << u"2459 Код організації за ЄДРПОУ"_s << false;
        QTest::newRow("natural co-executor 1") << QStringList{u"2142\\1\\2\\5555555555\\Суми\\Іваненко\\адреса"_s} << int(OkParty::CoExecutor)
            << u"Індивідуальний податковий номер"_s << true;
        QTest::newRow("co-executor 1 shown after a natural 2") << QStringList{u"2142\\1\\1\\44444444\\Дніпро\\КБ\\адреса"_s, u"2142\\2\\2\\5555555555\\Суми\\Іваненко\\адреса"_s} << int(OkParty::CoExecutor)
            << u"Код організації за ЄДРПОУ"_s << false;
        QTest::newRow("co-executor without a name") << QStringList{u"2142\\1\\2\\5555555555\\Суми\\\\адреса"_s} << int(OkParty::CoExecutor)
            << u"Індивідуальний податковий номер"_s << true;
        QTest::newRow("no lines") << QStringList{} << int(OkParty::CoExecutor)
            << u"Код організації за ЄДРПОУ"_s << false;
    }
    void partyCodeAfterOpen()
    {
        QFETCH(QStringList, input);
        QFETCH(int, party);
        QFETCH(QString, label);
        QFETCH(bool, natural);
        const PartyCode code = okTest::card.opened(input)->partyCode(OkParty(party));
        QCOMPARE(code.label, label);
        QCOMPARE(code.blue, natural);
        QCOMPARE(code.mask, natural ? u"9999999999;1;_"_s : u"99999999;1;_"_s);
    }

    void otherDirectionShownWhenNamed_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<bool>("visible");
        QTest::newRow("other named") << QStringList{u"7201\\2.7\\Інше"_s} << true;
        QTest::newRow("none named") << QStringList{u"7201\\2.1\\"_s} << false;
        QTest::newRow("no direction") << QStringList{} << false;
    }
    void otherDirectionShownWhenNamed()
    {
        QFETCH(QStringList, input);
        QFETCH(bool, visible);
        QCOMPARE(okTest::card.opened(input)->otherDirectionVisible(), visible);
    }

    void conversionErrorKeepsWhatWasRead()
    {
        ReadResult result;
        auto model = okTest::card.opened({u"5634\\004"_s, u"2142\\x\\1\\44444444\\Дніпро\\КБ\\адреса"_s, u"6111\\Петров"_s},
                                    &result);
        QCOMPARE(result.status, ReadResult::Status::ConversionError);
        QCOMPARE(result.lineNumber, 2);
        QCOMPARE(model->text(u"ed5634"_s), u"004"_s);
        QCOMPARE(model->text(u"ed6111"_s), QString());
    }

    void openClearsThePreviousCard()
    {
        auto model = okTest::card.opened(okTest::fullCard());
        QVERIFY(okTest::card.open(*model, cardFileBytes({u"5634\\004"_s})).ok());
        QCOMPARE(model->lists().count(OkList::Owners), 0);
        QCOMPARE(model->stageNumbers(), QStringList());
        QCOMPARE(model->text(u"mm2151"_s), QString());
        QCOMPARE(model->text(u"Edit1"_s), u"1"_s);
        QCOMPARE(model->text(u"fin"_s), QString());
        QCOMPARE(model->text(u"ed5616a"_s), u"  .  .  .  "_s);
    }

    // An RK card opened in the OK editor: the warning, then its common data; the RK
    // lines OK does not take are counted in one more message.
    void rkCardOpenedAsOk()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"rk_work.txt"_s);
        writeFile(path, cardFileBytes({u"5436\\0124U000777"_s, u"2151\\1\\Інститут"_s, u"2458\\1\\1\\11111111\\Львів"_s,
                                       u"FING\\2024\\2025"_s, u"7713\\тис.грн.\\150\\50\\100"_s, u"9126\\Мета"_s,
                                       u"2142\\1\\2\\5555555555\\Суми\\Іваненко\\вул. Лісна, 4"_s}));
        ScopedFakePlatform fake;
        fake.allowMessages();
        CardDocument doc(okTest::card.kind());
        QVERIFY(doc.readFrom(path).ok());
        QCOMPARE(fake.messages(),
                 (QStringList{u"Зверніть увагу Ви відкрили реєстраційну картку !    rk_work.txt"_s,
                              u"У файлі «%1» не прочитано 4 рядки (3, 4, 5, 6): цих даних немає в картці, і запис "
                              u"поверх файлу їх знищить. Що саме і чому, покаже «zorvat-card check»."_s.arg(path)}));
        QCOMPARE(doc.caption(), u"Облікова картка - "_s + QDir::toNativeSeparators(path));
        const QList<std::pair<QString, QString>> taken = {
            {u"ed5436"_s, u"0124U000777 "_s}, {u"mm2151"_s, u"Інститут"_s}, {u"fin"_s, u"7713"_s},
            {u"sum"_s, u"150"_s}, {u"mm2142n"_s, u"Іваненко"_s}, {u"lizsv"_s, u"Фізична особа"_s},
            {u"Edit1"_s, u"1"_s}, {u"mm2153"_s, QString()}};
        for (const auto &[field, value] : taken)
            QCOMPARE(doc.model().text(field), value);
    }

    // What the OK reader leaves out is noted on the line that held it; the full card
    // loses nothing.
    void notesWhatIsLeftOut_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("note"); // "line: start of the text"; empty: none
        QStringList seven;
        for (int i = 1; i <= 7; ++i)
            seven << u"5616\\%1%1.00.00.00"_s.arg(i);
        QTest::newRow("full card") << okTest::fullCard() << QString();
        QTest::newRow("owner of kind 0") << QStringList{u"2459\\1\\0\\11111111\\Львів"_s}
                                         << u"1: вид особи (третє значення) має бути 1 або 2"_s;
        QTest::newRow("owner beyond the list") << QStringList{u"2459\\21\\1\\11111111\\Львів"_s}
                                               << u"1: номер запису «21» у рядку 2459 має бути від 1 до 20"_s;
        QTest::newRow("person after a gap") << QStringList{u"6121\\1\\Іванов І.І.\\с.н.с.\\"_s, u"6121\\3\\Петров П.П.\\\\"_s}
                                            << u"2: запис 3 не буде записано"_s;
        QTest::newRow("co-executor replaced") << QStringList{u"2142\\1\\1\\44444444\\Дніпро\\КБ\\адр"_s,
                                                             u"2142\\1\\1\\55555555\\Суми\\Завод\\адр"_s}
                                              << u"1: значення «\\1\\44444444\\Дніпро\\КБ\\адр» замінено рядком 2"_s;
        QTest::newRow("stage numbers after an empty one") << QStringList{u"5526\\0124U000001 ;;0124U000002с;"_s}
                                                          << u"1: номери етапів «;0124U000002с;» не прочитано"_s;
        QTest::newRow("seventh subject code") << seven << u"7: усі поля кодів рубрик уже заповнено"_s;
        QTest::newRow("abstract of language 0") << QStringList{u"9117\\0\\Реферат"_s} << u"1: мовний код «0»"_s;
        QTest::newRow("an IK text") << QStringList{u"5256\\1"_s, u"5635\\Переваги"_s, u"далі"_s}
                                    << u"2: код «5635» не належить цій картці"_s;
        QTest::newRow("a second stage") << QStringList{u"9036\\1\\01.24\\12.24\\П\\Огляд"_s, u"9036\\2\\01.25\\12.25\\З\\Звіт"_s}
                                        << u"1: значення «1\\01.24\\12.24\\П\\Огляд» замінено рядком 2"_s;
    }

    void notesWhatIsLeftOut()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, note);
        ReadResult result;
        okTest::card.opened(lines, &result);
        cardSteps::checkOneNote(result, note);
    }
};

ZORVAT_TEST(OkReadTest)
#include "ok_read_test.moc"
