#include "cardfile/card_item.h"

QString item(const QString &s, int n, QChar sep)
{
    if (n <= 0)
        return {};
    qsizetype start = 0;
    for (int i = 1; i < n; ++i) {
        const qsizetype pos = s.indexOf(sep, start);
        if (pos < 0)
            return {};
        start = pos + 1;
    }
    const qsizetype end = s.indexOf(sep, start);
    return s.mid(start, end < 0 ? -1 : end - start);
}

QString trimLine(const QString &s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s.at(b).unicode() <= 0x20)
        ++b;
    while (e > b && s.at(e - 1).unicode() <= 0x20)
        --e;
    return s.mid(b, e - b);
}

QString lineCode(const QString &line)
{
    return trimLine(item(line, 1));
}
