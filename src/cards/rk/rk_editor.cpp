#include "cards/rk/rk_editor.h"

#include "cards/rk/rk_fields.h"
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
    binder().setItems(u"cb9153a"_s, m_rules.otherResultItems());
    const struct
    {
        QString field;
        bool visible;
    } others[] = {{u"ed7201a"_s, m_model.otherDirectionVisible()}, {u"cb9153a"_s, m_model.otherResultVisible()}};
    for (const auto &other : others)
        showField(other.field, rkLabelName(other.field), other.visible);
}
