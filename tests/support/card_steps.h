#pragma once

#include "cardfile/card_reader.h"
#include "cardfile/card_writer.h"
#include "fields/card_kind.h"
#include "fields/card_model.h"

#include "cardfile/cp1251.h"
#include "support/test_files.h"

#include <QStringList>
#include <QTest>

#include <algorithm>
#include <memory>
#include <random>

using namespace Qt::Literals::StringLiterals;

// Shared steps of the card tests: a card as "Новий" and "Відкрити..." leave it.
namespace cardSteps {

template <class Model>
std::unique_ptr<Model> freshModel(const CardKind &kind)
{
    return std::unique_ptr<Model>(static_cast<Model *>(kind.createModel().release()));
}

inline QByteArray save(const CardKind &kind, CardModel &model)
{
    return cardFileBytes(kind.fileLines(model));
}

// A reading that noted nothing (`note` empty), or exactly one line left out, its note
// ("line: why") starting with `note`.
inline void checkOneNote(const ReadResult &result, const QString &note)
{
    QVERIFY2(result.ok(), qPrintable(result.message));
    QStringList notes;
    for (const ReadNote &n : result.notes)
        notes << u"%1: %2"_s.arg(n.lineNumber).arg(n.text);
    if (note.isEmpty()) {
        QCOMPARE(notes, QStringList());
    } else {
        QCOMPARE(notes.size(), 1);
        QVERIFY2(notes.constFirst().startsWith(note), qPrintable(notes.constFirst()));
    }
}

// Clears the card and reads `bytes` into it, as an open does.
inline ReadResult open(const CardKind &kind, CardModel &model, const QByteArray &bytes,
                       const QString &name = u"test.txt"_s)
{
    kind.clearModel(model);
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
    QStringList lines(Model &model) const { return kind().fileLines(model); }
    ReadResult open(Model &model, const QByteArray &bytes) const { return cardSteps::open(kind(), model, bytes); }
    std::unique_ptr<Model> opened(const QStringList &lines, ReadResult *result = nullptr) const
    {
        return cardSteps::opened<Model>(kind(), lines, result);
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

// The lines of a card file in tests/data (CP1251, CR LF, final empty line).
inline QStringList fixtureLines(const QString &name)
{
    QStringList lines = cp1251::decode(readAll(QString::fromUtf8(ZORVAT_TEST_DATA "/") + name)).split(u"\r\n"_s);
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// Rows written "a|b|c": one list of texts per row.
inline QList<QStringList> pipeRows(const QStringList &rows)
{
    QList<QStringList> out;
    for (const QString &row : rows)
        out << row.split(QLatin1Char('|'));
    return out;
}

// A card with every field opened and saved gives the file again, and so does that
// save opened and saved.
template <class Model>
void checkRoundTrip(const Steps<Model> &card, const QStringList &full)
{
    ReadResult result;
    auto model = card.opened(full, &result);
    QVERIFY2(result.ok(), qPrintable(result.message));
    const QByteArray saved = cardFileBytes(card.lines(*model));
    QCOMPARE(saved, cardFileBytes(full));
    auto again = card.fresh();
    QVERIFY(card.open(*again, saved).ok());
    QCOMPARE(cardFileBytes(card.lines(*again)), saved);
}

// The same lines in another order save in the card's order.
template <class Model>
void checkShuffled(const Steps<Model> &card, const QStringList &full, const QStringList &mixed)
{
    QVERIFY(mixed != full);
    QCOMPARE(card.lines(*card.opened(mixed)), full);
}

// Rows "field|value in a new card|value after clearModel" of checkFreshAndCleared().
inline void addFreshAndClearedRows(const QStringList &rows)
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<QString>("cleared");
    for (const QStringList &r : pipeRows(rows))
        QTest::newRow(qPrintable(r.at(0))) << r.at(0) << r.at(1) << r.at(2);
}

// A field of a new card, then of the card cleared (clearModel) after the field was typed
// in; the row's columns are those of addFreshAndClearedRows().
template <class Model>
void checkFreshAndCleared(const Steps<Model> &card)
{
    QFETCH(QString, field);
    QFETCH(QString, fresh);
    QFETCH(QString, cleared);
    auto model = card.fresh();
    QCOMPARE(model->text(field), fresh);
    model->setText(field, u"9"_s);
    card.kind().clearModel(*model);
    QCOMPARE(model->text(field), cleared);
}

// The text of a field once the lines are opened; the reading ends well. The row's
// columns: "input" (QStringList), "field", "expected".
template <class Model>
void checkFieldAfterOpen(const Steps<Model> &card)
{
    QFETCH(QStringList, input);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    const QStringList &lines = input;
    ReadResult result;
    QCOMPARE(card.textAfterOpen(lines, field, &result), expected);
    QVERIFY2(result.ok(), qPrintable(result.message));
}

} // namespace cardSteps
