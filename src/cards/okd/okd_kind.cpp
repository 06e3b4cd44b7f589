#include "cards/okd/okd_kind.h"

#include "cards/okd/okd_fields.h"
#include "cards/okd/okd_write.h"

OkdKind::OkdKind()
    : CardKindOf({CardType::OKD,
                  QStringLiteral("okd"),
                  QStringLiteral("Облікова картка дисертації (ОКД)"),
                  QStringLiteral("Облікова картка дисертації"),
                  QStringLiteral("Облікова картка дисертації"),
                  QStringLiteral("Облікова картка дисертації - "),
                  QStringLiteral("OKD"),
                  true,
                  false,
                  true},
                 {okdFieldTable, [](OkdModel &m) { return okdCardLines(m); }, okdShowAfterRead})
{
}

QStringList OkdKind::snapshotLines(const CardModel &model) const
{
    const std::unique_ptr<CardModel> copy = model.clone();
    if (!copy)
        return CardKindOf::snapshotLines(model);
    OkdModel &card = of(*copy);
    card.keepViews();
    return Mtext(card);
}
