#include "cards/ok/ok_kind.h"

#include "cards/ok/ok_fields.h"
#include "cards/ok/ok_model.h"
#include "cards/ok/ok_print.h"
#include "cards/ok/ok_print_layouts.h"
#include "cards/ok/ok_read.h"
#include "cards/ok/ok_write.h"
#include "fields/field_rules.h"
#include "print/report_layouts.h"

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
                  true})
{
    // The printed pages exist before any print; the layouts are created at start.
    registerOkLayouts();
}

QStringList OkKind::openWarnings(const QString &bareName) const
{
    const QString head = bareName.left(2);
    if (head == QLatin1String("rk") || head == QLatin1String("RK"))
        return {rkWarning(bareName)};
    return {};
}

const FieldTable &OkKind::fields() const
{
    return okFieldTable();
}

void OkKind::compNil(CardModel &card) const
{
    // The code masks, their labels and the person kind marks stay as they are.
    of(card).clearState();
    fieldRules::compNilFields(card);
}

QStringList OkKind::Mtext(CardModel &model) const
{
    return okCardLines(of(model));
}

void OkKind::afterRead(CardModel &model) const
{
    okShowAfterRead(of(model));
}

bool OkKind::print(CardModel &model, PrintJob &job) const
{
    okPrint(of(model), job, ReportLayouts::instance());
    return true;
}
