#include "fields/card_model.h"

#include "cardfile/card_reader.h"
#include "fields/edit_mask.h"
#include "fields/field_rules.h"

#include <typeinfo>

CardModel::CardModel(const FieldTable &table) : m_table(table)
{
    setDefaults();
}

QString CardModel::text(const QString &name) const
{
    const auto it = m_texts.constFind(name);
    Q_ASSERT_X(it != m_texts.constEnd(), "CardModel::text", qPrintable(name));
    return it == m_texts.constEnd() ? QString() : *it;
}

void CardModel::setText(const QString &name, const QString &text)
{
    const auto it = m_texts.find(name);
    Q_ASSERT_X(it != m_texts.end(), "CardModel::setText", qPrintable(name));
    if (it != m_texts.end())
        *it = text;
}

std::unique_ptr<CardModel> CardModel::clone() const
{
    if (typeid(*this) != typeid(CardModel))
        return nullptr;
    return std::make_unique<CardModel>(*this);
}

void CardModel::setFitted(const QString &name, const QString &value)
{
    fieldRules::assign(*this, name, value);
}

bool CardModel::isEmptyValue(const QString &name) const
{
    return fieldRules::countsAsEmpty(*this, name);
}

void CardModel::selectEntry(const QString &name, int index)
{
    const FieldInfo *info = m_table.find(name);
    setText(name, info ? info->items.value(index) : QString());
}

void CardModel::selectNumbered(const QString &name, const QString &number)
{
    const int n = cardNumber(number);
    selectEntry(name, n >= 1 ? n - 1 : -1);
}

void CardModel::setDefaults()
{
    for (const FieldInfo &f : m_table.fields())
        m_texts[f.name] = f.defaultValue;
}

QString CardModel::mask(const QString &name) const
{
    const auto it = m_masks.constFind(name);
    if (it != m_masks.constEnd())
        return *it;
    const FieldInfo *info = m_table.find(name);
    return info ? info->mask : QString();
}

void CardModel::setMask(const QString &name, const QString &mask)
{
    Q_ASSERT_X(m_texts.contains(name), "CardModel::setMask", qPrintable(name));
    const QString old = this->mask(name);
    if (old == mask)
        return;
    m_texts[name] = EditMask(mask).refit(m_texts.value(name), EditMask(old));
    m_masks[name] = mask;
}

void CardModel::setLabel(const QString &labelName, const QString &text, bool blue)
{
    m_labels[labelName] = LabelState{text, blue};
}

std::optional<CardModel::LabelState> CardModel::label(const QString &labelName) const
{
    const auto it = m_labels.constFind(labelName);
    if (it == m_labels.constEnd())
        return std::nullopt;
    return *it;
}
