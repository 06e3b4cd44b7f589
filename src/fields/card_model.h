#pragma once

#include "fields/field_table.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>

class BilingualTexts;

// The truth of one card: every input field's text by component name, plus what a
// card keeps beside its fields (in the card's own subclass). Widgets mirror it.
class CardModel
{
public:
    explicit CardModel(const FieldTable &table);
    virtual ~CardModel() = default;

    // A copy with everything the card keeps. A card with state of its own overrides
    // this; the base copies only a plain CardModel and gives nullptr for a subclass
    // that does not, rather than a copy that lost its state.
    virtual std::unique_ptr<CardModel> clone() const;

    // The two-language texts behind the fields that show one language at a time.
    virtual QList<BilingualTexts *> languageTexts() { return {}; }

    const FieldTable &table() const { return m_table; }

    // Text of the field as the field holds it (masked fields with literals and blanks,
    // check boxes "1"/"0", radio groups and spin boxes as their number).
    QString text(const QString &name) const;
    void setText(const QString &name, const QString &text);
    bool has(const QString &name) const { return m_texts.contains(name); }

    // Sets a field as a card file gives it: a masked field's value is fitted to its mask.
    void setFitted(const QString &name, const QString &value);
    // Empty for the "only if not empty" rules: no text, or only blanks in a masked
    // field without literals.
    bool isEmptyValue(const QString &name) const;
    // A selection box takes its entry `index` (from 0); no text for an index outside the list.
    void selectEntry(const QString &name, int index);
    // The box takes its entry numbered `number` (from 1) as a card line gives it; no text
    // for a number outside the list. Throws CardNumberError for a text that is no number.
    void selectNumbered(const QString &name, const QString &number);

    // Puts every field to its value at creation.
    void setDefaults();

    // The edit mask a masked field has now: the one of its FieldInfo unless a rule
    // changed it (the code field of a person kind switches between 8 and 10 places).
    QString mask(const QString &name) const;
    // Gives the field another mask; its text keeps the characters of its slots, in order.
    void setMask(const QString &name, const QString &mask);

    // A label whose text and colour follow the card's state (the caption of a party
    // code). `blue` is the natural-person colour; otherwise the window text colour.
    struct LabelState
    {
        QString text;
        bool blue = false;
    };
    void setLabel(const QString &labelName, const QString &text, bool blue);
    std::optional<LabelState> label(const QString &labelName) const;

private:
    const FieldTable &m_table;
    QHash<QString, QString> m_texts;
    QHash<QString, QString> m_masks;
    QHash<QString, LabelState> m_labels;
};
