#include "cards/ok/ok_kind.h"

OkKind::OkKind()
    : BasicCardKind({CardType::OK,
                     QStringLiteral("ok"),
                     QStringLiteral("Облікова картка НДР І ДКР (ОК)"),
                     QStringLiteral("Облікова картка НДР І ДКР"),
                     QStringLiteral("Облікова картка"),
                     QStringLiteral("Облікова картка - "),
                     QStringLiteral("OK"),
                     true,
                     true,
                     true})
{
}

QStringList OkKind::openWarnings(const QString &bareName) const
{
    const QString head = bareName.left(2);
    if (head == QLatin1String("rk") || head == QLatin1String("RK"))
        return {rkWarning(bareName)};
    return {};
}
