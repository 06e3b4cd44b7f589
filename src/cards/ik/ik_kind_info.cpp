#include "cards/ik/ik_kind.h"
#include "cards/ik/ik_model.h"

using namespace Qt::Literals::StringLiterals;

QList<RecordList> IkKind::recordLists(const CardModel &model) const
{
    return {{u"owners"_s, of(model).lists().records(IkList::Owners)}};
}

bool IkKind::knowsCode(const QString &code) const
{
    // Besides the codes of its fields: the owner's older lines and the multi-line
    // values an open reads and ignores.
    static const QStringList extra{u"2153"_s, u"2657"_s, u"5637"_s,
                                   u"9156"_s, u"1000"_s};
    return extra.contains(code) || CardKind::knowsCode(code);
}

QList<NumberedLine> IkKind::numberedLines() const
{
    // The card lines carry all six owner slots, though the clerk fills five.
    return {{u"2459"_s, 2, IkModel::kOwnerSlots}};
}
