#include "cards/okd/okd_write.h"

#include "cards/okd/okd_fields.h"
#include "cards/okd/okd_model.h"
#include "cards/okd/okd_names.h"
#include "fields/card_lines.h"
#include "fields/edit_mask.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QChar kSep = QLatin1Char('\\');

bool isUntouched(const OkdModel &m, const QString &field)
{
    return m.text(field) == EditMask(m.mask(field)).emptyText();
}

void organisation(CardLines &out, const OkdModel &m, int slot)
{
    const OkdOrganisationCodes &codes = OkdModel::organisationCodes(slot);
    const OkdOrganisation &org = m.organisation(slot);
    if (slot == 3) {
        // The kind's number stands before the code; no line without a code.
        if (!org.code.trimmed().isEmpty())
            out.add(codes.code, fieldRules::kindDigit(m.text(okdField::personKind)) + kSep + org.code);
    } else {
        out.add(codes.code, org.code);
    }
    out.add(codes.name, org.name);
    out.add(codes.place, org.city + kSep + org.location);
    out.add(codes.phone, org.phone);
    out.add(codes.email, org.email);
}

void supervisors(CardLines &out, const OkdModel &m)
{
    for (int n = 1; n <= OkdModel::kSupervisors; ++n) {
        const QString uk = m.supervisorName(n, TextLanguage::Ukrainian);
        const QString en = m.supervisorName(n, TextLanguage::English);
        // A supervisor named in English only is written too, so the name is not lost.
        if (uk.isEmpty() && en.isEmpty())
            continue;
        const QString head = u"6156\\"_s + QString::number(n);
        out.raw(head + u"\\1\\"_s + uk + kSep + out.joined(okdSupervisorFields(n).mid(1)));
        out.raw(head + u"\\3\\"_s + en);
    }
}

void opponents(CardLines &out, const OkdModel &m)
{
    for (int n = 1; n <= OkdModel::kOpponents; ++n) {
        const QStringList fields = okdOpponentFields(n);
        if (!m.text(fields.first()).isEmpty())
            out.add(u"6165"_s, QString::number(n) + kSep + out.joined(fields));
    }
}

} // namespace

QStringList okdCardLines(const OkdModel &m)
{
    CardLines out(m);
    out.fields({okdField::thesisKind, okdField::securityMark});
    out.add(u"5418"_s, out.joined({okdField::coverLetterNumber, okdField::coverLetterDate}));
    out.fields({okdField::stateAccountNumber, okdField::stateNumbers});
    out.bilingual(m.texts(), int(OkdText::ApplicantName));
    out.add(u"6642"_s, m.text(okdField::postgraduate) == QLatin1String("1") ? u"1"_s : u"0"_s);
    out.fields({okdField::degreeSought, okdField::specialityCode});
    if (!isUntouched(m, okdField::secondSpecialityCode))
        out.field(okdField::secondSpecialityCode);
    out.fields({okdField::educationSpeciality, okdField::defenceDate, okdField::electronicMediaCount,
                okdField::fileCount, okdField::documentLanguage, okdField::thesisCipher, okdField::researchResults,
                okdField::implementationStatus});
    out.bilingual(m.texts(), int(OkdText::ThesisTitle));
    out.bilingual(m.texts(), int(OkdText::ThesisAbstract));

    out.add(u"7452"_s, m.councilCipher());
    for (int slot = 1; slot < OkdModel::kSlots; ++slot)
        out.add(OkdModel::organisationCodes(slot).subordination, m.organisation(slot).subordination);
    out.field(okdField::scienceSector);
    out.add(OkdModel::organisationCodes(0).phone, m.organisation(0).phone);
    for (int slot = 1; slot < OkdModel::kSlots; ++slot)
        organisation(out, m, slot);

    out.fields({okdField::pageCount, okdField::appendixCount, okdField::illustrationCount, okdField::tableCount,
                okdField::sourceCount, okdField::publicationCount, okdField::patentCount});
    supervisors(out, m);
    opponents(out, m);
    out.field(okdField::udcIndex);
    for (const QString &rubric : okdRubricFields()) {
        if (!isUntouched(m, rubric))
            out.field(rubric);
    }
    out.field(okdField::councilChairman, CardLines::When::Filled);
    out.field(okdField::documentsPreparedBy);
    if (!m.text(okdField::chairmanDegree).isEmpty() || !m.text(okdField::chairmanTitle).isEmpty())
        out.add(u"6273"_s, out.joined({okdField::chairmanDegree, okdField::chairmanTitle}));
    out.field(okdField::stateRegistrationHead);
    return out.lines();
}
