#pragma once

#include "fields/field_table.h"

#include <QHash>
#include <QString>

// The truth of one card: every input field's text by component name, plus what a
// card keeps beside its fields (in the card's own subclass). Widgets mirror it.
class CardModel
{
public:
    explicit CardModel(const FieldTable &table);
    virtual ~CardModel() = default;

    const FieldTable &table() const { return m_table; }

    // Text of the field as the field holds it (masked fields with literals and blanks,
    // check boxes "1"/"0", radio groups and spin boxes as their number).
    QString text(const QString &name) const;
    void setText(const QString &name, const QString &text);
    bool has(const QString &name) const { return m_texts.contains(name); }

    // Puts every field to its value at creation.
    void setDefaults();

private:
    const FieldTable &m_table;
    QHash<QString, QString> m_texts;
};
