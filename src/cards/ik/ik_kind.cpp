#include "cards/ik/ik_kind.h"

IkKind::IkKind()
    : BasicCardKind({CardType::IK,
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
