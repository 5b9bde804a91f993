// Time of one exact evaluation of a playing strategy (the expected return alone, and the full
// analysis with the chances of a round and the table by row and dealer card), and of the
// search for the best table.
#include "engine/best_table.h"

#include <benchmark/benchmark.h>

namespace {

bj::PlayingTable SeededDefault() {
    bj::PlayingTable table;
    table.Rules = {0, true, 1, bj::kTakeEvenMoney};
    for (int row = 0; row < bj::kPlayerRows; ++row) {
        table.StrategyMatrix[row].fill(static_cast<std::int8_t>(row % 2));
        table.InsuranceByRow[row] = row % 2 == 1;
    }
    return table;
}

const bj::HouseRules kSeeded {0, true, 1, bj::kTakeEvenMoney};
const bj::HouseRules kH17NoDas {1, false, 0, bj::kPlayOutHand};

void ExpectedReturn(benchmark::State& state, bj::PlayingTable table) {
    for (auto _ : state)
        benchmark::DoNotOptimize(bj::ExpectedReturn(table));
}

void FullAnalysis(benchmark::State& state, bj::PlayingTable table) {
    for (auto _ : state)
        benchmark::DoNotOptimize(bj::AnalyseStrategy(table));
}

void BestTable(benchmark::State& state, bj::HouseRules rules) {
    for (auto _ : state)
        benchmark::DoNotOptimize(bj::BestTable(rules));
}

BENCHMARK_CAPTURE(ExpectedReturn, seeded_default, SeededDefault())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExpectedReturn, basic_strategy, bj::BasicStrategy(kSeeded))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullAnalysis, seeded_default, SeededDefault())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullAnalysis, basic_strategy, bj::BasicStrategy(kSeeded))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BestTable, seeded_rules, kSeeded)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BestTable, h17_10_11_no_das, kH17NoDas)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
