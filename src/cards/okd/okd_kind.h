#pragma once

#include "cards/card_kind_of.h"
#include "cards/okd/okd_model.h"
#include "cards/okd/okd_read.h"
#include "cards/okd/okd_rules.h"

// The dissertation card: its table, its lines written from the private state and read
// back into it, and the views an open leaves shown.
class OkdKind : public CardKindOf<OkdModel, OkdReader, OkdRules>
{
public:
    OkdKind();
    bool print(CardModel &model, PrintJob &job) const override;
    // A recovery copy also keeps what the supervisors' names and the organisation page
    // show, as leaving those fields would.
    QStringList snapshotLines(const CardModel &model) const override;

    // okd_kind_info.cpp: the private lists under their own names; the codes the reader
    // takes; the numbers of supervisors and opponents.
    QList<RecordList> recordLists(const CardModel &model) const override;
    bool knowsCode(const QString &code) const override;
    QList<NumberedLine> numberedLines() const override;
};
