#pragma once

#include <QList>
#include <QString>

// The edit masks of the card fields, in the notation of the old masked edit:
// "mask;keep-literals;blank", e.g. "99.99.99;1;_", "9999U999999l;1;_", "999999;1; ".
// Mask characters: 0 required digit, 9 optional digit, # optional digit or sign,
// L/l required/optional letter, A/a required/optional letter or digit, C/c required/
// optional any character, > and < upper/lower case for what follows, <> no case
// change, \ takes the next character as a literal, _ a blank literal; anything else is
// a literal ("U" of the registration numbers). Letters include Cyrillic ones.
//
// A masked field's value (its text) holds the literals (when kept) and one blank in
// every empty position.
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

    EditMask() = default;
    explicit EditMask(const QString &mask);

    bool isEmpty() const { return m_positions.isEmpty(); }
    const QList<Position> &positions() const { return m_positions; }
    bool keepsLiterals() const { return m_keepLiterals; }
    QChar blankChar() const { return m_blank; } // shown on screen in an empty position

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
    // Index in the value of each position (-1 for literals that are not kept).
    int valueIndex(int position) const;
    int valueLength() const;

private:
    QList<Position> m_positions;
    bool m_keepLiterals = true;
    QChar m_blank = QLatin1Char('_');
};
