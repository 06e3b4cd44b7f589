#include "cards/card_names.h"

using namespace Qt::Literals::StringLiterals;

QStringList CardNames::openWarnings(const QString &bareName) const
{
    const QString head = bareName.left(2);
    if (warnRk && (head == QLatin1String("rk") || head == QLatin1String("RK")))
        return {u"Зверніть увагу Ви відкрили реєстраційну картку !    "_s + bareName};
    if (warnOk && (head == QLatin1String("ok") || head == QLatin1String("OK")))
        return {u"Зверніть увагу Ви відкрили облікову картку !    "_s + bareName};
    return {};
}
