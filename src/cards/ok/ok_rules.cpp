#include "cards/ok/ok_rules.h"

#include "cards/ok/ok_fields.h"
#include "cards/ok/ok_names.h"
#include "fields/card_problems.h"
#include "fields/common_rules.h"
#include "fields/common_texts.h"
#include "fields/field_rules.h"
#include "fields/rule_context.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// How the list rules treat the co-executors, owners and executor-list persons, by
// OkList. An owner may be numbered one past the owner shown on entering the field; a
// co-executor or a person up to the one shown.
QList<ListRuleSettings> listRuleTable()
{
    using C = ListRuleSettings::Ceiling;
    const struct
    {
        OkList list;
        C ceiling;
        QString boundsFocus, nextBoundsFocus, stepFocus, next, previous;
    } rows[] = {
        {OkList::CoExecutors, C::Current, okField::distributionInUkraine, okField::distributionInUkraine,
         okField::coExecutorKind, okControl::nextCoExecutor, okControl::previousCoExecutor},
        {OkList::Owners, C::AnchorNext, {}, {}, okField::ownerKind, okControl::nextOwner, okControl::previousOwner},
        {OkList::Executors, C::Current, {}, {}, okField::listedExecutorName, okControl::nextListedExecutor,
         okControl::previousListedExecutor},
    };
    QList<ListRuleSettings> settingsList;
    for (const auto &r : rows) {
        settingsList << ListRuleSettings{OkModel::entryListSettings(r.list), r.ceiling, false, r.boundsFocus, r.nextBoundsFocus,
                              r.stepFocus, r.stepFocus, r.next, r.previous};
    }
    return settingsList;
}

const QString kEmptyStageNumber = u"    U       "_s;

} // namespace

OkRules::OkRules(OkModel &model) : m_model(model), m_lists(model, listRuleTable())
{
}

QString OkRules::stageNumberMissing() { return u"Не вказано номер етапу !"_s; }

QString OkRules::stageNumberGap(int firstEmpty)
{
    return u"Спочатку введіть № держобліку з порядковим № %1: номери йдуть підряд, без пропусків."_s.arg(firstEmpty);
}

const QList<OkRules::RuleRow> &OkRules::exitRows()
{
    static const QList<RuleRow> rows = {
        {"cb5256", &OkRules::codeInList},
        {"cb5040", &OkRules::codeInList},
        {"cb5715", &OkRules::codeInList},
        {"cb5535", &OkRules::codeInList},
        {"cb5211", &OkRules::codeInList},
        {"cb9036e", &OkRules::codeInList},
        {"lizv", &OkRules::personKind, OkParty::Executor},
        {"lizz", &OkRules::personKind, OkParty::Owner},
        {"lizsv", &OkRules::personKind, OkParty::CoExecutor},
        {"ed2457", &OkRules::partyCode, OkParty::Executor},
        {"ed2459", &OkRules::partyCode, OkParty::Owner},
        {"ed2142k", &OkRules::partyCode, OkParty::CoExecutor},
        {"ed5436", &OkRules::registrationNumber, commonRules::NumberCheck{false, false}},
        // The accounting number may stay partly filled.
        {"ed5437", &OkRules::registrationNumber, commonRules::NumberCheck{true, true}},
        {"ed5526", &OkRules::stageNumber},
        {"ed5418D", &OkRules::date},
        {"ed5518D", &OkRules::date},
        {"ed9036p", &OkRules::monthYear},
        {"ed9036z", &OkRules::monthYear},
        {"mm9036", &OkRules::stageName},
        {"mm2655", &OkRules::city, okField::executorCity},
        {"mm2657", &OkRules::city, okField::ownerCity},
        // An empty subject code skips the codes entered after it. The fourth is entered
        // last on the page, after 6140, so none follows it: its jump back to 6111 would
        // keep Tab going round the page for ever.
        {"ed5616a", &OkRules::rubric},
        {"ed5616b", &OkRules::rubric},
        {"ed5616c", &OkRules::rubric},
        {"ed5616e", &OkRules::rubric},
        {"cb7201", &OkRules::direction},
        {"sum", &OkRules::amount, okField::firstCurrency},
        {"sum1", &OkRules::amount, okField::secondCurrency},
        {"mm2151", &OkRules::bothLanguages, commonRules::Naming::Title},
        {"ed6120", &OkRules::bothLanguages, commonRules::Naming::Surname},
        {"mm9027", &OkRules::keepText},
        {"mm9117", &OkRules::keepText},
        {"ed2142p", &OkRules::coExecutorNumber},
        {"Edit1", &OkRules::listNumber},
        {"Cpn", &OkRules::listNumber},
    };
    return rows;
}

QList<CardRules::CheckScope> OkRules::checkScopes()
{
    QList<CheckScope> scopes = cardProblems::listScopes(m_model, fields().exit, {
        {int(OkList::CoExecutors), u"2142"_s, u"Співвиконавець"_s},
        {int(OkList::Owners), u"2459"_s, u"Власник"_s},
        {int(OkList::Executors), u"6121"_s, u"Виконавець"_s},
    });
    cardProblems::financingLines(scopes.first(), m_model, okFinancingRows(), commonTexts::financingSources());
    return scopes;
}

void OkRules::showScope(const CheckScope &scope)
{
    cardProblems::showListScope(m_model, scope);
}

CardRules::Fields OkRules::fields() const
{
    Fields f;
    f.exit = exitRuleFields(exitRows());
    f.enter = {okField::coExecutorNumber, okField::ownerNumber, okField::listedExecutorNumber,
               okField::stageAccountSelector};
    f.trimOnPress = {okField::stateNumber, okField::stageNumber, okField::stageStart, okField::stageEnd,
                     okField::listedExecutorNumber};
    f.buttons = m_lists.buttons();
    f.clickMarks = okClickMarkFields();
    return f;
}

bool OkRules::exitRule(const QString &field, RuleContext &ctx)
{
    return runExitRule(*this, exitRows(), field, ctx);
}

void OkRules::enterRule(const QString &field, RuleContext &ctx)
{
    if (field == okField::stageAccountSelector) {
        stageSelected(ctx);
        return;
    }
    const int list = m_lists.listOfNumberField(field);
    if (list >= 0)
        m_lists.enterNumber(list);
}

void OkRules::click(const QString &button, RuleContext &ctx)
{
    m_lists.click(button, ctx);
}

void OkRules::leavePage(int page)
{
    // "Спів-ці, загальні дані", "Власник", "Тематика".
    static const struct
    {
        int page;
        OkList list;
    } pages[] = {{2, OkList::CoExecutors}, {3, OkList::Owners}, {6, OkList::Executors}};
    for (const auto &p : pages) {
        if (p.page == page)
            m_lists.store(int(p.list));
    }
}

bool OkRules::chosen(const QString &field)
{
    if (field == okField::stageAccountSelector) {
        showStageNumber();
        return true;
    }
    return commonRules::languageChosen(m_model, m_model.texts(), field);
}

void OkRules::commit()
{
    commonRules::keepShownTexts(m_model, m_model.texts());
    for (int list = 0; list < 3; ++list)
        m_lists.store(list);
}

bool OkRules::stageSelected(RuleContext &ctx)
{
    const int firstEmpty = qMin(m_model.stageNumberCount() + 1, OkModel::kStageNumbers);
    const bool allowed = m_model.text(okField::stageAccountSelector).toInt() <= firstEmpty;
    if (!allowed) {
        ctx.message(stageNumberGap(firstEmpty));
        m_model.setText(okField::stageAccountSelector, QString::number(firstEmpty));
    }
    showStageNumber();
    ctx.focusTo(okField::stageAccountNumber);
    return allowed;
}

void OkRules::showStageNumber()
{
    const int n = m_model.text(okField::stageAccountSelector).toInt();
    const QString number = m_model.stageNumber(n);
    fieldRules::assign(m_model, okField::stageAccountNumber, number.isEmpty() ? kEmptyStageNumber : number);
}

// ---- Codes and parties

bool OkRules::codeInList(const QString &field, RuleContext &ctx)
{
    return fieldRules::listCodeRule(m_model, ctx, field, {}, Qt::CaseInsensitive);
}

bool OkRules::personKind(const QString &, RuleContext &ctx, OkParty party)
{
    const bool passed = fieldRules::personKindRule(
        m_model, ctx, OkModel::personKindSettings(party, PartyLabels::Select), m_model.kindLetter(party));
    // The co-executor shown takes its kind at once, when it is in the list.
    if (party == OkParty::CoExecutor) {
        const int n = m_model.shownNumber(OkList::CoExecutors);
        if (n > 0 && !m_model.lists().record(OkList::CoExecutors, n).isEmpty())
            m_model.storeFields(OkList::CoExecutors, n);
    }
    return passed;
}

bool OkRules::partyCode(const QString &field, RuleContext &ctx, OkParty party)
{
    fieldRules::PartyCodeSettings info;
    info.codeField = field;
    QString letter;
    if (party == OkParty::CoExecutor) {
        // The co-executor's code follows its selector, which always names a kind.
        letter = fieldRules::isNaturalPerson(m_model.text(okField::coExecutorKind)) ? fieldRules::naturalLetter()
                                                                                    : fieldRules::legalLetter();
    } else {
        const FieldInfo *own = m_model.table().find(field);
        info.prefix = (own ? own->code : QString()) + u'.';
        letter = m_model.kindLetter(party);
        // A selector the clerk never left (only looked at) counts with the kind it shows.
        const QString kind = m_model.text(OkModel::personKindSettings(party, PartyLabels::Select).selector);
        if (letter.isEmpty() && kind.compare(fieldRules::legalPerson(), Qt::CaseInsensitive) == 0)
            letter = fieldRules::legalLetter();
        else if (letter.isEmpty() && kind.compare(fieldRules::naturalPerson(), Qt::CaseInsensitive) == 0)
            letter = fieldRules::naturalLetter();
    }
    if (!fieldRules::partyCodeRule(m_model, ctx, info, letter))
        return false;
    if (party == OkParty::CoExecutor) {
        const int n = m_model.shownNumber(OkList::CoExecutors);
        if (n > 0)
            m_model.storeFields(OkList::CoExecutors, n);
    }
    return true;
}

// ---- Numbers

bool OkRules::registrationNumber(const QString &field, RuleContext &ctx, commonRules::NumberCheck check)
{
    return commonRules::registrationNumberRule(m_model, ctx, field, check);
}

bool OkRules::stageNumber(const QString &field, RuleContext &ctx)
{
    const QString value = fieldRules::fieldValue(m_model, field);
    const bool ok = commonRules::registrationNumberOk(value, {true, true});
    // A wrong number is reported but kept, so nothing typed is lost. An emptied entry
    // leaves the list and the later ones move up into its place, which then shows the
    // next number: the card line ends at the first empty entry and would drop them.
    const int n = m_model.text(okField::stageAccountSelector).toInt();
    const int at = m_model.setStageNumber(n, value == kEmptyStageNumber ? QString() : value);
    if (at == 0)
        showStageNumber();
    else if (at != n)
        m_model.setText(okField::stageAccountSelector, QString::number(at));
    if (ok)
        return true;
    ctx.message(u"5526.Помилка в номері"_s);
    ctx.focusBack();
    return false;
}

bool OkRules::date(const QString &field, RuleContext &ctx)
{
    return fieldRules::dateRule(m_model, field, ctx);
}

bool OkRules::monthYear(const QString &field, RuleContext &ctx)
{
    return fieldRules::monthYearRule(m_model, field, ctx);
}

bool OkRules::stageName(const QString &, RuleContext &ctx)
{
    if (!fieldRules::trimBlanks(m_model.text(okField::stageNumber)).isEmpty())
        return true;
    ctx.message(stageNumberMissing());
    ctx.focusTo(okField::stageNumber);
    return true;
}

bool OkRules::city(const QString &, RuleContext &ctx, QString cityField)
{
    return commonRules::cityRule(m_model, ctx, cityField);
}

bool OkRules::rubric(const QString &field, RuleContext &ctx)
{
    return commonRules::jumpIfEmpty(m_model, ctx, field, okField::headOfOrganisation);
}

bool OkRules::direction(const QString &field, RuleContext &ctx)
{
    if (m_model.text(field) == u"2.7"_s) {
        m_model.setOtherDirectionVisible(true);
        ctx.focusTo(okField::otherFinancingDirection);
    } else {
        ctx.focusTo(okField::targetProgrammeName);
    }
    return true;
}

bool OkRules::amount(const QString &field, RuleContext &ctx, QString currencyField)
{
    return commonRules::amountRule(m_model, ctx, field, currencyField);
}

// ---- Two-language texts

bool OkRules::bothLanguages(const QString &field, RuleContext &ctx, commonRules::Naming naming)
{
    return commonRules::bothLanguagesRule(m_model, m_model.texts(),
                                          commonRules::slotOfField(m_model.texts(), field), ctx, naming);
}

bool OkRules::keepText(const QString &field, RuleContext &)
{
    m_model.texts().keepShown(m_model, commonRules::slotOfField(m_model.texts(), field));
    return true;
}

// ---- Lists

bool OkRules::listNumber(const QString &field, RuleContext &ctx)
{
    return m_lists.leaveNumber(m_lists.listOfNumberField(field), ctx);
}

bool OkRules::coExecutorNumber(const QString &field, RuleContext &ctx)
{
    // Left while the executor-list number is empty, it only puts "1" back there.
    if (fieldRules::trimBlanks(m_model.text(okField::listedExecutorNumber)).isEmpty()) {
        m_model.setText(okField::listedExecutorNumber, u"1"_s);
        return true;
    }
    return listNumber(field, ctx);
}
