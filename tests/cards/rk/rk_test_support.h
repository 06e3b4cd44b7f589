#pragma once

#include "cards/rk/rk_model.h"
#include "support/card_steps.h"

// Shared steps of the RK tests: a card as "Новий" and "Відкрити..." leave it.
namespace rkTest {

inline const CardKind &kind()
{
    return cardKind(CardType::RK);
}

inline std::unique_ptr<RkModel> freshModel()
{
    return cardSteps::freshModel<RkModel>(kind());
}

inline QByteArray save(RkModel &model)
{
    return cardSteps::save(kind(), model);
}

inline ReadResult open(RkModel &model, const QByteArray &bytes)
{
    return cardSteps::open(kind(), model, bytes);
}

inline std::unique_ptr<RkModel> opened(const QStringList &lines, ReadResult *result = nullptr)
{
    return cardSteps::opened<RkModel>(kind(), lines, result);
}

using cardSteps::linesOf;

} // namespace rkTest
