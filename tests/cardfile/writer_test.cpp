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

class WriterTest : public QObject
{
    Q_OBJECT
private slots:
    void bytes_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("no lines") << QStringList() << QByteArray("\r\n");
        QTest::newRow("two lines") << QStringList{QStringLiteral("5256\\5"), QStringLiteral("2394\\")}
                                   << QByteArray("5256\\5\r\n2394\\\r\n\r\n");
        QTest::newRow("blanks kept") << QStringList{QStringLiteral("5436\\    U       ")}
                                     << QByteArray("5436\\    U       \r\n\r\n");
        // Cyrillic one byte a character: "Київ" in CP1251, "і" 0xB3, "Є" 0xAA, "№" 0xB9.
        QTest::newRow("cyrillic") << QStringList{QStringLiteral("2655\\Київ\\Є№")}
                                  << QByteArray("2655\\\xCA\xE8\xBF\xE2\\\xAA\xB9\r\n\r\n");
        // A memo's line breaks are written as they are.
        QTest::newRow("memo lines") << QStringList{QStringLiteral("9027\\1\\a\r\nb")}
                                    << QByteArray("9027\\1\\a\r\nb\r\n\r\n");
    }
    void bytes()
    {
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, expected);
        QCOMPARE(cardFileBytes(lines), expected);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("RK.txt"));
        const WriteResult r = writeCardFile(path, lines);
        QVERIFY2(r.ok, qPrintable(r.message));
        QCOMPARE(readAll(path), expected);
    }

    void replacesOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("RK.txt"));
        QVERIFY(writeCardFile(path, {QStringLiteral("5256\\5"), QStringLiteral("7146\\34")}).ok);
        QVERIFY(writeCardFile(path, {QStringLiteral("5256\\1")}).ok);
        QCOMPARE(readAll(path), QByteArray("5256\\1\r\n\r\n"));
        // Nothing but the card file is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("RK.txt")});
    }

    void unencodableWritesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("RK.txt"));
        QVERIFY(writeCardFile(path, {QStringLiteral("5256\\5")}).ok);
        const WriteResult r = writeCardFile(path, {QStringLiteral("5256\\1"),
                                                   QStringLiteral("2151\\1\\Інститут 中 ≠"),
                                                   QStringLiteral("9027\\3\\Title ≠")});
        QVERIFY(!r.ok);
        QVERIFY2(r.message.contains(QStringLiteral("2151")), qPrintable(r.message));
        QVERIFY(r.message.contains(QStringLiteral("9027")));
        QVERIFY(r.message.contains(QStringLiteral("«中»")));
        QVERIFY(r.message.contains(QStringLiteral("U+2260")));
        QVERIFY(!r.message.contains(QStringLiteral("5256")));
        // The old file is whole.
        QCOMPARE(readAll(path), QByteArray("5256\\5\r\n\r\n"));
    }

    void reportListsEachCharacterOnce()
    {
        const QString report = unencodableReport({QStringLiteral("2358\\中中a中")});
        QCOMPARE(report.count(QStringLiteral("«中»")), 1);
        QVERIFY(unencodableReport({QStringLiteral("2358\\Київ «лапки» – №")}).isEmpty());
    }

    void failures_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder chosen as file") << QStringLiteral("sub") << ioReason(EISDIR);
        QTest::newRow("missing folder") << QStringLiteral("nowhere/RK.txt") << ioReason(ENOENT);
    }
    void failures()
    {
        QFETCH(QString, relative);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        const QString path = dir.filePath(relative);
        const WriteResult r = writeCardFile(path, {QStringLiteral("5256\\5")});
        QVERIFY(!r.ok);
        QVERIFY2(r.message.contains(path), qPrintable(r.message));
        QVERIFY2(r.message.contains(reason), qPrintable(r.message));
    }

    // A pipe or device in the file's place stays what it is: nothing is written there.
    void specialFileNotReplaced()
    {
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("RK-pipe.txt"));
        NAMED_PIPE_OR_SKIP(makeNamedPipe(pipe));
        const WriteResult r = writeCardFile(pipe, {QStringLiteral("5256\\5")});
        QVERIFY(!r.ok);
        QVERIFY2(r.message.contains(QStringLiteral("канал, пристрій")), qPrintable(r.message));
        QVERIFY(!QFileInfo(pipe).isFile());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot), QStringList{QStringLiteral("RK-pipe.txt")});
    }

    // A save onto a full disk must fail and leave the old card: a small card fails only
    // when the write buffer is flushed at the end, a large one already while written.
    void fullDisk_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("limit");
        QTest::newRow("card smaller than the write buffer") << QStringList{QStringLiteral("5256\\1")} << 0;
        QTest::newRow("card larger than the write buffer")
            << QStringList(2000, QStringLiteral("7146\\34 ") + QString(60, QLatin1Char('x'))) << 4096;
    }
    void fullDisk()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, limit);
        FILE_SIZE_LIMIT_OR_SKIP();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("RK.txt"));
        QVERIFY(writeCardFile(path, {QStringLiteral("5256\\5")}).ok);
        WriteResult r;
        {
            const FileSizeLimit full{static_cast<unsigned long long>(limit)};
            r = writeCardFile(path, lines);
        }
        QVERIFY(!r.ok);
        QVERIFY2(r.message.contains(path), qPrintable(r.message));
        QVERIFY2(r.message.contains(ioReason(EFBIG)), qPrintable(r.message));
        QCOMPARE(readAll(path), QByteArray("5256\\5\r\n\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("RK.txt")});
    }

    void reasons_data()
    {
        QTest::addColumn<int>("err");
        QTest::addColumn<QString>("part");
        QTest::newRow("disk full") << int(ENOSPC) << QStringLiteral("місця");
        QTest::newRow("read-only") << int(EROFS) << QStringLiteral("лише для читання");
        QTest::newRow("denied") << int(EACCES) << QStringLiteral("дозволу");
        QTest::newRow("other names the number") << int(EIO) << QStringLiteral("№ %1").arg(EIO);
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
