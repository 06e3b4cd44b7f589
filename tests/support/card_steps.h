#pragma once

#include "cardfile/card_reader.h"
#include "cardfile/card_writer.h"
#include "fields/card_kind.h"
#include "fields/card_model.h"

#include <QStringList>
#include <QTest>

#include <algorithm>
#include <memory>
#include <random>

// Shared steps of the card tests: a card as "Новий" and "Відкрити..." leave it.
namespace cardSteps {

template <class Model>
std::unique_ptr<Model> freshModel(const CardKind &kind)
{
    return std::unique_ptr<Model>(static_cast<Model *>(kind.createModel().release()));
}

inline QByteArray save(const CardKind &kind, CardModel &model)
{
    return cardFileBytes(kind.Mtext(model));
}

// Clears the card and reads `bytes` into it, as an open does.
inline ReadResult open(const CardKind &kind, CardModel &model, const QByteArray &bytes,
                       const QString &name = QStringLiteral("test.txt"))
{
    kind.compNil(model);
    auto interpreter = kind.interpreter(model);
    const ReadResult result = readCardBytes(bytes, *interpreter, name);
    kind.afterRead(model);
    return result;
}

template <class Model>
std::unique_ptr<Model> opened(const CardKind &kind, const QStringList &lines, ReadResult *result = nullptr)
{
    auto model = freshModel<Model>(kind);
    const ReadResult r = open(kind, *model, cardFileBytes(lines));
    if (result)
        *result = r;
    return model;
}

// The same steps for one card type with its model class.
template <class Model>
struct Steps
{
    CardType type;

    const CardKind &kind() const { return cardKind(type); }
    std::unique_ptr<Model> fresh() const { return freshModel<Model>(kind()); }
    QStringList lines(Model &model) const { return kind().Mtext(model); }
    ReadResult open(Model &model, const QByteArray &bytes) const { return cardSteps::open(kind(), model, bytes); }
    std::unique_ptr<Model> opened(const QStringList &lines, ReadResult *result = nullptr) const
    {
        return cardSteps::opened<Model>(kind(), lines, result);
    }
    // Opening `full` and saving writes its bytes again, and so does a second round.
    void checkRoundTrip(const QStringList &full) const
    {
        ReadResult result;
        auto model = opened(full, &result);
        QVERIFY(result.ok());
        const QByteArray saved = cardFileBytes(lines(*model));
        QCOMPARE(saved, cardFileBytes(full));
        auto again = fresh();
        QVERIFY(open(*again, saved).ok());
        QCOMPARE(cardFileBytes(lines(*again)), saved);
    }
    // The text of `field` once `lines` are opened.
    QString textAfterOpen(const QStringList &lines, const QString &field, ReadResult *result) const
    {
        return opened(lines, result)->text(field);
    }
};

// The lines of a saved card that carry `code`.
// "name=value" pairs put into a model before a rule runs; masked fields are fitted.
inline void apply(CardModel &model, const QStringList &setup)
{
    for (const QString &pair : setup) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        model.setFitted(pair.left(eq), pair.mid(eq + 1));
    }
}

// The lines in another (fixed) order; lines of the `ordered` codes, whose order in a
// file decides where they go, keep theirs among themselves.
inline QStringList shuffled(const QStringList &lines, const QStringList &ordered)
{
    QStringList out = lines;
    std::mt19937 random(20261208);
    std::shuffle(out.begin(), out.end(), random);
    QStringList kept;
    for (const QString &line : lines) {
        if (ordered.contains(line.left(4)))
            kept << line;
    }
    for (QString &line : out) {
        if (ordered.contains(line.left(4)))
            line = kept.takeFirst();
    }
    return out;
}

inline QStringList linesOf(const QStringList &lines, const QString &code)
{
    QStringList found;
    for (const QString &line : lines) {
        if (line.startsWith(code + QLatin1Char('\\')))
            found << line;
    }
    return found;
}

} // namespace cardSteps
