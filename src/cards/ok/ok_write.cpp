#include "cards/ok/ok_write.h"

#include "cards/ok/ok_fields.h"
#include "cards/ok/ok_model.h"
#include "cards/ok/ok_names.h"
#include "fields/card_lines.h"
#include "fields/common_texts.h"

using namespace Qt::Literals::StringLiterals;

using When = CardLines::When;

QStringList okCardLines(OkModel &m)
{
    CardLines out(m);
    out.field(okField::securityMark);
    out.add(u"5418"_s, out.joined({okField::coverLetterNumber, okField::coverLetterDate}));
    out.fields({okField::stateNumber, okField::stateAccountNumber});
    // The programme code stands here and again after the programme name.
    out.field(okField::targetProgrammeCode, When::Filled);

    const QString type = fieldRules::kindDigit(m.text(okField::executorKind));
    out.add(u"2457"_s, type + QLatin1Char('\\') + m.text(okField::executorCode));
    out.bilingual(m.texts(), int(OkText::ExecutorName));
    out.field(okField::executorShortName);
    out.add(u"2655"_s, out.joined({okField::executorCity, okField::executorAddress}));
    out.field(okField::executorPhone);
    if (type == QLatin1String("1"))
        out.fields({okField::executorMail, okField::executorSubordination, okField::scienceSector});

    m.storeOwner();
    out.records(u"2459"_s, m.lists().records(OkList::Owners));

    out.add(u"9036"_s, out.joined({okField::stageNumber, okField::stageStart, okField::stageEnd, okField::stageKind,
                                   okField::stageName}));
    out.field(okField::budgetProgrammeCode, When::Filled);
    if (!m.isEmptyValue(okField::financingDirection))
        out.add(u"7201"_s, out.joined({okField::financingDirection, okField::otherFinancingDirection}));
    out.fields({okField::targetProgrammeName, okField::targetProgrammeCode}, When::Filled);
    for (const QStringList &row : okFinancingRows()) {
        // The source code stands in place of a field code.
        if (commonTexts::financingSources().contains(m.text(row.first())))
            out.raw(out.joined(row));
    }

    QString stages;
    for (const QString &number : m.stageNumbers())
        stages += number + QLatin1Char(';');
    out.add(u"5526"_s, stages);

    out.bilingual(m.texts(), int(OkText::WorkTitle));
    out.bilingual(m.texts(), int(OkText::WorkAbstract));
    out.fields({okField::bibliography, okField::reportKind, okField::reportLanguage, okField::pageCount,
                okField::electronicMediaCount, okField::fileCount});

    m.storeCoExecutor();
    out.records(u"2142"_s, m.lists().records(OkList::CoExecutors));

    out.fields({okField::distributionInUkraine, okField::transferAbroad, okField::headOfRegistrationOffice,
                okField::udcIndex});
    out.filledMasks(u"5616"_s, okRubricFields());
    out.fields({okField::headOfOrganisation, okField::headOfOrganisationDegree});
    out.bilingual(m.texts(), int(OkText::WorkHead));
    out.field(okField::headOfDevelopmentDegree);

    m.storePerson();
    out.records(u"6121"_s, m.lists().records(OkList::Executors));
    out.field(okField::responsibleForDocuments);
    return out.lines();
}
