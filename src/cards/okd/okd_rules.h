#pragma once

#include "cards/okd/okd_model.h"
#include "fields/card_rules.h"

#include <QList>
#include <QString>

// The entry rules of the OKD editor as functions of its model: the boxes that must
// hold one of their entries, the registration numbers and dates, the applicant's and
// supervisors' names in two languages, the organisation page with its four slots and
// the jumps over fields left empty. The view fields write their text back into the
// model's private state when they are left.
class OkdRules : public CardRules
{
public:
    explicit OkdRules(OkdModel &model);

    Fields fields() const override;
    // The whole-card check: the card's own fields, then the organisation page in each
    // of its four slots.
    QList<CheckScope> checkScopes() override;
    void showScope(const CheckScope &scope) override;
    bool inUse(const QString &field) const override;
    bool exitRule(const QString &field, RuleContext &ctx) override;
    void enterRule(const QString &field, RuleContext &ctx) override;
    // The organisation fields clicked while the council is shown.
    void click(const QString &field, RuleContext &ctx) override;
    // The organisation page shows its slot again, the title page its language.
    void enterPage(int page) override;
    // The language groups and the organisation slot.
    bool chosen(const QString &field) override;
    // Every view's text into the private state, as leaving it would.
    void commit() override;

    static QString surnameUkrainian(); // "Введіть прізвище українською мовою !"
    static QString surnameEnglish();   // "Введіть прізвище англійською мовою !"
    static QString degreeWarning();    // an empty degree of a supervisor or the first opponent
    static QString checkLanguage();    // "Перевірьте положення вказівника мови !"

    // "5436": a list of state registration numbers, tested by its first blank.
    static bool stateNumbersOk(const QString &text);

private:
    using RuleRow = ExitRuleRow<OkdRules>;
    static const QList<RuleRow> &exitRows();

    // `control`: a box left with a text that is none of its entries takes its first
    // entry and keeps the focus, without a word.
    bool control(const QString &field, RuleContext &ctx);
    bool degree(const QString &field, RuleContext &ctx);
    bool date(const QString &field, RuleContext &ctx);
    bool accountNumber(const QString &field, RuleContext &ctx);
    bool stateNumbers(const QString &field, RuleContext &ctx);
    bool applicantName(const QString &field, RuleContext &ctx);
    bool supervisorName(const QString &field, RuleContext &ctx);
    bool opponentName(const QString &field, RuleContext &ctx);
    bool keepText(const QString &field, RuleContext &ctx, OkdText text);
    bool rubric(const QString &field, RuleContext &ctx);
    bool personKind(const QString &field, RuleContext &ctx);
    bool orgCode(const QString &field, RuleContext &ctx);
    bool councilCipher(const QString &field, RuleContext &ctx);
    bool subordination(const QString &field, RuleContext &ctx);
    bool keepOrg(const QString &field, RuleContext &ctx);

    OkdModel &m_model;
    QString m_kindLetter; // of "lizv"; the code is checked by the slot shown
};
