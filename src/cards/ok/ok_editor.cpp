#include "cards/ok/ok_editor.h"

#include "cards/ok/ok_fields.h"
#include "cards/ok/ok_names.h"
#include "cards/ok/ok_pages.h"
#include "fields/card_document.h"
#include "widgets/exit_wiring.h"
#include "widgets/field_factory.h"
#include "fields/rule_context.h"

using namespace Qt::Literals::StringLiterals;

namespace {

CardEditor::Options okOptions()
{
    CardEditor::Options o;
    o.continuationName = okControl::continuationSheetsItem;
    return o;
}

OkModel &okModelOf(CardDocument &document)
{
    return static_cast<OkModel &>(document.model());
}

} // namespace

OkEditor::OkEditor(QWidget *parent)
    : CardEditor(cardKind(CardType::OK), okOptions(), parent), m_model(okModelOf(document())),
      m_rules(keepRules(std::make_unique<OkRules>(m_model)))
{
    setObjectName(u"OkEditor"_s);
    setUpCard(okPageDesign(), m_rules);
    m_rules.showStageNumber();
    binder().refresh(okField::stageAccountNumber);
    // A new position of the stage number selector shows its number, ready to type; a
    // position past the first empty one is refused.
    connect(&binder(), &FieldBinder::edited, this, [this](const QString &name) {
        if (name != okField::stageAccountSelector)
            return;
        wiring().runRule(binder().widget(name), [this](RuleContext &ctx) { m_rules.stageSelected(ctx); });
    });
}

void OkEditor::showState()
{
    showField(okField::otherFinancingDirection, okLabelName(okField::otherFinancingDirection),
              m_model.otherDirectionVisible());
}
