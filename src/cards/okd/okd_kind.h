#pragma once

#include "cards/card_kind_of.h"
#include "cards/okd/okd_model.h"
#include "cards/okd/okd_read.h"

class OkdKind : public CardKindOf<OkdModel, OkdReader>
{
public:
    OkdKind();

    const FieldTable &fields() const override;
    void compNil(CardModel &model) const override;
    QStringList Mtext(CardModel &model) const override;
    void afterRead(CardModel &model) const override;

    // okd_kind_info.cpp: what batch work and checks see of an OKD card.
    QList<RecordList> recordLists(const CardModel &model) const override;
    bool knowsCode(const QString &code) const override;
    QList<NumberedLine> numberedLines() const override;
};
