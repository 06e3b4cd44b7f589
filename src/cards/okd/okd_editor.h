#pragma once

#include "app/card_editor.h"

class TpfrmOkd : public CardEditor
{
    Q_OBJECT
public:
    explicit TpfrmOkd(QWidget *parent = nullptr);
};
