#include "cards/okd/okd_model.h"
#include "cards/okd/okd_names.h"
#include "orgs/org_group.h"

using namespace Qt::StringLiterals;

QList<OrgGroup> okdOrgGroups()
{
    // One set of fields shows the slot RadioGroup1 picks. Slot 0, the council, has no
    // code; slot 3 may name a natural person.
    OrgGroup organisation{u"Організація"_s,
                          {},
                          okdField::organisationCode,
                          okdField::organisationName,
                          {},
                          okdField::organisationCity,
                          okdField::organisationLocation,
                          okdField::organisationPhone,
                          okdField::organisationEmail,
                          okdField::organisationSubordination};
    organisation.entries = [](CardModel &) { return QList<int>{1, 2, 3}; };
    organisation.show = [](CardModel &model, int slot) { static_cast<OkdModel &>(model).showSlot(slot); };
    organisation.kindOf = [](const CardModel &model) {
        const auto &okd = static_cast<const OkdModel &>(model);
        if (okd.shownSlot() == 0)
            return QString();
        return okd.naturalCodeShown() ? u"2"_s : u"1"_s;
    };
    return {organisation};
}
