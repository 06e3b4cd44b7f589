#pragma once

#include "app/card_editor.h"

class TfrmOK : public CardEditor
{
    Q_OBJECT
public:
    explicit TfrmOK(QWidget *parent = nullptr);
};
