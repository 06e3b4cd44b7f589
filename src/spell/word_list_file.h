#pragma once

#include <QSet>
#include <QString>

namespace spelling {

// The clerk's own word list on disk: one word a line, UTF-8. It is never rewritten from
// less than it holds: every add reads the list anew under a lock that other running
// programs share, and replaces it whole or not at all.
class WordListFile
{
public:
    explicit WordListFile(QString path) : m_path(std::move(path)) {}

    // The words of the list; none when there is no list yet. A list another editor saved
    // in the Windows Cyrillic code page is read as such. False, with the reason in
    // `problem`, when the list is there but cannot be read.
    bool read(QSet<QString> *words, QString *problem = nullptr) const;

    // Adds `word` to the list as it now is on disk; `words` gets the whole list. Empty on
    // success, else a Ukrainian message why the word was not added (the list on disk is
    // then as it was).
    QString add(const QString &word, QSet<QString> *words) const;

private:
    QString m_path;
};

} // namespace spelling
