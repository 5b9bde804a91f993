#pragma once

#include "engine/game_state.h"

#include <cstdint>

namespace bj::sim {

// Mean and spread of a stream of values; Welford's update keeps the variance accurate over
// millions of rounds.
class RunningSpread {
public:
    void Add(double value);
    std::int64_t Count() const { return count_; }
    double Mean() const { return mean_; }
    double StdDev() const; // sample standard deviation

private:
    std::int64_t count_ = 0;
    double mean_ = 0, m2_ = 0;
};

// Collects the bankroll change of every round from the run's per-round cancel check, so the
// spread of results is known without another pass over the engine.
class RoundResults {
public:
    explicit RoundResults(const GameState& gs);
    // Call before every round and once a session's row is done.
    void Observe();
    // RunMultiSession starts each session's hand count from zero after its row.
    void SessionDone();

    std::int64_t Rounds() const { return amounts_.Count(); }
    // Sample standard deviation of a round's result, in whole units.
    double StdDev() const { return amounts_.StdDev(); }
    // A round's result in units of the bet it started with; rounds at a bet of 0 are left out.
    const RunningSpread& InBets() const { return inBets_; }
    std::int64_t Won() const { return won_; }
    std::int64_t Pushed() const { return pushed_; }
    std::int64_t Lost() const { return lost_; }

private:
    const GameState& gs_;
    std::int64_t lastHands_ = 0;
    std::int64_t lastUnits_ = 0;
    std::int64_t lastBet_ = 0;
    RunningSpread amounts_, inBets_;
    std::int64_t won_ = 0, pushed_ = 0, lost_ = 0;
};

} // namespace bj::sim
