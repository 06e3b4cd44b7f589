#include "cards/ik/ik_kind.h"

#include "cards/ik/ik_fields.h"
#include "cards/ik/ik_print.h"
#include "cards/ik/ik_print_layouts.h"
#include "cards/ik/ik_write.h"
#include "print/report_layouts.h"

using namespace Qt::Literals::StringLiterals;

// An RK or OK file opened here is warned about and read as far as its codes match.
IkKind::IkKind()
    : CardKindOf({CardType::IK,
                  u"ik"_s,
                  u"Інформаційна картка науково-технічної продукції (ІК НТП)"_s,
                  u"Інформаційна картка науково-технічної продукції (ІК НТП)"_s,
                  u"Інформаційна картка"_s,
                  u"Інформаційна картка НТП - "_s,
                  u"IK"_s,
                  true,
                  true,
                  true,
                  true,
                  true},
                 {ikFieldTable, ikCardLines, ikShowAfterRead})
{
    // The printed pages exist before any print; the layouts are created at start.
    registerIkLayouts();
}

bool IkKind::print(CardModel &model, PrintJob &job) const
{
    ikPrint(of(model), job, ReportLayouts::instance());
    return true;
}
