#pragma once

#include "fields/card_kind.h"

#include <QList>
#include <QString>
#include <QStringList>

class CardModel;

enum class TextLanguage { Ukrainian, English };

// A text kept in two languages and shown by one field, in the language its radio
// group selects (several fields may share one group).
struct BilingualSlot
{
    QString code;          // "2151"
    QString field;         // "mm2151"
    QString languageField; // "Indjz"
    bool personName = false; // a person's name: its English text follows the Ukrainian one
};

// The two-language texts of a card: a Ukrainian and an English slot per text. The
// field on the screen shows the slot its group points at.
class BilingualTexts
{
public:
    explicit BilingualTexts(QList<BilingualSlot> shapes);

    int size() const { return int(m_slots.size()); }
    const BilingualSlot &slot(int which) const { return m_slots.at(which); }

    QString text(int which, TextLanguage language) const;
    void setText(int which, TextLanguage language, const QString &text);
    // The same by a card's own enumeration of its texts.
    template <class Which>
    QString text(Which which, TextLanguage language) const
    {
        return text(int(which), language);
    }
    template <class Which>
    void setText(Which which, TextLanguage language, const QString &value)
    {
        setText(int(which), language, value);
    }
    void clear();

    // The language the text's group selects now.
    TextLanguage selected(const CardModel &model, int which) const;
    // The field shows the text of the language selected.
    void showSelected(CardModel &model, int which) const;
    // The text the field shows becomes the text of the language selected.
    void keepShown(const CardModel &model, int which);
    // The group on its first entry (Ukrainian) and the field showing that text.
    void showUkrainian(CardModel &model, int which) const;

    // A card line code\sub\text: sub-code 1 sets the Ukrainian text, 2 or 3 the
    // English one; another number is ignored. Throws CardNumberError for a sub-code
    // that is not a number.
    void readLine(int which, const QString &line);
    // The two card lines: code\1\Ukrainian, code\3\English.
    QStringList lines(int which) const;
    // Every text under its field code, for batch work.
    QList<BilingualText> byCode() const;

private:
    QList<BilingualSlot> m_slots;
    QList<QString> m_texts; // two per slot: Ukrainian, English
};
