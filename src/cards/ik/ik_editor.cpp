#include "cards/ik/ik_editor.h"

namespace {
CardEditor::Options ikOptions()
{
    CardEditor::Options o;
    o.continuationName = QStringLiteral("N10");
    return o;
}
} // namespace

TfrmIK::TfrmIK(QWidget *parent) : CardEditor(cardKind(CardType::IK), ikOptions(), parent)
{
    setObjectName(QStringLiteral("TfrmIK"));
}
