#include "orgs/organisation.h"

using namespace Qt::StringLiterals;

bool Organisation::hasValidCode() const
{
    const qsizetype length = kind == u"2"_s ? 10 : kind == u"1"_s ? 8 : -1;
    if (code.size() != length)
        return false;
    for (QChar c : code) {
        if (!c.isDigit() || c.unicode() > 127)
            return false;
    }
    return true;
}

bool Organisation::isBare() const
{
    for (const QString *v : {&fullName, &shortName, &city, &address, &phone, &email, &subordination}) {
        if (!v->trimmed().isEmpty())
            return false;
    }
    return true;
}

Organisation Organisation::mergedWith(const Organisation &newer) const
{
    Organisation result = newer;
    const auto keep = [](QString &value, const QString &older) {
        if (value.trimmed().isEmpty())
            value = older;
    };
    keep(result.fullName, fullName);
    keep(result.shortName, shortName);
    keep(result.city, city);
    keep(result.address, address);
    keep(result.phone, phone);
    keep(result.email, email);
    keep(result.subordination, subordination);
    if (!newer.savedAt.isValid() || (savedAt.isValid() && savedAt > newer.savedAt)) {
        result.savedAt = savedAt;
        result.source = source;
    }
    return result;
}

QString Organisation::displayName() const
{
    return shortName.trimmed().isEmpty() ? fullName : shortName;
}

bool operator==(const Organisation &a, const Organisation &b)
{
    return a.kind == b.kind && a.code == b.code && a.fullName == b.fullName && a.shortName == b.shortName
           && a.city == b.city && a.address == b.address && a.phone == b.phone && a.email == b.email
           && a.subordination == b.subordination;
}
