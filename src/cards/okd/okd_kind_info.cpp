#include "cards/okd/okd_kind.h"

#include "cards/okd/okd_read.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// One text of every organisation slot from `first` on.
QStringList slotTexts(const OkdModel &m, QString OkdOrganisation::*member, int first)
{
    QStringList out;
    for (int slot = first; slot < OkdModel::kSlots; ++slot)
        out << m.organisation(slot).*member;
    return out;
}

} // namespace

QList<RecordList> OkdKind::recordLists(const CardModel &model) const
{
    // The private lists the view fields show: organisation texts by slot (slots 1 to
    // 3; telephone and e-mail from slot 0), the supervisors as "Ukrainian\English".
    const OkdModel &m = of(model);
    QStringList names;
    for (int n = 1; n <= OkdModel::kSupervisors; ++n)
        names << m.supervisorName(n, TextLanguage::Ukrainian) + u"\\"_s + m.supervisorName(n, TextLanguage::English);
    return {{u"supervisorName"_s, names},
            {u"councilCipher"_s, {m.councilCipher()}},
            {u"orgCode"_s, slotTexts(m, &OkdOrganisation::code, 1)},
            {u"orgName"_s, slotTexts(m, &OkdOrganisation::name, 1)},
            {u"orgCity"_s, slotTexts(m, &OkdOrganisation::city, 1)},
            {u"orgLocation"_s, slotTexts(m, &OkdOrganisation::location, 1)},
            {u"orgSubordination"_s, slotTexts(m, &OkdOrganisation::subordination, 1)},
            {u"orgPhone"_s, slotTexts(m, &OkdOrganisation::phone, 0)},
            {u"orgEmail"_s, slotTexts(m, &OkdOrganisation::email, 0)}};
}

bool OkdKind::knowsCode(const QString &code) const
{
    return OkdReader::knows(code);
}

QList<NumberedLine> OkdKind::numberedLines() const
{
    return {{u"6156"_s, 2, OkdModel::kSupervisors}, {u"6165"_s, 2, OkdModel::kOpponents}};
}
