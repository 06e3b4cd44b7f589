#pragma once

#include "app/card_editor.h"

class TfrmIK : public CardEditor
{
    Q_OBJECT
public:
    explicit TfrmIK(QWidget *parent = nullptr);
};
