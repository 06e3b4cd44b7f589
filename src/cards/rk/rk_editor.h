#pragma once

#include "app/card_editor.h"
#include "cards/rk/rk_rules.h"

class RkModel;

// RkEditor: the RK editor. Its six tab pages are built from the RK field table and
// page design and bound to the card's model; the entry rules of RkRules run when a
// field is left or entered and when a list button is pressed.
class RkEditor : public CardEditor
{
    Q_OBJECT
public:
    explicit RkEditor(QWidget *parent = nullptr);

    RkModel &model() { return m_model; }

protected:
    // cb9153a's entries and the visibility of the "other" fields.
    void showState() override;

private:
    RkModel &m_model;
    RkRules &m_rules;
};
