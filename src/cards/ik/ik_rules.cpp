#include "cards/ik/ik_rules.h"

#include "cards/ik/ik_fields.h"
#include "cards/ik/ik_names.h"
#include "fields/card_problems.h"
#include "fields/common_rules.h"
#include "fields/common_texts.h"
#include "fields/field_rules.h"
#include "fields/rule_context.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The code boxes `control` tests, in the order of `lastChecked`.
const QStringList &controlledBoxes()
{
    static const QStringList boxes = {ikField::productKind, ikField::completionStage, ikField::implementationStatus,
                                      ikField::intellectualProperty, ikField::transferTerms};
    return boxes;
}

// A text that the code beside it asks for.
struct OtherText
{
    QString field;
    QString codeField;
    QStringList codes;
};

const QList<OtherText> &otherTexts()
{
    static const QList<OtherText> rows = {
        {ikField::otherProductKind, ikField::productKind, {u"007"_s, u"03"_s}},
        {ikField::otherIntellectualProperty, ikField::intellectualProperty, {u"5.6"_s, u"5.2"_s}},
        {ikField::otherTransferTerms, ikField::transferTerms, {u"4.9"_s}},
    };
    return rows;
}

const QString kOtherStage = u"3.9"_s;

QList<ListRuleSettings> ownerRuleTable()
{
    ListRuleSettings owners;
    owners.info = IkModel::ownerListSettings();
    owners.ceiling = ListRuleSettings::Ceiling::AnchorNext;
    owners.nextFocus = ikField::ownerKind;
    owners.previousFocus = ikField::ownerNumber;
    owners.nextButton = ikControl::nextOwner;
    owners.previousButton = ikControl::previousOwner;
    // A number typed too high is told without the final point of "next".
    owners.typedBoundsMessage = u"Кількість власників від 1 до 5"_s;
    return {owners};
}

} // namespace

IkRules::IkRules(IkModel &model) : m_model(model), m_owners(model, ownerRuleTable())
{
    cardReplaced();
}

void IkRules::cardReplaced()
{
    m_otherKindOf = m_model.text(ikField::productKind);
    m_otherKindItems = commonTexts::otherResults(m_otherKindOf);
}

bool IkRules::beforeSave(RuleContext &ctx)
{
    if (!otherTextMissing(ikField::otherProductKind))
        return true;
    ctx.message(infoMissing());
    ctx.focusTo(ikField::otherProductKind);
    return false;
}

QString IkRules::infoMissing() { return u"Відутня відповідна інформація !"_s; }
QString IkRules::stageNotOther() { return u"Запису повинна відповідати стадія завершенності з кодом 3.9 !"_s; }

const QList<IkRules::RuleRow> &IkRules::exitRows()
{
    static const QList<RuleRow> rows = {
        {"ed5419", &IkRules::date},
        {"ed5518D", &IkRules::date},
        {"ed5436", &IkRules::stateNumber},
        {"ed5437", &IkRules::stateNumber},
        {"ed5439", &IkRules::inventoryNumber},
        {"mm9027", &IkRules::title},
        {"cb9153", &IkRules::productKind},
        {"cb9153a", &IkRules::otherText},
        {"cb7326", &IkRules::stage},
        {"ed7326", &IkRules::otherStage},
        {"cb7344", &IkRules::control},
        {"cb1005", &IkRules::control},
        {"ed1005", &IkRules::otherText},
        {"cb1004", &IkRules::control},
        {"ed1004", &IkRules::otherText},
        {"ed5616a", &IkRules::rubric},
        {"ed5616b", &IkRules::rubric},
        {"ed5616c", &IkRules::rubric},
        {"ed5616d", &IkRules::rubric},
        {"ed5616e", &IkRules::rubric},
        {"lizz", &IkRules::ownerKind},
        {"ed2459", &IkRules::ownerCode},
        {"mm2657", &IkRules::address},
        {"Edit1", &IkRules::ownerNumber},
    };
    return rows;
}

QList<CardRules::CheckScope> IkRules::checkScopes()
{
    return cardProblems::listScopes(m_model, fields().exit, {
        {int(IkList::Owners), u"2459"_s, u"Власник"_s},
    });
}

void IkRules::showScope(const CheckScope &scope)
{
    cardProblems::showListScope(m_model, scope);
}

CardRules::Fields IkRules::fields() const
{
    Fields f;
    f.exit = exitRuleFields(exitRows());
    f.enter = {ikField::ownerNumber};
    f.trimOnPress = {ikField::stateNumber};
    f.buttons = m_owners.buttons();
    f.clickMarks = ikClickMarkFields();
    return f;
}

bool IkRules::exitRule(const QString &field, RuleContext &ctx)
{
    return runExitRule(*this, exitRows(), field, ctx);
}

void IkRules::enterRule(const QString &field, RuleContext &)
{
    if (m_owners.listOfNumberField(field) >= 0)
        m_owners.enterNumber(0);
}

void IkRules::click(const QString &button, RuleContext &ctx)
{
    m_owners.click(button, ctx);
}

void IkRules::leavePage(int page)
{
    if (page == 3) // "Власник"
        m_owners.store(0);
}

bool IkRules::chosen(const QString &field)
{
    return commonRules::languageChosen(m_model, m_model.titles(), field);
}

void IkRules::commit()
{
    commonRules::keepShownTexts(m_model, m_model.titles());
    m_owners.store(0);
}

// ---- Codes

bool IkRules::control(const QString &field, RuleContext &ctx)
{
    m_model.setLastChecked(int(controlledBoxes().indexOf(field)) + 1);
    return fieldRules::listCodeRule(m_model, ctx, field, {}, Qt::CaseSensitive, fieldRules::codeRequired());
}

bool IkRules::productKind(const QString &field, RuleContext &ctx)
{
    // A code not in the list changes nothing yet: the clerk corrects it first.
    if (!control(field, ctx))
        return false;
    // The "other" text starts again only when the kind changes: passing through the
    // box keeps what was typed or read for it. Its entries are those of the kind.
    const QString kind = m_model.text(field);
    if (kind != m_otherKindOf)
        m_model.setText(ikField::otherProductKind, QString());
    m_otherKindOf = kind;
    m_otherKindItems = commonTexts::otherResults(kind);
    return true;
}

bool IkRules::otherTextMissing(const QString &field) const
{
    for (const OtherText &row : otherTexts()) {
        if (row.field == field)
            return m_model.text(field).isEmpty() && row.codes.contains(m_model.text(row.codeField));
    }
    return false;
}

bool IkRules::otherText(const QString &field, RuleContext &ctx)
{
    if (!otherTextMissing(field))
        return true;
    ctx.message(infoMissing());
    ctx.focusBack();
    return false;
}

bool IkRules::stage(const QString &field, RuleContext &ctx)
{
    if (!control(field, ctx))
        return false;
    if (m_model.text(field) == kOtherStage)
        ctx.focusTo(ikField::otherCompletionStage);
    return true;
}

bool IkRules::otherStage(const QString &field, RuleContext &ctx)
{
    if (m_model.text(field).isEmpty())
        return true;
    if (m_model.text(ikField::completionStage) == kOtherStage)
        ctx.focusTo(ikField::implementationStatus);
    else
        ctx.message(stageNotOther());
    return true;
}

// ---- Numbers and dates

bool IkRules::date(const QString &field, RuleContext &ctx)
{
    return fieldRules::dateRule(m_model, field, ctx);
}

bool IkRules::stateNumber(const QString &field, RuleContext &ctx)
{
    // A number still being typed is not tested; a complete one has its "U" and mark.
    return commonRules::registrationNumberRule(m_model, ctx, field, {true, true});
}

bool IkRules::inventoryNumber(const QString &field, RuleContext &ctx)
{
    const QString value = fieldRules::fieldValue(m_model, field);
    if (value.contains(u' ') || value.startsWith(u"07"_s) || (value.size() >= 5 && value.at(4) == u'U'))
        return true;
    ctx.message(u"5439.Помилка в номері"_s);
    ctx.focusBack();
    return false;
}

bool IkRules::rubric(const QString &field, RuleContext &ctx)
{
    return commonRules::jumpIfEmpty(m_model, ctx, field, ikField::headOfOrganisation);
}

// ---- Texts

bool IkRules::title(const QString &, RuleContext &)
{
    commonRules::keepShownTexts(m_model, m_model.titles());
    return true;
}

// ---- Owners

bool IkRules::ownerKind(const QString &, RuleContext &ctx)
{
    return fieldRules::personKindRule(m_model, ctx, IkModel::ownerKindSettings(), m_model.ownerKindLetter());
}

bool IkRules::ownerCode(const QString &field, RuleContext &ctx)
{
    fieldRules::PartyCodeSettings info;
    info.codeField = field;
    info.prefix = u"2459."_s;
    return fieldRules::partyCodeRule(m_model, ctx, info, m_model.ownerKindLetter());
}

bool IkRules::address(const QString &, RuleContext &ctx)
{
    return commonRules::cityRule(m_model, ctx, ikField::ownerCity);
}

bool IkRules::ownerNumber(const QString &field, RuleContext &ctx)
{
    const int owners = m_model.lists().count(IkList::Owners);
    const bool passed = m_owners.leaveNumber(m_owners.listOfNumberField(field), ctx);
    // An owner removed: the clerk stays on the number, to remove or pick the next.
    if (m_model.lists().count(IkList::Owners) < owners)
        ctx.focusTo(field);
    return passed;
}
