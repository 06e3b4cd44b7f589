#pragma once

#include "cards/rk/rk_model.h"
#include "fields/line_interpreter.h"

#include <QString>


// Puts each RK card line read back into the card, the older line forms
// included. Lines of other cards without an RK meaning are ignored; whatever is not
// taken, or would not be saved again, is noted in the read's report.
class RkReader : public LineInterpreter
{
public:
    // Starts a read: the repeat counters go back to 0.
    explicit RkReader(RkModel &model);

private:
    void applyLine(const QString &code, const QString &line) override;
    void applyMultiLine(const QString &code, const QString &value) override;
    void finish() override;

    void readOther(const QString &line, const QString &codeField, const QString &otherField,
                   void (RkModel::*show)(bool));
    void readExecutorCode(const QString &line);
    static bool beyondBound(RkList list, int n);
    void readCustomer(const QString &line);
    void readCoExecutor(const QString &line);
    void readStage(const QString &value);
    void readBilingual(RkText which, const QString &value);
    void readWorkHead(const QString &line);
    void readRubric(const QString &line);
    void readYears(const QString &line);
    void readFinancing(const QString &code, const QString &line);
    void storeCurrentCustomer();

    RkModel &m_model;
};

// What an open leaves shown: the Ukrainian texts of the three two-language fields.
void rkShowAfterRead(RkModel &model);
