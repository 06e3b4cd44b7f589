#include "cards/card_editors.h"

#include "cards/ik/ik_editor.h"
#include "cards/ok/ok_editor.h"
#include "cards/okd/okd_editor.h"
#include "cards/rk/rk_editor.h"

CardEditor *createCardEditor(CardType type, QWidget *parent)
{
    switch (type) {
    case CardType::RK:
        return new RkEditor(parent);
    case CardType::OK:
        return new OkEditor(parent);
    case CardType::IK:
        return new IkEditor(parent);
    case CardType::OKD:
        break;
    }
    return new OkdEditor(parent);
}
