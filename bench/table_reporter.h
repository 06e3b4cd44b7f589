#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// The console output of Google Benchmark, then one table: a row per operation and card,
// a column per size, the ratio 1MB/100KB (about 10 when the work grows linearly) and
// each speed target with its verdict. With repetitions, the table shows medians.
class TableReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

private:
    struct Row
    {
        std::string operation;
        std::string card;
        std::map<std::string, double> ms; // by size label; "" for a benchmark without sizes
    };
    Row &row(const std::string &operation, const std::string &card);
    const Row *find(const std::string &operation, const std::string &card) const;
    void printTargets() const;

    std::vector<Row> m_rows;
};
