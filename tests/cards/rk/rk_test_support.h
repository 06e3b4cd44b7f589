#pragma once

#include "cardfile/card_reader.h"
#include "cardfile/card_writer.h"
#include "cards/rk/rk_model.h"
#include "fields/card_kind.h"

#include <QStringList>

#include <memory>

// Shared steps of the RK tests: a card as "Новий" and "Відкрити..." leave it.
namespace rkTest {

inline const CardKind &kind()
{
    return cardKind(CardType::RK);
}

inline std::unique_ptr<RkModel> freshModel()
{
    return std::unique_ptr<RkModel>(static_cast<RkModel *>(kind().createModel().release()));
}

inline QByteArray save(RkModel &model)
{
    return cardFileBytes(kind().Mtext(model));
}

// Clears the card and reads `bytes` into it, as an open does.
inline ReadResult open(RkModel &model, const QByteArray &bytes)
{
    kind().compNil(model);
    auto interpreter = kind().interpreter(model);
    const ReadResult result = readCardBytes(bytes, *interpreter, QStringLiteral("test.txt"));
    kind().afterRead(model);
    return result;
}

inline std::unique_ptr<RkModel> opened(const QStringList &lines, ReadResult *result = nullptr)
{
    auto model = freshModel();
    const ReadResult r = open(*model, cardFileBytes(lines));
    if (result)
        *result = r;
    return model;
}

// The lines of a saved card that carry `code`.
inline QStringList linesOf(const QStringList &lines, const QString &code)
{
    QStringList found;
    for (const QString &line : lines) {
        if (line.startsWith(code + QLatin1Char('\\')))
            found << line;
    }
    return found;
}

} // namespace rkTest
