#include "cards/okd/okd_model.h"

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
        {u"edCod"_s, &OkdOrganisation::code, 1, 1},  {u"mmNaz"_s, &OkdOrganisation::name, 1, 1},
        {u"edMis"_s, &OkdOrganisation::city, 1, 1},  {u"edAdr"_s, &OkdOrganisation::location, 1, 1},
        {u"edTel"_s, &OkdOrganisation::phone, 0, 0}, {u"edEM"_s, &OkdOrganisation::email, 0, 1},
        {u"edMin"_s, &OkdOrganisation::subordination, 1, 1},
    };
    return views;
}

const QString kCipherField = u"ed7452"_s;
const QString kCodeField = u"edCod"_s;
const QString kSlotGroup = u"RadioGroup1"_s;
const QString kSupervisorGroup = u"indjzk"_s;

QString languageNumber(TextLanguage language)
{
    return language == TextLanguage::English ? u"1"_s : u"0"_s;
}

} // namespace

OkdModel::OkdModel(const FieldTable &table)
    : CardModel(table),
      m_texts({{u"6147"_s, u"ed6147"_s, u"indjzd"_s, true}, {u"9045"_s, u"mm9045"_s, u"RadioGroup2"_s},
               {u"9118"_s, u"mm9118"_s, u"RadioGroup2"_s}}),
      m_supervisors({{u"6156"_s, u"ed6156f1"_s, kSupervisorGroup, true},
                     {u"6156"_s, u"ed6156f2"_s, kSupervisorGroup, true},
                     {u"6156"_s, u"ed6156f3"_s, kSupervisorGroup, true}}),
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
    setText(kSupervisorGroup, languageNumber(language));
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
    return qBound(0, text(kSlotGroup).toInt(), kSlots - 1);
}

void OkdModel::showSlot(int slot)
{
    slot = qBound(0, slot, kSlots - 1);
    setText(kSlotGroup, QString::number(slot));
    setFitted(kCipherField, QString());
    for (const OrgView &view : orgViews())
        setFitted(view.field, QString());
    m_personKindShown = false;
    fieldRules::applyPersonKind(*this, personKindSettings(PartyLabels::Show), false);

    m_councilShown = slot == 0;
    if (slot <= 1)
        setFitted(kCipherField, m_councilCipher);
    if (slot == 1)
        m_sectorShown = true;
    else if (slot >= 2)
        m_sectorShown = false;
    if (slot == 3) {
        m_personKindShown = true;
        if (text(u"lizv"_s) == commonTexts::personKinds().at(1))
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
    if (field == kCipherField) {
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
    static const QStringList fields = {kCipherField, u"edCod"_s, u"mmNaz"_s, u"edMis"_s,
                                       u"edAdr"_s,   u"edTel"_s, u"edEM"_s,  u"edMin"_s};
    return fields;
}

bool OkdModel::naturalCodeShown() const
{
    return shownSlot() == 3 && text(u"lizv"_s) == commonTexts::personKinds().at(1);
}

fieldRules::PersonKindSettings OkdModel::personKindSettings(PartyLabels labels)
{
    fieldRules::PersonKindSettings info;
    info.selector = u"lizv"_s;
    info.codeField = kCodeField;
    info.label = u"lb3"_s;
    info.legalText = u"Код організації за ЄДРПОУ"_s;
    info.naturalText = labels == PartyLabels::Show ? u"Ідентифікаційний номер "_s : u"Ідентифікаційний номер"_s;
    info.resetInvalidText = false;
    info.invalidMessage = u" Помилка "_s;
    info.beepOnInvalid = true;
    return info;
}
