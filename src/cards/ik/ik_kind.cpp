#include "cards/ik/ik_kind.h"

#include "cards/ik/ik_fields.h"
#include "cards/ik/ik_write.h"
#include "fields/field_rules.h"

IkKind::IkKind()
    : CardKindOf({CardType::IK,
                  QStringLiteral("ik"),
                  QStringLiteral("Інформаційна картка науково-технічної продукції (ІК НТП)"),
                  QStringLiteral("Інформаційна картка науково-технічної продукції (ІК НТП)"),
                  QStringLiteral("Інформаційна картка"),
                  QStringLiteral("Інформаційна картка НТП - "),
                  QStringLiteral("IK"),
                  true,
                  true,
                  true})
{
}

QStringList IkKind::openWarnings(const QString &bareName) const
{
    const QString head = bareName.left(2);
    if (head == QLatin1String("rk") || head == QLatin1String("RK"))
        return {rkWarning(bareName)};
    if (head == QLatin1String("ok") || head == QLatin1String("OK"))
        return {okWarning(bareName)};
    return {};
}

const FieldTable &IkKind::fields() const
{
    return ikFieldTable();
}

void IkKind::compNil(CardModel &card) const
{
    // The owner code's mask, its label and the kind mark stay as they are.
    of(card).clearState();
    fieldRules::compNilFields(card);
}

QStringList IkKind::Mtext(CardModel &model) const
{
    return ikCardLines(of(model));
}

void IkKind::afterRead(CardModel &model) const
{
    ikShowAfterRead(of(model));
}
