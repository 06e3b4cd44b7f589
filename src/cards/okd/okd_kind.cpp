#include "cards/okd/okd_kind.h"

#include "cards/okd/okd_fields.h"
#include "cards/okd/okd_write.h"
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

const FieldTable &OkdKind::fields() const
{
    return okdFieldTable();
}

void OkdKind::compNil(CardModel &card) const
{
    fieldRules::compNilFields(card);
    of(card).clearState();
}

QStringList OkdKind::Mtext(CardModel &model) const
{
    return okdCardLines(of(model));
}

void OkdKind::afterRead(CardModel &model) const
{
    okdShowAfterRead(of(model));
}
