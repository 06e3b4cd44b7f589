#include "cards/ok/ok_kind.h"
#include "cards/ok/ok_model.h"
#include "fields/common_texts.h"

using namespace Qt::Literals::StringLiterals;

QList<RecordList> OkKind::recordLists(const CardModel &model) const
{
    const auto &ok = of(model);
    return {{u"owners"_s, ok.lists().records(OkList::Owners)},
            {u"coExecutors"_s, ok.lists().records(OkList::CoExecutors)},
            {u"executorList"_s, ok.lists().records(OkList::Executors)},
            {u"stageNumbers"_s, ok.stageNumbers()}};
}

bool OkKind::knowsCode(const QString &code) const
{
    // Besides the codes of its fields: the financing lines, the owner's older lines
    // and the one an open reads and ignores.
    static const QStringList extra{u"2153"_s, u"2657"_s, u"2360"_s,
                                   u"2935"_s, u"2395"_s, u"1333"_s,
                                   u"5518"_s, u"5635"_s};
    return extra.contains(code) || commonTexts::financingSources().contains(code) || CardKind::knowsCode(code);
}

QList<NumberedLine> OkKind::numberedLines() const
{
    return {{u"2142"_s, 2, OkModel::capacity(OkList::CoExecutors)},
            {u"2459"_s, 2, OkModel::capacity(OkList::Owners)},
            {u"6121"_s, 2, OkModel::capacity(OkList::Executors)}};
}
