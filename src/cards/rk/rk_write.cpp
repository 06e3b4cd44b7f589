#include "cards/rk/rk_write.h"

#include "cardfile/card_item.h"
#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_model.h"
#include "fields/card_lines.h"

using namespace Qt::Literals::StringLiterals;

using When = CardLines::When;

QStringList rkCardLines(RkModel &m)
{
    CardLines out(m);
    out.field(u"ed5256"_s);
    out.field(u"ed5436"_s);
    out.add(u"5418"_s, out.joined({u"ed5418N"_s, u"ed5418D"_s}));
    out.field(u"ed5517"_s, When::Filled);
    out.add(u"2457"_s, QString::number(rkPersonKind(m.text(u"lizv"_s))) + QLatin1Char('\\') + m.text(u"ed2457"_s));
    out.bilingual(m.texts(), int(RkText::ExecutorName));
    out.trimmed(u"2358"_s, u"ed2358"_s);
    out.add(u"2655"_s, CardLines::chopBlanks(m.text(u"gorv"_s)) + QLatin1Char('\\') + m.text(u"mm2655"_s));
    out.fields({u"ed2934"_s, u"ed2394"_s}, When::Always);
    out.trimmed(u"1332"_s, u"ed1332"_s);
    out.field(u"cb1133"_s);

    m.storeCustomer();
    out.list(u"2458"_s, m.lists(), int(RkList::Customers));

    out.add(u"FING"_s, out.joined(rkYearFields()));
    for (const QStringList &row : rkFinancingRows()) {
        // The source code stands in place of a field code.
        if (rkFinancingSources().contains(m.text(row.first())))
            out.raw(out.joined(row));
    }

    out.fields({u"ed7353"_s, u"ed7362"_s, u"ed7146"_s, u"ed7191"_s},
               When::Always);
    const QString other = m.text(u"cb9153a"_s);
    out.add(u"9153"_s, m.text(u"cb9153"_s) + (other.isEmpty() ? QString() : QLatin1Char('\\') + other));

    out.fields({u"ed7210"_s, u"ed7209"_s, u"ed7021"_s, u"ed7700"_s},
               When::Filled);
    if (!m.isEmptyValue(u"cb7201"_s))
        out.add(u"7201"_s, out.joined({u"cb7201"_s, u"ed7201a"_s}));
    out.fields({u"ed7023"_s, u"ed7022"_s, u"cb7199"_s, u"mm9155"_s, u"mm9156"_s},
               When::Filled);

    out.bilingual(m.texts(), int(RkText::WorkTitle));
    out.field(u"mm9126"_s);

    m.storeCoExecutor();
    m.storeStage();
    out.list(u"2142"_s, m.lists(), int(RkList::CoExecutors));
    for (const QString &stage : m.lists().records(int(RkList::Stages))) {
        if (!item(stage, 5).isEmpty())
            out.add(u"9036"_s, stage);
    }

    out.field(u"ed5634"_s);
    out.filledMasks(u"5616"_s, rkRubricFields());
    out.field(u"ed6111"_s);
    out.field(u"ed6210"_s, When::Filled);
    out.bilingual(m.texts(), int(RkText::WorkHead));
    out.field(u"ed6228"_s, When::Filled);
    out.fields({u"ed6140"_s, u"ed6141"_s}, When::Always);
    return out.lines();
}
