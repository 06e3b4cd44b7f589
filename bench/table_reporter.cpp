#include "table_reporter.h"

#include "bench_cards.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace {

struct TimeTarget
{
    const char *operation;
    const char *size; // "" for a benchmark without sizes
    double ms;
};

// Every row of the operation is held to them, whatever its card.
const TimeTarget kTimeTargets[] = {
    {"save", "30KB", 1},
    {"resave process", "1MB", 50},
    {"pdf", "30KB", 60},
    {"pdf", "1MB", 500},
    {"print layout, memo of 30000 characters", "", 20},
    {"read", "10MB", 5000},
    {"save to file", "10MB", 5000},
    {"resave process", "10MB", 5000},
    {"pdf", "10MB", 5000},
    {"spell check, abstract of 30000 characters", "", 20},
    {"spell re-check, one paragraph changed", "", 2},
    {"whole-card check", "", 10},
    {"organisation popup, 10000 stored", "", 16},
};

// One operation's time against another's, on the rows of the same card.
struct RatioTarget
{
    const char *operation;
    const char *baseline;
    double max;
};
const RatioTarget kRatioTargets[] = {
    {"process start to first paint, main window", "process start to first paint, bare Qt window", 1.2},
    {"editor open to first paint, warm", "bare form open to first paint, warm", 1.5},
    {"editor open to first paint, cold", "bare form open to first paint, cold", 1.5},
};

// Operations that must grow no worse than linearly with the card.
const char *const kLinear[] = {"save", "wrap", "wrap, no blanks", "pdf", "pdf, no blanks"};
constexpr double kMaxRatio = 12;

// The machine the figures were measured on, beside each of them: its cores and the
// model of its processor, as /proc/cpuinfo names it.
const std::string &machine()
{
    static const std::string name = [] {
        QString model;
        QFile cpuinfo(u"/proc/cpuinfo"_s);
        if (cpuinfo.open(QIODevice::ReadOnly | QIODevice::Text)) {
            for (const QByteArray &line : cpuinfo.readAll().split('\n')) {
                if (line.startsWith("model name")) {
                    model = QString::fromUtf8(line.mid(line.indexOf(':') + 1)).simplified();
                    break;
                }
            }
        }
        if (model.isEmpty())
            model = u"unknown processor"_s;
        return u"%1 cores, %2"_s.arg(std::thread::hardware_concurrency()).arg(model).toStdString();
    }();
    return name;
}

std::vector<std::string> split(const std::string &name)
{
    std::vector<std::string> parts;
    std::string::size_type from = 0;
    for (;;) {
        const auto at = name.find('/', from);
        parts.push_back(name.substr(from, at - from));
        if (at == std::string::npos)
            return parts;
        from = at + 1;
    }
}

} // namespace

TableReporter::Row &TableReporter::row(const std::string &operation, const std::string &card)
{
    for (Row &r : m_rows) {
        if (r.operation == operation && r.card == card)
            return r;
    }
    m_rows.push_back({operation, card, {}});
    return m_rows.back();
}

const TableReporter::Row *TableReporter::find(const std::string &operation, const std::string &card) const
{
    for (const Row &r : m_rows) {
        if (r.operation == operation && r.card == card)
            return &r;
    }
    return nullptr;
}

void TableReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        // With --benchmark_repetitions the median stands for the runs; without, the one run.
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if ((run.run_type != Run::RT_Iteration && !median) || run.error_occurred)
            continue;
        const std::vector<std::string> parts = split(run.run_name.function_name);
        if (parts.size() < 2)
            continue;
        const double ms = run.GetAdjustedRealTime() * 1000.0 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        const std::string size = parts.size() > 2 ? parts[2] : std::string();
        row(parts[0], parts[1]).ms[size] = ms;
        // A baseline measured in turns with the row, in milliseconds.
        static const std::string kBaseline = "baseline: ";
        for (const auto &[name, counter] : run.counters) {
            if (name.rfind(kBaseline, 0) == 0)
                row(name.substr(kBaseline.size()), parts[1]).ms[size] = counter.value;
        }
    }
}

void TableReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\nWall-clock milliseconds per operation; ratio = 1MB / 100KB (10 when linear)\n");
    std::printf("%-40s %-5s", "operation", "card");
    for (const SizeRow &size : sizeRows())
        std::printf(" %10s", size.label);
    std::printf(" %10s  %s\n", "ratio", "machine");
    const char *on = machine().c_str();
    for (const Row &r : m_rows) {
        std::printf("%-40s %-5s", r.operation.c_str(), r.card.c_str());
        if (const auto single = r.ms.find(std::string()); single != r.ms.end()) {
            std::printf(" %10.2f  %s\n", single->second, on);
            continue;
        }
        for (const SizeRow &size : sizeRows()) {
            const auto it = r.ms.find(size.label);
            if (it == r.ms.end())
                std::printf(" %10s", "-");
            else
                std::printf(" %10.2f", it->second);
        }
        const auto big = r.ms.find("1MB");
        const auto small = r.ms.find("100KB");
        if (big != r.ms.end() && small != r.ms.end() && small->second > 0)
            std::printf(" %10.1f  %s\n", big->second / small->second, on);
        else
            std::printf(" %10s  %s\n", "-", on);
    }
    printTargets();
}

void TableReporter::printTargets() const
{
    std::printf("\nTargets (measured on %s)\n", machine().c_str());
    int missed = 0;
    const auto verdict = [&missed](bool met) {
        missed += met ? 0 : 1;
        return met ? "met" : "MISSED";
    };
    // Every row of a target's operation is held to it, whatever its card (or "text").
    for (const TimeTarget &t : kTimeTargets) {
        for (const Row &r : m_rows) {
            const auto it = r.ms.find(t.size);
            if (r.operation != t.operation || it == r.ms.end())
                continue;
            std::printf("  %-40s %-5s %-6s %10.2f ms <= %7.0f ms  %s\n", t.operation, r.card.c_str(), t.size, it->second,
                        t.ms, verdict(it->second <= t.ms));
        }
    }
    for (const RatioTarget &t : kRatioTargets) {
        for (const Row &r : m_rows) {
            const Row *base = find(t.baseline, r.card);
            if (r.operation != t.operation || !base || !r.ms.count("") || !base->ms.count("") || base->ms.at("") <= 0)
                continue;
            const double ratio = r.ms.at("") / base->ms.at("");
            std::printf("  %-40s %-5s %-6s %10.2f    <= %7.1f     %s\n", t.operation, r.card.c_str(), "ratio", ratio,
                        t.max, verdict(ratio <= t.max));
        }
    }
    for (const char *operation : kLinear) {
        for (const Row &r : m_rows) {
            if (r.operation != operation || !r.ms.count("1MB") || !r.ms.count("100KB"))
                continue;
            const double ratio = r.ms.at("1MB") / r.ms.at("100KB");
            std::printf("  %-40s %-5s %-6s %10.1f    <= %7.0f     %s\n", operation, r.card.c_str(), "ratio", ratio,
                        kMaxRatio, verdict(ratio <= kMaxRatio));
        }
    }
    std::printf("%s\n", missed ? "Some targets missed." : "All targets measured here met.");
}
