#pragma once

#include "cards/card_kind_of.h"
#include "cards/okd/okd_fields.h"
#include "cards/okd/okd_model.h"
#include "cards/okd/okd_read.h"
#include "cards/okd/okd_write.h"

// The dissertation card: its table, its lines written from the private state and read
// back into it, and the views an open leaves shown.
class OkdKind : public CardKindOf<OkdModel, OkdReader>
{
public:
    OkdKind();
    const FieldTable &fields() const override { return okdFieldTable(); }
    QStringList Mtext(CardModel &model) const override { return okdCardLines(of(model)); }
    void compNil(CardModel &model) const override;
    void afterRead(CardModel &model) const override { okdShowAfterRead(of(model)); }

    // okd_kind_info.cpp: the private lists under their own names; the codes the reader
    // takes; the numbers of supervisors and opponents.
    QList<RecordList> recordLists(const CardModel &model) const override;
    bool knowsCode(const QString &code) const override;
    QList<NumberedLine> numberedLines() const override;
};
