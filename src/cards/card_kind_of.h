#pragma once

#include "cards/basic_card_kind.h"
#include "fields/bilingual_texts.h"
#include "fields/card_model.h"
#include "fields/common_rules.h"
#include "fields/field_rules.h"

#include <memory>

// A card type whose model is `Model` (which keeps its two-language texts as
// texts()), whose line interpreter is `Reader` and whose entry rules are `Rules` (both
// constructed from the model).
template <class Model, class Reader, class Rules>
class CardKindOf : public BasicCardKind
{
public:
    // The card's own pieces, where it has no operation of its own: its field table,
    // its card lines (fileLines) and what an open leaves shown.
    struct Parts
    {
        const FieldTable &(*table)() = nullptr;
        QStringList (*lines)(Model &) = nullptr;
        void (*showAfterRead)(Model &) = nullptr;
    };

    explicit CardKindOf(Names names) : BasicCardKind(std::move(names)) {}
    CardKindOf(Names names, Parts parts) : BasicCardKind(std::move(names)), m_parts(parts) {}

    const FieldTable &fields() const override { return m_parts.table ? m_parts.table() : BasicCardKind::fields(); }
    QStringList fileLines(CardModel &model) const override
    {
        return m_parts.lines ? m_parts.lines(of(model)) : BasicCardKind::fileLines(model);
    }
    void afterRead(CardModel &model) const override
    {
        if (m_parts.showAfterRead)
            m_parts.showAfterRead(of(model));
    }
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
            return BasicCardKind::snapshotLines(model);
        Model &card = of(*copy);
        commonRules::keepShownTexts(card, card.texts());
        return fileLines(card);
    }

protected:
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
