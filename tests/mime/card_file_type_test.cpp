#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The card file type of the desktop (packaging/zorvat-mime.xml, installed as
// /usr/share/mime/packages/zorvat.xml), read as an installed system reads it: one MIME
// cache built by update-mime-database from the system's own definitions and ours, with
// nothing else on the search path. A file manager (GLib, asked through gio) and Qt must
// both call a card file a card, by its name and by its content, and an ordinary text
// file text/plain.
namespace {

const QString kCard = u"text/x-zorvat-card"_s;

// Where the merged cache lives; set once by initTestCase.
QString g_dataDir;

// What GLib says the file is, as a file manager asks (it reads the file's start).
QString gioType(const QString &path)
{
    QProcess gio;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_DATA_DIRS"_s, g_dataDir);
    env.insert(u"XDG_DATA_HOME"_s, g_dataDir + u"/no-home"_s);
    gio.setProcessEnvironment(env);
    gio.start(u"gio"_s, {u"info"_s, u"-a"_s,
                                      u"standard::content-type"_s, path});
    if (!gio.waitForFinished(30000) || gio.exitCode() != 0)
        return u"<gio failed: %1>"_s.arg(QString::fromLocal8Bit(gio.readAllStandardError()));
    for (const QString &line : QString::fromUtf8(gio.readAllStandardOutput()).split(u'\n')) {
        if (line.trimmed().startsWith(u"standard::content-type:"_s))
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
        const QString packages = data.filePath(u"mime/packages"_s);
        QVERIFY(QDir().mkpath(packages));
        const QDir system(u"/usr/share/mime/packages"_s);
        const QStringList definitions = system.entryList({u"*.xml"_s}, QDir::Files);
        QVERIFY2(definitions.contains(u"freedesktop.org.xml"_s), "shared-mime-info is not installed");
        for (const QString &name : definitions) {
            if (name != u"zorvat.xml"_s) // an installed copy of ours is replaced by this one
                QVERIFY(QFile::copy(system.filePath(name), packages + u'/' + name));
        }
        QVERIFY(QFile::copy(QString::fromUtf8(ZORVAT_MIME_XML), packages + u"/zorvat.xml"_s));
        QProcess update;
        update.start(u"update-mime-database"_s, {data.filePath(u"mime"_s)});
        QVERIFY2(update.waitForFinished(120000) && update.exitCode() == 0,
                 qPrintable(QString::fromLocal8Bit(update.readAllStandardError())));
        g_dataDir = data.path();
        // Qt reads the search path when it first looks a type up, which is after this.
        qputenv("XDG_DATA_DIRS", QFile::encodeName(g_dataDir));
        qputenv("XDG_DATA_HOME", QFile::encodeName(g_dataDir + u"/no-home"_s));
        QCOMPARE(QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation).value(1), g_dataDir);
    }

    void byNameAndContent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("card");
        const QByteArray card = readAll(QString::fromUtf8(ZORVAT_SAMPLES "/OKD_sample.txt"));
        const QByteArray rk = readAll(QString::fromUtf8(ZORVAT_SAMPLES "/RK_sample.txt"));
        QTest::newRow("RK sample") << u"RK_sample.txt"_s << rk << true;
        QTest::newRow("small letters") << u"okd_ivanenko.txt"_s << card << true;
        QTest::newRow("a card under any name") << u"картка Іваненка.txt"_s << card << true;
        QTest::newRow("capital extension") << u"Ik_2026.TXT"_s << QByteArray("5439\\0726U000015\r\n") << true;
        QTest::newRow("an ordinary text") << u"notes.txt"_s << QByteArray("Hello, world\n") << false;
        QTest::newRow("a text that starts with digits")
            << u"list.txt"_s << QByteArray("2024 plan\n1. one\n") << false;
        QTest::newRow("not a text file") << u"scan.pdf"_s << QByteArray("%PDF-1.4\n") << false;
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
            QVERIFY(byQt.inherits(u"text/plain"_s));
            QVERIFY(!byQt.comment().isEmpty());
        } else if (name.endsWith(u".txt"_s)) {
            QCOMPARE(byGio, u"text/plain"_s);
            QCOMPARE(byQt.name(), u"text/plain"_s);
        }
    }
};

ZORVAT_TEST(CardFileTypeTest)
#include "card_file_type_test.moc"
