#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The card file type of the desktop (packaging/zorvat-mime.xml, installed as
// /usr/share/mime/packages/zorvat.xml), read as an installed system reads it: one MIME
// cache built by update-mime-database from the system's own definitions and ours, with
// nothing else on the search path. A file manager (GLib, asked through gio) and Qt must
// both call a card file a card, by its name and by its content, and an ordinary text
// file text/plain.
namespace {

const QString kCard = QStringLiteral("text/x-zorvat-card");

// Where the merged cache lives; set once by initTestCase.
QString g_dataDir;

// What GLib says the file is, as a file manager asks (it reads the file's start).
QString gioType(const QString &path)
{
    QProcess gio;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_DIRS"), g_dataDir);
    env.insert(QStringLiteral("XDG_DATA_HOME"), g_dataDir + QStringLiteral("/no-home"));
    gio.setProcessEnvironment(env);
    gio.start(QStringLiteral("gio"), {QStringLiteral("info"), QStringLiteral("-a"),
                                      QStringLiteral("standard::content-type"), path});
    if (!gio.waitForFinished(30000) || gio.exitCode() != 0)
        return QStringLiteral("<gio failed: %1>").arg(QString::fromLocal8Bit(gio.readAllStandardError()));
    for (const QString &line : QString::fromUtf8(gio.readAllStandardOutput()).split(u'\n')) {
        if (line.trimmed().startsWith(QStringLiteral("standard::content-type:")))
            return line.section(u':', -1).trimmed();
    }
    return {};
}

} // namespace

class CardFileTypeTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        static QTemporaryDir data;
        QVERIFY(data.isValid());
        const QString packages = data.filePath(QStringLiteral("mime/packages"));
        QVERIFY(QDir().mkpath(packages));
        const QDir system(QStringLiteral("/usr/share/mime/packages"));
        const QStringList definitions = system.entryList({QStringLiteral("*.xml")}, QDir::Files);
        QVERIFY2(definitions.contains(QStringLiteral("freedesktop.org.xml")), "shared-mime-info is not installed");
        for (const QString &name : definitions) {
            if (name != QStringLiteral("zorvat.xml")) // an installed copy of ours is replaced by this one
                QVERIFY(QFile::copy(system.filePath(name), packages + u'/' + name));
        }
        QVERIFY(QFile::copy(QStringLiteral(ZORVAT_MIME_XML), packages + QStringLiteral("/zorvat.xml")));
        QProcess update;
        update.start(QStringLiteral("update-mime-database"), {data.filePath(QStringLiteral("mime"))});
        QVERIFY2(update.waitForFinished(120000) && update.exitCode() == 0,
                 qPrintable(QString::fromLocal8Bit(update.readAllStandardError())));
        g_dataDir = data.path();
        // Qt reads the search path when it first looks a type up, which is after this.
        qputenv("XDG_DATA_DIRS", QFile::encodeName(g_dataDir));
        qputenv("XDG_DATA_HOME", QFile::encodeName(g_dataDir + QStringLiteral("/no-home")));
        QCOMPARE(QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation).value(1), g_dataDir);
    }

    void byNameAndContent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("card");
        const QByteArray card = readAll(QStringLiteral(ZORVAT_SAMPLES "/OKD_sample.txt"));
        const QByteArray rk = readAll(QStringLiteral(ZORVAT_SAMPLES "/RK_sample.txt"));
        QTest::newRow("RK sample") << QStringLiteral("RK_sample.txt") << rk << true;
        QTest::newRow("small letters") << QStringLiteral("okd_ivanenko.txt") << card << true;
        QTest::newRow("a card under any name") << QStringLiteral("картка Іваненка.txt") << card << true;
        QTest::newRow("capital extension") << QStringLiteral("Ik_2026.TXT") << QByteArray("5439\\0726U000015\r\n") << true;
        QTest::newRow("an ordinary text") << QStringLiteral("notes.txt") << QByteArray("Hello, world\n") << false;
        QTest::newRow("a text that starts with digits")
            << QStringLiteral("list.txt") << QByteArray("2024 plan\n1. one\n") << false;
        QTest::newRow("not a text file") << QStringLiteral("scan.pdf") << QByteArray("%PDF-1.4\n") << false;
    }
    void byNameAndContent()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, card);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        writeFile(path, content);

        const QString byGio = gioType(path);
        QCOMPARE(byGio == kCard, card);
        const QMimeDatabase db;
        const QMimeType byQt = db.mimeTypeForFile(path);
        QCOMPARE(byQt.name() == kCard, card);
        if (card) {
            QVERIFY(byQt.inherits(QStringLiteral("text/plain")));
            QVERIFY(!byQt.comment().isEmpty());
        } else if (name.endsWith(QStringLiteral(".txt"))) {
            QCOMPARE(byGio, QStringLiteral("text/plain"));
            QCOMPARE(byQt.name(), QStringLiteral("text/plain"));
        }
    }
};

ZORVAT_TEST(CardFileTypeTest)
#include "card_file_type_test.moc"
