#pragma once

#include "app/card_editor.h"
#include "cards/okd/okd_rules.h"

class OkdModel;

// OkdEditor: the OKD editor. Its five tab pages are built from the OKD field table and
// page design and bound to the card's model; the entry rules of OkdRules run when a
// field is left, entered or clicked, and the view fields (organisation slots, the
// names and texts in two languages) write back into the model's private state.
class OkdEditor : public CardEditor
{
    Q_OBJECT
public:
    explicit OkdEditor(QWidget *parent = nullptr);

    OkdModel &model() { return m_model; }

protected:
    // The council cipher, the person kind and the science sector follow the slot shown.
    void showState() override;

private:
    OkdModel &m_model;
    OkdRules &m_rules;
};
