#pragma once

#include "cards/card_kind_of.h"
#include "cards/ik/ik_model.h"
#include "cards/ik/ik_read.h"
#include "cards/ik/ik_rules.h"

class IkKind : public CardKindOf<IkModel, IkReader, IkRules>
{
public:
    IkKind();
    bool print(CardModel &model, PrintJob &job) const override;

    // ik_kind_info.cpp: what batch work and checks see of an IK card.
    QList<RecordList> recordLists(const CardModel &model) const override;
    bool knowsCode(const QString &code) const override;
    QList<NumberedLine> numberedLines() const override;
};
