#pragma once

#include "cards/basic_card_kind.h"

class IkKind : public BasicCardKind
{
public:
    IkKind();
    QStringList openWarnings(const QString &bareName) const override;
};
