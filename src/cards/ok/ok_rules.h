#pragma once

#include "cards/ok/ok_model.h"
#include "fields/card_rules.h"
#include "fields/common_rules.h"
#include "fields/list_rules.h"

#include <QList>
#include <QString>

// The entry rules of the OK editor as functions of its model: the exit and enter tests
// of the fields, the language groups of the four two-language texts, the stage
// accounting numbers and the co-executor, owner and executor lists with their buttons.
class OkRules : public CardRules
{
public:
    explicit OkRules(OkModel &model);

    OkModel &model() { return m_model; }

    Fields fields() const override;
    // The whole-card check: the card's own fields, then each entry of its lists.
    QList<CheckScope> checkScopes() override;
    void showScope(const CheckScope &scope) override;
    bool exitRule(const QString &field, RuleContext &ctx) override;
    void enterRule(const QString &field, RuleContext &ctx) override;
    void click(const QString &button, RuleContext &ctx) override;
    void leavePage(int page) override;
    bool chosen(const QString &field) override;
    void commit() override;

    // The stage accounting number `sp5526` selects is shown in `ed5526`.
    void showStageNumber();
    // `sp5526` moved: it reaches no further than the first empty entry, since a number
    // typed behind a gap would be lost from the card line; beyond it the clerk is told
    // and the selector goes back to that entry. The entry is shown in `ed5526`, which
    // gets the focus. False when the move was refused.
    bool stageSelected(RuleContext &ctx);

    static QString stageNumberMissing(); // "Не вказано номер етапу !"
    // A stage accounting number chosen beyond the first empty entry, `firstEmpty`.
    static QString stageNumberGap(int firstEmpty);

private:
    using RuleRow = ExitRuleRow<OkRules>;
    static const QList<RuleRow> &exitRows();

    bool codeInList(const QString &field, RuleContext &ctx);
    bool personKind(const QString &field, RuleContext &ctx, OkParty party);
    bool partyCode(const QString &field, RuleContext &ctx, OkParty party);
    bool registrationNumber(const QString &field, RuleContext &ctx, commonRules::NumberCheck check);
    bool stageNumber(const QString &field, RuleContext &ctx);
    bool date(const QString &field, RuleContext &ctx);
    bool monthYear(const QString &field, RuleContext &ctx);
    bool stageName(const QString &field, RuleContext &ctx);
    bool city(const QString &field, RuleContext &ctx, QString cityField);
    bool rubric(const QString &field, RuleContext &ctx);
    bool direction(const QString &field, RuleContext &ctx);
    bool amount(const QString &field, RuleContext &ctx, QString currencyField);
    bool bothLanguages(const QString &field, RuleContext &ctx, commonRules::Naming naming);
    bool keepText(const QString &field, RuleContext &ctx);
    bool listNumber(const QString &field, RuleContext &ctx);
    bool coExecutorNumber(const QString &field, RuleContext &ctx);

    OkModel &m_model;
    ListRules m_lists; // by OkList
};
