#include "cards/ik/ik_model.h"
#include "cards/ik/ik_names.h"
#include "orgs/org_group.h"

using namespace Qt::StringLiterals;

QList<OrgGroup> ikOrgGroups()
{
    OrgGroup owner{u"Власник"_s, ikField::ownerKind, ikField::ownerCode, ikField::ownerFullName,
                   ikField::ownerShortName, ikField::ownerCity, ikField::ownerAddress, ikField::ownerPhone,
                   ikField::ownerMail, ikField::ownerSubordination};
    setListEntries(owner, int(IkList::Owners));
    return {owner};
}
