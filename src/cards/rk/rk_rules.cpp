#include "cards/rk/rk_rules.h"

#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_names.h"
#include "fields/card_problems.h"
#include "fields/common_rules.h"
#include "fields/common_texts.h"
#include "fields/field_rules.h"
#include "fields/rule_context.h"

#include <QHash>

#include <algorithm>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

const QChar kBlank = QLatin1Char(' ');

// The code boxes that accept a fixed set of codes, with the message for any other.
struct FixedSet
{
    QStringList accepted;
    QString message;
};

const FixedSet *fixedSetOf(const QString &field)
{
    static const QHash<QString, FixedSet> sets = {
        {rkField::workBasis, {{u"09"_s, u"34"_s, u"52"_s, u"43"_s, u"25"_s}, RkRules::basisMessage()}},
        {rkField::executorStatus, {{u"17"_s, u"71"_s, QString()}, RkRules::statusMessage()}},
        {rkField::reportKind, {{u"91"_s, u"28"_s, u"19"_s}, RkRules::reportKindMessage()}},
    };
    const auto it = sets.constFind(field);
    return it == sets.constEnd() ? nullptr : &*it;
}

bool isSuffix(QChar ch)
{
    return ch == QChar(0x0441) || ch == QLatin1Char('c'); // Cyrillic or Latin "с"
}

// Runs of blanks become one blank; no blank at either end.
QString collapseBlanks(const QString &text)
{
    QString out;
    for (const QChar ch : text) {
        if (ch == kBlank && (out.isEmpty() || out.endsWith(kBlank)))
            continue;
        out += ch;
    }
    if (out.endsWith(kBlank))
        out.chop(1);
    return out;
}

const RkText kBilingualTexts[] = {RkText::ExecutorName, RkText::WorkTitle, RkText::WorkHead};

// How the list rules treat the customers, co-executors and stages, by RkList. A
// customer may be numbered one past the customer shown on entering the field; a
// co-executor up to the one shown (an empty number shows the first); a stage up to
// the first free slot.
QList<ListRuleSettings> listRuleTable()
{
    using C = ListRuleSettings::Ceiling;
    const struct
    {
        RkList list;
        C ceiling;
        bool emptyMeansFirst;
        QString boundsFocus, nextBoundsFocus, nextFocus, previousFocus, next, previous;
    } rows[] = {
        {RkList::Customers, C::AnchorNext, false, rkField::financingSource, rkField::financingSource,
         rkField::customerKind, {}, rkControl::nextCustomer, rkControl::previousCustomer},
        {RkList::CoExecutors, C::Current, true, rkField::stageNumber, rkField::stageNumber, rkField::coExecutorKind, {},
         rkControl::nextCoExecutor, rkControl::previousCoExecutor},
        {RkList::Stages, C::FirstFree, false, {}, rkControl::previousStage, rkField::stageStart, rkField::stageStart,
         rkControl::nextStage, rkControl::previousStage},
    };
    QList<ListRuleSettings> settingsList;
    for (const auto &r : rows)
        settingsList << ListRuleSettings{RkModel::entryListSettings(r.list), r.ceiling, r.emptyMeansFirst, r.boundsFocus,
                              r.nextBoundsFocus, r.nextFocus, r.previousFocus, r.next, r.previous};
    return settingsList;
}

} // namespace

RkRules::RkRules(RkModel &model) : m_model(model), m_lists(model, listRuleTable())
{
}

// ---- Texts

QString RkRules::basisMessage()
{
    return u"   34 - договір з міністерством, іншим центральним органом виконавчої влади,"
           u"   09 - договір із закордонним замовником,   52 - договір з вітчизняною організацією,"
           u"   43 - власна ініціатива,   25 - договір з фізичною особою"_s;
}
QString RkRules::statusMessage() { return u"  17 - головний виконавець,  71 - співвиконавець"_s; }
QString RkRules::reportKindMessage() { return u"91-заключний звіт, 28-проміжний звіт, 19-без звіту"_s; }
QString RkRules::currencyMessage() { return u"Такої грошової одиниці немає в словнику!"_s; }
QString RkRules::commaMessage() { return commonRules::commaMessage(); }
// The "C" of "Cумма" is a Latin letter in the message the clerks know.
QString RkRules::thousandsWarning() { return commonRules::thousandsWarning(); }
QString RkRules::yearMissing() { return u"Вкажіть рік фінансування!"_s; }
QString RkRules::cityMissing() { return commonRules::cityMissing(); }

// ---- Which field runs which rule

const QList<RkRules::RuleRow> &RkRules::exitRows()
{
    static const QList<RuleRow> rows = {
        {"ed5418D", &RkRules::dateField},
        {"ed7353", &RkRules::monthYearField},
        {"ed7362", &RkRules::monthYearField},
        {"ed9036p", &RkRules::stageMonthYear},
        {"ed9036z", &RkRules::stageMonthYear},
        {"lizv", &RkRules::personKind, RkParty::Executor},
        {"lizz", &RkRules::personKind, RkParty::Customer},
        {"lizsv", &RkRules::personKind, RkParty::CoExecutor},
        {"ed2457", &RkRules::partyCode, RkParty::Executor},
        {"ed2458", &RkRules::partyCode, RkParty::Customer},
        {"cpk", &RkRules::partyCode, RkParty::CoExecutor},
        {"ed7146", &RkRules::fixedSet},
        {"ed7209", &RkRules::fixedSet},
        {"ed9036v", &RkRules::reportKind},
        {"ed5436", &RkRules::stateNumber},
        {"ed5517", &RkRules::changedNumber, commonRules::NumberCheck{false, false}},
        {"ed7210", &RkRules::changedNumber, commonRules::NumberCheck{false, true}},
        {"mm2151", &RkRules::bilingualField, commonRules::Naming::Title},
        {"mm9027", &RkRules::bilingualField, commonRules::Naming::Title},
        {"ed6120", &RkRules::bilingualField, commonRules::Naming::Surname},
        {"mm2655", &RkRules::city, rkField::executorCity},
        {"mm2656", &RkRules::city, rkField::customerCity},
        {"cb7201", &RkRules::direction},
        {"cb9153", &RkRules::expectedResult},
        {"cb7199", &RkRules::priority},
        {"ed", &RkRules::currency},
        {"ed1", &RkRules::currency},
        {"sum", &RkRules::amount, rkField::currency},
        {"sum1", &RkRules::amount, rkField::secondCurrency},
        {"edgod1", &RkRules::yearHeading},
        {"edgod2", &RkRules::yearHeading},
        {"edgod3", &RkRules::yearHeading},
        {"edgod4", &RkRules::yearHeading},
        {"edgod5", &RkRules::yearHeading},
        {"edgod6", &RkRules::yearHeading},
        {"sumg1", &RkRules::firstYearAmount},
        {"sumg2", &RkRules::skipYears},
        {"sumg3", &RkRules::skipYears},
        {"sumg4", &RkRules::skipYears},
        {"sumg5", &RkRules::skipYears},
        {"sumg2a", &RkRules::skipYears},
        {"ed56161", &RkRules::subjectCode},
        {"ed56162", &RkRules::subjectCode},
        {"ed56163", &RkRules::subjectCode},
        {"ed56164", &RkRules::subjectCode},
        {"ed56165", &RkRules::subjectCode},
        {"Edit1", &RkRules::listNumber},
        {"cpn", &RkRules::listNumber},
        {"ed9036n", &RkRules::listNumber},
    };
    return rows;
}

QStringList RkRules::exitFields()
{
    return exitRuleFields(exitRows());
}

QStringList RkRules::enterFields()
{
    return {rkField::customerNumber, rkField::coExecutorNumber, rkField::stageNumber};
}

const QStringList &RkRules::trimOnPressFields()
{
    static const QStringList fields = {rkField::coverLetterDate, rkField::workStart,     rkField::workEnd,
                                       rkField::stageStart,      rkField::stageEnd,      rkField::coExecutorNumber,
                                       rkField::stageNumber,     rkField::coExecutorCode};
    return fields;
}

const QStringList &RkRules::trimOnReleaseFields()
{
    static const QStringList fields = {rkField::executorCode, rkField::customerCode};
    return fields;
}

QStringList RkRules::buttons()
{
    return {rkControl::nextCustomer,       rkControl::previousCustomer, rkControl::nextCoExecutor,
            rkControl::previousCoExecutor, rkControl::nextStage,        rkControl::previousStage};
}

QList<CardRules::CheckScope> RkRules::checkScopes()
{
    QList<CheckScope> scopes = cardProblems::listScopes(m_model, fields().exit, {
        {int(RkList::Customers), u"2458"_s, u"Замовник"_s},
        {int(RkList::CoExecutors), u"2142"_s, u"Співвиконавець"_s},
        {int(RkList::Stages), u"9036"_s, u"Етап"_s},
    });
    // The financing rows are written on the lines of their sources' codes, the years on "FING".
    cardProblems::financingLines(scopes.first(), m_model, rkFinancingRows(), rkFinancingSources());
    for (const QString &field : rkYearFields())
        scopes.first().lineCodes.insert(field, u"FING"_s);
    return scopes;
}

void RkRules::showScope(const CheckScope &scope)
{
    cardProblems::showListScope(m_model, scope);
}

bool RkRules::inUse(const QString &field) const
{
    // A financing row is in use once it has an amount.
    for (const QStringList &row : rkFinancingRows()) {
        if (!row.contains(field))
            continue;
        return std::any_of(row.cbegin() + 2, row.cend(), [this](const QString &f) { return !m_model.isEmptyValue(f); });
    }
    return true;
}

CardRules::Fields RkRules::fields() const
{
    return {exitFields(), enterFields(), trimOnPressFields(), trimOnReleaseFields(), buttons(), rkClickMarkFields()};
}

bool RkRules::chosen(const QString &field)
{
    for (RkText which : kBilingualTexts) {
        if (RkModel::languageField(which) == field) {
            languageChosen(which);
            return true;
        }
    }
    return false;
}

void RkRules::commit()
{
    for (RkText which : kBilingualTexts)
        keepBilingual(which);
}

bool RkRules::exitRule(const QString &field, RuleContext &ctx)
{
    return runExitRule(*this, exitRows(), field, ctx);
}

// ---- Shared rules on RK fields

bool RkRules::dateField(const QString &field, RuleContext &ctx)
{
    return fieldRules::dateRule(m_model, field, ctx);
}

bool RkRules::monthYearField(const QString &field, RuleContext &ctx)
{
    return fieldRules::monthYearRule(m_model, field, ctx);
}

bool RkRules::stageMonthYear(const QString &field, RuleContext &ctx)
{
    if (!fieldRules::monthYearRule(m_model, field, ctx))
        return false;
    m_model.storeStage();
    return true;
}

bool RkRules::personKind(const QString &, RuleContext &ctx, RkParty party)
{
    return fieldRules::personKindRule(m_model, ctx, RkModel::personKindSettings(party, RkLabelSet::Select),
                                      m_model.kindLetter(party));
}

bool RkRules::partyCode(const QString &field, RuleContext &ctx, RkParty party)
{
    fieldRules::PartyCodeSettings info;
    info.codeField = field;
    if (party == RkParty::CoExecutor) {
        info.numberField = rkField::coExecutorNumber;
    } else {
        // The executor's and the customer's codes are told with their line code.
        const FieldInfo *own = m_model.table().find(field);
        info.prefix = (own ? own->code : QString()) + u'.';
        info.beepLegal = party == RkParty::Executor;
    }
    if (!fieldRules::partyCodeRule(m_model, ctx, info, m_model.kindLetter(party)))
        return false;
    if (party == RkParty::CoExecutor)
        m_model.storeCoExecutor(true);
    return true;
}

// ---- Code boxes

bool RkRules::fixedSet(const QString &field, RuleContext &ctx)
{
    const FixedSet *set = fixedSetOf(field);
    if (set && !set->accepted.contains(m_model.text(field))) {
        ctx.message(set->message);
        ctx.focusBack();
        return false;
    }
    return true;
}

bool RkRules::reportKind(const QString &field, RuleContext &ctx)
{
    if (!fixedSet(field, ctx))
        return false;
    m_model.storeStage();
    return true;
}

bool RkRules::direction(const QString &field, RuleContext &ctx)
{
    if (!fieldRules::listCodeRule(m_model, ctx, field))
        return false;
    if (m_model.text(field) == u"2.7"_s)
        m_model.setOtherDirectionVisible(true); // the other direction is typed next
    else
        ctx.focusTo(rkField::stateProgramName);
    return true;
}

bool RkRules::expectedResult(const QString &field, RuleContext &ctx)
{
    if (!fieldRules::listCodeRule(m_model, ctx, field))
        return false;
    const QString code = m_model.text(field);
    if (code != u"007"_s && code != u"03"_s) {
        ctx.focusTo(rkField::applicationArea);
        return true;
    }
    // Position by position: entries beyond the new list stay.
    const QStringList &items = commonTexts::otherResults(code);
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i < m_otherResults.size())
            m_otherResults[i] = items.at(i);
        else
            m_otherResults << items.at(i);
    }
    m_model.setOtherResultVisible(true);
    return true;
}

bool RkRules::priority(const QString &field, RuleContext &ctx)
{
    m_model.setText(field, collapseBlanks(m_model.text(field)));
    return fieldRules::listCodeRule(m_model, ctx, field);
}

// ---- Registration numbers

bool RkRules::stateNumber(const QString &field, RuleContext &ctx)
{
    const QString value = fieldRules::fieldValue(m_model, field);
    const qsizetype firstBlank = value.indexOf(kBlank);
    bool ok = true;
    if (firstBlank < 0)
        ok = value.size() >= 12 && isSuffix(value.at(11));
    else if (value != fieldRules::emptyValue(m_model, field))
        ok = value.left(11).indexOf(kBlank) < 0; // only the 12th place may stay blank
    if (ok)
        return true;
    ctx.message(u"5436.Помилка в номері"_s);
    ctx.focusBack();
    return false;
}

bool RkRules::changedNumber(const QString &field, RuleContext &ctx, commonRules::NumberCheck check)
{
    return commonRules::registrationNumberRule(m_model, ctx, field, check);
}

// ---- Bilingual texts

void RkRules::languageChosen(RkText which)
{
    m_model.texts().showSelected(m_model, int(which));
}

void RkRules::keepBilingual(RkText which)
{
    m_model.texts().keepShown(m_model, int(which));
}

bool RkRules::bilingualField(const QString &field, RuleContext &ctx, commonRules::Naming naming)
{
    return commonRules::bothLanguagesRule(m_model, m_model.texts(),
                                          commonRules::slotOfField(m_model.texts(), field), ctx, naming);
}

bool RkRules::city(const QString &, RuleContext &ctx, QString cityField)
{
    return commonRules::cityRule(m_model, ctx, cityField);
}

// ---- Financing

bool RkRules::currency(const QString &field, RuleContext &ctx)
{
    const FieldInfo *info = m_model.table().find(field);
    if (info && info->items.contains(m_model.text(field)))
        return true;
    ctx.message(currencyMessage());
    ctx.focusBack();
    return false;
}

bool RkRules::amount(const QString &field, RuleContext &ctx, QString currencyField)
{
    return commonRules::amountRule(m_model, ctx, field, currencyField);
}

bool RkRules::yearHeading(const QString &field, RuleContext &)
{
    m_model.setText(field, m_model.text(field).left(4));
    return true;
}

bool RkRules::firstYearAmount(const QString &field, RuleContext &ctx)
{
    if (!fieldRules::trimBlanks(m_model.text(field)).isEmpty() && m_model.text(rkField::firstYear) == u"200-"_s) {
        ctx.message(yearMissing());
        ctx.focusTo(rkField::firstYear);
    }
    return true;
}

bool RkRules::skipYears(const QString &field, RuleContext &ctx)
{
    if (fieldRules::trimBlanks(m_model.text(field)).isEmpty())
        ctx.focusTo(rkField::workStart);
    return true;
}

bool RkRules::subjectCode(const QString &field, RuleContext &ctx)
{
    return commonRules::jumpIfEmpty(m_model, ctx, field, rkField::headOfOrganisation);
}

// ---- Lists

bool RkRules::store(RkList list)
{
    return m_lists.store(int(list));
}

void RkRules::leavePage(int page)
{
    if (page == 2) {
        store(RkList::Customers);
    } else if (page == 3) {
        store(RkList::CoExecutors);
        store(RkList::Stages);
    }
}

void RkRules::enterRule(const QString &field, RuleContext &ctx)
{
    const int list = m_lists.listOfNumberField(field);
    if (list >= 0)
        m_lists.enterNumber(list);
    if (RkList(list) == RkList::Stages && m_model.currentNumber(RkList::Stages) > RkModel::capacity(RkList::Stages)) {
        ctx.message(entryLists::stageBounds());
        ctx.focusTo(rkControl::nextPage);
    }
}

void RkRules::click(const QString &button, RuleContext &ctx)
{
    m_lists.click(button, ctx);
}

bool RkRules::listNumber(const QString &field, RuleContext &ctx)
{
    return m_lists.leaveNumber(m_lists.listOfNumberField(field), ctx);
}
