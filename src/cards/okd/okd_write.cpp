#include "cards/okd/okd_write.h"

#include "cards/okd/okd_fields.h"
#include "cards/okd/okd_model.h"
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
            out.add(codes.code, fieldRules::kindDigit(m.text(u"lizv"_s)) + kSep + org.code);
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
    out.fields({u"cb5013"_s, u"cb5256"_s});
    out.add(u"5418"_s, out.joined({u"ed5418N"_s, u"ed5418D"_s}));
    out.fields({u"ed5438"_s, u"ed5436"_s});
    out.bilingual(m.texts(), int(OkdText::ApplicantName));
    out.add(u"6642"_s, m.text(u"cb6642"_s) == QLatin1String("1") ? u"1"_s : u"0"_s);
    out.fields({u"ed7425"_s, u"ed6444"_s});
    if (!isUntouched(m, u"Ed6444a"_s))
        out.field(u"Ed6444a"_s);
    out.fields({u"ed6480"_s, u"ed7434"_s, u"ed5743"_s, u"ed5744"_s, u"cb5715"_s, u"ed7021"_s, u"cb7443"_s,
                u"cb7344"_s});
    out.bilingual(m.texts(), int(OkdText::ThesisTitle));
    out.bilingual(m.texts(), int(OkdText::ThesisAbstract));

    out.add(u"7452"_s, m.councilCipher());
    for (int slot = 1; slot < OkdModel::kSlots; ++slot)
        out.add(OkdModel::organisationCodes(slot).subordination, m.organisation(slot).subordination);
    out.field(u"cb1133"_s);
    out.add(OkdModel::organisationCodes(0).phone, m.organisation(0).phone);
    for (int slot = 1; slot < OkdModel::kSlots; ++slot)
        organisation(out, m, slot);

    out.fields({u"ed5742"_s, u"ed5751"_s, u"ed5760"_s, u"ed5778"_s, u"ed5787"_s, u"ed5481"_s, u"ed5472"_s});
    supervisors(out, m);
    opponents(out, m);
    out.field(u"ed5634"_s);
    for (const QString &rubric : okdRubricFields()) {
        if (!isUntouched(m, rubric))
            out.field(rubric);
    }
    out.field(u"ed6174"_s, CardLines::When::Filled);
    out.field(u"ed6141"_s);
    if (!m.text(u"ed6273ns"_s).isEmpty() || !m.text(u"ed6273vz"_s).isEmpty())
        out.add(u"6273"_s, out.joined({u"ed6273ns"_s, u"ed6273vz"_s}));
    out.field(u"ed6140"_s);
    return out.lines();
}
