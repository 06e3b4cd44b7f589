#include "cards/okd/okd_kind.h"

#include "fields/field_rules.h"

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
                  true})
{
}

void OkdKind::compNil(CardModel &card) const
{
    fieldRules::compNilFields(card);
    of(card).clearState();
}
