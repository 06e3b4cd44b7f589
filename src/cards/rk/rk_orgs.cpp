#include "cards/rk/rk_model.h"
#include "orgs/org_group.h"

using namespace Qt::StringLiterals;

QList<OrgGroup> rkOrgGroups()
{
    OrgGroup executor{u"Виконавець"_s, u"lizv"_s, u"ed2457"_s, u"mm2151"_s, u"ed2358"_s, u"gorv"_s, u"mm2655"_s,
                      u"ed2934"_s, u"ed2394"_s, u"ed1332"_s, u"Indjz"_s};
    OrgGroup customer{u"Замовник"_s, u"lizz"_s, u"ed2458"_s, u"mm2152"_s, {}, u"gorz"_s, u"mm2656"_s,
                      u"ed2935"_s, u"ed2395"_s};
    setListEntries(customer, int(RkList::Customers));
    OrgGroup coExecutor{u"Співвиконавець"_s, u"lizsv"_s, u"cpk"_s, u"cpi"_s, {}, u"gorc"_s, u"cpa"_s};
    setListEntries(coExecutor, int(RkList::CoExecutors));
    return {executor, customer, coExecutor};
}
