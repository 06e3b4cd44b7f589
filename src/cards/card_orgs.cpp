#include "orgs/org_group.h"

QList<OrgGroup> rkOrgGroups();
QList<OrgGroup> okOrgGroups();
QList<OrgGroup> ikOrgGroups();
QList<OrgGroup> okdOrgGroups();

const QList<OrgGroup> &orgGroupsOf(CardType type)
{
    static const QList<OrgGroup> groups[] = {rkOrgGroups(), okOrgGroups(), ikOrgGroups(), okdOrgGroups()};
    return groups[int(type)];
}
