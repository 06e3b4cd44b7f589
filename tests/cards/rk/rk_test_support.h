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

// The name of entry n of the test lists.
inline QString entryName(int n)
{
    return QStringLiteral("Назва %1").arg(n);
}

// Fills slots 1..count of a list as a card file fills them, each named entryName(n).
inline void fillList(RkModel &m, RkList list, int count)
{
    for (int n = 1; n <= count; ++n) {
        const QString number = QString::number(n);
        if (list == RkList::Stages) {
            const QString stage = number + QStringLiteral("\\01.24\\12.24\\91\\") + entryName(n);
            m.setRecord(list, n, stage, stage);
            continue;
        }
        // A customer also has a phone and an e-mail.
        const QString tail = QStringLiteral("\\12345678\\Київ\\") + entryName(n) + QStringLiteral("\\вул. Лісова")
                             + (list == RkList::Customers ? QStringLiteral("\\\\") : QString());
        m.setRecord(list, n, number + QStringLiteral("\\1") + tail, number + QStringLiteral("\\Юридична особа") + tail);
    }
}

} // namespace rkTest
