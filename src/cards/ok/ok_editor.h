#pragma once

#include "app/card_editor.h"
#include "cards/ok/ok_rules.h"

class OkModel;

// OkEditor: the OK editor. Its seven tab pages are built from the OK field table and
// page design and bound to the card's model; the entry rules of OkRules run when a
// field is left or entered and when a list button is pressed.
class OkEditor : public CardEditor
{
    Q_OBJECT
public:
    explicit OkEditor(QWidget *parent = nullptr);

    OkModel &model() { return m_model; }

protected:
    // The other financing direction is shown only when it is named.
    void showState() override;

private:
    OkModel &m_model;
    OkRules &m_rules;
};
