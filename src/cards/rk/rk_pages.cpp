#include "cards/rk/rk_pages.h"

#include "cards/rk/rk_fields.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QList<QList<PageBlock>> rkBlocks()
{
    return {
        {
            {{}, false, {{u"ed5256"_s}, {u"ed5517"_s}, {u"ed5418N"_s, u"ed5418D"_s}, {u"ed7146"_s},
                         {u"ed7021"_s}, {u"ed7210"_s}, {u"ed7700"_s}}},
            {u"cb7201"_s, false, {{u"cb7201"_s}, {u"ed7201a"_s}, {u"ed7023"_s}, {u"ed7022"_s}}},
            {{}, false, {{u"ed5436"_s}, {u"ed7209"_s}}},
        },
        {
            {u"lizv"_s, false, {{u"lizv"_s}, {u"ed2457"_s, u"gorv"_s}, {u"Indjz"_s}, {u"mm2151"_s},
                                {u"ed2358"_s}, {u"mm2655"_s}, {u"ed2934"_s}, {u"ed2394"_s}, {u"ed1332"_s},
                                {u"cb1133"_s}}},
        },
        {
            {u"Edit1"_s, false, {{u"Edit1"_s, u"lizz"_s}, {u"ed2458"_s, u"gorz"_s}, {u"mm2152"_s},
                                 {u"mm2656"_s}, {u"ed2935"_s}, {u"ed2395"_s}, {u"!BitBtn6"_s, u"!BitBtn7"_s}}},
            {u"fin"_s, true, {{u"@fin"_s, u"@ed"_s, u"@sum"_s, u"#edgod1"_s},
                              {{}, {}, {}, u"edgod1"_s, u"edgod2"_s, u"edgod3"_s, u"edgod4"_s, u"edgod5"_s, u"edgod6"_s},
                              {u"fin"_s, u"ed"_s, u"sum"_s, u"sumg1"_s, u"sumg2"_s, u"sumg3"_s, u"sumg4"_s,
                               u"sumg5"_s, u"sumg6"_s},
                              {u"fin1"_s, u"ed1"_s, u"sum1"_s, u"sumg1a"_s, u"sumg2a"_s, u"sumg3a"_s, u"sumg4a"_s,
                               u"sumg5a"_s, u"sumg6a"_s}},
             3},
            {u"ed7353"_s, false, {{u"ed7353"_s, u"ed7362"_s}}},
        },
        {
            {u"lizsv"_s, false, {{u"cpn"_s, u"lizsv"_s}, {u"cpk"_s, u"gorc"_s}, {u"cpi"_s}, {u"cpa"_s},
                                 {u"!Button2"_s, u"!Button1"_s}}},
            {u"ed9036n"_s, false, {{u"ed9036n"_s}, {u"ed9036p"_s, u"ed9036z"_s}, {u"ed9036v"_s}, {u"mm9036"_s},
                                   {u"!BitBtn5"_s, u"!BitBtn4"_s}}},
        },
        {
            {{}, false, {{u"Indjzr"_s}, {u"mm9027"_s}, {u"mm9126"_s}, {u"cb7199"_s}, {u"ed7191"_s}, {u"cb9153"_s},
                         {u"cb9153a"_s}, {u"mm9155"_s}, {u"mm9156"_s}}},
        },
        {
            {{}, false, {{u"ed5634"_s}, {u"ed56161"_s, u"ed56162"_s, u"ed56163"_s},
                         {u"ed56164"_s, u"ed56165"_s, u"ed56166"_s}}},
            {{}, false, {{u"ed6111"_s}, {u"ed6210"_s}}},
            {{}, false, {{u"indjzk"_s}, {u"ed6120"_s}, {u"ed6228"_s}}},
            {{}, false, {{u"ed6141"_s}, {u"ed6140"_s}}},
        },
    };
}

QString headingAbove(const QString &field)
{
    for (const RkHeading &h : rkHeadings()) {
        if (h.above == field)
            return h.text;
    }
    return {};
}

} // namespace

const PageDesign &rkPageDesign()
{
    static const PageDesign design{
        rkBlocks(),
        {u"TabSheet1"_s, u"TabSheet4"_s, u"TabSheet2"_s, u"TabSheet6"_s, u"TabSheet3"_s, u"TabSheet5"_s},
        {rkPageHint(0), rkPageHint(1), rkPageHint(2), rkPageHint(3), rkPageHint(4), rkPageHint(5)},
        {
            {u"BitBtn7"_s, u"Наступний замовник"_s, u"ed2395"_s},
            {u"BitBtn6"_s, u"Попередній замовник "_s, u"BitBtn7"_s},
            {u"Button1"_s, u"Наступний спів-ць"_s, u"cpa"_s},
            {u"Button2"_s, u"Попередній спів-ць"_s, u"Button1"_s},
            {u"BitBtn4"_s, u"Наступний етап"_s, u"mm9036"_s},
            {u"BitBtn5"_s, u"Попередній етап"_s, u"BitBtn4"_s},
        },
        headingAbove,
        rkLabelName,
    };
    return design;
}
