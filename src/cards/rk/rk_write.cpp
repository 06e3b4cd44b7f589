#include "cards/rk/rk_write.h"

#include "cardfile/card_item.h"
#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_model.h"
#include "cards/rk/rk_names.h"
#include "fields/card_lines.h"

using namespace Qt::Literals::StringLiterals;

using When = CardLines::When;

QStringList rkCardLines(RkModel &m)
{
    CardLines out(m);
    out.field(rkField::securityMark);
    out.field(rkField::stateNumber);
    out.add(u"5418"_s, out.joined({rkField::coverLetterNumber, rkField::coverLetterDate}));
    out.field(rkField::changedNumber, When::Filled);
    out.add(u"2457"_s, QString::number(rkPersonKind(m.text(rkField::executorKind))) + QLatin1Char('\\')
                           + m.text(rkField::executorCode));
    out.bilingual(m.texts(), int(RkText::ExecutorName));
    out.trimmed(u"2358"_s, rkField::executorShortName);
    out.add(u"2655"_s, CardLines::chopBlanks(m.text(rkField::executorCity)) + QLatin1Char('\\')
                           + m.text(rkField::executorAddress));
    out.fields({rkField::executorPhone, rkField::executorMail}, When::Always);
    out.trimmed(u"1332"_s, rkField::executorSubordination);
    out.field(rkField::scienceSector);

    m.storeCustomer();
    out.list(u"2458"_s, m.lists(), int(RkList::Customers));

    out.add(u"FING"_s, out.joined(rkYearFields()));
    for (const QStringList &row : rkFinancingRows()) {
        // The source code stands in place of a field code.
        if (rkFinancingSources().contains(m.text(row.first())))
            out.raw(out.joined(row));
    }

    out.fields({rkField::workStart, rkField::workEnd, rkField::workBasis, rkField::workKind}, When::Always);
    const QString other = m.text(rkField::otherExpectedResult);
    out.add(u"9153"_s, m.text(rkField::expectedResult) + (other.isEmpty() ? QString() : QLatin1Char('\\') + other));

    out.fields({rkField::leadExecutorNumber, rkField::executorStatus, rkField::workCode, rkField::budgetProgramCode},
               When::Filled);
    if (!m.isEmptyValue(rkField::financingDirection))
        out.add(u"7201"_s, out.joined({rkField::financingDirection, rkField::otherFinancingDirection}));
    out.fields({rkField::stateProgramName, rkField::stateProgramCode, rkField::priorityDirection,
                rkField::applicationArea, rkField::expertOpinion},
               When::Filled);

    out.bilingual(m.texts(), int(RkText::WorkTitle));
    out.field(rkField::workPurpose);

    m.storeCoExecutor();
    m.storeStage();
    out.list(u"2142"_s, m.lists(), int(RkList::CoExecutors));
    for (const QString &stage : m.lists().records(int(RkList::Stages))) {
        if (!item(stage, 5).isEmpty())
            out.add(u"9036"_s, stage);
    }

    out.field(rkField::udcIndex);
    out.filledMasks(u"5616"_s, rkRubricFields());
    out.field(rkField::headOfOrganisation);
    out.field(rkField::headOfOrganisationDegree, When::Filled);
    out.bilingual(m.texts(), int(RkText::WorkHead));
    out.field(rkField::workHeadDegree, When::Filled);
    out.fields({rkField::registrationDepartmentHead, rkField::documentsPreparer}, When::Always);
    return out.lines();
}
