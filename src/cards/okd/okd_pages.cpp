#include "cards/okd/okd_pages.h"

#include "cards/okd/okd_fields.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// A grid of person rows under their column captions: the row number (the name's
// label) then name, degree, title and the two speciality codes.
PageBlock personGrid(const QString &heading, int rows, QStringList (*fieldsOf)(int))
{
    const QStringList first = fieldsOf(1);
    PageBlock block{heading, true, {{QString(), QString(), u"@"_s + first.at(1), u"@"_s + first.at(2)}}, 1};
    for (int n = 1; n <= rows; ++n)
        block.rows << (QStringList{u"@"_s + fieldsOf(n).at(0)} + fieldsOf(n));
    return block;
}

QList<QList<PageBlock>> okdBlocks()
{
    PageBlock supervisors = personGrid(u"ed6156f1"_s, 3, okdSupervisorFields);
    // One caption over both speciality codes.
    supervisors.rows.first() << u"#ed6156h1"_s;
    supervisors.rows << QStringList{u"#notes"_s};
    return {
        {
            {{}, false, {{u"cb5013"_s}, {u"ed5436"_s}, {u"cb5256"_s}, {u"ed5418N"_s, u"ed5418D"_s}}},
            {{}, false, {{u"indjzd"_s}, {u"ed6147"_s}, {u"cb6642"_s}, {u"ed7425"_s},
                         {u"ed6444"_s, u"Ed6444a"_s}, {u"ed6480"_s}, {u"ed7434"_s}, {u"ed7021"_s}, {u"ed5438"_s}}},
        },
        {
            {{}, false, {{u"RadioGroup1"_s}}},
            {{}, false, {{u"ed7452"_s}, {u"lizv"_s}, {u"edCod"_s}, {u"mmNaz"_s}, {u"edMis"_s}, {u"edAdr"_s},
                         {u"edTel"_s}, {u"edEM"_s}, {u"edMin"_s}, {u"cb1133"_s}}},
        },
        {
            {{}, false, {{u"RadioGroup2"_s}, {u"mm9045"_s}, {u"mm9118"_s}}},
        },
        {
            {{}, false, {{u"indjzk"_s}}},
            supervisors,
            personGrid(u"ed6165f1"_s, 4, okdOpponentFields),
            {{}, true, {{u"@ed6174"_s, QString(), u"@ed6273vz"_s}, {u"ed6174"_s, u"ed6273ns"_s, u"ed6273vz"_s}}, 0},
        },
        {
            {{}, false, {{u"cb7443"_s}}},
            // The counts two by two, so that the page needs no scrolling.
            {u"ed5742"_s, false, {{u"ed5742"_s, u"ed5751"_s}, {u"ed5760"_s, u"ed5778"_s}, {u"ed5787"_s, u"ed5481"_s},
                                  {u"ed5472"_s, u"cb5715"_s}, {u"ed5743"_s}, {u"ed5744"_s}}},
            {{}, false, {{u"cb7344"_s}, {u"ed5634"_s}, {u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s},
                         {u"ed5616d"_s, u"ed5616e"_s, u"ed5616f"_s}, {u"ed6141"_s}, {u"ed6140"_s}}},
        },
    };
}

} // namespace

const PageDesign &okdPageDesign()
{
    static const PageDesign design = [] {
        PageDesign d = pageDesignOf(okdBlocks(), {}, [](int) { return QString(); }, okdHeadingAbove, okdLabelName);
        d.boldPages = {3}; // the supervisors
        return d;
    }();
    return design;
}
