#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_kind.h"
#include "cards/rk/rk_model.h"

using namespace Qt::Literals::StringLiterals;

QList<RecordList> RkKind::recordLists(const CardModel &model) const
{
    const auto &rk = of(model);
    return {{u"customers"_s, rk.lists().records(int(RkList::Customers))},
            {u"coExecutors"_s, rk.lists().records(int(RkList::CoExecutors))},
            {u"stages"_s, rk.lists().records(int(RkList::Stages))}};
}

bool RkKind::knowsCode(const QString &code) const
{
    // Besides the codes of its fields: the financing lines, and the older line forms
    // that an open still takes.
    static const QStringList extra{u"FING"_s, u"2458"_s, u"2142"_s,
                                   u"9036"_s, u"5616"_s, u"2151"_s,
                                   u"9027"_s, u"6120"_s, u"2152"_s,
                                   u"2656"_s, u"2754"_s};
    return extra.contains(code) || rkFinancingSources().contains(code) || CardKind::knowsCode(code);
}

QList<NumberedLine> RkKind::numberedLines() const
{
    // The bounds the entry rules hold the lists to.
    return {{u"2458"_s, 2, RkModel::entryListSettings(RkList::Customers).maximum},
            {u"2142"_s, 2, RkModel::entryListSettings(RkList::CoExecutors).maximum},
            {u"9036"_s, 2, RkModel::entryListSettings(RkList::Stages).maximum}};
}
