#pragma once

#include "fields/bilingual_texts.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

namespace spelling {

// A word of a text that the spell check looks at: where it starts and how long it is.
struct WordSpan
{
    int start = 0;
    int length = 0;
};

// The words of `text` worth checking. Words with digits, words with a capital after
// their first letter (abbreviations, codes), single letters and the parts of e-mail
// and web addresses are passed by.
QList<WordSpan> wordsToCheck(QStringView text);

// Hunspell with Debian's dictionaries (hunspell-uk, hunspell-en-us), one service of the
// application (a child of its application object, made at start or on first use), plus
// the clerk's own word list and the words skipped in this run. The
// dictionaries load on the first word checked; a language whose dictionary is missing
// is not checked at all.
class Speller : public QObject
{
    Q_OBJECT
public:
    explicit Speller(QObject *application);
    ~Speller() override;
    // The application's spell checker; made as its child when there is none yet.
    static Speller &service();

    // Switched off, nothing is checked (the main window's setting).
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // The dictionary of the language is installed (loads it if it is not yet loaded).
    bool available(TextLanguage language);
    // Whether `word` is spelt right in a text of `language`. A word in Latin letters in
    // a Ukrainian text is an English one (terms, names of programs). A word of a
    // language without a dictionary counts as right.
    bool isCorrect(const QString &word, TextLanguage language);
    // Up to `max` spellings the dictionary proposes instead.
    QStringList suggestions(const QString &word, TextLanguage language, int max = 7);

    // The word counts as right in every card from now on, and in later runs. False when
    // the word list could not be read or written, with the reason in `error`.
    bool addToWordList(const QString &word, QString *error = nullptr);
    // The word counts as right until the program ends.
    void ignore(const QString &word);

    // Where the dictionaries are looked for (DataPlaces' folder, else "dictionaries"
    // beside the program, on Linux Debian's "/usr/share/hunspell" when there is none)
    // and the file of the clerk's words (DataPlaces' file, else in the program's data
    // folder).
    static QString dictionaryFolder();
    static QString wordListFile();
    // The places changed: the dictionaries and the word list are read again when next
    // needed.
    void reload();
    // Debian's package that brings the dictionary of `language`.
    static QString packageOf(TextLanguage language);

    // Forgets every word checked so far (the next check asks Hunspell again).
    void forgetChecked();

signals:
    // Checking was switched, or a word became right: the underlines are out of date.
    void changed();

private:
    struct Dictionary
    {
        bool tried = false;
        std::unique_ptr<Hunspell> hunspell;
        QHash<QString, bool> checked;
    };
    Dictionary &dictionary(TextLanguage language);
    bool spellRaw(Dictionary &dict, const QString &word);
    void loadWordList();

    bool m_enabled = true;
    Dictionary m_dictionaries[2];
    QSet<QString> m_own;     // the word list
    QSet<QString> m_ignored; // this run
    bool m_ownLoaded = false;
};

} // namespace spelling
