#include "fields/party_codes.h"

#include "fields/card_model.h"

PartyCodes::PartyCodes(const QList<PartyShape> &shapes) : m_shapes(shapes)
{
    m_letters.resize(shapes.size());
}

fieldRules::PersonKindSettings PartyCodes::settings(const PartyShape &shape, PartyLabels labels)
{
    fieldRules::PersonKindSettings info;
    info.selector = shape.selector;
    info.codeField = shape.codeField;
    info.label = shape.label;
    info.legalText = shape.texts[int(labels)][0];
    info.naturalText = shape.texts[int(labels)][1];
    info.numberField = shape.numberField;
    return info;
}

void PartyCodes::reset(CardModel &model, const QString &letter)
{
    for (qsizetype i = 0; i < m_shapes.size(); ++i) {
        const PartyShape &s = m_shapes.at(i);
        model.setMask(s.codeField, fieldRules::legalCodeMask());
        const FieldInfo *info = model.table().find(s.codeField);
        model.setLabel(s.label, info ? info->label : QString(), false);
        m_letters[i] = letter;
    }
}

PartyCode PartyCodes::code(const CardModel &model, int party) const
{
    const PartyShape &s = shape(party);
    const auto state = model.label(s.label).value_or(CardModel::LabelState{});
    return {model.mask(s.codeField), state.text, state.blue, m_letters.at(party)};
}

QString PartyCodes::apply(CardModel &model, int party, bool natural, PartyLabels labels) const
{
    return fieldRules::applyPersonKind(model, settings(party, labels), natural);
}

void PartyCodes::setKind(CardModel &model, int party, bool natural, PartyLabels labels)
{
    m_letters[party] = apply(model, party, natural, labels);
}
