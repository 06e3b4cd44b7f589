#pragma once

#include "app/card_editor.h"

class TfrmRK1 : public CardEditor
{
    Q_OBJECT
public:
    explicit TfrmRK1(QWidget *parent = nullptr);
};
