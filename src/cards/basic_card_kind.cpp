#include "cards/basic_card_kind.h"

#include "fields/card_model.h"

using namespace Qt::Literals::StringLiterals;

QStringList BasicCardKind::openWarnings(const QString &bareName) const
{
    const QString head = bareName.left(2);
    if (m_names.warnRk && (head == QLatin1String("rk") || head == QLatin1String("RK")))
        return {rkWarning(bareName)};
    if (m_names.warnOk && (head == QLatin1String("ok") || head == QLatin1String("OK")))
        return {okWarning(bareName)};
    return {};
}

QString BasicCardKind::rkWarning(const QString &bareName)
{
    return u"Зверніть увагу Ви відкрили реєстраційну картку !    "_s + bareName;
}

QString BasicCardKind::okWarning(const QString &bareName)
{
    return u"Зверніть увагу Ви відкрили облікову картку !    "_s + bareName;
}

const FieldTable &BasicCardKind::fields() const
{
    static const FieldTable empty;
    return empty;
}

std::unique_ptr<CardModel> BasicCardKind::createModel() const
{
    return std::make_unique<CardModel>(fields());
}

void BasicCardKind::clearModel(CardModel &model) const
{
    model.setDefaults();
}

QStringList BasicCardKind::fileLines(CardModel &) const
{
    return {};
}

std::unique_ptr<CardInterpreter> BasicCardKind::interpreter(CardModel &) const
{
    return std::make_unique<NullInterpreter>();
}

void BasicCardKind::afterRead(CardModel &) const
{
}
