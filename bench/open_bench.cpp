// Opening windows: each editor until it has painted, in a running program (warm) and as
// the first editor after the program's start (cold), beside a bare form of the same pages
// and widgets opened the same ways; the program's start to its main window's first
// paint, beside a bare Qt window's (one line of text), each as a whole process.
#include "bare_form.h"
#include "bench_registry.h"
#include "open_probe.h"
#include "paint_watch.h"

#include "app/card_editor.h"
#include "cards/card_editors.h"
#include "app/main_window.h"
#include "app/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QProcess>
#include <QTabWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const struct
{
    CardType type;
    const char *id;
} kEditors[] = {{CardType::RK, "rk"}, {CardType::OK, "ok"}, {CardType::IK, "ik"}, {CardType::OKD, "okd"}};

using WindowMaker = std::function<std::unique_ptr<QWidget>()>;

// Milliseconds from nothing to the window `make` builds painted; -1 when it did not paint.
double openWindow(const WindowMaker &make)
{
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QWidget> window = make();
    if (!showUntilPainted(*window))
        return -1;
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    window->hide();
    window.reset();
    QCoreApplication::processEvents();
    return ms;
}

double openEditor(CardType type)
{
    return openWindow([type] { return std::unique_ptr<QWidget>(createCardEditor(type, nullptr)); });
}

double openBareForm(const FormShape &shape)
{
    return openWindow([&shape] { return buildBareForm(shape); });
}

// The pages of an editor of `type`, read once from an editor built for it.
const FormShape &shapeOfEditor(CardType type)
{
    static QHash<int, FormShape> shapes;
    if (!shapes.contains(int(type))) {
        std::unique_ptr<CardEditor> editor(createCardEditor(type, nullptr));
        shapes.insert(int(type), shapeOf(*editor->pageControl()));
    }
    return shapes[int(type)];
}

// Runs this program as a probe and gives what it printed, or the process's own time.
double runProbe(const QStringList &args, bool wholeProcess)
{
    QProcess probe;
    QElapsedTimer timer;
    timer.start();
    probe.start(QCoreApplication::applicationFilePath(), QStringList{u"--probe"_s} + args);
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        return -1;
    const double total = double(timer.nsecsElapsed()) / 1e6;
    return wholeProcess ? total : probe.readAllStandardOutput().split('\n').value(0).toDouble();
}

using Measure = std::function<double()>;

// `measure` and its `baseline` in turns, each first in every other pair: both see the
// machine as it is at that moment, so their ratio does not follow its load. The row gets
// the times of `measure`; the baseline's go to the row of `baselineOperation` through a
// "baseline: " counter. A time below 0 is a window that did not paint.
void inTurns(benchmark::State &state, const Measure &measure, const Measure &baseline,
             const std::string &baselineOperation)
{
    double baselineTotal = 0;
    bool baselineFirst = false;
    for (auto _ : state) {
        baselineFirst = !baselineFirst;
        const double first = baselineFirst ? baseline() : measure();
        const double second = baselineFirst ? measure() : baseline();
        if (first < 0 || second < 0) {
            state.SkipWithError("a window did not paint");
            break;
        }
        state.SetIterationTime((baselineFirst ? second : first) / 1000);
        baselineTotal += baselineFirst ? first : second;
    }
    state.counters["baseline: " + baselineOperation] =
        benchmark::Counter(baselineTotal, benchmark::Counter::kAvgIterations);
}

void addManual(const std::string &name, std::function<void(benchmark::State &)> fn)
{
    benchmark::RegisterBenchmark(name.c_str(), fn)->Unit(benchmark::kMillisecond)->UseManualTime();
}

} // namespace

int runOpenProbe(QApplication &app, const QStringList &args)
{
    const QString what = args.value(0);
    if (what == QLatin1String("editor")) {
        for (const auto &editor : kEditors) {
            if (args.value(1) == QLatin1String(editor.id)) {
                // The first editor after the program's start: its main window is up.
                prepareApplication(app);
                MainWindow form;
                showUntilPainted(form);
                std::printf("%.3f\n", openEditor(editor.type));
                for (int i = 2; i < args.size(); ++i) // "again": warm ones after it
                    std::printf("%.3f\n", openEditor(editor.type));
                std::fflush(stdout);
                _exit(0); // the process's end is no part of the measure
            }
        }
        return 2;
    }
    if (what == QLatin1String("bareform")) {
        // As the first editor: after the main window, the same pages without the program.
        prepareApplication(app);
        MainWindow form;
        showUntilPainted(form);
        std::printf("%.3f\n", openBareForm(shapeFromText(args.value(1))));
        std::fflush(stdout);
        _exit(0);
    }
    if (what == QLatin1String("bare")) {
        // The least a window that says anything does: a line of text in Qt's own font.
        QLabel window(u"ЗОРВАТ"_s);
        window.resize(622, 452);
        showUntilPainted(window);
        _exit(0);
    }
    if (what == QLatin1String("main")) {
        prepareApplication(app);
        MainWindow form;
        showUntilPainted(form);
        _exit(0);
    }
    return 2;
}

void registerOpenBenchmarks()
{
    for (const auto &editor : kEditors) {
        const CardType type = editor.type;
        addManual(std::string("editor open to first paint, warm/") + editor.id, [type](benchmark::State &state) {
            const WindowMaker program = [type] { return std::unique_ptr<QWidget>(createCardEditor(type, nullptr)); };
            const WindowMaker bare = [shape = shapeOfEditor(type)] { return buildBareForm(shape); };
            // Opened again and again in a running program: the first openings are the cold ones.
            openWindow(program);
            openWindow(bare);
            inTurns(state, [&] { return openWindow(program); }, [&] { return openWindow(bare); },
                    "bare form open to first paint, warm");
        });
        addManual(std::string("editor open to first paint, cold/") + editor.id,
                  [type, id = QString::fromLatin1(editor.id)](benchmark::State &state) {
                      const QString shape = shapeText(shapeOfEditor(type));
                      inTurns(state, [&] { return runProbe({u"editor"_s, id}, false); },
                              [&] { return runProbe({u"bareform"_s, shape}, false); },
                              "bare form open to first paint, cold");
                  });
    }
    addManual("process start to first paint, main window/app", [](benchmark::State &state) {
        inTurns(state, [] { return runProbe({u"main"_s}, true); }, [] { return runProbe({u"bare"_s}, true); },
                "process start to first paint, bare Qt window");
    });
}
