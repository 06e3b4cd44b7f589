#include "fields/edit_mask.h"

#include <QHash>
#include <QStringList>

namespace {

const QChar kBlank = QLatin1Char(' ');

bool isAsciiDigit(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

} // namespace

EditMask::EditMask(const QString &mask)
{
    // A card has a few dozen masked fields sharing a handful of masks, and clearing or
    // reading a card fits every one: each mask is parsed once. The few masks of the
    // program fit in the cache; it starts over rather than grow without bound.
    static QHash<QString, EditMask> parsed;
    if (const auto it = parsed.constFind(mask); it != parsed.constEnd()) {
        *this = *it;
        return;
    }
    parse(mask);
    m_emptyText = fit(QString());
    if (parsed.size() >= 256)
        parsed.clear();
    parsed.insert(mask, *this);
}

void EditMask::parse(const QString &mask)
{
    m_source = mask;
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
            caseMode = Case::Upper;
            continue;
        case '<':
            if (k + 1 < body.size() && body.at(k + 1) == QLatin1Char('>')) {
                caseMode = Case::Keep; // "<>": no case conversion
                ++k;
            } else {
                caseMode = Case::Lower;
            }
            continue;
        case '!':
            m_alignRight = true;
            continue;
        case '\\':
            p.literal = true;
            p.ch = k + 1 < body.size() ? body.at(++k) : c;
            break;
        case '_':
            p.literal = true;
            p.ch = kBlank;
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

// ---- Values

QString EditMask::emptyText() const
{
    return m_emptyText;
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
        return isAsciiDigit(ch);
    case SlotClass::DigitOrSign:
        return isAsciiDigit(ch) || ch == QLatin1Char('+') || ch == QLatin1Char('-');
    case SlotClass::Letter:
        return ch.isLetter();
    case SlotClass::LetterOrDigit:
        return ch.isLetter() || isAsciiDigit(ch);
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
    return valueOf(editText(value));
}

bool EditMask::isBlank(const QString &value) const
{
    for (int i = 0; i < m_positions.size(); ++i) {
        if (m_positions.at(i).literal)
            continue;
        const int v = valueIndex(i);
        if (v >= 0 && v < value.size() && value.at(v) != kBlank)
            return false;
    }
    return true;
}

bool EditMask::requiredFilled(const QString &value) const
{
    const QString t = editText(value);
    for (int i = 0; i < m_positions.size(); ++i) {
        const Position &p = m_positions.at(i);
        if (!p.literal && p.required && (i >= t.size() || t.at(i) == kBlank))
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
    return m_keepLiterals ? int(m_positions.size()) : slotCount();
}

int EditMask::slotCount() const
{
    int n = 0;
    for (const Position &p : m_positions)
        n += p.literal ? 0 : 1;
    return n;
}

QString EditMask::padLiterals(const QString &text) const
{
    if (m_positions.isEmpty())
        return text;
    if (!m_keepLiterals)
        return fit(text);

    // Pads or cuts the run [start, end) of `r` to `length` characters.
    const auto padRun = [this](QString &r, int start, int end, int length) {
        const int have = end - start;
        if (have < length)
            r.insert(m_alignRight ? start : end, QString(length - have, kBlank));
        else if (have > length)
            r.remove(m_alignRight ? start : start + length, have - length);
    };

    QString r = text;
    int runStart = 0;
    for (int i = 0; i < m_positions.size(); ++i) {
        const Position &p = m_positions.at(i);
        if (!p.literal)
            continue;
        qsizetype end = r.indexOf(p.ch, runStart);
        if (end < 0) {
            r += p.ch;
            end = r.size() - 1;
        }
        padRun(r, runStart, int(end), i - runStart);
        runStart = i + 1;
    }
    if (r.size() != m_positions.size())
        padRun(r, runStart, int(r.size()), int(m_positions.size()) - runStart);
    return fit(r);
}

QString EditMask::refit(const QString &value, const EditMask &from) const
{
    if (m_positions.isEmpty())
        return from.fit(value);
    const QString chars = from.isEmpty() ? value : from.slotChars(from.editText(value));
    return valueOf(fromSlotChars(chars));
}

// ---- Editing

bool EditMask::isSlot(int position) const
{
    return position >= 0 && position < m_positions.size() && !m_positions.at(position).literal;
}

QString EditMask::slotChars(const QString &editText) const
{
    QString out;
    for (int i = 0; i < m_positions.size(); ++i) {
        if (!m_positions.at(i).literal)
            out += i < editText.size() ? editText.at(i) : kBlank;
    }
    return out;
}

QString EditMask::fromSlotChars(const QString &chars) const
{
    QString source = chars;
    const int count = slotCount();
    if (m_alignRight && source.size() < count)
        source.prepend(QString(count - source.size(), kBlank));
    QString out;
    qsizetype v = 0;
    for (int i = 0; i < m_positions.size(); ++i) {
        const Position &p = m_positions.at(i);
        if (p.literal) {
            out += p.ch;
            continue;
        }
        const QChar c = v < source.size() ? applyCase(i, source.at(v)) : kBlank;
        ++v;
        out += (c != kBlank && accepts(i, c)) ? c : kBlank;
    }
    return m_alignRight ? aligned(out) : out;
}

QString EditMask::editText(const QString &value) const
{
    if (m_positions.isEmpty())
        return value;
    if (!m_keepLiterals)
        return fromSlotChars(value);
    QString out;
    for (int i = 0; i < m_positions.size(); ++i) {
        const Position &p = m_positions.at(i);
        if (p.literal) {
            out += p.ch;
            continue;
        }
        const QChar c = i < value.size() ? applyCase(i, value.at(i)) : kBlank;
        out += (c != kBlank && accepts(i, c)) ? c : kBlank;
    }
    return m_alignRight ? aligned(out) : out;
}

QString EditMask::valueOf(const QString &editText) const
{
    if (m_positions.isEmpty() || m_keepLiterals)
        return editText;
    QString out = slotChars(editText);
    if (m_alignRight) {
        qsizetype k = 0;
        while (k < out.size() && out.at(k) == kBlank)
            ++k;
        out.remove(0, k);
    } else {
        qsizetype n = out.size();
        while (n > 0 && out.at(n - 1) == kBlank)
            --n;
        out.truncate(n);
    }
    return out;
}

QString EditMask::displayText(const QString &editText) const
{
    if (m_positions.isEmpty())
        return editText;
    QString out = editText;
    for (int i = 0; i < out.size() && i < m_positions.size(); ++i) {
        if (!m_positions.at(i).literal && out.at(i) == kBlank)
            out[i] = m_blank;
    }
    return out;
}

int EditMask::nextSlot(int position) const
{
    for (int k = qMax(position, 0); k < m_positions.size(); ++k) {
        if (!m_positions.at(k).literal)
            return k;
    }
    return size();
}

int EditMask::previousSlot(int position) const
{
    for (int k = qMin(position, size()) - 1; k >= 0; --k) {
        if (!m_positions.at(k).literal)
            return k;
    }
    return -1;
}

EditMask::Edit EditMask::typeUnsettled(const QString &editText, int cursor, QChar ch) const
{
    Edit refused{editText, cursor, false};
    const int pos = qBound(0, cursor, size());
    // At the end of a run aligned to the right the key still goes into it.
    if (m_alignRight && ch != kBlank && pos == size() && pos > 0 && isSlot(pos - 1))
        return alignedType(editText, pos, ch);
    if (pos >= size())
        return refused;
    // A literal typed where it stands: the cursor steps over it. Typed just after the
    // cursor stepped over it by itself ("31" then "."), it changes nothing.
    if (!isSlot(pos) && m_positions.at(pos).ch == ch)
        return {editText, nextSlot(pos + 1), true};
    if (pos > 0 && !isSlot(pos - 1) && m_positions.at(pos - 1).ch == ch)
        return {editText, pos, true};
    if (m_alignRight && ch != kBlank)
        return alignedType(editText, pos, ch);
    const int slot = nextSlot(pos);
    if (slot >= size())
        return refused;
    QString t = editText;
    if (t.size() < size())
        t += QString(size() - t.size(), kBlank);
    if (ch == kBlank) {
        t[slot] = kBlank;
        return {m_alignRight ? aligned(t) : t, nextSlot(slot + 1), true};
    }
    const QChar c = applyCase(slot, ch);
    if (accepts(slot, c)) {
        t[slot] = c;
        return {t, nextSlot(slot + 1), true};
    }
    // The next literal ahead of the cursor typed: the cursor jumps past it, the slots
    // between stay as they are.
    for (int k = pos; k < size(); ++k) {
        if (!isSlot(k))
            return m_positions.at(k).ch == ch ? Edit{editText, nextSlot(k + 1), true} : refused;
    }
    return refused;
}

EditMask::Edit EditMask::typeTextUnsettled(const QString &editText, int selStart, int selLength, const QString &typed) const
{
    Edit out{editText, qBound(0, selStart, size()), false};
    if (selLength > 0) {
        out.text = cleared(editText, selStart, selLength);
        // With "!" the characters after the selection stay where they are and the
        // typing goes in before them.
        if (m_alignRight)
            out.cursor = qBound(0, selStart + selLength, size());
        out.accepted = out.text != editText || !typed.isEmpty();
    }
    for (const QChar ch : typed) {
        if (out.cursor >= size() && !m_alignRight)
            break;
        if (ch.unicode() < 0x20)
            continue; // line breaks and tabs of a pasted text
        const Edit e = typeUnsettled(out.text, out.cursor, ch);
        if (e.accepted) {
            out.text = e.text;
            out.cursor = e.cursor;
            out.accepted = true;
        }
    }
    return out;
}

EditMask::Edit EditMask::settled(const QString &before, Edit edit) const
{
    if (!m_alignRight)
        return edit;
    edit.text = aligned(edit.text);
    // Characters moved along a run take the letter case of their new place; where a run
    // of mixed classes would take a character somewhere its class is not taken, the
    // edit is refused whole rather than turning the character into a blank.
    for (int i = 0; i < size() && i < edit.text.size(); ++i) {
        if (!isSlot(i) || edit.text.at(i) == kBlank)
            continue;
        edit.text[i] = applyCase(i, edit.text.at(i));
        if (!accepts(i, edit.text.at(i)))
            return {before, qBound(0, edit.cursor, size()), false};
    }
    return edit;
}

EditMask::Edit EditMask::type(const QString &editText, int cursor, QChar ch) const
{
    return settled(editText, typeUnsettled(editText, cursor, ch));
}

EditMask::Edit EditMask::typeText(const QString &editText, int selStart, int selLength, const QString &typed) const
{
    return settled(editText, typeTextUnsettled(editText, selStart, selLength, typed));
}

EditMask::Edit EditMask::backspace(const QString &editText, int selStart, int selLength) const
{
    return settled(editText, backspaceUnsettled(editText, selStart, selLength));
}

EditMask::Edit EditMask::remove(const QString &editText, int selStart, int selLength) const
{
    return settled(editText, removeUnsettled(editText, selStart, selLength));
}

EditMask::Edit EditMask::paste(const QString &editText, int selStart, int selLength, const QString &typed) const
{
    QString chars = typed;
    if (m_blank != kBlank)
        chars.replace(m_blank, kBlank); // a copied screen text shows blanks as the blank character
    return typeText(editText, selStart, selLength, chars);
}

EditMask::Edit EditMask::backspaceUnsettled(const QString &editText, int selStart, int selLength) const
{
    if (m_alignRight && selLength > 0)
        return alignedRemoval(editText, selStart, selStart + selLength, selStart + selLength);
    if (selLength > 0)
        return {cleared(editText, selStart, selLength), qBound(0, selStart, size()), true};
    const int p = previousSlot(selStart);
    if (p < 0)
        return {editText, selStart, false};
    // The characters before the one removed move up to the cursor.
    if (m_alignRight)
        return alignedRemoval(editText, p, p + 1, selStart);
    QString t = editText;
    t[p] = kBlank;
    return {t, p, true};
}

EditMask::Edit EditMask::removeUnsettled(const QString &editText, int selStart, int selLength) const
{
    if (m_alignRight && selLength > 0)
        return alignedRemoval(editText, selStart, selStart + selLength, selStart + selLength);
    if (selLength > 0)
        return {cleared(editText, selStart, selLength), qBound(0, selStart, size()), true};
    const int p = nextSlot(selStart);
    if (p >= size() || p >= editText.size())
        return {editText, selStart, false};
    if (m_alignRight) {
        // The characters before the one removed move right, and the cursor with them.
        Edit e = alignedRemoval(editText, p, p + 1, selStart);
        int start = p;
        while (start > 0 && isSlot(start - 1))
            --start;
        if (e.text != editText && selStart >= start)
            e.cursor = qMin(selStart + 1, p + 1);
        return e;
    }
    QString t = editText;
    t[p] = kBlank;
    return {t, p, true};
}

QString EditMask::cleared(const QString &editText, int from, int length) const
{
    if (m_alignRight)
        return settled(editText, alignedRemoval(editText, from, from + length, from)).text;
    QString t = editText;
    const int end = qMin<int>(from + length, int(t.size()));
    for (int i = qMax(from, 0); i < end; ++i) {
        if (isSlot(i))
            t[i] = kBlank;
    }
    return t;
}

// ---- Runs aligned to the right ("!")

int EditMask::runEnd(int start) const
{
    int end = start;
    while (end < size() && isSlot(end))
        ++end;
    return end;
}

bool EditMask::runAt(int cursor, int &start, int &end) const
{
    // Right after a slot the cursor edits that slot's run: at its end it adds to it.
    int p = cursor;
    if (cursor > 0 && isSlot(cursor - 1))
        p = cursor - 1;
    else if (!isSlot(cursor))
        p = nextSlot(cursor);
    if (p < 0 || p >= size())
        return false;
    start = p;
    while (start > 0 && isSlot(start - 1))
        --start;
    end = runEnd(start);
    return true;
}

QString EditMask::aligned(const QString &editText) const
{
    QString t = editText;
    if (t.size() < size())
        t += QString(size() - t.size(), kBlank);
    for (int start = nextSlot(0); start < size(); start = nextSlot(runEnd(start))) {
        const int end = runEnd(start);
        int last = end;
        while (last > start && t.at(last - 1) == kBlank)
            --last;
        if (last == end)
            continue;
        // A run whose characters would land where their class is not taken (a run
        // of mixed classes) stays as it is: nothing typed is turned into a blank.
        QString moved = closedUp(t, start, last, end);
        bool taken = true;
        for (int i = start; i < end && taken; ++i) {
            // A character takes the letter case of the place it moves to (">", "<").
            if (moved.at(i) != kBlank)
                moved[i] = applyCase(i, moved.at(i));
            taken = moved.at(i) == kBlank || accepts(i, moved.at(i));
        }
        if (taken)
            t = moved;
    }
    return t;
}

QString EditMask::closedUp(const QString &editText, int start, int from, int to)
{
    QString t = editText;
    t.replace(start, to - start, QString(to - from, kBlank) + editText.mid(start, from - start));
    return t;
}

EditMask::Edit EditMask::alignedRemoval(const QString &editText, int from, int to, int cursor) const
{
    QString t = editText;
    if (t.size() < size())
        t += QString(size() - t.size(), kBlank);
    const int last = qMin(to, size());
    for (int start = nextSlot(0); start < size(); start = nextSlot(runEnd(start))) {
        const int end = runEnd(start);
        const int a = qMax(from, start);
        const int b = qMin(last, end);
        if (a < b)
            t = closedUp(t, start, a, b);
    }
    return {t, qBound(0, cursor, size()), true};
}

EditMask::Edit EditMask::alignedType(const QString &editText, int cursor, QChar ch) const
{
    const Edit refused{editText, cursor, false};
    int start = 0;
    int end = 0;
    if (!runAt(cursor, start, end))
        return refused;
    QString t = editText;
    if (t.size() < size())
        t += QString(size() - t.size(), kBlank);
    int lead = start;
    while (lead < end && t.at(lead) == kBlank)
        ++lead;
    // The cursor among the run's characters: before its leading blanks counts as before them.
    const int at = qBound(lead, cursor, end);
    if (lead == start) {
        // A full run: the character at the cursor is overwritten; at the run's end the
        // key goes to the next run.
        if (at == end) {
            const int next = nextSlot(end);
            return next < size() ? alignedType(editText, next, ch) : refused;
        }
        const QChar c = applyCase(at, ch);
        if (!accepts(at, c))
            return refused;
        t[at] = c;
        return {t, at + 1 < end ? at + 1 : qMin(nextSlot(end), size()), true};
    }
    // Room left: the characters before the cursor move one to the left.
    QString run = t.mid(lead, at - lead) + ch + t.mid(at, end - at);
    run.prepend(QString(lead - 1 - start, kBlank));
    for (int i = 0; i < run.size(); ++i) {
        const QChar c = applyCase(start + i, run.at(i));
        if (c != kBlank && !accepts(start + i, c)) {
            // Not a character this run takes: the next literal ahead typed moves past it.
            for (int k = end; k < size(); ++k) {
                if (!isSlot(k))
                    return m_positions.at(k).ch == ch ? Edit{editText, nextSlot(k + 1), true} : refused;
            }
            return refused;
        }
        run[i] = c;
    }
    t.replace(start, end - start, run);
    return {t, at, true};
}
