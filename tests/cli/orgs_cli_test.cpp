#include "cardfile/card_writer.h"
#include "cardfile/io_reason.h"
#include "fields/card_kind.h"
#include "support/file_size_limit.h"
#include "support/full_cards.h"
#include "support/program_run.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

// Sets `p` up to run zorvat-card with a data folder of the test's own, where its
// directory lives.
void useOwnDataFolder(QProcess &p, const QTemporaryDir &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"ZORVAT_DATA_DIR"_s, home.filePath(u"data/ЗОРВАТ"_s));
    p.setProcessEnvironment(env);
}

Run orgs(const QTemporaryDir &home, const QStringList &args)
{
    QProcess p;
    useOwnDataFolder(p, home);
    return runProgram(p, QString::fromUtf8(ZORVAT_CARD_BIN), QStringList{u"orgs"_s} + args);
}

QString databaseOf(const QTemporaryDir &home)
{
    return home.filePath(u"data/ЗОРВАТ/organisations.sqlite"_s);
}

void writeCard(const QString &path, const QString &name, const QDateTime &when)
{
    writeFile(path, cardFileBytes({u"2457\\1\\87650001"_s, u"2151\\1\\"_s + name, u"2655\\Київ\\вул. Нова, 1"_s}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

QJsonArray listed(const QTemporaryDir &home)
{
    const Run run = orgs(home, {u"list"_s, u"--json"_s});
    if (run.status != 0)
        qWarning("%s", qPrintable(run.err));
    return QJsonDocument::fromJson(run.out).array();
}

} // namespace

class OrgsCliTest : public QObject
{
    Q_OBJECT

private slots:
    // Every card type's organisations, from folders and their subfolders; the newest
    // card wins whichever folder is read first.
    void importListExport()
    {
        QTemporaryDir home;
        const QDir cards(home.filePath(u"cards"_s));
        QVERIFY(cards.mkpath(u"b/deeper"_s));
        QVERIFY(cards.mkpath(u"a"_s));
        // Saved a year apart, the RK card last: the cards share organisations, and the
        // newest card decides them, not the order in which the system lists a folder.
        int year = 2020;
        for (CardType type : {CardType::OK, CardType::OKD, CardType::IK, CardType::RK}) {
            const QString path = cards.filePath(u"b/deeper/"_s + cardKind(type).id().toUpper() + u"_full.txt"_s);
            writeFile(path, fullCards::bytes(type));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime(QDate(++year, 1, 1), QTime(12, 0)), QFileDevice::FileModificationTime));
        }
        writeCard(cards.filePath(u"a/RK_new.txt"_s), u"Нова назва"_s, QDateTime(QDate(2025, 3, 1), QTime(12, 0)));
        writeCard(cards.filePath(u"b/RK_old.txt"_s), u"Стара назва"_s, QDateTime(QDate(2020, 3, 1), QTime(12, 0)));
        writeFile(cards.filePath(u"b/notes.txt"_s), "not a card");

        const Run imported = orgs(home, {u"import"_s, cards.filePath(u"a"_s), cards.filePath(u"b"_s)});
        QCOMPARE(imported.status, 0);
        QVERIFY(QString::fromUtf8(imported.out).contains(u"Прочитано файлів карток: 6"_s));

        const QJsonArray all = listed(home);
        QSet<QString> sources;
        for (const QJsonValue &v : all)
            sources << QFileInfo(v[u"source"_s].toString()).fileName();
        for (const QString &name : {u"RK_full.txt"_s, u"OK_full.txt"_s, u"IK_full.txt"_s, u"OKD_full.txt"_s})
            QVERIFY2(sources.contains(name), qPrintable(name));
        int matches = 0;
        for (const QJsonValue &v : all) {
            if (v[u"code"_s].toString() != u"87650001"_s || v[u"kind"_s].toString() != u"1"_s)
                continue;
            ++matches;
            QCOMPARE(v[u"fullName"_s].toString(), u"Нова назва"_s);
            QCOMPARE(v[u"city"_s].toString(), u"Київ"_s);
        }
        QCOMPARE(matches, 1);

        // A second import of the same cards adds nothing.
        QCOMPARE(orgs(home, {u"import"_s, cards.path()}).status, 0);
        QCOMPARE(listed(home).size(), all.size());

        const Run text = orgs(home, {u"list"_s});
        QCOMPARE(text.status, 0);
        QCOMPARE(text.out.count('\n'), all.size());

        const QString csv = home.filePath(u"orgs.csv"_s);
        QCOMPARE(orgs(home, {u"export"_s, csv}).status, 0);
        const QString content = QString::fromUtf8(readAll(csv));
        QVERIFY(readAll(csv).startsWith("\xEF\xBB\xBFkind,code,fullName"));
        QCOMPARE(content.count(u"\r\n"_s), all.size() + 1);
        QVERIFY(content.contains(u"\"вул. Нова, 1\""_s));

        // A tab in a value would make a field of its own: it is listed as \t.
        const QString tabbed = home.filePath(u"RK_tab.txt"_s);
        writeFile(tabbed, cardFileBytes({u"2457\\1\\87650002"_s, u"2151\\1\\Інститут\tхімії"_s}));
        QCOMPARE(orgs(home, {u"import"_s, tabbed}).status, 0);
        const Run withTab = orgs(home, {u"list"_s});
        QCOMPARE(withTab.out.count('\n'), all.size() + 1);
        QVERIFY2(withTab.out.contains("1\t87650002\t\xD0\x86\xD0\xBD\xD1\x81\xD1\x82\xD0\xB8\xD1\x82\xD1\x83\xD1\x82\\t"),
                 withTab.out.constData());
    }

    // Names a spreadsheet would run as formulas are exported as text; an export that
    // cannot be written whole leaves the old file and says why, with status 2.
    void exportIsSafe()
    {
        QTemporaryDir home;
        const QString card = home.filePath(u"RK_f.txt"_s);
        writeFile(card, cardFileBytes({u"2457\\1\\87650001"_s, u"2151\\1\\=HYPERLINK(\"http://x\",\"y\")"_s,
                                       u"2358\\@SUM(1)"_s, u"2655\\-Київ\\+вул. Нова"_s,
                                       u"2934\\+380 44 123"_s}));
        QCOMPARE(orgs(home, {u"import"_s, card}).status, 0);
        const QString csv = home.filePath(u"orgs.csv"_s);
        QCOMPARE(orgs(home, {u"export"_s, csv}).status, 0);
        const QString content = QString::fromUtf8(readAll(csv));
        for (const QString &cell : {u"\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\""_s, u"\"'@SUM(1)\""_s, u"\"'-Київ\""_s,
                                    u"\"'+вул. Нова\""_s, u"\"'+380 44 123\""_s})
            QVERIFY2(content.contains(cell), qPrintable(cell + u" in "_s + content));
        QVERIFY(content.contains(u",87650001,"_s));

        // Into a folder that is not there, and onto a folder: nothing written, said why.
        const QByteArray before = readAll(csv);
        for (const QString &target : {home.filePath(u"нема/orgs.csv"_s), home.path()}) {
            const Run run = orgs(home, {u"export"_s, target});
            QCOMPARE(run.status, 2);
            QVERIFY2(run.err.contains(target) && !run.out.contains("Записано"), qPrintable(run.err));
        }
        QCOMPARE(readAll(csv), before);
#ifdef Q_OS_UNIX
        // A full disk, as a file size limit stands it in: the old export stays whole.
        QProcess full;
        useOwnDataFolder(full, home);
        full.setChildProcessModifier([] { FileSizeLimit::limit(16); });
        const Run run = runProgram(full, QString::fromUtf8(ZORVAT_CARD_BIN), {u"orgs"_s, u"export"_s, csv});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(ioReason(EFBIG)), qPrintable(run.err));
        QCOMPARE(readAll(csv), before);
#endif
    }

    // Another program writing the directory: the import waits for it, says so, and then
    // does its work.
    void waitsForAnotherWriter()
    {
        QTemporaryDir home;
        QVERIFY(QDir().mkpath(QFileInfo(databaseOf(home)).path()));
        QCOMPARE(orgs(home, {u"list"_s}).status, 0); // the directory made
        const QString card = home.filePath(u"RK_1.txt"_s);
        writeCard(card, u"Інститут"_s, QDateTime(QDate(2025, 3, 1), QTime(12, 0)));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other-writer"_s);
            db.setDatabaseName(databaseOf(home));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(u"BEGIN IMMEDIATE"_s));
            QProcess p;
            useOwnDataFolder(p, home);
            p.start(QString::fromUtf8(ZORVAT_CARD_BIN), {u"orgs"_s, u"import"_s, card});
            QVERIFY(!p.waitForFinished(1500));
            QVERIFY(q.exec(u"COMMIT"_s));
            db.close();
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(p.exitCode(), 0);
            QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(u"чекаю"_s));
        }
        QSqlDatabase::removeDatabase(u"other-writer"_s);
        QCOMPARE(listed(home).size(), 1);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no action") << QStringList{};
        QTest::newRow("unknown action") << QStringList{u"frob"_s};
        QTest::newRow("import without folder") << QStringList{u"import"_s};
        QTest::newRow("export without file") << QStringList{u"export"_s};
        QTest::newRow("json with import") << QStringList{u"import"_s, u"--json"_s, u"x"_s};
        QTest::newRow("list with a file") << QStringList{u"list"_s, u"x"_s};
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        QTemporaryDir home;
        const Run run = orgs(home, args);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(!run.err.isEmpty());
    }

    void damagedDirectory_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("list") << QStringList{u"list"_s};
        QTest::newRow("export") << QStringList{u"export"_s, u"out.csv"_s};
        QTest::newRow("import") << QStringList{u"import"_s, QString::fromUtf8(ZORVAT_TEST_DATA)};
    }

    // Said, with status 2, and the file is left as it was.
    void damagedDirectory()
    {
        QFETCH(QStringList, args);
        QTemporaryDir home;
        QVERIFY(QDir().mkpath(QFileInfo(databaseOf(home)).path()));
        const QByteArray garbage(8192, 'z');
        writeFile(databaseOf(home), garbage);
        const Run run = orgs(home, args);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(u"пошкоджено"_s), qPrintable(run.err));
        QCOMPARE(readAll(databaseOf(home)), garbage);
    }
};

ZORVAT_TEST(OrgsCliTest)
#include "orgs_cli_test.moc"
