#include "cards/ok/ok_model.h"
#include "cards/ok/ok_names.h"
#include "orgs/org_group.h"

using namespace Qt::StringLiterals;

QList<OrgGroup> okOrgGroups()
{
    OrgGroup executor{u"Виконавець"_s, okField::executorKind, okField::executorCode, okField::executorName,
                      okField::executorShortName, okField::executorCity, okField::executorAddress,
                      okField::executorPhone, okField::executorMail, okField::executorSubordination,
                      okField::executorNameLanguage};
    OrgGroup coExecutor{u"Співвиконавець"_s, okField::coExecutorKind, okField::coExecutorCode,
                        okField::coExecutorName, {}, okField::coExecutorCity, okField::coExecutorAddress};
    setListEntries(coExecutor, int(OkList::CoExecutors));
    OrgGroup owner{u"Власник"_s, okField::ownerKind, okField::ownerCode, okField::ownerName, okField::ownerShortName,
                   okField::ownerCity, okField::ownerAddress, okField::ownerPhone, okField::ownerMail,
                   okField::ownerSubordination};
    setListEntries(owner, int(OkList::Owners));
    return {executor, coExecutor, owner};
}
