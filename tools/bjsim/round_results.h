#pragma once

#include "engine/game_state.h"

#include <cstdint>

namespace bj::sim {

// Collects the bankroll change of every round from the run's per-round cancel check, so the
// spread of results is known without another pass over the engine.
class RoundResults {
public:
    explicit RoundResults(const GameState& gs);
    // Call before every round and once a session's row is done.
    void Observe();
    // RunMultiSession starts each session's hand count from zero after its row.
    void SessionDone();

    std::int64_t Rounds() const { return rounds_; }
    // Sample standard deviation of a round's result, in whole units.
    double StdDev() const;

private:
    void Record(double amount);
    const GameState& gs_;
    std::int64_t lastHands_ = 0;
    std::int64_t lastUnits_ = 0;
    std::int64_t rounds_ = 0;
    double mean_ = 0, m2_ = 0;
};

} // namespace bj::sim
