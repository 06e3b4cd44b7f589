// zorvat-bench: speed of the card files, printing and windows on generated cards.
// Not a test: nothing fails on a time. scripts/bench builds and runs it.
//
//   zorvat-bench [Google Benchmark options]
//   zorvat-bench --generate OUT [--bytes N | --customers N --co-executors N --stages N --memo N]
//                [--no-blanks]
//     writes a generated RK card to OUT: about N bytes, or the lists and long-text
//     length given (the rest as in a small card); with --no-blanks the long text is one
//     word without a blank.
//   zorvat-bench --probe editor ID | bareform SHAPE | main | bare
//     opens one window in this new process and ends (the cold and start-up rows).
#include "bench_platform.h"
#include "bench_registry.h"
#include "open_probe.h"
#include "rk_card_generator.h"
#include "table_reporter.h"

#include "cardfile/card_writer.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

int generate(int argc, char *argv[])
{
    RkCardShape shape;
    QString out;
    for (int i = 1; i < argc; ++i) {
        const char *option = argv[i];
        const bool hasValue = i + 1 < argc;
        const auto number = [&]() { return QByteArray(argv[++i]).toLongLong(); };
        if (!std::strcmp(option, "--generate") && hasValue)
            out = QString::fromLocal8Bit(argv[++i]);
        else if (!std::strcmp(option, "--bytes") && hasValue)
            shape = rkShapeForSize(number());
        else if (!std::strcmp(option, "--customers") && hasValue)
            shape.customers = int(number());
        else if (!std::strcmp(option, "--co-executors") && hasValue)
            shape.coExecutors = int(number());
        else if (!std::strcmp(option, "--stages") && hasValue)
            shape.stages = int(number());
        else if (!std::strcmp(option, "--memo") && hasValue)
            shape.memoChars = number();
        else if (!std::strcmp(option, "--no-blanks"))
            shape.blanks = false;
        else {
            std::fprintf(stderr, "zorvat-bench: unknown option %s\n", option);
            return 2;
        }
    }
    const WriteResult written = writeCardFile(out, generateRkCard(shape));
    if (!written.ok) {
        std::fprintf(stderr, "%s\n", written.message.toUtf8().constData());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchPlatform platform;
    Platform::install(&platform);
    if (argc > 1 && !std::strcmp(argv[1], "--generate"))
        return generate(argc, argv);
    if (argc > 1 && !std::strcmp(argv[1], "--probe"))
        return runOpenProbe(app, QCoreApplication::arguments().mid(2));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    registerFileBenchmarks();
    registerPrintBenchmarks();
    registerWindowBenchmarks();
    registerSpellBenchmarks();
    registerCheckBenchmarks();
    registerOpenBenchmarks();
    registerOrgBenchmarks();
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
