#include "cards/rk/rk_editor.h"

#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_names.h"
#include "cards/rk/rk_pages.h"
#include "fields/card_document.h"
#include "widgets/field_factory.h"


using namespace Qt::Literals::StringLiterals;

namespace {

RkModel &rkModelOf(CardDocument &document)
{
    return static_cast<RkModel &>(document.model());
}

} // namespace

RkEditor::RkEditor(QWidget *parent)
    : CardEditor(cardKind(CardType::RK), Options{}, parent), m_model(rkModelOf(document())),
      m_rules(keepRules(std::make_unique<RkRules>(m_model)))
{
    setObjectName(u"RkEditor"_s);
    setUpCard(rkPageDesign(), m_rules);
}

void RkEditor::showState()
{
    binder().setItems(rkField::otherExpectedResult, m_rules.otherResultItems());
    const struct
    {
        QString field;
        bool visible;
    } others[] = {{rkField::otherFinancingDirection, m_model.otherDirectionVisible()},
                  {rkField::otherExpectedResult, m_model.otherResultVisible()}};
    for (const auto &other : others)
        showField(other.field, rkLabelName(other.field), other.visible);
}
