#pragma once

#include "cards/basic_card_kind.h"

class RkKind : public BasicCardKind
{
public:
    RkKind();
    QStringList openWarnings(const QString &bareName) const override;
};
