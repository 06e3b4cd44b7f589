#pragma once

#include "cards/basic_card_kind.h"

class OkKind : public BasicCardKind
{
public:
    OkKind();
    QStringList openWarnings(const QString &bareName) const override;
};
