#include "cards/ok/ok_model.h"
#include "orgs/org_group.h"

using namespace Qt::StringLiterals;

QList<OrgGroup> okOrgGroups()
{
    OrgGroup executor{u"Виконавець"_s, u"lizv"_s, u"ed2457"_s, u"mm2151"_s, u"ed2358"_s, u"gorv"_s, u"mm2655"_s,
                      u"ed2934"_s, u"ed2394"_s, u"ed1332"_s, u"Indjz"_s};
    OrgGroup coExecutor{u"Співвиконавець"_s, u"lizsv"_s, u"ed2142k"_s, u"mm2142n"_s, {}, u"Ed2142m"_s, u"ed2142ad"_s};
    setListEntries(coExecutor, int(OkList::CoExecutors));
    OrgGroup owner{u"Власник"_s, u"lizz"_s, u"ed2459"_s, u"mm2153"_s, u"ed2360"_s, u"gorz"_s, u"mm2657"_s,
                   u"ed2935"_s, u"ed2395"_s, u"ed1333"_s};
    setListEntries(owner, int(OkList::Owners));
    return {executor, coExecutor, owner};
}
