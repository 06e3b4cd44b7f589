#include "cardfile/card_writer.h"
#include "cardfile/io_reason.h"
#include "support/file_size_limit.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;

class WriterTest : public QObject
{
    Q_OBJECT
private slots:
    void bytes_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("no lines") << QStringList() << QByteArray("\r\n");
        QTest::newRow("two lines") << QStringList{u"5256\\5"_s, u"2394\\"_s}
                                   << QByteArray("5256\\5\r\n2394\\\r\n\r\n");
        QTest::newRow("blanks kept") << QStringList{u"5436\\    U       "_s}
                                     << QByteArray("5436\\    U       \r\n\r\n");
        // Cyrillic one byte a character: "Київ" in CP1251, "і" 0xB3, "Є" 0xAA, "№" 0xB9.
        QTest::newRow("cyrillic") << QStringList{u"2655\\Київ\\Є№"_s}
                                  << QByteArray("2655\\\xCA\xE8\xBF\xE2\\\xAA\xB9\r\n\r\n");
        // A memo's line breaks are written as they are.
        QTest::newRow("memo lines") << QStringList{u"9027\\1\\a\r\nb"_s}
                                    << QByteArray("9027\\1\\a\r\nb\r\n\r\n");
    }
    void bytes()
    {
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, expected);
        QCOMPARE(cardFileBytes(lines), expected);

        QTemporaryDir dir;
        const QString path = dir.filePath(u"RK.txt"_s);
        const WriteResult r = writeCardFile(path, lines);
        QVERIFY2(r.ok, qPrintable(r.message));
        QCOMPARE(readAll(path), expected);
    }

    void replacesOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"RK.txt"_s);
        QVERIFY(writeCardFile(path, {u"5256\\5"_s, u"7146\\34"_s}).ok);
        QVERIFY(writeCardFile(path, {u"5256\\1"_s}).ok);
        QCOMPARE(readAll(path), QByteArray("5256\\1\r\n\r\n"));
        // Nothing but the card file is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"RK.txt"_s});
    }

    void unencodableWritesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"RK.txt"_s);
        QVERIFY(writeCardFile(path, {u"5256\\5"_s}).ok);
        const WriteResult r = writeCardFile(path, {u"5256\\1"_s,
                                                   u"2151\\1\\Інститут 中 ≠"_s,
                                                   u"9027\\3\\Title ≠"_s});
        QVERIFY(!r.ok);
        QVERIFY2(r.message.contains(u"2151"_s), qPrintable(r.message));
        QVERIFY(r.message.contains(u"9027"_s));
        QVERIFY(r.message.contains(u"«中»"_s));
        QVERIFY(r.message.contains(u"U+2260"_s));
        QVERIFY(!r.message.contains(u"5256"_s));
        // The old file is whole.
        QCOMPARE(readAll(path), QByteArray("5256\\5\r\n\r\n"));
    }

    void reportListsEachCharacterOnce()
    {
        const QString report = unencodableReport({u"2358\\中中a中"_s});
        QCOMPARE(report.count(u"«中»"_s), 1);
        QVERIFY(unencodableReport({u"2358\\Київ «лапки» – №"_s}).isEmpty());
    }

    void failures_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder chosen as file") << u"sub"_s << ioReason(EISDIR);
        QTest::newRow("missing folder") << u"nowhere/RK.txt"_s << ioReason(ENOENT);
    }
    void failures()
    {
        QFETCH(QString, relative);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"sub"_s));
        const QString path = dir.filePath(relative);
        const WriteResult r = writeCardFile(path, {u"5256\\5"_s});
        QVERIFY(!r.ok);
        QVERIFY2(r.message.contains(path), qPrintable(r.message));
        QVERIFY2(r.message.contains(reason), qPrintable(r.message));
    }

    // A pipe or device in the file's place stays what it is: nothing is written there.
    void specialFileNotReplaced()
    {
        QTemporaryDir dir;
        const QString pipe = dir.filePath(u"RK-pipe.txt"_s);
        NAMED_PIPE_OR_SKIP(makeNamedPipe(pipe));
        const WriteResult r = writeCardFile(pipe, {u"5256\\5"_s});
        QVERIFY(!r.ok);
        QVERIFY2(r.message.contains(u"канал, пристрій"_s), qPrintable(r.message));
        QVERIFY(!QFileInfo(pipe).isFile());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot), QStringList{u"RK-pipe.txt"_s});
    }

    // A save onto a full disk must fail and leave the old card: a small card fails only
    // when the write buffer is flushed at the end, a large one already while written.
    void fullDisk_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("limit");
        QTest::newRow("card smaller than the write buffer") << QStringList{u"5256\\1"_s} << 0;
        QTest::newRow("card larger than the write buffer")
            << QStringList(2000, u"7146\\34 "_s + QString(60, QLatin1Char('x'))) << 4096;
    }
    void fullDisk()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, limit);
        FILE_SIZE_LIMIT_OR_SKIP();
        QTemporaryDir dir;
        const QString path = dir.filePath(u"RK.txt"_s);
        QVERIFY(writeCardFile(path, {u"5256\\5"_s}).ok);
        WriteResult r;
        {
            const FileSizeLimit full{static_cast<unsigned long long>(limit)};
            r = writeCardFile(path, lines);
        }
        QVERIFY(!r.ok);
        QVERIFY2(r.message.contains(path), qPrintable(r.message));
        QVERIFY2(r.message.contains(ioReason(EFBIG)), qPrintable(r.message));
        QCOMPARE(readAll(path), QByteArray("5256\\5\r\n\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"RK.txt"_s});
    }

    void reasons_data()
    {
        QTest::addColumn<int>("err");
        QTest::addColumn<QString>("part");
        QTest::newRow("disk full") << int(ENOSPC) << u"місця"_s;
        QTest::newRow("read-only") << int(EROFS) << u"лише для читання"_s;
        QTest::newRow("denied") << int(EACCES) << u"дозволу"_s;
        QTest::newRow("other names the number") << int(EIO) << u"№ %1"_s.arg(EIO);
    }
    void reasons()
    {
        QFETCH(int, err);
        QFETCH(QString, part);
        QVERIFY2(ioReason(err).contains(part), qPrintable(ioReason(err)));
    }
};

ZORVAT_TEST(WriterTest)
#include "writer_test.moc"
