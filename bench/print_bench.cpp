// Text wrap, print layout and PDF of generated cards.
#include "bench_platform.h"
#include "bench_registry.h"
#include "rk_card_generator.h"

#include "fields/card_document.h"
#include "fields/card_kind.h"
#include "print/dop_sheets.h"
#include "print/page_renderer.h"
#include "print/print_job.h"
#include "print/text_wrap.h"

using namespace Qt::Literals::StringLiterals;

namespace {

BenchPlatform &platform()
{
    return static_cast<BenchPlatform &>(Platform::instance());
}

// One paragraph wrapped at the width of the continuation sheets, as a memo read from a
// file is: all of it, whatever the sheets would show.
void wrap(benchmark::State &state, const CardRow &, const SizeRow &size)
{
    const QString text = generatedText(size.bytes, 7);
    const QFont font = layoutFont(u"Arial"_s, 13);
    for (auto _ : state)
        benchmark::DoNotOptimize(wrapText(text, dopSheets::kTextWidth, font));
}

// One word without a blank, broken into lines at the same width: a pasted list of
// addresses or a table copied without its spaces.
void wrapWord(benchmark::State &state, const CardRow &, const SizeRow &size)
{
    const QString text = generatedWord(size.bytes, 7);
    const QFont font = layoutFont(u"Arial"_s, 13);
    for (auto _ : state)
        benchmark::DoNotOptimize(wrapText(text, dopSheets::kTextWidth, font));
}

// "Друк" up to the preview: the pages and sheets filled, nothing painted.
void printLayout(benchmark::State &state, const QString &path, const QString &cardId)
{
    CardDocument doc(*cardKindById(cardId));
    doc.readFrom(path);
    for (auto _ : state) {
        PrintJob job(doc);
        doc.kind().print(doc.model(), job);
        benchmark::DoNotOptimize(platform().takePages());
    }
}

// What `zorvat-card pdf` does after reading: both print jobs painted into one PDF file.
void pdfOf(benchmark::State &state, const CardRow &card, const QString &path)
{
    CardDocument doc(*cardKindById(card.id));
    doc.readFrom(path);
    const QString out = CardFiles::instance().scratch(card.id.toUpper() + u".pdf"_s);
    for (auto _ : state) {
        PrintJob job(doc);
        doc.kind().print(doc.model(), job);
        if (doc.continuationEnabled())
            job.printContinuation();
        if (!writePdf(platform().takePages(), out))
            state.SkipWithError("PDF not written");
    }
}

void pdf(benchmark::State &state, const CardRow &card, const SizeRow &size)
{
    pdfOf(state, card, CardFiles::instance().path(card, size));
}

// A card whose purpose is one word of the size: all of it reaches the sheets.
void pdfWord(benchmark::State &state, const CardRow &card, const SizeRow &size)
{
    pdfOf(state, card, CardFiles::instance().wordCard(card, size.bytes));
}

} // namespace

void registerPrintBenchmarks()
{
    static const CardRow text{u"text"_s};
    for (const SizeRow &size : sizeRows()) {
        // A text of 10 MB is no memo anyone prints; the sheets show a few pages of it.
        if (size.bytes < 10'000'000) {
            addBenchmark("wrap", text, size, wrap);
            addBenchmark("wrap, no blanks", text, size, wrapWord);
        }
    }
    for (const CardRow &card : cardRows()) {
        for (const SizeRow &size : sizeRows()) {
            addBenchmark("print layout", card, size, [](benchmark::State &state, const CardRow &c, const SizeRow &s) {
                printLayout(state, CardFiles::instance().path(c, s), c.id);
            });
            if (size.bytes < 10'000'000) {
                addBenchmark("print layout, no blanks", card, size,
                             [](benchmark::State &state, const CardRow &c, const SizeRow &s) {
                                 printLayout(state, CardFiles::instance().wordCard(c, s.bytes), c.id);
                             });
            }
            addBenchmark("pdf", card, size, pdf);
            // 10 MB of one word fill some 1700 sheets; scripts/bench times a 5 MB one.
            if (size.bytes < 10'000'000)
                addBenchmark("pdf, no blanks", card, size, pdfWord);
        }
        addBenchmark("print layout, memo of 30000 characters/" + card.id.toStdString(), [&card](benchmark::State &state) {
            printLayout(state, CardFiles::instance().memoCard(card, 30'000), card.id);
        });
    }
}
