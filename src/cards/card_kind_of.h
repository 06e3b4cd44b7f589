#pragma once

#include "cards/card_names.h"
#include "fields/bilingual_texts.h"
#include "fields/card_model.h"
#include "fields/common_rules.h"
#include "fields/field_rules.h"

#include <memory>

// A card type whose model is `Model` (which keeps its two-language texts as
// texts()), whose line interpreter is `Reader` and whose entry rules are `Rules` (both
// constructed from the model), with its names and its own pieces: field table, card
// lines and what an open leaves shown.
template <class Model, class Reader, class Rules>
class CardKindOf : public CardKind
{
public:
    struct Parts
    {
        const FieldTable &(*table)();
        QStringList (*lines)(Model &);
        void (*showAfterRead)(Model &);
    };

    CardKindOf(CardNames names, Parts parts) : m_names(std::move(names)), m_parts(parts) {}

    CardType type() const override { return m_names.type; }
    QString id() const override { return m_names.id; }
    QString windowCaption() const override { return m_names.windowCaption; }
    QString promptCaption() const override { return m_names.promptCaption; }
    QString cardName() const override { return m_names.cardName; }
    QString openedCaption(const QString &path) const override { return m_names.openedCaptionPrefix + path; }
    QString defaultFileName() const override { return m_names.defaultFileName; }
    bool openAllFiles() const override { return m_names.openAllFiles; }
    bool openDefaultTxt() const override { return m_names.openDefaultTxt; }
    bool saveFromHomeDir() const override { return m_names.saveFromHomeDir; }
    QStringList openWarnings(const QString &bareName) const override { return m_names.openWarnings(bareName); }

    const FieldTable &fields() const override { return m_parts.table(); }
    QStringList fileLines(CardModel &model) const override { return m_parts.lines(of(model)); }
    void afterRead(CardModel &model) const override { m_parts.showAfterRead(of(model)); }
    // The model's own state (lists, texts) back to empty, then every field. Masks a
    // rule changed, their labels and the person kind marks stay as they are.
    void clearModel(CardModel &model) const override
    {
        if constexpr (requires(Model &m) { m.clearState(); })
            of(model).clearState();
        fieldRules::clearFields(model);
    }

    std::unique_ptr<CardModel> createModel() const override { return std::make_unique<Model>(fields()); }
    std::unique_ptr<CardInterpreter> interpreter(CardModel &model) const override
    {
        return std::make_unique<Reader>(of(model));
    }
    std::unique_ptr<CardRules> createRules(CardModel &model) const override
    {
        return std::make_unique<Rules>(of(model));
    }
    QList<BilingualText> bilingualTexts(const CardModel &model) const override { return of(model).texts().byCode(); }
    // The lines of a copy of the card, as a save would write them: the text in a
    // two-language field belongs to the language chosen beside it.
    QStringList snapshotLines(const CardModel &model) const override
    {
        const std::unique_ptr<CardModel> copy = model.clone();
        if (!copy)
            return CardKind::snapshotLines(model);
        Model &card = of(*copy);
        commonRules::keepShownTexts(card, card.texts());
        return fileLines(card);
    }

protected:
    CardNames m_names;
    Parts m_parts;

    static Model &of(CardModel &model)
    {
        Q_ASSERT(dynamic_cast<Model *>(&model));
        return static_cast<Model &>(model);
    }
    static const Model &of(const CardModel &model)
    {
        Q_ASSERT(dynamic_cast<const Model *>(&model));
        return static_cast<const Model &>(model);
    }
};
