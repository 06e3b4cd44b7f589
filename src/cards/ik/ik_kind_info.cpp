#include "cards/ik/ik_kind.h"
#include "cards/ik/ik_model.h"

QList<RecordList> IkKind::recordLists(const CardModel &model) const
{
    return {{QStringLiteral("owners"), of(model).lists().records(IkList::Owners)}};
}

bool IkKind::knowsCode(const QString &code) const
{
    // Besides the codes of its fields: the owner's older lines and the multi-line
    // values an open reads and ignores.
    static const QStringList extra{QStringLiteral("2153"), QStringLiteral("2657"), QStringLiteral("5637"),
                                   QStringLiteral("9156"), QStringLiteral("1000")};
    return extra.contains(code) || BasicCardKind::knowsCode(code);
}

QList<NumberedLine> IkKind::numberedLines() const
{
    // The card lines carry all six owner slots, though the clerk fills five.
    return {{QStringLiteral("2459"), 2, IkModel::kOwnerSlots}};
}
