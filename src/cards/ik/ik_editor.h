#pragma once

#include "app/card_editor.h"
#include "cards/ik/ik_rules.h"

class IkModel;

// IkEditor: the IK editor. Its five tab pages are built from the IK field table and
// page design and bound to the card's model; the entry rules of IkRules run when a
// field is left or entered and when an owner button is pressed.
class IkEditor : public CardEditor
{
    Q_OBJECT
public:
    explicit IkEditor(QWidget *parent = nullptr);

    IkModel &model() { return m_model; }

protected:
    // The "other" product texts offered follow the kind last left.
    void showState() override;

private:
    IkModel &m_model;
    IkRules &m_rules;
};
