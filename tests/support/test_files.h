#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// The bytes of a file, or "<missing>" when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// A named pipe at `path`, which would keep a reader waiting; false where files cannot be
// pipes (Windows).
inline bool makeNamedPipe(const QString &path)
{
#ifdef Q_OS_UNIX
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

#define NAMED_PIPE_OR_SKIP(made)                                                                                       \
    do {                                                                                                               \
        if (!(made)) {                                                                                                 \
            QVERIFY2(QSysInfo::productType() == QLatin1String("windows"), "no named pipe was made");                   \
            QSKIP("Windows has no named pipes among files");                                                           \
        }                                                                                                              \
    } while (false)
