#include "cards/rk/rk_kind.h"

#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_model.h"
#include "cards/rk/rk_print.h"
#include "cards/rk/rk_print_layouts.h"
#include "cards/rk/rk_read.h"
#include "cards/rk/rk_rules.h"
#include "cards/rk/rk_write.h"
#include "print/report_layouts.h"

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
    // The printed pages exist before any print; the layouts are created at start.
    registerRkLayouts();
}

bool RkKind::print(CardModel &model, PrintJob &job) const
{
    rkPrint(of(model), job, ReportLayouts::instance());
    return true;
}
