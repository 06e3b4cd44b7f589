#include "spell/word_list_file.h"

#include "cardfile/atomic_write.h"
#include "cardfile/cp1251.h"
#include "cardfile/io_reason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringDecoder>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace spelling {

namespace {

// Another program adding a word holds the lock for a moment: wait that long, not forever.
constexpr int kLockWaitMs = 10000;

QString textOf(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    // Not UTF-8: the Cyrillic code page, as Notepad of a Ukrainian Windows saves it.
    return utf8.hasError() ? cp1251::decode(bytes) : text;
}

} // namespace

bool WordListFile::read(QSet<QString> *words, QString *problem) const
{
    words->clear();
    if (!QFileInfo::exists(m_path))
        return true;
    QFile file(m_path);
    clearSystemError();
    if (QFileInfo(m_path).isDir() || !file.open(QIODevice::ReadOnly)) {
        if (problem)
            *problem = ioReason(QFileInfo(m_path).isDir() ? EISDIR : lastSystemError());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (problem)
            *problem = file.errorString();
        return false;
    }
    QString text = textOf(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    for (const QString &line : text.split(u'\n')) {
        const QString word = line.trimmed();
        if (!word.isEmpty())
            words->insert(word);
    }
    return true;
}

QString WordListFile::add(const QString &word, QSet<QString> *words) const
{
    const auto notAdded = [&](const QString &why) {
        return u"Слово «%1» не додано до словника (файл %2): %3"_s.arg(word, QDir::toNativeSeparators(m_path), why);
    };
    QDir().mkpath(QFileInfo(m_path).path());
    QLockFile lock(m_path + u".lock"_s);
    if (!lock.tryLock(kLockWaitMs))
        return notAdded(u"словник зайнятий іншою програмою ЗОРВАТ; спробуйте ще раз."_s);
    QString problem;
    if (!read(words, &problem))
        return notAdded(u"його не вдалося прочитати (%1), а записати лише нове слово означало б "
                                       "втратити решту."_s
                            .arg(problem));
    if (words->contains(word))
        return {};
    QStringList all(words->cbegin(), words->cend());
    all << word;
    std::sort(all.begin(), all.end());
    // Lines end in "\n" on every system, so that the list moves between them as it is.
    const WriteResult written = writeFileAtomically(m_path, all.join(u'\n').toUtf8() + '\n');
    if (!written.ok)
        return notAdded(written.message);
    words->insert(word);
    return {};
}

} // namespace spelling
