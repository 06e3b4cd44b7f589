#pragma once

#include "cards/basic_card_kind.h"

#include <memory>

// A card type whose model is `Model` and whose line interpreter is `Reader`
// (constructed from the model).
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
