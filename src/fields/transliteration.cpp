#include "fields/transliteration.h"

using namespace Qt::Literals::StringLiterals;

namespace {

struct Letter
{
    char16_t cyrillic; // lower case
    const char *inside;
    const char *initial; // nullptr: as inside
};

// The table of the resolution, lower case.
constexpr Letter kTable[] = {
    {u'а', "a", nullptr},   {u'б', "b", nullptr},   {u'в', "v", nullptr},    {u'г', "h", nullptr},
    {u'ґ', "g", nullptr},   {u'д', "d", nullptr},   {u'е', "e", nullptr},    {u'є', "ie", "ye"},
    {u'ж', "zh", nullptr},  {u'з', "z", nullptr},   {u'и', "y", nullptr},    {u'і', "i", nullptr},
    {u'ї', "i", "yi"},      {u'й', "i", "y"},       {u'к', "k", nullptr},    {u'л', "l", nullptr},
    {u'м', "m", nullptr},   {u'н', "n", nullptr},   {u'о', "o", nullptr},    {u'п', "p", nullptr},
    {u'р', "r", nullptr},   {u'с', "s", nullptr},   {u'т', "t", nullptr},    {u'у', "u", nullptr},
    {u'ф', "f", nullptr},   {u'х', "kh", nullptr},  {u'ц', "ts", nullptr},   {u'ч', "ch", nullptr},
    {u'ш', "sh", nullptr},  {u'щ', "shch", nullptr}, {u'ь', "", nullptr},    {u'ю', "iu", "yu"},
    {u'я', "ia", "ya"},
};

const Letter *letterOf(QChar c)
{
    const char16_t lower = c.toLower().unicode();
    for (const Letter &l : kTable) {
        if (l.cyrillic == lower)
            return &l;
    }
    return nullptr;
}

// The apostrophe in its usual typed forms; inside a word it is dropped and does not
// start a new word (Знам'янка: "ia", not "ya").
bool isApostrophe(QChar c)
{
    return c == u'\'' || c == u'\u2019' || c == u'\u02BC' || c == u'`' || c == u'\u2018';
}

bool isWordChar(QChar c)
{
    return c.isLetter() || isApostrophe(c);
}

// A word in capitals: two letters or more, none of them lower case.
bool allCaps(QStringView word)
{
    int letters = 0;
    for (QChar c : word) {
        if (!c.isLetter())
            continue;
        if (c.isLower())
            return false;
        ++letters;
    }
    return letters > 1;
}

QString word(QStringView w)
{
    const bool caps = allCaps(w);
    QString out;
    bool first = true;
    QChar previous;
    for (QChar c : w) {
        const Letter *l = letterOf(c);
        if (!l) {
            if (!isApostrophe(c)) {
                out += c;
                first = false;
            }
            continue;
        }
        QString latin = QString::fromLatin1(first && l->initial ? l->initial : l->inside);
        if (l->cyrillic == u'г' && previous.toLower() == u'з')
            latin = u"gh"_s;
        if (caps)
            latin = latin.toUpper();
        else if (c.isUpper() && !latin.isEmpty())
            latin[0] = latin.at(0).toUpper();
        out += latin;
        first = false;
        previous = c;
    }
    return out;
}

} // namespace

QString foreignCyrillic(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c.script() == QChar::Script_Cyrillic && c.isLetter() && !letterOf(c) && !out.contains(c))
            out += c;
    }
    return out;
}

QString transliterate(const QString &ukrainian)
{
    QString out;
    qsizetype i = 0;
    while (i < ukrainian.size()) {
        if (!isWordChar(ukrainian.at(i))) {
            out += ukrainian.at(i++);
            continue;
        }
        const qsizetype start = i;
        while (i < ukrainian.size() && isWordChar(ukrainian.at(i)))
            ++i;
        out += word(QStringView(ukrainian).mid(start, i - start));
    }
    return out;
}
