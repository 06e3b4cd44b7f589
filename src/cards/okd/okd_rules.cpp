#include "cards/okd/okd_rules.h"

#include "cards/okd/okd_fields.h"
#include "cards/okd/okd_names.h"
#include "fields/common_rules.h"
#include "fields/field_rules.h"
#include "fields/rule_context.h"

using namespace Qt::Literals::StringLiterals;

namespace {

enum Page { Registration, Organisations, Title, Supervisors, General };

// The organisation fields that serve no purpose for the council (slot 0).
const QStringList &councilUnused()
{
    static const QStringList fields = {okdField::organisationName, okdField::organisationCity,
                                       okdField::organisationLocation, okdField::organisationCode};
    return fields;
}

// The scope list of the organisation slots in the whole-card check.
constexpr int kSlotScope = 0;

// The supervisor whose row holds `field`; 0 for a field of no supervisor.
int supervisorOf(const QString &field)
{
    for (int n = 1; n <= OkdModel::kSupervisors; ++n) {
        if (okdSupervisorFields(n).contains(field))
            return n;
    }
    return 0;
}

} // namespace

OkdRules::OkdRules(OkdModel &model) : m_model(model)
{
}

QString OkdRules::surnameUkrainian() { return commonRules::missingText(commonRules::Naming::Surname, false); }
QString OkdRules::surnameEnglish() { return commonRules::missingText(commonRules::Naming::Surname, true); }
QString OkdRules::degreeWarning()
{
    return u"Наукове звання може бути відсутнім тільки для спеціальності мистецтвознавство!"_s;
}
QString OkdRules::checkLanguage() { return u"Перевірьте положення вказівника мови !"_s; }

const QList<OkdRules::RuleRow> &OkdRules::exitRows()
{
    static const QList<RuleRow> rows = {
        {"cb5013", &OkdRules::control},
        {"cb5256", &OkdRules::control},
        {"ed7425", &OkdRules::control},
        {"cb7443", &OkdRules::control},
        {"cb7344", &OkdRules::control},
        {"ed6273ns", &OkdRules::control},
        {"ed6165ns2", &OkdRules::control},
        {"ed6165ns3", &OkdRules::control},
        {"ed6165ns4", &OkdRules::control},
        {"ed6156ns1", &OkdRules::degree},
        {"ed6156ns2", &OkdRules::degree},
        {"ed6156ns3", &OkdRules::degree},
        {"ed6165ns1", &OkdRules::degree},
        {"ed5418D", &OkdRules::date},
        {"ed7434", &OkdRules::date},
        {"ed5438", &OkdRules::accountNumber},
        {"ed5436", &OkdRules::stateNumbers},
        {"ed6147", &OkdRules::applicantName},
        {"ed6156f1", &OkdRules::supervisorName},
        {"ed6156f2", &OkdRules::supervisorName},
        {"ed6156f3", &OkdRules::supervisorName},
        {"ed6165f2", &OkdRules::opponentName},
        {"ed6165f3", &OkdRules::opponentName},
        {"ed6165f4", &OkdRules::opponentName},
        {"mm9045", &OkdRules::keepText, OkdText::ThesisTitle},
        {"mm9118", &OkdRules::keepText, OkdText::ThesisAbstract},
        {"ed5616a", &OkdRules::rubric},
        {"ed5616b", &OkdRules::rubric},
        {"ed5616c", &OkdRules::rubric},
        {"ed5616d", &OkdRules::rubric},
        {"ed5616e", &OkdRules::rubric},
        {"lizv", &OkdRules::personKind},
        {"ed7452", &OkdRules::councilCipher},
        {"edCod", &OkdRules::orgCode},
        {"mmNaz", &OkdRules::keepOrg},
        {"edMis", &OkdRules::keepOrg},
        {"edAdr", &OkdRules::keepOrg},
        {"edTel", &OkdRules::keepOrg},
        {"edEM", &OkdRules::keepOrg},
        {"edMin", &OkdRules::subordination},
    };
    return rows;
}

QList<CardRules::CheckScope> OkdRules::checkScopes()
{
    // Slot 0 is the council: its cipher, telephone and e-mail; the person kind belongs
    // to slot 3.
    static const QString titles[OkdModel::kSlots] = {
        u"Вчена рада"_s, u"Організація, де відбувся захист"_s, u"Організація, де виконано дисертацію"_s,
        u"Організація, де працює здобувач"_s};
    const QStringList exit = fields().exit;
    QStringList slotFields = OkdModel::orgFields();
    slotFields << okdField::personKind;
    CheckScope own;
    for (const QString &field : exit) {
        if (!slotFields.contains(field))
            own.fields << field;
    }
    QList<CheckScope> scopes{own};
    for (int slot = 0; slot < OkdModel::kSlots; ++slot) {
        const OkdOrganisationCodes &codes = OkdModel::organisationCodes(slot);
        CheckScope scope{kSlotScope, slot + 1, titles[slot], codes.code, false, {}, {}};
        for (const QString &field : slotFields) {
            const bool council = field == okdField::councilCipher || field == okdField::organisationPhone
                                 || field == okdField::organisationEmail;
            if (exit.contains(field)
                && (slot == 0 ? council
                              : field != okdField::councilCipher && (field != okdField::personKind || slot == 3)))
                scope.fields << field;
        }
        const std::pair<QString, QString> lines[] = {
            {okdField::organisationCode, codes.code},
            {okdField::organisationName, codes.name},
            {okdField::organisationCity, codes.place},
            {okdField::organisationLocation, codes.place},
            {okdField::organisationPhone, codes.phone},
            {okdField::organisationEmail, codes.email},
            {okdField::organisationSubordination, codes.subordination},
            {okdField::personKind, codes.code}};
        for (const auto &[field, code] : lines) {
            if (!code.isEmpty())
                scope.lineCodes.insert(field, code);
        }
        scopes << scope;
    }
    return scopes;
}

bool OkdRules::inUse(const QString &field) const
{
    // The degree of a second or later supervisor or opponent counts only for one the
    // card names; the first ones are always asked for.
    constexpr int kName = 0;
    constexpr int kDegree = 1;
    for (int n = 2; n <= OkdModel::kSupervisors; ++n) {
        if (okdSupervisorFields(n).at(kDegree) == field)
            return !m_model.supervisorName(n, TextLanguage::Ukrainian).isEmpty()
                   || !m_model.supervisorName(n, TextLanguage::English).isEmpty();
    }
    for (int n = 2; n <= OkdModel::kOpponents; ++n) {
        const QStringList opponent = okdOpponentFields(n);
        if (opponent.at(kDegree) == field)
            return !m_model.text(opponent.at(kName)).trimmed().isEmpty();
    }
    return true;
}

void OkdRules::showScope(const CheckScope &scope)
{
    if (scope.list != kSlotScope)
        return;
    m_model.keepViews();
    m_model.showSlot(scope.entry - 1);
}

CardRules::Fields OkdRules::fields() const
{
    Fields f;
    f.exit = exitRuleFields(exitRows());
    f.enter = {okdField::councilCipher, okdField::organisationSubordination, okdField::secondSupervisorName,
               okdField::thirdSupervisorName};
    f.trimOnPress = {okdField::coverLetterDate, okdField::specialityCode, okdField::organisationCode,
                     okdField::organisationCity};
    f.clicks = councilUnused();
    f.clickMarks = okdClickMarkFields();
    return f;
}

bool OkdRules::exitRule(const QString &field, RuleContext &ctx)
{
    return runExitRule(*this, exitRows(), field, ctx);
}

void OkdRules::enterRule(const QString &field, RuleContext &ctx)
{
    const int slot = m_model.shownSlot();
    if (field == okdField::councilCipher) {
        if (slot != 0)
            ctx.focusTo(okdField::organisationCode);
    } else if (field == okdField::organisationSubordination) {
        if (slot == 0)
            ctx.focusTo(okdField::organisationSlot);
    } else {
        // A second or third supervisor entered in English before the Ukrainian name.
        const int n = supervisorOf(field);
        if (m_model.text(okdField::supervisorLanguage) == u"1"_s
            && m_model.supervisorName(n, TextLanguage::Ukrainian).isEmpty())
            ctx.message(checkLanguage());
    }
}

void OkdRules::click(const QString &field, RuleContext &ctx)
{
    if (councilUnused().contains(field) && m_model.shownSlot() == 0)
        ctx.focusTo(okdField::councilCipher);
}

void OkdRules::enterPage(int page)
{
    if (page == Organisations) {
        m_model.showSlot(m_model.shownSlot());
    } else if (page == Title) {
        m_model.showText(OkdText::ThesisTitle);
        m_model.showText(OkdText::ThesisAbstract);
    }
}

bool OkdRules::chosen(const QString &field)
{
    if (field == okdField::organisationSlot) {
        m_model.showSlot(m_model.shownSlot());
        return true;
    }
    if (field == okdField::supervisorLanguage) {
        m_model.showSupervisors();
        return true;
    }
    return commonRules::languageChosen(m_model, m_model.texts(), field);
}

void OkdRules::commit()
{
    m_model.keepViews();
}

bool OkdRules::stateNumbersOk(const QString &text)
{
    if (text.isEmpty())
        return true;
    const qsizetype blank = text.indexOf(u' ') + 1; // its position from 1, 0 for none
    if (blank > 15)
        return false;
    if (blank >= 1 && blank <= 11)
        return true;
    return text.startsWith(u'U') || (text.size() >= 5 && text.at(4) == u'U');
}

// ---- Boxes

bool OkdRules::control(const QString &field, RuleContext &ctx)
{
    const FieldInfo *info = m_model.table().find(field);
    const QStringList items = info ? info->items : QStringList();
    if (items.contains(m_model.text(field)))
        return true;
    m_model.setText(field, items.value(0));
    ctx.focusBack();
    return false;
}

bool OkdRules::degree(const QString &field, RuleContext &ctx)
{
    const bool passed = control(field, ctx);
    if (m_model.text(field).isEmpty())
        ctx.message(degreeWarning());
    return passed;
}

// ---- Numbers and dates

bool OkdRules::date(const QString &field, RuleContext &ctx)
{
    return fieldRules::dateRule(m_model, field, ctx);
}

bool OkdRules::accountNumber(const QString &field, RuleContext &ctx)
{
    const QString value = fieldRules::fieldValue(m_model, field);
    if (!value.contains(u' ') || value == fieldRules::emptyValue(m_model, field))
        return true;
    ctx.message(u"5438.Помилка в номері"_s);
    ctx.focusBack();
    return false;
}

bool OkdRules::stateNumbers(const QString &field, RuleContext &ctx)
{
    const QString text = fieldRules::trimBlanks(m_model.text(field));
    m_model.setText(field, text);
    if (stateNumbersOk(text))
        return true;
    ctx.message(u"5436.Помилка в номері"_s);
    ctx.focusBack();
    return false;
}

bool OkdRules::rubric(const QString &field, RuleContext &ctx)
{
    return commonRules::jumpIfEmpty(m_model, ctx, field, okdControl::nextPage);
}

// ---- Names

bool OkdRules::applicantName(const QString &, RuleContext &ctx)
{
    return commonRules::bothLanguagesRule(m_model, m_model.texts(), int(OkdText::ApplicantName), ctx,
                                          commonRules::Naming::Surname);
}

bool OkdRules::supervisorName(const QString &field, RuleContext &ctx)
{
    const int n = supervisorOf(field);
    m_model.keepSupervisor(n);
    const QString uk = m_model.supervisorName(n, TextLanguage::Ukrainian);
    const QString en = m_model.supervisorName(n, TextLanguage::English);
    if (n > 1 && uk.isEmpty()) {
        ctx.focusTo(okdOpponentFields(1).first());
        return true;
    }
    if (en.isEmpty() && m_model.text(okdField::supervisorLanguage) == u"1"_s)
        return true;
    if (!en.isEmpty() && !uk.isEmpty()) {
        m_model.selectSupervisorLanguage(TextLanguage::Ukrainian);
        return true;
    }
    if (uk.isEmpty())
        return true; // the first supervisor may stay unnamed
    ctx.message(surnameEnglish());
    m_model.selectSupervisorLanguage(TextLanguage::English);
    m_model.setText(field, QString());
    ctx.focusBack();
    return false;
}

bool OkdRules::opponentName(const QString &field, RuleContext &ctx)
{
    return commonRules::jumpIfEmpty(m_model, ctx, field, okdField::councilChairman);
}

bool OkdRules::keepText(const QString &, RuleContext &, OkdText text)
{
    m_model.keepText(text);
    return true;
}

// ---- Organisations

bool OkdRules::personKind(const QString &, RuleContext &ctx)
{
    return fieldRules::personKindRule(m_model, ctx, OkdModel::personKindSettings(PartyLabels::Select), m_kindLetter);
}

bool OkdRules::orgCode(const QString &field, RuleContext &ctx)
{
    // Kept first, so that a code still being typed is not lost when the slot changes.
    m_model.keepOrgField(field);
    fieldRules::PartyCodeSettings info;
    info.codeField = field;
    info.beepLegal = true;
    info.legalMessage = fieldRules::legalCodeMessage({});
    info.naturalMessage =
        fieldRules::twoLines(u"Помилка в ідентифікаційному номері."_s, u"В номері повинно бути 10 цифр"_s);
    // The digits asked for are those of the code field as the slot shown has it: the
    // person kind of slot 3 does not count on the other slots.
    const QString letter = m_model.naturalCodeShown() ? fieldRules::naturalLetter() : fieldRules::legalLetter();
    return fieldRules::partyCodeRule(m_model, ctx, info, letter);
}

bool OkdRules::councilCipher(const QString &field, RuleContext &ctx)
{
    if (m_model.keepOrgField(field))
        ctx.focusTo(okdField::organisationPhone);
    return true;
}

bool OkdRules::subordination(const QString &field, RuleContext &ctx)
{
    m_model.keepOrgField(field);
    if (m_model.shownSlot() >= 2)
        ctx.focusTo(okdField::organisationSlot);
    return true;
}

bool OkdRules::keepOrg(const QString &field, RuleContext &)
{
    m_model.keepOrgField(field);
    return true;
}
