#pragma once

#include "cards/okd/okd_model.h"
#include "fields/line_interpreter.h"

// Puts each OKD card line read back into the card, the older single-language
// forms of the applicant and the supervisors included. Codes the card does not know
// are ignored.
class OkdReader final : public LineInterpreter
{
public:
    explicit OkdReader(OkdModel &model);
    // Every code the reader takes.
    static bool knows(const QString &code);

private:
    void applyLine(const QString &code, const QString &line) override;
    // The title and abstract, and the organisation names, which may run over lines.
    void applyMultiLine(const QString &code, const QString &value) override;
    void finish() override;

    OkdModel &m_model;
};

// What an open leaves shown: the language groups on Ukrainian with the texts and names
// in it, the organisation page on the council.
void okdShowAfterRead(OkdModel &model);
