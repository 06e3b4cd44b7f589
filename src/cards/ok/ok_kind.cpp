#include "cards/ok/ok_kind.h"

#include "cards/ok/ok_fields.h"
#include "cards/ok/ok_print.h"
#include "cards/ok/ok_print_layouts.h"
#include "cards/ok/ok_write.h"
#include "print/print_job.h"

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
    // Every print job builds its pages from the builders registered here.
    registerOkLayouts();
}

bool OkKind::print(CardModel &model, PrintJob &job) const
{
    okPrint(of(model), job, job.layouts());
    return true;
}
