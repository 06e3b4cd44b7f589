#include "cards/okd/okd_kind.h"

#include "cards/okd/okd_fields.h"
#include "cards/okd/okd_print.h"
#include "cards/okd/okd_print_layouts.h"
#include "cards/okd/okd_write.h"
#include "print/print_job.h"

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
    // Every print job builds its pages from the builders registered here.
    registerOkdLayouts();
}

bool OkdKind::print(CardModel &model, PrintJob &job) const
{
    okdPrint(of(model), job, job.layouts());
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
