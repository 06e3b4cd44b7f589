#include "cardfile/atomic_write.h"

#include "cardfile/io_reason.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

QString writeFailureMessage(const QString &path, const QString &reason)
{
    return u"Не вдалося записати файл «%1»: %2.\nПопередній вміст файлу не змінено."_s.arg(path, reason);
}

WriteResult writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const auto failure = [&path](int err) {
        return WriteResult{false, writeFailureMessage(path, ioReason(writeFailureCause(path, err)))};
    };
    const QFileInfo target(path);
    if (target.isDir())
        return failure(EISDIR);
    // A device or pipe (/dev/full, a FIFO) would be replaced by a file of its own, and
    // the data never reach it: such a name is no place for a card.
    if (target.exists() && !target.isFile())
        return {false, writeFailureMessage(path, u"це не звичайний файл, а канал, пристрій або сокет"_s)};

    QSaveFile file(path);
    clearSystemError();
    // Unbuffered: QSaveFile notices a failed write but not a failed flush of its own
    // buffer at commit, which would put an empty file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(lastSystemError());
    clearSystemError();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int err = lastSystemError();
        file.cancelWriting();
        return failure(err);
    }
#ifdef Q_OS_UNIX
    // Some file systems report a full disk only when the data reaches it.
    clearSystemError();
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        const int err = lastSystemError();
        file.cancelWriting();
        return failure(err);
    }
#endif
    clearSystemError();
    if (!file.commit())
        return failure(lastSystemError());
    return {true, {}};
}
