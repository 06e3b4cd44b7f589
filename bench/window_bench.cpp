// Windows: an editor built, the main window shown until it has painted.
#include "bench_registry.h"
#include "paint_watch.h"

#include "app/main_window.h"

#include <QCoreApplication>
#include <QWidget>

#include <memory>

namespace {

void editorConstruction(benchmark::State &state, const CardRow &card)
{
    for (auto _ : state) {
        std::unique_ptr<QWidget> editor(card.createEditor());
        benchmark::DoNotOptimize(editor.get());
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}

void mainWindowFirstPaint(benchmark::State &state)
{
    for (auto _ : state) {
        auto form = std::make_unique<MainWindow>();
        if (!showUntilPainted(*form))
            state.SkipWithError("the main window did not paint");
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

void registerWindowBenchmarks()
{
    for (const CardRow &card : cardRows()) {
        if (card.createEditor) {
            addBenchmark("editor construction/" + card.id.toStdString(),
                         [&card](benchmark::State &state) { editorConstruction(state, card); });
        }
    }
    addBenchmark("main window start-up to first paint/app", mainWindowFirstPaint);
}
