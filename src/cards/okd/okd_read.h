#pragma once

#include "cards/okd/okd_model.h"
#include "fields/line_interpreter.h"

// Puts each OKD card line read back into the card (ReadS), the older single-language
// forms of the applicant and the supervisors included. Codes the card does not know
// are ignored.
class OkdReader final : public LineInterpreter
{
    OkdModel &m_model;

    void applyLine(const QString &code, const QString &line) override;
    void applyMultiLine(const QString &code, const QString &value) override;

public:
    explicit OkdReader(OkdModel &model);

    // Every code the reader takes.
    static bool knows(const QString &code);
};

// What an open leaves shown: the language groups on Ukrainian with the texts and names
// in it, the organisation page on the council.
void okdShowAfterRead(OkdModel &model);
