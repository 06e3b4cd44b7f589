#include "cards/ok/ok_kind.h"

#include "cards/ok/ok_fields.h"
#include "cards/ok/ok_write.h"

OkKind::OkKind()
    : CardKindOf({CardType::OK,
                  QStringLiteral("ok"),
                  QStringLiteral("Облікова картка НДР І ДКР (ОК)"),
                  QStringLiteral("Облікова картка НДР І ДКР"),
                  QStringLiteral("Облікова картка"),
                  QStringLiteral("Облікова картка - "),
                  QStringLiteral("OK"),
                  true,
                  true,
                  true,
                  true},
                 {okFieldTable, okCardLines, okShowAfterRead})
{
}
