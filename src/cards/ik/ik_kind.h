#pragma once

#include "cards/card_kind_of.h"
#include "cards/ik/ik_model.h"
#include "cards/ik/ik_read.h"

class IkKind : public CardKindOf<IkModel, IkReader>
{
public:
    IkKind();
    QStringList openWarnings(const QString &bareName) const override;

    const FieldTable &fields() const override;
    void compNil(CardModel &model) const override;
    QStringList Mtext(CardModel &model) const override;
    void afterRead(CardModel &model) const override;

    // ik_kind_info.cpp: what batch work and checks see of an IK card.
    QList<RecordList> recordLists(const CardModel &model) const override;
    bool knowsCode(const QString &code) const override;
    QList<NumberedLine> numberedLines() const override;
};
