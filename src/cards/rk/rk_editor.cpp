#include "cards/rk/rk_editor.h"

TfrmRK1::TfrmRK1(QWidget *parent) : CardEditor(cardKind(CardType::RK), Options{}, parent)
{
    setObjectName(QStringLiteral("TfrmRK1"));
}
