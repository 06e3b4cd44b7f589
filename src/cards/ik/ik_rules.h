#pragma once

#include "cards/ik/ik_model.h"
#include "fields/card_rules.h"
#include "fields/list_rules.h"

#include <QList>
#include <QString>
#include <QStringList>

// The entry rules of the IK editor as functions of its model: the exit tests of the
// fields, the "other" texts that follow a chosen code, the product name in two
// languages and the owner list with its buttons.
class IkRules : public CardRules
{
public:
    explicit IkRules(IkModel &model);

    Fields fields() const override;
    // The whole-card check: the card's own fields, then each entry of its lists.
    QList<CheckScope> checkScopes() override;
    void showScope(const CheckScope &scope) override;
    bool exitRule(const QString &field, RuleContext &ctx) override;
    // Entering the owner number remembers the owner shown, for its removal.
    void enterRule(const QString &field, RuleContext &ctx) override;
    // "Наступний власник" and "Попередній власник ".
    void click(const QString &button, RuleContext &ctx) override;
    // Leaving page "Власник" stores the owner shown.
    void leavePage(int page) override;
    // "Indjzr" shows the product name in the language chosen.
    bool chosen(const QString &field) override;
    void commit() override;

    // The entries `cb9153a` offers: the texts of the product kind it was left with.
    const QStringList &otherKindItems() const { return m_otherKindItems; }
    // The card was read or replaced: its "other" product text belongs to the kind it holds.
    void cardReplaced() override;
    // Run before "Записати як...": a kind "007" or "03" is never written without its
    // text. False (with the message and the focus sent there) when the text is missing.
    bool beforeSave(RuleContext &ctx) override;

    static QString infoMissing();   // "Відутня відповідна інформація !"
    static QString stageNotOther(); // ed7326 filled without the stage 3.9

private:
    using RuleRow = ExitRuleRow<IkRules>;
    static const QList<RuleRow> &exitRows();

    // `control`: the code must be one of the box's entries.
    bool control(const QString &field, RuleContext &ctx);
    bool productKind(const QString &field, RuleContext &ctx);
    bool otherText(const QString &field, RuleContext &ctx);
    // The code beside `field` asks for a text and the field is empty.
    bool otherTextMissing(const QString &field) const;
    bool stage(const QString &field, RuleContext &ctx);
    bool otherStage(const QString &field, RuleContext &ctx);
    bool date(const QString &field, RuleContext &ctx);
    bool stateNumber(const QString &field, RuleContext &ctx);
    bool inventoryNumber(const QString &field, RuleContext &ctx);
    bool title(const QString &field, RuleContext &ctx);
    bool rubric(const QString &field, RuleContext &ctx);
    bool ownerKind(const QString &field, RuleContext &ctx);
    bool ownerCode(const QString &field, RuleContext &ctx);
    bool address(const QString &field, RuleContext &ctx);
    bool ownerNumber(const QString &field, RuleContext &ctx);

    IkModel &m_model;
    ListRules m_owners;
    QStringList m_otherKindItems;
    QString m_otherKindOf; // the product kind the "other" text was given for
};
