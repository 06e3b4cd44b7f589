#include "cards/ik/ik_kind.h"

#include "cards/ik/ik_fields.h"
#include "cards/ik/ik_print.h"
#include "cards/ik/ik_print_layouts.h"
#include "cards/ik/ik_write.h"
#include "print/print_job.h"

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
    // Every print job builds its pages from the builders registered here.
    registerIkLayouts();
}

bool IkKind::print(CardModel &model, PrintJob &job) const
{
    ikPrint(of(model), job, job.layouts());
    return true;
}
