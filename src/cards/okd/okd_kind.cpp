#include "cards/okd/okd_kind.h"

OkdKind::OkdKind()
    : BasicCardKind({CardType::OKD,
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

QStringList OkdKind::openWarnings(const QString &bareName) const
{
    Q_UNUSED(bareName);
    return {};
}
