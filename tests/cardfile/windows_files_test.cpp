#include "cardfile/atomic_write.h"
#include "cardfile/card_reader.h"
#include "cardfile/card_writer.h"
#include "cardfile/io_reason.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray kOldCard = "5256\\5\r\n\r\n";

} // namespace

// Card files where clerks keep them on Windows: folders with Cyrillic letters and blanks,
// files another program holds open, files marked read-only.
class WindowsFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void cyrillicPathsWithBlanks_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("documents folder") << u"Олена/Мої документи/РК 2026.txt"_s;
        QTest::newRow("letters beyond the code page") << u"Ґрунт і «лапки»/ОКД — Її № 1.txt"_s;
    }
    void cyrillicPathsWithBlanks()
    {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        const QString path = dir.filePath(relative);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        const WriteResult w = writeCardFile(path, {u"5256\\5"_s, u"2358\\Київ"_s});
        QVERIFY2(w.ok, qPrintable(w.message));
        QByteArray bytes;
        QString message;
        QVERIFY2(readCardFileBytes(path, &bytes, &message), qPrintable(message));
        QCOMPARE(bytes, QByteArray("5256\\5\r\n2358\\\xCA\xE8\xBF\xE2\r\n\r\n"));
        // Saving again replaces it in place.
        QVERIFY(writeCardFile(path, {u"5256\\6"_s}).ok);
        QCOMPARE(readAll(path), QByteArray("5256\\6\r\n\r\n"));
    }

    // Windows does not let a file be replaced while another program (a text editor, the
    // mail program) holds it open: the save says so and the card on disk stays whole.
    void heldOpenByAnotherProgram()
    {
#ifndef Q_OS_WIN
        QSKIP("only Windows keeps a file that another program holds open from being replaced");
#else
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Мої картки/РК.txt"_s);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(writeFileAtomically(path, kOldCard).ok);
        // As a program that opens a file for reading and denies others to change it.
        const HANDLE held = ::CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                                          GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                          nullptr);
        QVERIFY(held != INVALID_HANDLE_VALUE);
        const WriteResult r = writeFileAtomically(path, "5256\\6\r\n\r\n");
        ::CloseHandle(held);
        QVERIFY(!r.ok);
        QVERIFY2(r.message.contains(path), qPrintable(r.message));
        QVERIFY2(r.message.contains(ioReason(FileInUseError)), qPrintable(r.message));
        QCOMPARE(readAll(path), kOldCard);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList{u"РК.txt"_s});
        // Once the other program lets it go, the save goes through.
        QVERIFY(writeFileAtomically(path, "5256\\6\r\n\r\n").ok);
#endif
    }

    void readOnlyFile()
    {
#ifndef Q_OS_WIN
        QSKIP("root replaces a read-only file on Linux; the attribute that stops it is Windows'");
#else
        QTemporaryDir dir;
        const QString path = dir.filePath(u"РК.txt"_s);
        QVERIFY(writeFileAtomically(path, kOldCard).ok);
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser));
        const WriteResult r = writeFileAtomically(path, "5256\\6\r\n\r\n");
        QVERIFY(!r.ok);
        QVERIFY2(r.message.contains(ioReason(ReadOnlyFileError)), qPrintable(r.message));
        QCOMPARE(readAll(path), kOldCard);
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
#endif
    }
};

ZORVAT_TEST(WindowsFilesTest)
#include "windows_files_test.moc"
