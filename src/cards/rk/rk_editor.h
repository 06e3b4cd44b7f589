#pragma once

#include "app/card_editor.h"
#include "cards/rk/rk_rules.h"

class ExitWiring;
class FieldBinder;
class RkModel;

// TfrmRK1: the RK editor. Its six tab pages are built from the RK field table and
// bound to the card's model; the entry rules of RkRules run when a field is left or
// entered and when a list button is pressed.
class TfrmRK1 : public CardEditor
{
    Q_OBJECT
public:
    explicit TfrmRK1(QWidget *parent = nullptr);

    RkModel &model() { return m_model; }

protected:
    void refreshFromModel() override;
    void commitToModel() override;
    void pageLeft(int page) override;

private:
    void buildPages();
    void wireRules();
    void wireMarks();
    void setTabOrder();
    // A list button: its rule, then the widgets show the model and the focus moves.
    void pressButton(const QString &name);
    // What the rules change beside the field texts: cb9153a's entries, the visibility
    // of the "other" fields.
    void showState();

    RkModel &m_model;
    RkRules m_rules;
    FieldBinder *m_binder;
    ExitWiring *m_wiring;
};
