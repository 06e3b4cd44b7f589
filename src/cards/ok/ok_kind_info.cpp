#include "cards/ok/ok_kind.h"
#include "cards/ok/ok_model.h"
#include "fields/common_texts.h"

QList<RecordList> OkKind::recordLists(const CardModel &model) const
{
    const auto &ok = of(model);
    return {{QStringLiteral("owners"), ok.lists().records(OkList::Owners)},
            {QStringLiteral("coExecutors"), ok.lists().records(OkList::CoExecutors)},
            {QStringLiteral("executorList"), ok.lists().records(OkList::Executors)},
            {QStringLiteral("stageNumbers"), ok.stageNumbers()}};
}

bool OkKind::knowsCode(const QString &code) const
{
    // Besides the codes of its fields: the financing lines, the owner's older lines
    // and the one an open reads and ignores.
    static const QStringList extra{QStringLiteral("2153"), QStringLiteral("2657"), QStringLiteral("2360"),
                                   QStringLiteral("2935"), QStringLiteral("2395"), QStringLiteral("1333"),
                                   QStringLiteral("5518"), QStringLiteral("5635")};
    return extra.contains(code) || commonTexts::financingSources().contains(code) || BasicCardKind::knowsCode(code);
}

QList<NumberedLine> OkKind::numberedLines() const
{
    return {{QStringLiteral("2142"), 2, OkModel::capacity(OkList::CoExecutors)},
            {QStringLiteral("2459"), 2, OkModel::capacity(OkList::Owners)},
            {QStringLiteral("6121"), 2, OkModel::capacity(OkList::Executors)}};
}
