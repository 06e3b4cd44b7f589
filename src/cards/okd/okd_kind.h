#pragma once

#include "cards/basic_card_kind.h"

class OkdKind : public BasicCardKind
{
public:
    OkdKind();
    QStringList openWarnings(const QString &bareName) const override;
};
