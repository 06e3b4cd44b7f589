#include "spell/speller.h"

#include "fields/data_places.h"
#include "fields/user_settings.h"
#include "spell/word_list_file.h"

#include <QCoreApplication>
#include <QPointer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <hunspell.hxx>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace spelling {

namespace {

// The name Hunspell opens a dictionary by. Hunspell built with MinGW opens files by their
// name in the ANSI code page, which on Windows cannot carry every letter (the programs
// may sit in C:\Users\Олена\...): such a path is given by its short, ASCII form.
QByteArray hunspellPath(const QString &path)
{
    const QByteArray local = QFile::encodeName(path);
#ifdef Q_OS_WIN
    if (QFile::decodeName(local) != path) {
        const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
        std::wstring shortName(MAX_PATH, L'\0');
        const DWORD n = ::GetShortPathNameW(native.c_str(), shortName.data(), DWORD(shortName.size()));
        if (n > 0 && n < shortName.size())
            return QString::fromWCharArray(shortName.data(), int(n)).toLocal8Bit();
    }
#endif
    return local;
}


bool isApostrophe(QChar c)
{
    return c == u'\'' || c == u'\u2019' || c == u'\u02BC' || c == u'\u2018' || c == u'`';
}

// A character that belongs to a word: letters, digits (a word with one is passed by),
// accents put over a letter, apostrophes, and a hyphen or underscore between them.
bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || isApostrophe(c) || c == u'_';
}

bool joinsWord(QChar c)
{
    return isApostrophe(c) || c == u'-' || c == u'\u2011';
}

bool worthChecking(QStringView word)
{
    int letters = 0;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word.at(i);
        if (c.isDigit() || c == u'_')
            return false;
        if (!c.isLetter())
            continue;
        ++letters;
        // A capital after a letter: "НДР", "ТОВ", "McAfee", "UAH".
        if (c.isUpper() && i > 0 && word.at(i - 1).isLetter())
            return false;
    }
    return letters > 1;
}

bool isAddress(QStringView chunk)
{
    return chunk.contains(u'@') || chunk.contains(u"://") || chunk.startsWith(u"www.", Qt::CaseInsensitive);
}

// One spelling of a word: typographic apostrophes as the plain one, stress marks gone.
QString normalised(const QString &word)
{
    QString out;
    out.reserve(word.size());
    for (QChar c : word) {
        if (isApostrophe(c))
            out += u'\'';
        else if (!c.isMark())
            out += c;
    }
    return out;
}

bool hasCyrillic(const QString &word)
{
    for (QChar c : word) {
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    }
    return false;
}

} // namespace

QList<WordSpan> wordsToCheck(QStringView text)
{
    QList<WordSpan> out;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (text.at(i).isSpace()) {
            ++i;
            continue;
        }
        qsizetype chunkEnd = i;
        while (chunkEnd < n && !text.at(chunkEnd).isSpace())
            ++chunkEnd;
        const QStringView chunk = text.mid(i, chunkEnd - i);
        if (isAddress(chunk)) {
            i = chunkEnd;
            continue;
        }
        while (i < chunkEnd) {
            if (!isWordChar(text.at(i)) || isApostrophe(text.at(i))) {
                ++i;
                continue;
            }
            qsizetype end = i;
            while (end < chunkEnd) {
                if (isWordChar(text.at(end))) {
                    ++end;
                } else if (joinsWord(text.at(end)) && end + 1 < chunkEnd && text.at(end + 1).isLetterOrNumber()) {
                    ++end;
                } else {
                    break;
                }
            }
            qsizetype last = end;
            while (last > i && isApostrophe(text.at(last - 1)))
                --last;
            if (worthChecking(text.mid(i, last - i)))
                out.append({int(i), int(last - i)});
            i = end;
        }
    }
    return out;
}

namespace {
QPointer<Speller> g_service; // the application's, while it lives
} // namespace

Speller::Speller(QObject *application) : QObject(application), m_enabled(userSettings::spellChecking())
{
    setObjectName(u"Speller"_s);
    g_service = this;
}

Speller &Speller::service()
{
    if (!g_service)
        new Speller(QCoreApplication::instance());
    return *g_service;
}

Speller::~Speller() = default;

void Speller::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit changed();
}

QString Speller::dictionaryFolder()
{
    if (const QString &own = DataPlaces::current().dictionaryFolder; !own.isEmpty())
        return own;
    // The Windows programs carry their dictionaries beside them; on Linux they are
    // Debian's (hunspell-uk, hunspell-en-us).
    const QString beside = QCoreApplication::applicationDirPath() + u"/dictionaries"_s;
#ifdef Q_OS_WIN
    return beside;
#else
    return QFileInfo(beside).isDir() ? beside : u"/usr/share/hunspell"_s;
#endif
}

QString Speller::wordListFile()
{
    if (const QString &own = DataPlaces::current().wordListFile; !own.isEmpty())
        return own;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/words.txt"_s;
}

QString Speller::packageOf(TextLanguage language)
{
    return language == TextLanguage::Ukrainian ? u"hunspell-uk"_s : u"hunspell-en-us"_s;
}

void Speller::reload()
{
    for (Dictionary &d : m_dictionaries) {
        d.hunspell.reset();
        d.tried = false;
        d.checked.clear();
    }
    m_own.clear();
    m_ownLoaded = false;
    emit changed();
}

void Speller::forgetChecked()
{
    for (Dictionary &d : m_dictionaries)
        d.checked.clear();
}

Speller::Dictionary &Speller::dictionary(TextLanguage language)
{
    Dictionary &d = m_dictionaries[int(language)];
    if (d.tried)
        return d;
    d.tried = true;
    const QString base = dictionaryFolder() + (language == TextLanguage::Ukrainian ? u"/uk_UA"_s : u"/en_US"_s);
    const QString aff = base + u".aff"_s;
    const QString dic = base + u".dic"_s;
    if (!QFileInfo::exists(aff) || !QFileInfo::exists(dic))
        return d;
    auto hunspell = std::make_unique<Hunspell>(hunspellPath(aff).constData(), hunspellPath(dic).constData());
    // Debian's dictionaries are in UTF-8; one in another encoding is not used rather
    // than checked wrongly.
    if (QString::fromStdString(hunspell->get_dict_encoding()).compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0)
        d.hunspell = std::move(hunspell);
    return d;
}

bool Speller::available(TextLanguage language)
{
    return dictionary(language).hunspell != nullptr;
}

void Speller::loadWordList()
{
    if (m_ownLoaded)
        return;
    m_ownLoaded = true;
    QSet<QString> words;
    WordListFile(wordListFile()).read(&words);
    for (const QString &w : std::as_const(words)) {
        const QString word = normalised(w);
        if (!word.isEmpty())
            m_own.insert(word);
    }
}

bool Speller::spellRaw(Dictionary &dict, const QString &word)
{
    if (dict.hunspell->spell(word.toStdString()))
        return true;
    // A compound the dictionary has not as a whole: each part right is right.
    if (!word.contains(u'-'))
        return false;
    const QStringList parts = word.split(u'-', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (part.size() > 1 && !dict.hunspell->spell(part.toStdString()))
            return false;
    }
    return true;
}

bool Speller::isCorrect(const QString &wordIn, TextLanguage language)
{
    const QString word = normalised(wordIn);
    loadWordList();
    if (m_own.contains(word) || m_ignored.contains(word))
        return true;
    // "Зорват" added is right as "зорват" at the start of a sentence, and the other way.
    if (!word.isEmpty() && word.at(0).isUpper()) {
        QString lower = word;
        lower[0] = lower.at(0).toLower();
        if (m_own.contains(lower) || m_ignored.contains(lower))
            return true;
    }
    if (language == TextLanguage::Ukrainian && !hasCyrillic(word))
        language = TextLanguage::English;
    Dictionary &dict = dictionary(language);
    if (!dict.hunspell)
        return true;
    const auto it = dict.checked.constFind(word);
    if (it != dict.checked.constEnd())
        return it.value();
    const bool right = spellRaw(dict, word);
    dict.checked.insert(word, right);
    return right;
}

QStringList Speller::suggestions(const QString &wordIn, TextLanguage language, int max)
{
    const QString word = normalised(wordIn);
    if (language == TextLanguage::Ukrainian && !hasCyrillic(word))
        language = TextLanguage::English;
    Dictionary &dict = dictionary(language);
    QStringList out;
    if (!dict.hunspell)
        return out;
    for (const std::string &s : dict.hunspell->suggest(word.toStdString())) {
        const QString suggestion = QString::fromStdString(s);
        if (!out.contains(suggestion))
            out << suggestion;
        if (out.size() >= max)
            break;
    }
    return out;
}

bool Speller::addToWordList(const QString &wordIn, QString *error)
{
    const QString word = normalised(wordIn);
    if (word.isEmpty())
        return false;
    // Added to the list as it is on disk now, with the words another running program
    // added meanwhile.
    QSet<QString> words;
    const QString problem = WordListFile(wordListFile()).add(word, &words);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    m_own.clear();
    for (const QString &w : std::as_const(words))
        m_own.insert(normalised(w));
    m_ownLoaded = true;
    emit changed();
    return true;
}

void Speller::ignore(const QString &word)
{
    m_ignored.insert(normalised(word));
    emit changed();
}

} // namespace spelling
