#include "cards/rk/rk_model.h"
#include "cards/rk/rk_names.h"
#include "orgs/org_group.h"

using namespace Qt::StringLiterals;

QList<OrgGroup> rkOrgGroups()
{
    OrgGroup executor{u"Виконавець"_s, rkField::executorKind, rkField::executorCode, rkField::executorName,
                      rkField::executorShortName, rkField::executorCity, rkField::executorAddress,
                      rkField::executorPhone, rkField::executorMail, rkField::executorSubordination,
                      rkField::executorNameLanguage};
    OrgGroup customer{u"Замовник"_s, rkField::customerKind, rkField::customerCode, rkField::customerName, {},
                      rkField::customerCity, rkField::customerAddress, rkField::customerPhone, rkField::customerMail};
    setListEntries(customer, int(RkList::Customers));
    OrgGroup coExecutor{u"Співвиконавець"_s, rkField::coExecutorKind, rkField::coExecutorCode, rkField::coExecutorName,
                        {}, rkField::coExecutorCity, rkField::coExecutorAddress};
    setListEntries(coExecutor, int(RkList::CoExecutors));
    return {executor, customer, coExecutor};
}
