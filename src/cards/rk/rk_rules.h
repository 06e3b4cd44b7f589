#pragma once

#include "cards/rk/rk_model.h"
#include "fields/card_rules.h"
#include "fields/common_rules.h"
#include "fields/list_rules.h"

#include <QString>
#include <QStringList>

class RuleContext;

// The entry rules of the RK editor as functions of its model: exit and enter tests of
// the fields, the language switch of the three bilingual fields and the buttons that
// browse the customer, co-executor and stage lists. Besides the model it keeps what
// only the entry rules need: the entries offered in cb9153a and the numbers the list
// number fields held when they were entered.
class RkRules : public CardRules
{
public:
    explicit RkRules(RkModel &model);

    Fields fields() const override;
    // The whole-card check: the card's own fields, then each entry of its lists.
    QList<CheckScope> checkScopes() override;
    void showScope(const CheckScope &scope) override;
    bool inUse(const QString &field) const override;
    bool chosen(const QString &field) override;
    void commit() override;

    RkModel &model() { return m_model; }

    // Fields with an exit (enter) rule, in no particular order.
    static QStringList exitFields();
    static QStringList enterFields();
    // Fields whose text loses its outer blanks on a key press, and on a key release.
    static const QStringList &trimOnPressFields();
    static const QStringList &trimOnReleaseFields();

    // Runs the exit (enter) rule of `field`; false when it asked for the focus back.
    bool exitRule(const QString &field, RuleContext &ctx) override;
    void enterRule(const QString &field, RuleContext &ctx) override;

    // The language group of a bilingual field was clicked: the field shows the text of
    // the language now selected.
    void languageChosen(RkText which);
    // Keeps the text a bilingual field shows as the text of its selected language.
    void keepBilingual(RkText which);

    // List buttons: "Наступний замовник" (BitBtn7), "Попередній замовник " (BitBtn6),
    // "Наступний спів-ць" (Button1), "Попередній спів-ць" (Button2), "Наступний етап"
    // (BitBtn4), "Попередній етап" (BitBtn5). "Next" holds the list's bound itself.
    static QStringList buttons();
    void click(const QString &button, RuleContext &ctx) override;

    // The store rule of the list shown on a tab page, run when the page is left.
    void leavePage(int page) override;

    // Entries of cb9153a, as the choice in cb9153 last filled them.
    const QStringList &otherResultItems() const { return m_otherResults; }

    // Texts of the rules.
    static QString basisMessage();       // ed7146
    static QString statusMessage();      // ed7209
    static QString reportKindMessage();  // ed9036v
    static QString currencyMessage();
    static QString commaMessage();
    static QString thousandsWarning();
    static QString yearMissing();
    static QString cityMissing();

private:
    using RuleRow = ExitRuleRow<RkRules>;
    static const QList<RuleRow> &exitRows();

    bool dateField(const QString &field, RuleContext &ctx);
    bool monthYearField(const QString &field, RuleContext &ctx);
    bool stageMonthYear(const QString &field, RuleContext &ctx);
    bool personKind(const QString &field, RuleContext &ctx, RkParty party);
    bool partyCode(const QString &field, RuleContext &ctx, RkParty party);
    bool fixedSet(const QString &field, RuleContext &ctx);
    bool reportKind(const QString &field, RuleContext &ctx);
    bool stateNumber(const QString &field, RuleContext &ctx);
    bool changedNumber(const QString &field, RuleContext &ctx, commonRules::NumberCheck check);
    bool bilingualField(const QString &field, RuleContext &ctx, commonRules::Naming naming);
    bool city(const QString &field, RuleContext &ctx, QString cityField);
    bool direction(const QString &field, RuleContext &ctx);
    bool expectedResult(const QString &field, RuleContext &ctx);
    bool priority(const QString &field, RuleContext &ctx);
    bool currency(const QString &field, RuleContext &ctx);
    bool amount(const QString &field, RuleContext &ctx, QString currencyField);
    bool yearHeading(const QString &field, RuleContext &ctx);
    bool firstYearAmount(const QString &field, RuleContext &ctx);
    bool skipYears(const QString &field, RuleContext &ctx);
    bool subjectCode(const QString &field, RuleContext &ctx);
    bool listNumber(const QString &field, RuleContext &ctx);

    bool store(RkList list);

    RkModel &m_model;
    QStringList m_otherResults;
    ListRules m_lists; // by RkList
};
