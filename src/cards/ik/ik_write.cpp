#include "cards/ik/ik_write.h"

#include "cards/ik/ik_fields.h"
#include "cards/ik/ik_model.h"
#include "cards/ik/ik_names.h"
#include "fields/card_lines.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

using When = CardLines::When;

namespace {

// An owner line is no multi-line value: a line break typed into the owner's address
// would end it there and the rest of the owner would be lost on reading. Each break
// becomes one blank, as a multi-line value reads back.
QStringList onOneLine(QStringList records)
{
    static const QRegularExpression breaks(u"\\r\\n|\\n|\\r"_s);
    for (QString &record : records)
        record.replace(breaks, u" "_s);
    return records;
}

} // namespace

QStringList ikCardLines(IkModel &m)
{
    CardLines out(m);
    out.fields(
        {ikField::registrationDate, ikField::stateNumber, ikField::stateAccountingNumber, ikField::inventoryNumber});
    out.bilingual(m.titles(), 0);
    out.fields({ikField::productDescription, ikField::technicalAdvantages, ikField::economicAdvantages,
                ikField::environmentalImpact});
    if (m.isEmptyValue(ikField::otherProductKind))
        out.field(ikField::productKind);
    else
        out.add(u"9153"_s, out.joined({ikField::productKind, ikField::otherProductKind}));
    out.field(ikField::applicationArea);

    m.storeOwner();
    out.records(u"2459"_s, onOneLine(m.lists().records(IkList::Owners)));

    if (!m.isEmptyValue(ikField::completionStage))
        out.add(u"7326"_s, out.joined({ikField::completionStage, ikField::otherCompletionStage}));
    out.field(ikField::implementationStatus, When::Filled);
    out.add(u"5638"_s, out.joined(ikField::practicalUse));
    out.add(u"1004"_s, out.joined({ikField::transferTerms, ikField::otherTransferTerms}));
    out.add(u"1005"_s, out.joined({ikField::intellectualProperty, ikField::otherIntellectualProperty}));
    out.add(u"1006"_s, out.joined(ikField::investorTerms));
    out.add(u"1009"_s, out.joined({ikField::organisationStatus, ikField::organisationSize}));
    out.filledMasks(u"5616"_s, ikRubricFields());
    out.fields({ikField::headOfOrganisation, ikField::headScientificDegree, ikField::documentsPreparedBy,
                ikField::stateRegistrationHead});
    return out.lines();
}
