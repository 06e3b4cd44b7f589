// zorvat-bench: speed of the card files, printing and windows on generated cards.
// Not a test: nothing fails on a time. scripts/bench builds and runs it.
#include "bench_platform.h"
#include "bench_registry.h"
#include "table_reporter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchPlatform platform;
    Platform::install(&platform);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    registerFileBenchmarks();
    registerPrintBenchmarks();
    registerWindowBenchmarks();
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
