#include "fields/card_document.h"
#include "fields/card_kind.h"

const CardKind *cardKindOfFileName(const QString &path)
{
    const QString bare = bareFileName(path);
    // The longer prefix first: "OKD1.txt" is a dissertation card, not an OK card.
    for (const char *prefix : {"OKD", "OK", "RK", "IK"}) {
        if (bare.startsWith(QLatin1String(prefix), Qt::CaseInsensitive))
            return cardKindById(QString::fromLatin1(prefix));
    }
    return nullptr;
}
