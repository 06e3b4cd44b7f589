#pragma once

#include "cards/card_kind_of.h"
#include "cards/ok/ok_model.h"
#include "cards/ok/ok_read.h"
#include "cards/ok/ok_rules.h"

class OkKind : public CardKindOf<OkModel, OkReader, OkRules>
{
public:
    OkKind();
    bool print(CardModel &model, PrintJob &job) const override;

    // ok_kind_info.cpp: what batch work and checks see of an OK card.
    QList<RecordList> recordLists(const CardModel &model) const override;
    bool knowsCode(const QString &code) const override;
    QList<NumberedLine> numberedLines() const override;
};
