#include "cards/ik/ik_model.h"
#include "orgs/org_group.h"

using namespace Qt::StringLiterals;

QList<OrgGroup> ikOrgGroups()
{
    OrgGroup owner{u"Власник"_s, u"lizz"_s, u"ed2459"_s, u"mm2153"_s, u"ed2360"_s, u"gorz"_s, u"mm2657"_s,
                   u"ed2935"_s, u"ed2395"_s, u"ed1333"_s};
    setListEntries(owner, int(IkList::Owners));
    return {owner};
}
