#include "cards/rk/rk_kind.h"

RkKind::RkKind()
    : BasicCardKind({CardType::RK,
                     QStringLiteral("rk"),
                     QStringLiteral("Реєстраційна карта НДР і ДКР (РК)"),
                     QStringLiteral("Реєстраційна карта"),
                     QStringLiteral("Реєстраційна картка"),
                     QStringLiteral("Реєстраційна картка - "),
                     QStringLiteral("RK"),
                     false,
                     false,
                     false})
{
}

QStringList RkKind::openWarnings(const QString &bareName) const
{
    const QString head = bareName.left(2);
    if (head == QLatin1String("ok") || head == QLatin1String("OK"))
        return {okWarning(bareName)};
    return {};
}
