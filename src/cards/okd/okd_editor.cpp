#include "cards/okd/okd_editor.h"

namespace {
CardEditor::Options okdOptions()
{
    CardEditor::Options o;
    o.saveText = QStringLiteral("Записати як ...");
    o.printText = QStringLiteral("Друк...");
    o.continuationName = QStringLiteral("N4");
    o.continuationText = QStringLiteral("Друк листів продовження");
    o.hintShowAfter = 500;
    o.hintHideAfter = 5500;
    return o;
}
} // namespace

TpfrmOkd::TpfrmOkd(QWidget *parent) : CardEditor(cardKind(CardType::OKD), okdOptions(), parent)
{
    setObjectName(QStringLiteral("TpfrmOkd"));
}
