#include "cards/rk/rk_kind.h"

#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_model.h"
#include "cards/rk/rk_print.h"
#include "cards/rk/rk_print_layouts.h"
#include "cards/rk/rk_read.h"
#include "cards/rk/rk_rules.h"
#include "cards/rk/rk_write.h"
#include "print/print_job.h"

using namespace Qt::Literals::StringLiterals;

RkKind::RkKind()
    : CardKindOf({CardType::RK,
                  u"rk"_s,
                  u"Реєстраційна карта НДР і ДКР (РК)"_s,
                  u"Реєстраційна карта"_s,
                  u"Реєстраційна картка"_s,
                  u"Реєстраційна картка - "_s,
                  u"RK"_s,
                  false,
                  false,
                  false,
                  false,
                  true},
                 {rkFieldTable, rkCardLines, rkShowAfterRead})
{
    // Every print job builds its pages from the builders registered here.
    registerRkLayouts();
}

bool RkKind::print(CardModel &model, PrintJob &job) const
{
    rkPrint(of(model), job, job.layouts());
    return true;
}
