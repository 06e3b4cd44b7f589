#include "cards/ok/ok_kind.h"

#include "cards/ok/ok_fields.h"
#include "cards/ok/ok_print.h"
#include "cards/ok/ok_print_layouts.h"
#include "cards/ok/ok_write.h"
#include "print/report_layouts.h"

using namespace Qt::Literals::StringLiterals;

OkKind::OkKind()
    : CardKindOf({CardType::OK,
                  u"ok"_s,
                  u"Облікова картка НДР І ДКР (ОК)"_s,
                  u"Облікова картка НДР І ДКР"_s,
                  u"Облікова картка"_s,
                  u"Облікова картка - "_s,
                  u"OK"_s,
                  true,
                  true,
                  true,
                  true},
                 {okFieldTable, okCardLines, okShowAfterRead})
{
    // The printed pages exist before any print; the layouts are created at start.
    registerOkLayouts();
}

bool OkKind::print(CardModel &model, PrintJob &job) const
{
    okPrint(of(model), job, ReportLayouts::instance());
    return true;
}
