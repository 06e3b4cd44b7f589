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
