#pragma once

#include "cardfile/card_reader.h"
#include "cards/ok/ok_model.h"

#include <QString>

// Puts each OK card line read back into the card (ReadS), the older line forms
// included. Lines of other cards whose codes OK knows are taken over (how an OK card
// takes the common data of the RK card of the same work); the others are ignored,
// as are list lines numbered outside their list.
class OkReader : public CardInterpreter
{
public:
    // Starts a read: the financing lines are counted from 0.
    explicit OkReader(OkModel &model);

    bool isMultiLineCode(const QString &code) const override;
    bool keepsEmptyValue(const QString &code) const override;
    void dispatch(const ReadLine &line) override;

private:
    void applyLine(const QString &code, const QString &line);
    void applyMultiLine(const QString &code, const QString &value);

    void readDirection(const QString &line);
    void readExecutorCode(const QString &line);
    void readOwner(const QString &line);
    void readStageNumbers(const QString &line);
    void readCoExecutor(const QString &line);
    void readWorkHead(const QString &line);
    void readPerson(const QString &line);
    void readRubric(const QString &line);
    void readFinancing(const QString &code, const QString &line);
    void readStage(const QString &value);

    OkModel &m_model;
};

// What an open leaves shown: the Ukrainian texts and co-executor 1 with its kind.
void okShowAfterRead(OkModel &model);
