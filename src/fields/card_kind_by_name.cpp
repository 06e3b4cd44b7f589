#include "fields/card_document.h"
#include "fields/card_kind.h"

#include <utility>

const CardKind *cardKindOfFileName(const QString &path)
{
    const QString bare = bareFileName(path);
    // The longer prefix first: "OKD1.txt" is a dissertation card, not an OK card. A clerk
    // may name the card in Ukrainian letters too ("РК 2026.txt").
    static const std::pair<QString, QString> prefixes[] = {
        {QStringLiteral("OKD"), QStringLiteral("OKD")}, {QStringLiteral("ОКД"), QStringLiteral("OKD")},
        {QStringLiteral("OK"), QStringLiteral("OK")},   {QStringLiteral("ОК"), QStringLiteral("OK")},
        {QStringLiteral("RK"), QStringLiteral("RK")},   {QStringLiteral("РК"), QStringLiteral("RK")},
        {QStringLiteral("IK"), QStringLiteral("IK")},   {QStringLiteral("ІК"), QStringLiteral("IK")},
    };
    for (const auto &[prefix, id] : prefixes) {
        if (bare.startsWith(prefix, Qt::CaseInsensitive))
            return cardKindById(id);
    }
    return nullptr;
}
