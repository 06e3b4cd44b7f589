#pragma once

#include "cards/ik/ik_model.h"
#include "fields/line_interpreter.h"

// Puts each IK card line read back into the card, the older owner form
// included. Lines of other cards whose codes IK knows are taken over; the others are
// ignored, as are owner lines numbered outside the owner list.
class IkReader final : public LineInterpreter
{
    IkModel &m_model;

    void applyLine(const QString &code, const QString &line) override;
    void applyMultiLine(const QString &code, const QString &value) override;
    void finish() override;
    void readOwner(const QString &line);

public:
    explicit IkReader(IkModel &model);
};

// What an open leaves shown: the Ukrainian product name.
void ikShowAfterRead(IkModel &model);
