// Reading and saving card files, in process and as the batch tool runs them.
#include "bench_cards.h"
#include "bench_registry.h"

#include "cardfile/card_writer.h"
#include "fields/card_document.h"
#include "fields/card_kind.h"

#include <QProcess>

using namespace Qt::Literals::StringLiterals;

namespace {

void readCard(benchmark::State &state, const CardRow &card, const SizeRow &size)
{
    const QString path = CardFiles::instance().path(card, size);
    CardDocument doc(*cardKindById(card.id));
    for (auto _ : state) {
        if (!doc.readFrom(path).ok())
            state.SkipWithError("the generated card did not read");
    }
}

// Everything a save does but the file: the card lines, the check for characters the
// code page cannot carry, and the bytes.
void saveCard(benchmark::State &state, const CardRow &card, const SizeRow &size)
{
    CardDocument doc(*cardKindById(card.id));
    doc.readFrom(CardFiles::instance().path(card, size));
    for (auto _ : state) {
        const QStringList lines = doc.kind().fileLines(doc.model());
        benchmark::DoNotOptimize(unencodableReport(lines));
        benchmark::DoNotOptimize(cardFileBytes(lines));
    }
}

// The whole save, the file replaced and synced to disk.
void saveFile(benchmark::State &state, const CardRow &card, const SizeRow &size)
{
    CardDocument doc(*cardKindById(card.id));
    doc.readFrom(CardFiles::instance().path(card, size));
    const QString out = CardFiles::instance().scratch(card.id.toUpper() + u"_saved.txt"_s);
    for (auto _ : state) {
        if (!doc.saveTo(out))
            state.SkipWithError("save failed");
    }
}

// `zorvat-card resave`: start-up, read, save and exit of the batch tool (the one built
// beside the benchmarks, or the one ZORVAT_CARD names).
void resaveProcess(benchmark::State &state, const CardRow &card, const SizeRow &size)
{
    const QString program = qEnvironmentVariable("ZORVAT_CARD", QString::fromUtf8(ZORVAT_CARD_BIN));
    const QString in = CardFiles::instance().path(card, size);
    const QString out = CardFiles::instance().scratch(card.id.toUpper() + u"_resaved.txt"_s);
    for (auto _ : state) {
        if (QProcess::execute(program, {u"resave"_s, in, out}) != 0)
            state.SkipWithError("zorvat-card resave failed");
    }
}

} // namespace

void registerFileBenchmarks()
{
    for (const CardRow &card : cardRows()) {
        for (const SizeRow &size : sizeRows()) {
            addBenchmark("read", card, size, readCard);
            addBenchmark("save", card, size, saveCard);
            addBenchmark("save to file", card, size, saveFile);
            addBenchmark("resave process", card, size, resaveProcess);
        }
    }
}
