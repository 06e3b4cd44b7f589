#include "cards/ok/ok_write.h"

#include "cards/ok/ok_fields.h"
#include "cards/ok/ok_model.h"
#include "fields/card_lines.h"
#include "fields/common_texts.h"

using namespace Qt::Literals::StringLiterals;

using When = CardLines::When;

QStringList okCardLines(OkModel &m)
{
    CardLines out(m);
    out.field(u"cb5256"_s);
    out.add(u"5418"_s, out.joined({u"ed5418N"_s, u"ed5418D"_s}));
    out.fields({u"ed5436"_s, u"ed5437"_s});
    // The programme code stands here and again after the programme name.
    out.field(u"ed7022"_s, When::Filled);

    const QString type = fieldRules::kindDigit(m.text(u"lizv"_s));
    out.add(u"2457"_s, type + QLatin1Char('\\') + m.text(u"ed2457"_s));
    out.bilingual(m.texts(), int(OkText::ExecutorName));
    out.field(u"ed2358"_s);
    out.add(u"2655"_s, out.joined({u"gorv"_s, u"mm2655"_s}));
    out.field(u"ed2934"_s);
    if (type == QLatin1String("1"))
        out.fields({u"ed2394"_s, u"ed1332"_s, u"cb1133"_s});

    m.storeOwner();
    out.records(u"2459"_s, m.lists().records(OkList::Owners));

    out.add(u"9036"_s, out.joined({u"ed9036n"_s, u"ed9036p"_s, u"ed9036z"_s, u"cb9036e"_s, u"mm9036"_s}));
    out.field(u"ed7700"_s, When::Filled);
    if (!m.isEmptyValue(u"cb7201"_s))
        out.add(u"7201"_s, out.joined({u"cb7201"_s, u"ed7201a"_s}));
    out.fields({u"ed7023"_s, u"ed7022"_s}, When::Filled);
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
    out.fields({u"mm5481"_s, u"cb5040"_s, u"cb5715"_s, u"ed5742"_s, u"ed5743"_s, u"ed5744"_s});

    m.storeCoExecutor();
    out.records(u"2142"_s, m.lists().records(OkList::CoExecutors));

    out.fields({u"cb5535"_s, u"cb5211"_s, u"ed6140"_s, u"ed5634"_s});
    out.filledMasks(u"5616"_s, okRubricFields());
    out.fields({u"ed6111"_s, u"ed6210vc"_s});
    out.bilingual(m.texts(), int(OkText::WorkHead));
    out.field(u"ed6228vc"_s);

    m.storePerson();
    out.records(u"6121"_s, m.lists().records(OkList::Executors));
    out.field(u"ed6141"_s);
    return out.lines();
}
