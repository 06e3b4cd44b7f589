#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_test_support.h"
#include "fields/card_document.h"
#include "support/fake_platform.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class RkReadTest : public QObject
{
    Q_OBJECT
private slots:
    void readsField_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");

        QTest::newRow("trimmed number fitted") << QStringList{u"5436\\0124U000123    "_s} << u"ed5436"_s << u"0124U000123 "_s;
        QTest::newRow("code digits only") << QStringList{u"2457\\1\\12a45678"_s} << u"ed2457"_s << u"12 45678"_s;
        QTest::newRow("natural executor") << QStringList{u"2457\\2\\1234567890"_s} << u"lizv"_s << u"Фізична особа"_s;
        QTest::newRow("executor kind beyond the list") << QStringList{u"2457\\-2147483648\\12345678"_s} << u"lizv"_s << QString();
        QTest::newRow("older executor city") << QStringList{u"2754\\Харків"_s} << u"gorv"_s << u"Харків"_s;
        QTest::newRow("other direction") << QStringList{u"7201\\2.7\\Інше"_s} << u"ed7201a"_s << u"Інше"_s;
        QTest::newRow("other result") << QStringList{u"9153\\03\\економія матеріалів"_s} << u"cb9153a"_s
                                      << u"економія матеріалів"_s;
        QTest::newRow("letter date without number") << QStringList{u"5418\\\\01.02.24"_s} << u"ed5418D"_s
                                                    << u"01.02.24"_s;
        QTest::newRow("years from file") << QStringList{u"FING\\2024\\\\2026"_s} << u"edgod1"_s << u"2024"_s;
        QTest::newRow("empty year item") << QStringList{u"FING\\2024\\\\2026"_s} << u"edgod2"_s << u"200-"_s;
        QTest::newRow("row 1 source") << QStringList{u"7722\\дол.\\12\\1\\2"_s} << u"fin"_s << u"7722"_s;
        const QStringList three = {u"7713\\тис.грн.\\1"_s, u"7714\\тис.грн.\\2"_s, u"7716\\дол.\\3"_s};
        QTest::newRow("third financing ignored: row 2") << three << u"sum1"_s << u"2"_s;
        QStringList seven;
        for (int i = 1; i <= 7; ++i)
            seven << u"5616\\%1%1.00.00.00"_s.arg(i);
        QTest::newRow("sixth subject code") << seven << u"ed56166"_s << u"66.00.00.00"_s;
        QTest::newRow("7023 one line only") << QStringList{u"7023\\Програма\nрозвитку"_s, u"7022\\К"_s} << u"ed7023"_s
                                            << u"Програма"_s;
        QTest::newRow("9126 lines joined") << QStringList{u"9126\\Мета\n  роботи  \nтретя"_s} << u"mm9126"_s
                                           << u"Мета роботи третя"_s;
        QTest::newRow("empty value ignored") << QStringList{u"7146\\34"_s, u"7146\\"_s} << u"ed7146"_s << u"34"_s;
        QTest::newRow("2394 emptied") << QStringList{u"2394\\a@b"_s, u"2394\\"_s} << u"ed2394"_s << u""_s;
        QTest::newRow("2655 emptied: address") << QStringList{u"2655\\Київ\\вул"_s, u"2655"_s} << u"mm2655"_s << u""_s;
        QTest::newRow("stage number shown") << QStringList{u"9036\\ 2 \\01.24\\12.24\\91\\Етап"_s} << u"ed9036n"_s << u"2"_s;
    }

    void readsField()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        ReadResult result;
        auto model = rkTest::opened(lines, &result);
        QVERIFY2(result.ok(), qPrintable(result.message));
        QCOMPARE(model->text(field), expected);
    }

    void bilingual_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("ukrainian");
        QTest::addColumn<QString>("english");

        const int name = int(RkText::ExecutorName);
        const int title = int(RkText::WorkTitle);
        const int head = int(RkText::WorkHead);
        QTest::newRow("title sub 2") << u"9027\\2\\Title"_s << title << u""_s << u"Title"_s;
        QTest::newRow("title sub 5") << u"9027\\5\\Title"_s << title << u""_s << u""_s;
        QTest::newRow("name sub 2") << u"2151\\2\\Institute"_s << name << u""_s << u"Institute"_s;
        QTest::newRow("name over lines") << u"2151\\1\\Інститут\nкібернетики"_s << name << u"Інститут кібернетики"_s << u""_s;
        QTest::newRow("head older form") << u"6120\\Коваленко К.К."_s << head << u"Коваленко К.К."_s << u""_s;
    }

    void bilingual()
    {
        QFETCH(QString, line);
        QFETCH(int, which);
        QFETCH(QString, ukrainian);
        QFETCH(QString, english);
        auto model = rkTest::opened({u"5256\\1"_s, line, u"5634\\1"_s});
        const auto w = RkText(which);
        QCOMPARE(model->bilingual(w, RkLanguage::Ukrainian), ukrainian);
        QCOMPARE(model->bilingual(w, RkLanguage::English), english);
        QCOMPARE(model->text(RkModel::bilingualField(w)), ukrainian);
        QCOMPARE(model->text(RkModel::languageField(w)), u"0"_s);
        QCOMPARE(model->text(u"ed5634"_s), u"1"_s); // the line after a multi-line value is read too
    }

    void partyCode_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("party");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("natural");

        const int ex = int(RkParty::Executor);
        const int cu = int(RkParty::Customer);
        const int co = int(RkParty::CoExecutor);
        QTest::newRow("executor legal") << u"2457\\1\\12345678"_s << ex << u"12345678"_s << u"2457 Код організації"_s << false;
        QTest::newRow("executor natural") << u"2457\\2\\1234567890"_s << ex << u"1234567890"_s
                                          << u"2457 Ідентифікаційний номер "_s << true;
        QTest::newRow("customer natural") << u"2458\\1\\2\\1234567890\\М\\Н"_s << cu << u"1234567890"_s
                                          << u"2458 Ідентифікаційний номер"_s << true;
        QTest::newRow("customer older natural") << u"2458\\2\\1234567890"_s << cu << u"1234567890"_s
                                                << u"2458 Ідентифікаційний номер"_s << true;
        QTest::newRow("co-executor natural") << u"2142\\1\\2\\1234567890\\М\\Н"_s << co << u"1234567890"_s
                                             << u"Індивідуальний податковий номер"_s << true;
    }

    void partyCode()
    {
        QFETCH(QString, line);
        QFETCH(int, party);
        QFETCH(QString, code);
        QFETCH(QString, label);
        QFETCH(bool, natural);
        auto model = rkTest::opened({line});
        const auto p = RkParty(party);
        const RkPartyCode &state = model->partyCode(p);
        QCOMPARE(model->text(RkModel::codeField(p)), code);
        QCOMPARE(state.label, label);
        QCOMPARE(state.blue, natural);
        QCOMPARE(state.mask, natural ? u"9999999999;1;_"_s : u"99999999;1;_"_s);
        QCOMPARE(state.letter, natural ? u"ф"_s : u"ю"_s);
    }

    void records_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("list");
        QTest::addColumn<QStringList>("records");

        const int cu = int(RkList::Customers);
        const int co = int(RkList::CoExecutors);
        const int st = int(RkList::Stages);
        QTest::newRow("customer kind zero") << QStringList{u"2458\\1\\0\\12345678\\М\\Н"_s} << cu << QStringList();
        QTest::newRow("customer kind kept") << QStringList{u"2458\\2\\3\\1234567890\\М\\Н"_s} << cu
                                            << QStringList{u""_s, u"2\\3\\1234567890\\М\\Н\\\\\\"_s};
        QTest::newRow("customer older parts")
            << QStringList{u"2458\\1\\12345678"_s, u"2152\\Завод"_s, u"2656\\Львів\\вул. 1"_s} << cu
            << QStringList{u"1\\1\\12345678\\Львів\\Завод\\вул. 1\\\\"_s};
        QTest::newRow("co-executor older") << QStringList{u"2142\\1\\87654321\\Одеса\\Завод\\вул. 2"_s} << co
                                           << QStringList{u"1\\0\\87654321\\Одеса\\Завод\\вул. 2"_s};
        QTest::newRow("stage") << QStringList{u"9036\\1\\01.24\\12.24\\91\\Огляд"_s, u"9036\\2\\01.25"_s} << st
                               << QStringList{u"1\\01.24\\12.24\\91\\Огляд"_s};
        QTest::newRow("slot beyond list") << QStringList{u"9036\\17\\01.24\\12.24\\91\\Огляд"_s} << st << QStringList();
    }

    void records()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, list);
        QFETCH(QStringList, records);
        const auto l = RkList(list);
        auto model = rkTest::opened(lines);
        for (int n = 1; n <= RkModel::capacity(l); ++n)
            QCOMPARE(model->record(l, n), records.value(n - 1));
    }

    void visibility()
    {
        auto plain = rkTest::opened({u"7201\\2.1"_s, u"9153\\001"_s});
        QVERIFY(!plain->otherDirectionVisible());
        QVERIFY(!plain->otherResultVisible());
        auto other = rkTest::opened({u"7201\\2.7\\Інше"_s, u"9153\\03\\тощо"_s});
        QVERIFY(other->otherDirectionVisible());
        QVERIFY(other->otherResultVisible());
        // Opening the next file clears the card: its fields hide again.
        cardKind(CardType::RK).clearModel(*other);
        QVERIFY(!other->otherDirectionVisible());
        QVERIFY(!other->otherResultVisible());
    }

    void notANumberStops_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("language sub-code") << u"2151\\x\\Назва"_s;
        QTest::newRow("customer number") << u"2458\\п\\1\\12345678\\М\\Н"_s;
        QTest::newRow("co-executor number") << u"2142\\п\\1\\12345678\\М\\Н"_s;
        QTest::newRow("stage number") << u"9036\\п\\01.24\\12.24\\91\\Н"_s;
    }

    void notANumberStops()
    {
        QFETCH(QString, line);
        ReadResult result;
        auto model = rkTest::opened({u"5256\\1"_s, line, u"5634\\004"_s}, &result);
        QCOMPARE(result.status, ReadResult::Status::ConversionError);
        QCOMPARE(result.lineNumber, 2);
        QCOMPARE(model->text(u"ed5256"_s), u"1"_s);
        QCOMPARE(model->text(u"ed5634"_s), u""_s);
    }

    // Older line forms read into the fields of today's card and save in today's forms.
    void olderFormsSaveCurrentForms()
    {
        QFile fixture(QString::fromUtf8(ZORVAT_TEST_DATA "/rk_older_forms.txt"));
        QVERIFY(fixture.open(QIODevice::ReadOnly));
        auto model = rkTest::freshModel();
        QVERIFY(rkTest::open(*model, fixture.readAll()).ok());
        const QStringList lines = rkTest::kind().fileLines(*model);
        const QStringList expected = {
            u"2655\\Харків\\"_s,
            u"2458\\1\\2\\1234567890\\Львів\\Петренко Петро\\вул. Шевченка, 5\\\\"_s,
            u"2142\\1\\0\\87654321\\Одеса\\Завод\\вул. Портова, 1"_s,
            u"2142\\2\\0\\1234567890\\Дніпро\\Іваненко Іван\\вул. Центральна, 3"_s,
            u"6120\\1\\Коваленко К.К."_s,
            u"6120\\3\\"_s,
            u"9027\\3\\Title in English"_s,
        };
        for (const QString &line : expected)
            QVERIFY2(lines.contains(line), qPrintable(line));
        QCOMPARE(model->text(u"ed6120"_s), u"Коваленко К.К."_s);

        // A co-executor read without a kind is saved with kind 0, which opens with the
        // tax-number mask: the code keeps its digits and the card then stays as it is.
        auto again = rkTest::freshModel();
        QVERIFY(rkTest::open(*again, cardFileBytes(lines)).ok());
        const QStringList second = rkTest::kind().fileLines(*again);
        QVERIFY(second.contains(u"2142\\1\\0\\87654321  \\Одеса\\Завод\\вул. Портова, 1"_s));
        QVERIFY(rkTest::open(*again, cardFileBytes(second)).ok());
        QCOMPARE(rkTest::kind().fileLines(*again), second);
    }

    void okFileWarns_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("warned");
        QTest::newRow("OK") << u"OK_2024.txt"_s << true;
        QTest::newRow("ok") << u"ok.txt"_s << true;
        QTest::newRow("Ok") << u"Ok.txt"_s << false;
        QTest::newRow("rk") << u"rk_ok.txt"_s << false;
    }

    void okFileWarns()
    {
        QFETCH(QString, name);
        QFETCH(bool, warned);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(name);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cardFileBytes({u"2151\\1\\Інститут"_s, u"7021\\Ш-1"_s}));
        file.close();

        ScopedFakePlatform platform;
        if (warned)
            platform.expectMessage();
        CardDocument document(rkTest::kind());
        QVERIFY(document.readFrom(path).ok());
        QCOMPARE(platform.unexpected(), QStringList());
        QCOMPARE(platform.pending(), 0);
        if (warned)
            QCOMPARE(platform.messages(), QStringList{u"Зверніть увагу Ви відкрили облікову картку !    "_s + name});
        QCOMPARE(document.model().text(u"ed7021"_s), u"Ш-1"_s);
        QCOMPARE(document.model().text(u"mm2151"_s), u"Інститут"_s);
    }
    // What the RK reader leaves out is noted on the line that held it; what it takes, or
    // what only repeats a value, is not.
    void notesWhatIsLeftOut_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("note"); // "line: start of the text"; empty: none
        const QString customer = u"\\1\\12345678\\Київ\\Замовник\\адреса\\\\"_s;
        QStringList seven;
        for (int i = 1; i <= 7; ++i)
            seven << u"5616\\%1%1.00.00.00"_s.arg(i);
        QTest::newRow("seventh subject code") << seven << u"7: усі поля кодів рубрик уже заповнено"_s;
        QTest::newRow("third financing line") << QStringList{u"7713\\тис.грн.\\1"_s, u"7714\\тис.грн.\\2"_s, u"7716\\дол.\\3"_s}
                                              << u"3: обидва рядки фінансування вже заповнено"_s;
        QTest::newRow("customer beyond the list") << QStringList{u"2458\\201"_s + customer}
                                                  << u"1: номер запису «201» у рядку 2458 має бути від 1 до 200"_s;
        QTest::newRow("customer of kind 0") << QStringList{u"2458\\1\\0\\12345678\\Київ"_s}
                                            << u"1: вид особи (третє значення) має бути 1 або 2"_s;
        QTest::newRow("customer after a gap") << QStringList{u"2458\\1"_s + customer, u"2458\\3"_s + customer}
                                              << u"2: запис 3 не буде записано"_s;
        QTest::newRow("customer replaced") << QStringList{u"2458\\1"_s + customer, u"2458\\1\\2\\1234567890\\Львів"_s}
                                           << u"1: значення «\\1\\12345678\\Київ\\Замовник\\адреса\\\\» замінено рядком 2"_s;
        QTest::newRow("co-executor beyond the list") << QStringList{u"2142\\51\\1\\12345678\\Київ\\КБ\\адр"_s}
                                                     << u"1: номер запису «51» у рядку 2142 має бути від 1 до 50"_s;
        QTest::newRow("stage without a name") << QStringList{u"9036\\1\\01.24\\12.24\\91\\"_s}
                                              << u"1: етап без назви не буде записано"_s;
        QTest::newRow("stage without a number") << QStringList{u"9036\\ \\01.24\\12.24\\91\\Етап"_s}
                                                << u"1: етап без номера не прочитано"_s;
        QTest::newRow("title of language 5") << QStringList{u"9027\\5\\Title"_s} << u"1: мовний код «5»"_s;
        QTest::newRow("English head replaced by a second one")
            << QStringList{u"6120\\3\\Kovalenko"_s, u"6120\\2\\Petrenko"_s} << u"1: значення «Kovalenko» замінено рядком 2"_s;
        QTest::newRow("older head replaced") << QStringList{u"6120\\Коваленко"_s, u"6120\\1\\Петренко"_s}
                                             << u"1: значення «Коваленко» замінено рядком 2"_s;
        QTest::newRow("older executor city replaced") << QStringList{u"2754\\Харків"_s, u"2655\\Київ\\вул"_s}
                                                      << u"1: значення «Харків» замінено рядком 2"_s;
        QTest::newRow("address emptied by a bare 2655") << QStringList{u"2655\\Київ\\вул"_s, u"2655"_s}
                                                        << u"1: значення «Київ» замінено рядком 2"_s;
        QTest::newRow("value cut by a backslash") << QStringList{u"7021\\Ш-1\\2"_s} << u"1: зайве «2»"_s;
        QTest::newRow("line of another card") << QStringList{u"5437\\0224U000123"_s}
                                              << u"1: код «5437» не належить цій картці"_s;
        QTest::newRow("a text of another card") << QStringList{u"5256\\5"_s, u"9117\\1\\Реферат"_s}
                                                << u"2: код «9117» не належить цій картці"_s;
        QTest::newRow("the same value twice") << QStringList{u"7021\\Ш-1"_s, u"7021\\Ш-1 "_s} << QString();
        QTest::newRow("both languages") << QStringList{u"9027\\1\\Назва"_s, u"9027\\3\\Title"_s} << QString();
        QTest::newRow("empty value") << QStringList{u"7146\\34"_s, u"7146\\"_s} << QString();
        QTest::newRow("older forms") << cardSteps::fixtureLines(u"rk_older_forms.txt"_s) << QString();
    }
    void notesWhatIsLeftOut()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, note);
        ReadResult result;
        rkTest::opened(lines, &result);
        cardSteps::checkOneNote(result, note);
    }

    // The window says once how many lines it left out, or that the file is no card.
    void windowSaysWhatItLeftOut_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("lines left out") << cardFileBytes({u"5256\\5"_s, u"9027\\9\\Назва"_s, u"7146\\34"_s, u"5437\\1"_s})
                                        << u"не прочитано 2 рядки (2, 4): цих даних немає в картці"_s;
        QTest::newRow("empty file") << QByteArray() << u"це не схоже на файл картки - файл порожній."_s;
        QTest::newRow("a clean card") << cardFileBytes({u"5256\\5"_s, u"7146\\34"_s}) << QString();
    }
    void windowSaysWhatItLeftOut()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"RK-2026.txt"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        ScopedFakePlatform platform;
        if (!message.isEmpty())
            platform.expectMessage();
        CardDocument document(rkTest::kind());
        document.openChosen(path);
        QCOMPARE(platform.unexpected(), QStringList());
        QCOMPARE(platform.pending(), 0);
        QCOMPARE(platform.messages().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QVERIFY2(platform.messages().constFirst().contains(message), qPrintable(platform.messages().constFirst()));
            QVERIFY(platform.messages().constFirst().contains(u"«%1»"_s.arg(path)));
        }
    }
};

ZORVAT_TEST(RkReadTest)
#include "rk_read_test.moc"
