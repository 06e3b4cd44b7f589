#include "cards/okd/okd_read.h"

#include "cardfile/card_item.h"
#include "cards/okd/okd_fields.h"
#include "cards/okd/okd_names.h"
#include "fields/edit_mask.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace {

// Codes whose items go into fields as they stand: item 2 into the first field, item 3
// into the second.
const QHash<QString, QStringList> &plainCodes()
{
    static const QHash<QString, QStringList> codes = plainLineCodes(okdFieldTable(),
        {
            okdField::thesisKind, okdField::securityMark, okdField::degreeSought, okdField::educationSpeciality,
            okdField::thesisCipher, okdField::researchResults, okdField::implementationStatus,
            okdField::documentLanguage, okdField::electronicMediaCount, okdField::fileCount, okdField::councilChairman,
            okdField::stateRegistrationHead, okdField::documentsPreparedBy, okdField::stateAccountNumber,
            okdField::stateNumbers, okdField::defenceDate, okdField::udcIndex, okdField::pageCount,
            okdField::appendixCount, okdField::illustrationCount, okdField::tableCount, okdField::sourceCount,
            okdField::publicationCount, okdField::patentCount, okdField::scienceSector
        },
        {
            {u"5418"_s, {okdField::coverLetterNumber, okdField::coverLetterDate}},
            {u"6273"_s, {okdField::chairmanDegree, okdField::chairmanTitle}},
        });
    return codes;
}

// An organisation line: its slot and what it sets.
enum class OrgItem { Code, Name, Place, Phone, Email, Subordination };

struct OrgLine
{
    int slot;
    OrgItem what;
};

const QHash<QString, OrgLine> &organisationCodes()
{
    static const QHash<QString, OrgLine> codes = [] {
        QHash<QString, OrgLine> out;
        for (int slot = 0; slot < OkdModel::kSlots; ++slot) {
            const OkdOrganisationCodes &c = OkdModel::organisationCodes(slot);
            const std::pair<QString, OrgItem> items[] = {
                {c.code, OrgItem::Code},   {c.name, OrgItem::Name},   {c.place, OrgItem::Place},
                {c.phone, OrgItem::Phone}, {c.email, OrgItem::Email}, {c.subordination, OrgItem::Subordination}};
            for (const auto &[code, what] : items) {
                if (!code.isEmpty())
                    out.insert(code, {slot, what});
            }
        }
        return out;
    }();
    return codes;
}

// The organisation names are memos: typed on several lines they stand on several
// physical lines, read back joined like the title's.
const QStringList kNameCodes = {u"2304"_s, u"3330"_s, u"2187"_s};

bool isUntouched(const OkdModel &m, const QString &field)
{
    return m.text(field) == EditMask(m.mask(field)).emptyText();
}

// Everything after the backslash that ends item n - 1: a text that itself holds a
// backslash comes back whole.
QString itemsFrom(const QString &line, int n)
{
    qsizetype at = -1;
    for (int i = 1; i < n; ++i) {
        at = line.indexOf(QLatin1Char('\\'), at + 1);
        if (at < 0)
            return {};
    }
    return line.mid(at + 1);
}

// A list number: blanks only count as 0.
int personNumber(const QString &line)
{
    const QString n = trimLine(item(line, 2));
    return n.isEmpty() ? 0 : cardNumber(n);
}

void readOrganisation(OkdModel &m, ReadReport &report, const OrgLine &at, const QString &line)
{
    OkdOrganisation &org = m.organisation(at.slot);
    const QString slot = u"org%1/"_s.arg(at.slot);
    int last = 2;
    switch (at.what) {
    case OrgItem::Code:
        if (at.slot == 3 && !item(line, 3).isEmpty()) {
            org.code = item(line, 3);
            m.selectNumbered(okdField::personKind, item(line, 2));
            last = 3;
        } else {
            // Also the older 2484\code without the person kind.
            org.code = item(line, 2);
        }
        report.keep(slot + u"code"_s, org.code);
        break;
    case OrgItem::Name:
        org.name = item(line, 2);
        report.keep(slot + u"name"_s, org.name);
        break;
    case OrgItem::Place:
        org.city = item(line, 2);
        org.location = item(line, 3);
        report.keep(slot + u"city"_s, org.city);
        report.keep(slot + u"location"_s, org.location);
        last = 3;
        break;
    case OrgItem::Phone:
        org.phone = item(line, 2);
        report.keep(slot + u"phone"_s, org.phone);
        break;
    case OrgItem::Email:
        org.email = item(line, 2);
        report.keep(slot + u"email"_s, org.email);
        break;
    case OrgItem::Subordination:
        org.subordination = item(line, 2);
        report.keep(slot + u"subordination"_s, org.subordination);
        break;
    }
    report.dropItemsAfter(line, last);
}

// A language sub-code other than 1, 2 or 3 is kept by no field.
bool isLanguage(int sub)
{
    return sub >= 1 && sub <= 3;
}

QString languageSlot(const QString &what, int sub)
{
    return what + (sub == 1 ? u":uk"_s : u":en"_s);
}

void noteLanguage(ReadReport &report, int sub)
{
    report.drop(u"мовний код «%1» має бути 1 (українською) або 3 (англійською): рядок не прочитано"_s.arg(sub));
}

void readApplicant(OkdModel &m, ReadReport &report, const QString &line)
{
    const QString s = trimLine(item(line, 2));
    if (s.size() == 1) {
        const int sub = cardNumber(s);
        if (sub == 1)
            m.texts().setText(OkdText::ApplicantName, TextLanguage::Ukrainian, trimLine(item(line, 3)));
        else if (sub == 2 || sub == 3)
            m.texts().setText(OkdText::ApplicantName, TextLanguage::English, trimLine(item(line, 3)));
        if (isLanguage(sub))
            report.keep(languageSlot(u"6147"_s, sub), trimLine(item(line, 3)));
        else
            noteLanguage(report, sub);
        report.dropItemsAfter(line, 3);
    } else {
        m.texts().setText(OkdText::ApplicantName, TextLanguage::Ukrainian, s); // older form 6147\name
        report.keep(languageSlot(u"6147"_s, 1), s);
        report.dropItemsAfter(line, 2);
    }
    m.selectLanguage(OkdText::ApplicantName, TextLanguage::Ukrainian);
}

void readPostgraduate(OkdModel &m, ReadReport &report, const QString &line)
{
    const int flag = cardNumber(item(line, 2));
    if (flag == 0 || flag == 1) {
        m.setText(okdField::postgraduate, QString::number(flag));
        report.keep(okdField::postgraduate, QString::number(flag));
    } else {
        report.drop(u"позначка «%1» має бути 0 або 1: рядок не прочитано"_s.arg(flag));
    }
    report.dropItemsAfter(line, 2);
}

void readSpeciality(OkdModel &m, ReadReport &report, const QString &line)
{
    report.dropItemsAfter(line, 2);
    for (const QString &field : {okdField::specialityCode, okdField::secondSpecialityCode}) {
        if (isUntouched(m, field)) {
            m.setFitted(field, item(line, 2));
            return;
        }
    }
    if (holdsData(item(line, 2)))
        report.drop(u"обидва поля шифру спеціальності вже заповнено: рядок не прочитано"_s);
}

// Sub-code 1 the Ukrainian text, 2 or 3 the English one; 4 and 5 are kept by no field.
// Another sub-code is ignored.
void readThesis(OkdModel &m, ReadReport &report, OkdText which, const QString &value)
{
    const int sub = cardNumber(item(value, 2));
    if (sub == 1)
        m.texts().setText(which, TextLanguage::Ukrainian, itemsFrom(value, 3));
    else if (sub == 2 || sub == 3)
        m.texts().setText(which, TextLanguage::English, itemsFrom(value, 3));
    if (!isLanguage(sub)) {
        noteLanguage(report, sub);
        return;
    }
    report.keep(languageSlot(lineCode(value), sub), itemsFrom(value, 3));
    // The text is taken whole, "\" and all, which no save writes.
    if (itemsFrom(value, 3).contains(QLatin1Char('\\')))
        report.drop(u"у тексті є «\\», тому картку не буде записано, доки його не прибрати"_s);
}

void readSupervisor(OkdModel &m, ReadReport &report, const QString &line)
{
    const int n = personNumber(line);
    if (n < 1 || n > OkdModel::kSupervisors) {
        report.numberOutOfRange(item(line, 2), OkdModel::kSupervisors);
        return;
    }
    const QStringList fields = okdSupervisorFields(n).mid(1);
    const QString s = trimLine(item(line, 3));
    const QString who = u"6156#%1"_s.arg(n);
    int first = 4; // the first of degree, title and specialities
    if (s.size() == 1) {
        const int sub = cardNumber(s);
        if (sub == 1) {
            m.setSupervisorName(n, TextLanguage::Ukrainian, trimLine(item(line, 4)));
            first = 5;
        } else if (sub == 2 || sub == 3) {
            m.setSupervisorName(n, TextLanguage::English, trimLine(item(line, 4)));
            first = 0;
        } else {
            first = 0;
        }
        if (isLanguage(sub))
            report.keep(languageSlot(who, sub), trimLine(item(line, 4)));
        else
            noteLanguage(report, sub);
        report.dropItemsAfter(line, sub == 1 ? 8 : 4);
    } else {
        m.setSupervisorName(n, TextLanguage::Ukrainian, s); // older form 6156\n\name\...
        report.keep(languageSlot(who, 1), s);
        report.dropItemsAfter(line, 7);
    }
    if (first > 0) {
        for (int i = 0; i < fields.size(); ++i) {
            m.setFitted(fields.at(i), trimLine(item(line, first + i)));
            report.keep(fields.at(i), trimLine(item(line, first + i)));
        }
    }
    m.setText(okdField::supervisorLanguage, u"0"_s);
    m.setText(okdSupervisorFields(n).first(), m.supervisorName(n, TextLanguage::Ukrainian));
}

void readOpponent(OkdModel &m, ReadReport &report, const QString &line)
{
    const int n = personNumber(line);
    if (n < 1 || n > OkdModel::kOpponents) {
        report.numberOutOfRange(item(line, 2), OkdModel::kOpponents);
        return;
    }
    const QStringList fields = okdOpponentFields(n);
    for (int i = 0; i < fields.size(); ++i) {
        m.setFitted(fields.at(i), item(line, i + 3));
        report.keep(fields.at(i), item(line, i + 3));
    }
    report.dropItemsAfter(line, int(fields.size()) + 2);
    // A save writes an opponent by the name.
    if (!holdsData(item(line, 3)) && holdsData(line.mid(5)))
        report.drop(u"опонента без прізвища не буде записано"_s);
}

void readRubric(OkdModel &m, ReadReport &report, const QString &line)
{
    report.dropItemsAfter(line, 2);
    for (const QString &field : okdRubricFields()) {
        if (isUntouched(m, field)) {
            m.setFitted(field, item(line, 2));
            return;
        }
    }
    if (holdsData(item(line, 2)))
        report.drop(LineInterpreter::rubricsFull());
}

void readCouncil(OkdModel &m, ReadReport &report, const QString &line)
{
    m.setCouncilCipher(item(line, 2));
    m.setFitted(okdField::councilCipher, m.councilCipher());
    report.keep(u"7452"_s, item(line, 2));
    report.dropItemsAfter(line, 2);
}

// The codes read by a rule of their own.
using LineRule = void (*)(OkdModel &, ReadReport &, const QString &);
const QHash<QString, LineRule> &ruleCodes()
{
    static const QHash<QString, LineRule> rules = {
        {u"6147"_s, readApplicant},  {u"6642"_s, readPostgraduate}, {u"6444"_s, readSpeciality},
        {u"7452"_s, readCouncil},    {u"6156"_s, readSupervisor},   {u"6165"_s, readOpponent},
        {u"5616"_s, readRubric},
    };
    return rules;
}

} // namespace

OkdReader::OkdReader(OkdModel &model)
    : LineInterpreter({u"9045"_s, u"9118"_s, kNameCodes.at(0), kNameCodes.at(1), kNameCodes.at(2)},
                      // A letter's date, and the chairman's title, stay when the value before
                      // them was left empty.
                      {u"5418"_s, u"6273"_s}),
      m_model(model)
{
}

bool OkdReader::knows(const QString &code)
{
    return plainCodes().contains(code) || organisationCodes().contains(code) || ruleCodes().contains(code)
           || code == QLatin1String("9045") || code == QLatin1String("9118");
}

void OkdReader::applyLine(const QString &code, const QString &line)
{
    if (const auto it = plainCodes().constFind(code); it != plainCodes().cend()) {
        putItems(m_model, line, *it);
        for (int i = 0; i < it->size(); ++i)
            report().keep(it->at(i), item(line, i + 2));
        report().dropItemsAfter(line, int(it->size()) + 1);
    } else if (const auto org = organisationCodes().constFind(code); org != organisationCodes().cend()) {
        readOrganisation(m_model, report(), *org, line);
    } else if (const auto rule = ruleCodes().constFind(code); rule != ruleCodes().cend()) {
        (*rule)(m_model, report(), line);
    } else {
        report().unknownCode();
    }
}

void OkdReader::applyMultiLine(const QString &code, const QString &value)
{
    if (code == QLatin1String("9045"))
        readThesis(m_model, report(), OkdText::ThesisTitle, value);
    else if (code == QLatin1String("9118"))
        readThesis(m_model, report(), OkdText::ThesisAbstract, value);
    else if (!item(value, 2).isEmpty())
        applyLine(code, value); // an organisation name; an empty one is ignored like any line
    else if (holdsData(value.mid(5)))
        report().drop(u"перше значення порожнє, тому рядок не прочитано"_s);
}

void OkdReader::finish()
{
    settleSkippedLines(m_model, plainCodes());
    // A save writes a supervisor by the Ukrainian name.
    for (int n = 1; n <= OkdModel::kSupervisors; ++n) {
        const int english = report().keptLine(u"6156#%1:en"_s.arg(n));
        if (english > 0 && m_model.supervisorName(n, TextLanguage::Ukrainian).isEmpty())
            report().dropLine(english, u"6156"_s,
                              u"керівника %1 без імені українською не буде записано, а з ним і ім'я англійською"_s.arg(n));
    }
}

void okdShowAfterRead(OkdModel &model)
{
    model.selectLanguage(OkdText::ApplicantName, TextLanguage::Ukrainian);
    model.selectLanguage(OkdText::ThesisTitle, TextLanguage::Ukrainian);
    model.selectSupervisorLanguage(TextLanguage::Ukrainian);
    model.showSlot(0);
}
