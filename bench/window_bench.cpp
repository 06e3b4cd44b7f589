// Windows: an editor built, the main window shown until it has painted.
#include "bench_registry.h"

#include "app/main_form.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <memory>

namespace {

// Notes the first paint of a widget.
class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

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
        auto form = std::make_unique<TMainForm>();
        PaintWatch watch;
        form->installEventFilter(&watch);
        form->show();
        QElapsedTimer waited;
        waited.start();
        while (!watch.painted && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!watch.painted)
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
