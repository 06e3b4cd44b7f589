#pragma once

#include "bench_cards.h"

#include <benchmark/benchmark.h>

#include <string>

// Benchmarks are named "operation/card/size"; the summary table reads the names back.
// Wall-clock milliseconds throughout: the window benchmarks wait for the event loop.
template<typename Fn>
void addBenchmark(const std::string &operation, const CardRow &card, const SizeRow &size, Fn fn)
{
    const std::string name = operation + '/' + card.id.toStdString() + '/' + size.label;
    benchmark::RegisterBenchmark(name.c_str(), [fn, &card, &size](benchmark::State &state) { fn(state, card, size); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

template<typename Fn>
void addBenchmark(const std::string &name, Fn fn)
{
    benchmark::RegisterBenchmark(name.c_str(), fn)->Unit(benchmark::kMillisecond)->UseRealTime();
}

void registerFileBenchmarks();
void registerPrintBenchmarks();
void registerWindowBenchmarks();
void registerSpellBenchmarks();
void registerCheckBenchmarks();
void registerOrgBenchmarks();
void registerOpenBenchmarks();
