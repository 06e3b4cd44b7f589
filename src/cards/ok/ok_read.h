#pragma once

#include "cards/ok/ok_model.h"
#include "fields/line_interpreter.h"

// Puts each OK card line read back into the card, the older line forms
// included. Lines of other cards whose codes OK knows are taken over (how an OK card
// takes the common data of the RK card of the same work); the others are ignored,
// as are list lines numbered outside their list.
class OkReader final : public LineInterpreter
{
    OkModel &m_model;

    void applyLine(const QString &code, const QString &line) override;
    void applyMultiLine(const QString &code, const QString &value) override;
    void finish() override;

public:
    explicit OkReader(OkModel &model);
};

// The stage kind and name of a 9036 value as the reader takes them: the current form
// 9036\number\start\end\kind\name (kind empty when none was chosen), the older one
// 9036\number\start\end\name. What a line holds beyond them is left out; `check`
// names it.
struct OkStageItems
{
    QString kind;
    QString name;
    QString droppedKind;   // a fifth item of the current form that is no kind
    QStringList dropped;   // items after the name
};
OkStageItems okStageItems(const QString &value);

// What an open leaves shown: the Ukrainian texts and co-executor 1 with its kind.
void okShowAfterRead(OkModel &model);
