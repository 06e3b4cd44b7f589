#pragma once

#include "cards/basic_card_kind.h"

class RkKind : public BasicCardKind
{
public:
    RkKind();
    QStringList openWarnings(const QString &bareName) const override;

    const FieldTable &fields() const override;
    std::unique_ptr<CardModel> createModel() const override;
    void compNil(CardModel &model) const override;
    QStringList Mtext(CardModel &model) const override;
    QStringList snapshotLines(const CardModel &model) const override;
    std::unique_ptr<CardInterpreter> interpreter(CardModel &model) const override;
    void afterRead(CardModel &model) const override;
    bool print(CardModel &model, PrintJob &job) const override;

    // rk_kind_info.cpp: what batch work and checks see of an RK card.
    QList<BilingualText> bilingualTexts(const CardModel &model) const override;
    QList<RecordList> recordLists(const CardModel &model) const override;
    bool knowsCode(const QString &code) const override;
    QList<NumberedLine> numberedLines() const override;
};
