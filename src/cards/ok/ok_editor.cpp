#include "cards/ok/ok_editor.h"

namespace {
CardEditor::Options okOptions()
{
    CardEditor::Options o;
    o.continuationName = QStringLiteral("N10");
    return o;
}
} // namespace

TfrmOK::TfrmOK(QWidget *parent) : CardEditor(cardKind(CardType::OK), okOptions(), parent)
{
    setObjectName(QStringLiteral("TfrmOK"));
}
