#pragma once

#include <QByteArray>
#include <QString>

struct WriteResult
{
    bool ok = false;
    QString message; // Ukrainian, names the file and the reason; empty on success
};

// Replaces the file at `path` with `bytes` atomically: the bytes go to a temporary file
// beside it, which takes the file's place only when every write, the flush and the
// sync to disk succeeded. On any failure the previous file stays as it was and nothing
// is left behind.
WriteResult writeFileAtomically(const QString &path, const QByteArray &bytes);

// The message of a failed write of `path`.
QString writeFailureMessage(const QString &path, const QString &reason);
