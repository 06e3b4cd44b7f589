#include "cards/rk/rk_kind.h"

#include "cards/rk/rk_fields.h"
#include "cards/rk/rk_model.h"
#include "cards/rk/rk_print.h"
#include "cards/rk/rk_print_layouts.h"
#include "cards/rk/rk_read.h"
#include "cards/rk/rk_rules.h"
#include "cards/rk/rk_write.h"
#include "fields/field_rules.h"
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
                  false})
{
    // The printed pages exist before any print; the layouts are created at start.
    registerRkLayouts();
}

QStringList RkKind::openWarnings(const QString &bareName) const
{
    const QString head = bareName.left(2);
    if (head == QLatin1String("ok") || head == QLatin1String("OK"))
        return {okWarning(bareName)};
    return {};
}

const FieldTable &RkKind::fields() const
{
    return rkFieldTable();
}

void RkKind::clearModel(CardModel &card) const
{
    RkModel &model = of(card);
    // The party code fields go back to the legal person with their selectors first,
    // so the codes are cleared to the 8-digit empty mask.
    model.clearState();
    fieldRules::clearFields(model);
}

QStringList RkKind::fileLines(CardModel &model) const
{
    return rkCardLines(of(model));
}

void RkKind::afterRead(CardModel &card) const
{
    RkModel &model = of(card);
    for (RkText which : {RkText::ExecutorName, RkText::WorkTitle, RkText::WorkHead})
        model.showUkrainian(which);
}

bool RkKind::print(CardModel &model, PrintJob &job) const
{
    rkPrint(of(model), job, ReportLayouts::instance());
    return true;
}
