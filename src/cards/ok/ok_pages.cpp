#include "cards/ok/ok_pages.h"

#include "cards/ok/ok_fields.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QList<QList<PageBlock>> okBlocks()
{
    return {
        {
            {{}, false, {{u"ed5436"_s}, {u"cb5256"_s}, {u"ed5418N"_s, u"ed5418D"_s}}},
            {u"ed9036n"_s, false, {{u"ed9036n"_s}, {u"ed9036p"_s, u"ed9036z"_s}, {u"cb9036e"_s}, {u"mm9036"_s}}},
            {{}, false, {{u"sp5526"_s, u"ed5526"_s}, {u"ed5437"_s}}},
        },
        {
            {u"lizv"_s, false, {{u"lizv"_s}, {u"ed2457"_s, u"gorv"_s}, {u"Indjz"_s}, {u"mm2151"_s}, {u"ed2358"_s},
                                {u"mm2655"_s}, {u"ed2934"_s}, {u"ed2394"_s}, {u"ed1332"_s}, {u"cb1133"_s}}},
        },
        {
            {u"ed2142p"_s, false, {{u"ed2142p"_s, u"lizsv"_s}, {u"ed2142k"_s}, {u"mm2142n"_s}, {u"Ed2142m"_s},
                                   {u"ed2142ad"_s}, {u"!Button3"_s, u"!Button4"_s}}},
            {{}, false, {{u"mm5481"_s}, {u"cb5040"_s}, {u"cb5715"_s}, {u"ed5743"_s}, {u"cb5535"_s}, {u"ed5742"_s},
                         {u"ed5744"_s}, {u"cb5211"_s}}},
        },
        {
            {u"Edit1"_s, false, {{u"Edit1"_s, u"lizz"_s}, {u"ed2459"_s, u"gorz"_s}, {u"mm2153"_s}, {u"ed2360"_s},
                                 {u"mm2657"_s}, {u"ed2935"_s}, {u"ed2395"_s}, {u"ed1333"_s},
                                 {u"ed5518N"_s, u"ed5518D"_s}, {u"!BitBtn6"_s, u"!BitBtn7"_s}}},
        },
        {
            {u"ed7700"_s, false, {{u"ed7700"_s}, {u"cb7201"_s}, {u"ed7201a"_s}, {u"ed7023"_s}, {u"ed7022"_s}}},
            {u"fin"_s, true, {{u"@fin"_s, u"@ed"_s, u"@sum"_s}, {u"fin"_s, u"ed"_s, u"sum"_s},
                              {u"fin1"_s, u"ed1"_s, u"sum1"_s}},
             0},
        },
        {
            {{}, false, {{u"Indjzr"_s}, {u"mm9027"_s}, {u"mm9117"_s}}},
        },
        {
            {{}, false, {{u"ed5634"_s}, {u"ed5616a"_s, u"ed5616b"_s, u"ed5616c"_s},
                         {u"ed5616d"_s, u"ed5616e"_s, u"ed5616f"_s}}},
            // Each head with the degree beside the name, as the columns of the card.
            {{}, false, {{u"ed6111"_s, u"ed6210vc"_s}}},
            {{}, false, {{u"indjzk"_s}, {u"ed6120"_s, u"ed6228vc"_s}}},
            {u"Cpn"_s, false, {{u"Cpn"_s, u"ed6121a"_s}, {u"ed6121ak"_s, u"ed6121az"_s},
                               {u"!BitBtn4"_s, u"!BitBtn5"_s}}},
            {{}, false, {{u"ed6141"_s}, {u"ed6140"_s}}},
        },
    };
}

QList<PageButton> okButtons()
{
    // Per list: its last field, then the "next" button, which follows it, and the
    // "previous" button, which follows "next".
    const QStringList lists[] = {
        {u"ed2142ad"_s, u"Button4"_s, u"Наступний спів-ць"_s, u"Button3"_s, u"Попередній спів-ць"_s},
        {u"ed5518D"_s, u"BitBtn7"_s, u"Наступний власник"_s, u"BitBtn6"_s, u"Попередній власник "_s},
        {u"ed6121az"_s, u"BitBtn5"_s, u"Наступний виконавець"_s, u"BitBtn4"_s, u"Попередній виконавець"_s},
    };
    QList<PageButton> out;
    for (const QStringList &l : lists)
        out << PageButton{l.at(1), l.at(2), l.at(0)} << PageButton{l.at(3), l.at(4), l.at(1)};
    return out;
}

} // namespace

const PageDesign &okPageDesign()
{
    static const PageDesign design = [] {
        PageDesign d = pageDesignOf(okBlocks(), okButtons(), okPageHint, okHeadingAbove, okLabelName);
        // The fourth subject code, shown between the third and the fifth, is entered last.
        d.enteredAfter = {{u"ed5616d"_s, u"ed6140"_s}};
        return d;
    }();
    return design;
}
