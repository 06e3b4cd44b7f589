#include "fields/card_recovery.h"

#include "fields/data_places.h"
#include "cardfile/atomic_write.h"
#include "cardfile/card_writer.h"
#include "fields/card_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {

QString lockName(const QString &path)
{
    return path + u".lock"_s;
}

// "rk-20261208-074501-1234-1.txt": the card type first, then what keeps two editors
// of two runs apart.
QString newCopyPath(const CardKind &kind)
{
    static int counter = 0;
    const QString name = u"%1-%2-%3-%4.txt"_s
                             .arg(kind.id(), QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s))
                             .arg(QCoreApplication::applicationPid())
                             .arg(++counter);
    return QDir(CardRecovery::folder()).filePath(name);
}

// The lock of the copy at `path`, held; null when a running program holds it.
std::unique_ptr<QLockFile> takeLock(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(lockName(path));
    // Only a lock whose program is gone counts as left behind, however old it is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

} // namespace

CardRecovery::CardRecovery(CardDocument &document) : m_document(document)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &CardRecovery::write);
    connect(&document, &CardDocument::stateChanged, this, &CardRecovery::stateChanged);
    // Every change, not only the first, brings the copy up to date.
    connect(&document, &CardDocument::changed, this, &CardRecovery::stateChanged);
}

CardRecovery::~CardRecovery()
{
    if (m_document.modified())
        flush(); // the copy and its file stay; the lock goes with this object
    else
        discard();
}

void CardRecovery::stateChanged()
{
    if (m_document.modified())
        m_timer.start();
    else
        discard();
}

void CardRecovery::flush()
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    write();
}

void CardRecovery::write()
{
    if (!m_document.modified())
        return;
    const QStringList lines = m_document.kind().snapshotLines(m_document.model());
    if (lines.isEmpty())
        return;
    if (m_path.isEmpty()) {
        QDir().mkpath(folder());
        const QString path = newCopyPath(m_document.kind());
        m_lock = takeLock(path);
        if (!m_lock) {
            qWarning("recovery copy %ls cannot be locked", qUtf16Printable(path));
            return;
        }
        m_path = path;
    }
    // A failure is not the clerk's business while typing; the next change tries again.
    const WriteResult written = writeFileAtomically(m_path, cardFileBytes(lines));
    if (!written.ok)
        qWarning("%ls", qUtf16Printable(written.message));
}

void CardRecovery::discard()
{
    m_timer.stop();
    if (!m_path.isEmpty())
        QFile::remove(m_path);
    m_path.clear();
    m_lock.reset();
}

void CardRecovery::adopt(const QString &path, std::unique_ptr<QLockFile> held)
{
    discard();
    // The lock is handed over, never released and taken again: in between another
    // program could take the copy.
    if (!held || !held->isLocked())
        return;
    m_lock = std::move(held);
    m_path = path;
}

std::unique_ptr<QLockFile> CardRecovery::claim(const QString &path)
{
    std::unique_ptr<QLockFile> lock = takeLock(path);
    // The program that held it may have deleted it ("Ні") just before letting it go.
    if (lock && !QFile::exists(path))
        lock.reset();
    return lock;
}

QString CardRecovery::folder()
{
    if (const QString &own = DataPlaces::current().recoveryFolder; !own.isEmpty())
        return own;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/recovery"_s;
}

QList<CardRecovery::Copy> CardRecovery::leftBehind()
{
    QList<Copy> copies;
    const QFileInfoList files =
        QDir(folder()).entryInfoList({u"*.txt"_s}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo &info : files) {
        const CardKind *kind = cardKindById(info.fileName().section(QLatin1Char('-'), 0, 0));
        if (!kind)
            continue;
        // Held: the copy is open or offered in a running program.
        if (!takeLock(info.filePath()))
            continue;
        copies.append({info.filePath(), kind->type(), info.lastModified()});
    }
    return copies;
}

QString CardRecovery::offerText(const Copy &copy)
{
    return u"Відновити незбережену картку «%1», востаннє змінену %2 о %3?\n\n"
                          "Так - відкрити її у вікні картки, Ні - видалити цю копію, "
                          "Скасувати - запитати про неї під час наступного запуску."_s
        .arg(cardKind(copy.type).windowCaption(), copy.written.toString(u"dd.MM.yyyy"_s),
             copy.written.toString(u"HH:mm"_s));
}
