#include "cards/ik/ik_editor.h"

#include "cards/ik/ik_names.h"
#include "cards/ik/ik_pages.h"
#include "fields/card_document.h"
#include "widgets/field_factory.h"

using namespace Qt::Literals::StringLiterals;

namespace {

CardEditor::Options ikOptions()
{
    CardEditor::Options o;
    o.continuationName = ikControl::continuationSheetsItem;
    o.openDisablesButtonsFirst = true;
    return o;
}

IkModel &ikModelOf(CardDocument &document)
{
    return static_cast<IkModel &>(document.model());
}

} // namespace

IkEditor::IkEditor(QWidget *parent)
    : CardEditor(cardKind(CardType::IK), ikOptions(), parent), m_model(ikModelOf(document())),
      m_rules(keepRules(std::make_unique<IkRules>(m_model)))
{
    setObjectName(u"IkEditor"_s);
    setUpCard(ikPageDesign(), m_rules);
}

void IkEditor::showState()
{
    binder().setItems(ikField::otherProductKind, m_rules.otherKindItems());
}
