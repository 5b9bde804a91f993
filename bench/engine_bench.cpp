// Hands per second of the batch engine on one core, playing the seeded default strategies
// and a basic-strategy table, in sessions of 30,000 hands; and the parallel runner on one and
// two threads.
#include "engine/batch_session.h"
#include "engine/parallel_sessions.h"
#include "engine/shoe.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

// Counts heap allocations, to show that a round allocates nothing.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
static std::atomic<long> g_allocations {0};

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

void UseDefaultPlaying(bj::GameState& gs) {
    for (int row = 0; row < bj::kPlayerRows; ++row) {
        gs.StrategyMatrix[row].fill(static_cast<std::int8_t>(row % 2));
        gs.InsuranceByRow[row] = row % 2 == 1;
    }
    gs.DoubleDownRule = 0;
    gs.DoubleOnSplits = true;
    gs.DealerSoft17 = 1;
    gs.InsuranceOn21 = bj::kTakeEvenMoney;
}

// Columns DA, D10, D9 .. D2; a rough basic strategy that exercises splits and doubles.
void UseBasicPlaying(bj::GameState& gs) {
    UseDefaultPlaying(gs);
    auto set = [&](int row, const char* codes) {
        for (int col = 0; col < bj::kDealerColumns; ++col)
            gs.StrategyMatrix[row][col] = static_cast<std::int8_t>(codes[col] - '0');
        gs.InsuranceByRow[row] = false;
    };
    const char* rows[bj::kPlayerRows] = {
        "0000000033",
        "0000000000",
        "0000000033",
        "0000000000",
        "0000000000",
        "0000022220",
        "0022222222",
        "0222222222",
        "0000111000",
        "3333333333",
        "0000111111",
        "0000022000",
        "0000444444",
        "0000022000",
        "0000111111",
        "0000022200",
        "3333333333",
        "0000022220",
        "1111111111",
        "0000022220",
        "1011444444",
        "0000222221",
        "1111111111",
        "1111111111",
        "1111111111",
        "1111111111",
    };
    for (int row = 0; row < bj::kPlayerRows; ++row)
        set(row, rows[row]);
}

void UseDefaultStreak(bj::GameState& gs, int decks) {
    const double bets[] = {0, 5, 10, 20, 30, 40, 5, 5, 5, 5, 5};
    for (int i = 1; i <= bj::kBetSteps; ++i)
        gs.WinningHandBets[i] = gs.LosingHandBets[i] = bets[i];
    gs.WinStreakLength = gs.LoseStreakLength = 5;
    gs.DecksInShoe = decks;
    gs.BettingType = bj::kStreakBetting;
}

void PlaySessions(benchmark::State& state, void (*playing)(bj::GameState&),
    const bj::CancelCheck& cancelled = {}) {
    bj::GameState gs;
    playing(gs);
    UseDefaultStreak(gs, static_cast<int>(state.range(0)));
    bj::SeedRandom(gs, 12345);
    gs.HandsToPlay = 30000;
    bj::PlayBatchSession(gs); // sizes the shoe once, before timing
    std::int64_t hands = 0;
    const long allocationsBefore = g_allocations;
    for (auto _ : state) {
        bj::PlayBatchSession(gs, cancelled);
        hands += gs.SessionHandsPlayed;
    }
    benchmark::DoNotOptimize(gs.Bankroll);
    state.counters["hands/s"]
        = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
    state.counters["allocs/hand"]
        = static_cast<double>(g_allocations - allocationsBefore) / static_cast<double>(hands);
}

void BM_DefaultStrategies(benchmark::State& state) {
    PlaySessions(state, UseDefaultPlaying);
}
void BM_BasicStrategy(benchmark::State& state) {
    PlaySessions(state, UseBasicPlaying);
}
// As the simulator window plays: a cancel check before every round.
void BM_BasicStrategyCancelCheck(benchmark::State& state) {
    PlaySessions(state, UseBasicPlaying, [] { return false; });
}

// Sessions of 30,000 hands on 1 and 2 threads; the ratio of the two rates is the scaling.
void BM_BasicStrategyThreads(benchmark::State& state) {
    bj::GameState gs;
    UseBasicPlaying(gs);
    UseDefaultStreak(gs, 6);
    bj::MultiSessionInputs inputs;
    inputs.Sessions = 16;
    inputs.HandsPerSession = 30000;
    inputs.Seed = 12345;
    std::int64_t hands = 0;
    for (auto _ : state)
        hands += bj::RunParallelSessions(gs, inputs, static_cast<int>(state.range(0))).Hands;
    state.counters["hands/s"]
        = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BM_BasicStrategyThreads)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DefaultStrategies)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BasicStrategy)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BasicStrategyCancelCheck)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
