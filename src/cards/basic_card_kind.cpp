#include "cards/basic_card_kind.h"

#include "fields/card_model.h"

QStringList BasicCardKind::openWarnings(const QString &) const
{
    return {};
}

QString BasicCardKind::rkWarning(const QString &bareName)
{
    return QStringLiteral("Зверніть увагу Ви відкрили реєстраційну картку !    ") + bareName;
}

QString BasicCardKind::okWarning(const QString &bareName)
{
    return QStringLiteral("Зверніть увагу Ви відкрили облікову картку !    ") + bareName;
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

void BasicCardKind::compNil(CardModel &model) const
{
    model.setDefaults();
}

QStringList BasicCardKind::Mtext(CardModel &) const
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
