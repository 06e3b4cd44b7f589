#pragma once

#include "cards/card_kind_of.h"
#include "cards/rk/rk_model.h"
#include "cards/rk/rk_read.h"
#include "cards/rk/rk_rules.h"

class RkKind : public CardKindOf<RkModel, RkReader, RkRules>
{
public:
    RkKind();
    bool print(CardModel &model, PrintJob &job) const override;

    // rk_kind_info.cpp: what batch work and checks see of an RK card.
    QList<RecordList> recordLists(const CardModel &model) const override;
    bool knowsCode(const QString &code) const override;
    QList<NumberedLine> numberedLines() const override;
};
