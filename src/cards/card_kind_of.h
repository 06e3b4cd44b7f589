#pragma once

#include "cards/basic_card_kind.h"
#include "fields/bilingual_texts.h"
#include "fields/card_model.h"
#include "fields/common_rules.h"

#include <memory>

// A card type whose model is `Model` (which keeps its two-language texts as
// texts()) and whose line interpreter is `Reader` (constructed from the model).
template <class Model, class Reader>
class CardKindOf : public BasicCardKind
{
public:
    using BasicCardKind::BasicCardKind;

    std::unique_ptr<CardModel> createModel() const override { return std::make_unique<Model>(fields()); }
    std::unique_ptr<CardInterpreter> interpreter(CardModel &model) const override
    {
        return std::make_unique<Reader>(of(model));
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
        return Mtext(card);
    }

protected:
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
