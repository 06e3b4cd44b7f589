#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_kind.h"
#include "cards/rk/rk_model.h"

QList<RecordList> RkKind::recordLists(const CardModel &model) const
{
    const auto &rk = of(model);
    return {{QStringLiteral("customers"), rk.lists().records(int(RkList::Customers))},
            {QStringLiteral("coExecutors"), rk.lists().records(int(RkList::CoExecutors))},
            {QStringLiteral("stages"), rk.lists().records(int(RkList::Stages))}};
}

bool RkKind::knowsCode(const QString &code) const
{
    // Besides the codes of its fields: the financing lines, and the older line forms
    // that an open still takes.
    static const QStringList extra{QStringLiteral("FING"), QStringLiteral("2458"), QStringLiteral("2142"),
                                   QStringLiteral("9036"), QStringLiteral("5616"), QStringLiteral("2151"),
                                   QStringLiteral("9027"), QStringLiteral("6120"), QStringLiteral("2152"),
                                   QStringLiteral("2656"), QStringLiteral("2754")};
    return extra.contains(code) || rkFinancingSources().contains(code) || BasicCardKind::knowsCode(code);
}

QList<NumberedLine> RkKind::numberedLines() const
{
    // The bounds the entry rules hold the lists to.
    return {{QStringLiteral("2458"), 2, RkModel::entryListSettings(RkList::Customers).maximum},
            {QStringLiteral("2142"), 2, RkModel::entryListSettings(RkList::CoExecutors).maximum},
            {QStringLiteral("9036"), 2, RkModel::entryListSettings(RkList::Stages).maximum}};
}
