#include "fields/card_document.h"
#include "fields/card_kind.h"

#include <utility>

using namespace Qt::Literals::StringLiterals;

const CardKind *cardKindOfFileName(const QString &path)
{
    const QString bare = bareFileName(path);
    // The longer prefix first: "OKD1.txt" is a dissertation card, not an OK card. A clerk
    // may name the card in Ukrainian letters too ("РК 2026.txt").
    static const std::pair<QString, QString> prefixes[] = {
        {u"OKD"_s, u"OKD"_s}, {u"ОКД"_s, u"OKD"_s},
        {u"OK"_s, u"OK"_s},   {u"ОК"_s, u"OK"_s},
        {u"RK"_s, u"RK"_s},   {u"РК"_s, u"RK"_s},
        {u"IK"_s, u"IK"_s},   {u"ІК"_s, u"IK"_s},
    };
    for (const auto &[prefix, id] : prefixes) {
        if (bare.startsWith(prefix, Qt::CaseInsensitive))
            return cardKindById(id);
    }
    return nullptr;
}
