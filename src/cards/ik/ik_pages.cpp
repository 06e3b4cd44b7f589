#include "cards/ik/ik_pages.h"

#include "cards/ik/ik_fields.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QList<QList<PageBlock>> ikBlocks()
{
    return {
        {
            // Each field under the column of labels: a label in the row of another
            // field would stand against it.
            {{}, false, {{u"ed5439"_s}, {u"ed5419"_s}, {u"ed5436"_s}, {u"ed5437"_s}}},
            {{}, false, {{u"Indjzr"_s}, {u"mm9027"_s}, {u"cb9153"_s}, {u"cb9153a"_s}, {u"mm9155"_s}}},
            // The six rubric codes in one row under the caption of the first.
            {u"ed5616a"_s, true, {{u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s, u"ed5616d"_s, u"ed5616e"_s, u"ed5616f"_s}}},
        },
        {
            {{}, false, {{u"mm9118"_s}, {u"mm5635"_s}, {u"mm5636"_s}, {u"mm1001"_s}}},
        },
        {
            {{}, false, {{u"cb7326"_s}, {u"ed7326"_s}, {u"cb7344"_s}}},
            {u"ed5638a"_s, false, {{u"ed5638a"_s}, {u"ed5638b"_s}, {u"ed5638c"_s}, {u"ed5638d"_s}}},
            // The grey panel at the foot of the page.
            {{}, false, {{u"cb1005"_s}, {u"ed1005"_s}, {u"cb1004"_s}, {u"ed1004"_s}}},
            {{}, false, {{u"cbdsk"_s}}},
        },
        {
            {u"Edit1"_s, false, {{u"Edit1"_s, u"lizz"_s}, {u"ed2459"_s}, {u"gorz"_s}, {u"mm2153"_s}, {u"ed2360"_s},
                                 {u"mm2657"_s}, {u"ed2935"_s}, {u"ed2395"_s}, {u"ed1333"_s}, {u"ed6120"_s},
                                 {u"ed5518N"_s}, {u"ed5518D"_s}, {u"!BitBtn7"_s, u"!BitBtn6"_s}},
             0, true},
        },
        {
            {u"ed10061"_s, false, {{u"ed10061"_s}, {u"ed10062"_s}, {u"ed10063"_s}, {u"ed10064"_s}, {u"ed10065"_s},
                                   {u"ed10066"_s}, {u"ed10067"_s}}},
            {{}, false, {{u"cb1009"_s}, {u"cb1009a"_s}, {u"ed6111"_s}, {u"cb6210"_s}, {u"ed6141"_s}, {u"ed6140"_s}}},
        },
    };
}

} // namespace

const PageDesign &ikPageDesign()
{
    static const PageDesign design = [] {
        // "Next" follows the owner's last field, "previous" follows "next".
        PageDesign d = pageDesignOf(ikBlocks(),
                                    {{u"BitBtn7"_s, u"Наступний власник"_s, u"ed5518D"_s},
                                     {u"BitBtn6"_s, u"Попередній власник "_s, u"BitBtn7"_s}},
                                    ikPageHint, ikHeadingAbove, ikLabelName);
        // The first rubric code on the screen is entered after the five beside it.
        d.enteredAfter = {{u"ed5616a"_s, u"ed5616f"_s}};
        return d;
    }();
    return design;
}
