#include "fields/card_model.h"

CardModel::CardModel(const FieldTable &table) : m_table(table)
{
    setDefaults();
}

QString CardModel::text(const QString &name) const
{
    Q_ASSERT_X(m_texts.contains(name), "CardModel::text", qPrintable(name));
    return m_texts.value(name);
}

void CardModel::setText(const QString &name, const QString &text)
{
    Q_ASSERT_X(m_texts.contains(name), "CardModel::setText", qPrintable(name));
    m_texts[name] = text;
}

void CardModel::setDefaults()
{
    for (const FieldSpec &f : m_table.fields())
        m_texts[f.name] = f.defaultValue;
}
