#include "cards/ik/ik_editor.h"

#include "cards/ik/ik_pages.h"
#include "fields/card_document.h"
#include "fields/field_factory.h"

#include <QGroupBox>

using namespace Qt::Literals::StringLiterals;

namespace {

CardEditor::Options ikOptions()
{
    CardEditor::Options o;
    o.continuationName = u"N10"_s;
    o.openDisablesButtonsFirst = true;
    return o;
}

IkModel &ikModelOf(CardDocument &document)
{
    return static_cast<IkModel &>(document.model());
}

} // namespace

TfrmIK::TfrmIK(QWidget *parent)
    : CardEditor(cardKind(CardType::IK), ikOptions(), parent), m_model(ikModelOf(document())), m_rules(m_model)
{
    setObjectName(u"TfrmIK"_s);
    setUpCard(ikPageDesign(), m_rules);

    boldOwnerHeading();
}

void TfrmIK::showState()
{
    binder().setItems(u"cb9153a"_s, m_rules.otherKindItems());
}

void TfrmIK::boldOwnerHeading()
{
    QWidget *number = binder().widget(u"Edit1"_s);
    auto *frame = number ? qobject_cast<QGroupBox *>(number->parentWidget()) : nullptr;
    if (!frame)
        return;
    // The title only: the frame's fields and labels keep the plain weight.
    for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QFont plain = child->font();
        plain.setWeight(QFont::Normal);
        child->setFont(plain);
    }
    QFont bold = frame->font();
    bold.setBold(true);
    frame->setFont(bold);
}
