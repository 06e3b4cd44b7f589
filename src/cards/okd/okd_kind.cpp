#include "cards/okd/okd_kind.h"

#include "cards/okd/okd_fields.h"
#include "cards/okd/okd_print.h"
#include "cards/okd/okd_print_layouts.h"
#include "cards/okd/okd_write.h"
#include "print/report_layouts.h"

using namespace Qt::Literals::StringLiterals;

OkdKind::OkdKind()
    : CardKindOf({CardType::OKD,
                  u"okd"_s,
                  u"Облікова картка дисертації (ОКД)"_s,
                  u"Облікова картка дисертації"_s,
                  u"Облікова картка дисертації"_s,
                  u"Облікова картка дисертації - "_s,
                  u"OKD"_s,
                  true,
                  false,
                  true},
                 {okdFieldTable, [](OkdModel &m) { return okdCardLines(m); }, okdShowAfterRead})
{
    // The printed pages exist before any print; the layouts are created at start.
    registerOkdLayouts();
}

bool OkdKind::print(CardModel &model, PrintJob &job) const
{
    okdPrint(of(model), job, ReportLayouts::instance());
    return true;
}

QStringList OkdKind::snapshotLines(const CardModel &model) const
{
    const std::unique_ptr<CardModel> copy = model.clone();
    if (!copy)
        return CardKindOf::snapshotLines(model);
    OkdModel &card = of(*copy);
    card.keepViews();
    return fileLines(card);
}
