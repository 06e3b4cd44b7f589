#pragma once

#include <QList>
#include <QString>

// The edit masks of the card fields, in the notation of the old masked edit:
// "mask;keep-literals;blank", e.g. "99.99.99;1;_", "9999U999999l;1;_", "999999;1; ".
// Mask characters: 0 required digit, 9 optional digit, # optional digit or sign,
// L/l required/optional letter, A/a required/optional letter or digit, C/c required/
// optional any character, > and < upper/lower case for what follows, <> no case
// change, ! the empty positions of each run of slots (between two literals) stand
// before its characters, as leading blanks (" 123" in "!9999"), \ takes the next
// character as a literal, _ a blank literal; anything else is a literal ("U" of the
// registration numbers). Letters include Cyrillic ones.
//
// A masked field's value (its text) holds the literals (when kept) and one blank in
// every empty position. A mask whose literals are not kept (";0;") gives the slots
// without literals and without the blanks at the end (at the start with "!").
//
// Editing works on the edit text: one character per position, literals included, a
// blank in every empty slot. The screen shows the blank character there instead
// (displayText). A cursor is an index into the edit text (0..size()).
class EditMask
{
public:
    enum class SlotClass { Digit, DigitOrSign, Letter, LetterOrDigit, Any };
    enum class Case { Keep, Upper, Lower };

    struct Position
    {
        bool literal = false;
        QChar ch;               // the literal
        SlotClass slot = SlotClass::Any;
        bool required = false;
        Case caseMode = Case::Keep;
    };

    // The outcome of one editing operation.
    struct Edit
    {
        QString text;          // the new edit text
        int cursor = 0;        // the new cursor
        bool accepted = true;  // false: the key was refused (text and cursor unchanged)
    };

    EditMask() = default;
    explicit EditMask(const QString &mask);

    const QString &source() const { return m_source; }
    bool isEmpty() const { return m_positions.isEmpty(); }
    const QList<Position> &positions() const { return m_positions; }
    bool keepsLiterals() const { return m_keepLiterals; }
    QChar blankChar() const { return m_blank; } // shown on screen in an empty position

    // ---- Values
    // The value of an untouched field: literals and blanks ("  .  .  ").
    QString emptyText() const;
    // A value fitted position by position: a character that a position does not take
    // becomes a blank, missing positions become blanks, literals stand.
    QString fit(const QString &value) const;
    // Whether `ch` may stand in slot position `index` (with case already applied).
    bool accepts(int index, QChar ch) const;
    QChar applyCase(int index, QChar ch) const;
    // True when every slot holds a blank (literals aside).
    bool isBlank(const QString &value) const;
    // True when every required slot (0, L, A, C) holds a character: the city mask
    // ">LLLl..." asks for three letters at least.
    bool requiredFilled(const QString &value) const;
    // Index in the value of each position (-1 for literals that are not kept).
    int valueIndex(int position) const;
    int valueLength() const;
    // The value a text gets when it is assigned as a whole, as the old masked edit's
    // Text did: each run between two literals is found by the literal that ends it and
    // padded or cut to the run's length (so "2.05.99" becomes "2 .05.99"), then fitted.
    QString padLiterals(const QString &text) const;
    // The value of `other` (a value under the mask `from`) under this mask: the
    // characters of its slots, in order, fill this mask's slots (a code of 8 digits
    // keeps its digits when the mask grows to 10 places).
    QString refit(const QString &value, const EditMask &from) const;

    // ---- Editing
    int size() const { return int(m_positions.size()); }
    int slotCount() const;
    bool isSlot(int position) const;
    // Edit text of a value (fitted) and value of an edit text.
    QString editText(const QString &value) const;
    QString valueOf(const QString &editText) const;
    // What the screen shows: the blank character in every empty slot.
    QString displayText(const QString &editText) const;
    // The first slot at or after `position`; size() when there is none.
    int nextSlot(int position) const;
    // The last slot before `position`; -1 when there is none.
    int previousSlot(int position) const;
    // Typing one character at the cursor: it overwrites the next slot (literals are
    // skipped) and the cursor moves past it; a literal typed where it stands, or the
    // next literal ahead of the cursor, moves the cursor past it (one just stepped
    // over changes nothing); a blank empties the slot. With "!" a run that still has
    // an empty position takes the character in at the cursor, the characters before
    // it moving one to the left ("   1", "  12", " 123"); a full run is overwritten.
    Edit type(const QString &editText, int cursor, QChar ch) const;
    // Typing with a selection: the selected slots are emptied first, then every
    // character is typed from the start of the selection. Pasting is the same; a
    // character that no position takes is skipped.
    Edit typeText(const QString &editText, int selStart, int selLength, const QString &typed) const;
    // Pasting: typing the text, where the blank character stands for a blank.
    Edit paste(const QString &editText, int selStart, int selLength, const QString &typed) const;
    // Backspace: empties the selection, or the slot before the cursor (the cursor goes there).
    // With "!" the characters removed make room at the start of their run instead.
    Edit backspace(const QString &editText, int selStart, int selLength) const;
    // Delete: empties the selection, or the slot at the cursor.
    Edit remove(const QString &editText, int selStart, int selLength) const;
    // Empties the slots in [from, from + length) (with "!": removes their characters,
    // the run's blanks standing first).
    QString cleared(const QString &editText, int from, int length) const;

private:
    // The edits before a "!" mask stands its runs' blanks first (settled).
    Edit typeUnsettled(const QString &editText, int cursor, QChar ch) const;
    Edit typeTextUnsettled(const QString &editText, int selStart, int selLength, const QString &typed) const;
    Edit backspaceUnsettled(const QString &editText, int selStart, int selLength) const;
    Edit removeUnsettled(const QString &editText, int selStart, int selLength) const;
    Edit settled(const QString &before, Edit edit) const;
    void parse(const QString &mask);
    QString slotChars(const QString &value) const;
    QString fromSlotChars(const QString &chars) const;
    // "!": the run of slots a cursor edits, [start, end); false when there is none.
    bool runAt(int cursor, int &start, int &end) const;
    int runEnd(int start) const;
    // "!": every run with its trailing blanks moved to its start.
    QString aligned(const QString &editText) const;
    // "!": the characters in [from, to) of the run [start, end) taken out, blanks
    // coming in at the run's start.
    static QString closedUp(const QString &editText, int start, int from, int to);
    Edit alignedType(const QString &editText, int cursor, QChar ch) const;
    Edit alignedRemoval(const QString &editText, int from, int to, int cursor) const;

    QString m_source;
    QList<Position> m_positions;
    bool m_keepLiterals = true;
    bool m_alignRight = false;
    QChar m_blank = QLatin1Char('_');
    QString m_emptyText;
};
