#include "cards/ik/ik_write.h"

#include "cards/ik/ik_fields.h"
#include "cards/ik/ik_model.h"
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
    out.fields({u"ed5419"_s, u"ed5436"_s, u"ed5437"_s, u"ed5439"_s});
    out.bilingual(m.titles(), 0);
    out.fields({u"mm9118"_s, u"mm5635"_s, u"mm5636"_s, u"mm1001"_s});
    if (m.isEmptyValue(u"cb9153a"_s))
        out.field(u"cb9153"_s);
    else
        out.add(u"9153"_s, out.joined({u"cb9153"_s, u"cb9153a"_s}));
    out.field(u"mm9155"_s);

    m.storeOwner();
    out.records(u"2459"_s, onOneLine(m.lists().records(IkList::Owners)));

    if (!m.isEmptyValue(u"cb7326"_s))
        out.add(u"7326"_s, out.joined({u"cb7326"_s, u"ed7326"_s}));
    out.field(u"cb7344"_s, When::Filled);
    out.add(u"5638"_s, out.joined({u"ed5638a"_s, u"ed5638b"_s, u"ed5638c"_s, u"ed5638d"_s}));
    out.add(u"1004"_s, out.joined({u"cb1004"_s, u"ed1004"_s}));
    out.add(u"1005"_s, out.joined({u"cb1005"_s, u"ed1005"_s}));
    out.add(u"1006"_s, out.joined({u"ed10061"_s, u"ed10062"_s, u"ed10063"_s, u"ed10064"_s, u"ed10065"_s,
                                   u"ed10066"_s, u"ed10067"_s}));
    out.add(u"1009"_s, out.joined({u"cb1009"_s, u"cb1009a"_s}));
    out.filledMasks(u"5616"_s, ikRubricFields());
    out.fields({u"ed6111"_s, u"cb6210"_s, u"ed6141"_s, u"ed6140"_s});
    return out.lines();
}
