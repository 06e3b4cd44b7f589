#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// A built program run to its end, as users run it.
struct Run
{
    int status = -1; // -1: crashed or still running after a minute
    QByteArray out;
    QString err;
};

// Runs `program` with `args` on `process`, which the caller may have set up (environment,
// limits of the child).
inline Run runProgram(QProcess &process, const QString &program, const QStringList &args)
{
    process.start(program, args);
    Run r;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return r;
    }
    r.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = process.readAllStandardOutput();
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}
