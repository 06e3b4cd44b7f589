#include "cards/okd/okd_model.h"

#include "cards/okd/okd_fields.h"
#include "cards/okd/okd_names.h"
#include "fields/common_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Where each organisation field keeps its text, from which slot on it keeps it and
// from which slot on it shows it (slot 0's e-mail is kept but never shown).
struct OrgView
{
    QString field;
    QString OkdOrganisation::*member;
    int keptFrom;
    int shownFrom;
};

const QList<OrgView> &orgViews()
{
    static const QList<OrgView> views = {
        {okdField::organisationCode, &OkdOrganisation::code, 1, 1},
        {okdField::organisationName, &OkdOrganisation::name, 1, 1},
        {okdField::organisationCity, &OkdOrganisation::city, 1, 1},
        {okdField::organisationLocation, &OkdOrganisation::location, 1, 1},
        {okdField::organisationPhone, &OkdOrganisation::phone, 0, 0},
        {okdField::organisationEmail, &OkdOrganisation::email, 0, 1},
        {okdField::organisationSubordination, &OkdOrganisation::subordination, 1, 1},
    };
    return views;
}

QString languageNumber(TextLanguage language)
{
    return language == TextLanguage::English ? u"1"_s : u"0"_s;
}

} // namespace

OkdModel::OkdModel(const FieldTable &table)
    : CardModel(table),
      m_texts({{u"6147"_s, okdField::applicantName, okdField::applicantLanguage, true},
               {u"9045"_s, okdField::thesisTitle, okdField::thesisLanguage},
               {u"9118"_s, okdField::thesisAbstract, okdField::thesisLanguage}}),
      m_supervisors({{u"6156"_s, okdField::firstSupervisorName, okdField::supervisorLanguage, true},
                     {u"6156"_s, okdField::secondSupervisorName, okdField::supervisorLanguage, true},
                     {u"6156"_s, okdField::thirdSupervisorName, okdField::supervisorLanguage, true}}),
      m_orgs(kSlots)
{
}

void OkdModel::clearState()
{
    m_texts.clear();
    m_supervisors.clear();
    m_councilCipher.clear();
    m_orgs = QList<OkdOrganisation>(kSlots);
    m_councilShown = false;
}

void OkdModel::selectLanguage(OkdText which, TextLanguage language)
{
    setText(m_texts.slot(int(which)).languageField, languageNumber(language));
    showText(which);
    // The title and the abstract follow one group.
    if (which == OkdText::ThesisTitle)
        showText(OkdText::ThesisAbstract);
    else if (which == OkdText::ThesisAbstract)
        showText(OkdText::ThesisTitle);
}

void OkdModel::keepViews()
{
    for (int i = 0; i < m_texts.size(); ++i)
        m_texts.keepShown(*this, i);
    for (int n = 1; n <= kSupervisors; ++n)
        keepSupervisor(n);
    for (const QString &field : orgFields())
        keepOrgField(field);
}

QString OkdModel::supervisorName(int n, TextLanguage language) const
{
    return m_supervisors.text(n - 1, language);
}

void OkdModel::setSupervisorName(int n, TextLanguage language, const QString &name)
{
    if (n >= 1 && n <= kSupervisors)
        m_supervisors.setText(n - 1, language, name);
}

void OkdModel::showSupervisors()
{
    for (int i = 0; i < kSupervisors; ++i)
        m_supervisors.showSelected(*this, i);
}

void OkdModel::selectSupervisorLanguage(TextLanguage language)
{
    setText(okdField::supervisorLanguage, languageNumber(language));
    showSupervisors();
}

void OkdModel::keepSupervisor(int n)
{
    if (n >= 1 && n <= kSupervisors)
        m_supervisors.keepShown(*this, n - 1);
}

const OkdOrganisationCodes &OkdModel::organisationCodes(int slot)
{
    static const OkdOrganisationCodes codes[kSlots] = {
        {{}, {}, {}, u"7461"_s, {}, {}},
        {u"2430"_s, u"2304"_s, u"2637"_s, u"2936"_s, u"2395"_s, u"1334"_s},
        {u"3240"_s, u"3330"_s, u"3276"_s, u"3294"_s, u"3295"_s, u"1335"_s},
        {u"2484"_s, u"2187"_s, u"2781"_s, u"2988"_s, u"3296"_s, u"1336"_s},
    };
    return codes[qBound(0, slot, kSlots - 1)];
}

int OkdModel::shownSlot() const
{
    return qBound(0, text(okdField::organisationSlot).toInt(), kSlots - 1);
}

void OkdModel::showSlot(int slot)
{
    slot = qBound(0, slot, kSlots - 1);
    setText(okdField::organisationSlot, QString::number(slot));
    setFitted(okdField::councilCipher, QString());
    for (const OrgView &view : orgViews())
        setFitted(view.field, QString());
    m_personKindShown = false;
    fieldRules::applyPersonKind(*this, personKindSettings(PartyLabels::Show), false);

    m_councilShown = slot == 0;
    if (slot <= 1)
        setFitted(okdField::councilCipher, m_councilCipher);
    if (slot == 1)
        m_sectorShown = true;
    else if (slot >= 2)
        m_sectorShown = false;
    if (slot == 3) {
        m_personKindShown = true;
        if (text(okdField::personKind) == commonTexts::personKinds().at(1))
            fieldRules::applyPersonKind(*this, personKindSettings(PartyLabels::Show), true);
    }
    const OkdOrganisation &org = m_orgs.at(slot);
    for (const OrgView &view : orgViews()) {
        if (slot >= view.shownFrom)
            setFitted(view.field, org.*view.member);
    }
}

bool OkdModel::keepOrgField(const QString &field)
{
    const int slot = shownSlot();
    if (field == okdField::councilCipher) {
        if (slot != 0)
            return false;
        m_councilCipher = text(field);
        return true;
    }
    for (const OrgView &view : orgViews()) {
        if (view.field == field) {
            if (slot < view.keptFrom)
                return false;
            m_orgs[slot].*view.member = text(field);
            return true;
        }
    }
    return false;
}

const QStringList &OkdModel::orgFields()
{
    static const QStringList fields = {okdField::councilCipher,        okdField::organisationCode,
                                       okdField::organisationName,     okdField::organisationCity,
                                       okdField::organisationLocation, okdField::organisationPhone,
                                       okdField::organisationEmail,    okdField::organisationSubordination};
    return fields;
}

bool OkdModel::naturalCodeShown() const
{
    return shownSlot() == 3 && text(okdField::personKind) == commonTexts::personKinds().at(1);
}

fieldRules::PersonKindSettings OkdModel::personKindSettings(PartyLabels labels)
{
    fieldRules::PersonKindSettings info;
    info.selector = okdField::personKind;
    info.codeField = okdField::organisationCode;
    info.label = okdLabelName(okdField::organisationCode);
    info.legalText = u"Код організації за ЄДРПОУ"_s;
    info.naturalText = labels == PartyLabels::Show ? u"Ідентифікаційний номер "_s : u"Ідентифікаційний номер"_s;
    info.resetInvalidText = false;
    info.invalidMessage = u" Помилка "_s;
    info.beepOnInvalid = true;
    return info;
}
