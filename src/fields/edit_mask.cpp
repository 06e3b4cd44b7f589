#include "fields/edit_mask.h"

#include <QStringList>

EditMask::EditMask(const QString &mask)
{
    // Sections: the mask body, whether literals are kept, the blank character. A
    // ';' escaped by '\' belongs to the body.
    QString body;
    qsizetype i = 0;
    for (; i < mask.size(); ++i) {
        const QChar c = mask.at(i);
        if (c == QLatin1Char('\\') && i + 1 < mask.size()) {
            body += c;
            body += mask.at(++i);
            continue;
        }
        if (c == QLatin1Char(';'))
            break;
        body += c;
    }
    const QStringList rest = mask.mid(i + 1).split(QLatin1Char(';'));
    if (i < mask.size()) {
        m_keepLiterals = rest.value(0) != QLatin1String("0");
        const QString blank = rest.value(1);
        if (!blank.isEmpty())
            m_blank = blank.at(0);
    }

    Case caseMode = Case::Keep;
    for (qsizetype k = 0; k < body.size(); ++k) {
        const QChar c = body.at(k);
        Position p;
        switch (c.unicode()) {
        case '>':
            if (k + 1 < body.size() && body.at(k + 1) == QLatin1Char('<')) {
                caseMode = Case::Keep;
                ++k;
            } else {
                caseMode = Case::Upper;
            }
            continue;
        case '<':
            caseMode = Case::Lower;
            continue;
        case '!':
            continue; // leading blanks instead of trailing ones: no effect on values here
        case '\\':
            p.literal = true;
            p.ch = k + 1 < body.size() ? body.at(++k) : c;
            break;
        case '_':
            p.literal = true;
            p.ch = QLatin1Char(' ');
            break;
        case '0':
        case '9':
            p.slot = SlotClass::Digit;
            p.required = c == QLatin1Char('0');
            break;
        case '#':
            p.slot = SlotClass::DigitOrSign;
            break;
        case 'L':
        case 'l':
            p.slot = SlotClass::Letter;
            p.required = c == QLatin1Char('L');
            break;
        case 'A':
        case 'a':
            p.slot = SlotClass::LetterOrDigit;
            p.required = c == QLatin1Char('A');
            break;
        case 'C':
        case 'c':
            p.slot = SlotClass::Any;
            p.required = c == QLatin1Char('C');
            break;
        default:
            p.literal = true;
            p.ch = c;
            break;
        }
        if (!p.literal)
            p.caseMode = caseMode;
        m_positions.append(p);
    }
}

QString EditMask::emptyText() const
{
    return fit(QString());
}

bool EditMask::accepts(int index, QChar ch) const
{
    if (index < 0 || index >= m_positions.size())
        return false;
    const Position &p = m_positions.at(index);
    if (p.literal)
        return ch == p.ch;
    switch (p.slot) {
    case SlotClass::Digit:
        return ch.isDigit() && ch.unicode() < 0x80;
    case SlotClass::DigitOrSign:
        return (ch.isDigit() && ch.unicode() < 0x80) || ch == QLatin1Char('+') || ch == QLatin1Char('-');
    case SlotClass::Letter:
        return ch.isLetter();
    case SlotClass::LetterOrDigit:
        return ch.isLetterOrNumber();
    case SlotClass::Any:
        return !ch.isNull() && ch.unicode() >= 0x20;
    }
    return false;
}

QChar EditMask::applyCase(int index, QChar ch) const
{
    if (index < 0 || index >= m_positions.size())
        return ch;
    switch (m_positions.at(index).caseMode) {
    case Case::Upper:
        return ch.toUpper();
    case Case::Lower:
        return ch.toLower();
    case Case::Keep:
        break;
    }
    return ch;
}

QString EditMask::fit(const QString &value) const
{
    if (m_positions.isEmpty())
        return value;
    QString out;
    qsizetype v = 0;
    for (int i = 0; i < m_positions.size(); ++i) {
        const Position &p = m_positions.at(i);
        if (p.literal) {
            if (m_keepLiterals) {
                out += p.ch;
                ++v;
            }
            continue;
        }
        const QChar c = v < value.size() ? applyCase(i, value.at(v)) : QLatin1Char(' ');
        ++v;
        out += (c != QLatin1Char(' ') && accepts(i, c)) ? c : QLatin1Char(' ');
    }
    return out;
}

bool EditMask::isBlank(const QString &value) const
{
    for (int i = 0; i < m_positions.size(); ++i) {
        if (m_positions.at(i).literal)
            continue;
        const int v = valueIndex(i);
        if (v >= 0 && v < value.size() && value.at(v) != QLatin1Char(' '))
            return false;
    }
    return true;
}

int EditMask::valueIndex(int position) const
{
    if (m_keepLiterals)
        return position;
    int v = 0;
    for (int i = 0; i < position && i < m_positions.size(); ++i) {
        if (!m_positions.at(i).literal)
            ++v;
    }
    return m_positions.value(position).literal ? -1 : v;
}

int EditMask::valueLength() const
{
    if (m_keepLiterals)
        return int(m_positions.size());
    int v = 0;
    for (const Position &p : m_positions)
        v += p.literal ? 0 : 1;
    return v;
}
