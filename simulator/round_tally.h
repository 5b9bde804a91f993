#pragma once

#include "engine/game_state.h"

#include <cstdint>

namespace bj {

// The result and the stake of every round of a run, gathered from the run's check before
// each round, for the spread of the return per hand and per amount wagered. A round with
// split hands counts once: its hands are not independent of one another.
class RoundTally {
public:
    void Clear();
    // Call before every round and once a session's row is done.
    void Observe(const GameState& gs);
    void SessionDone(const GameState& gs);

    std::int64_t Rounds() const { return rounds_; }
    Currency Wagered() const { return Currency::FromUnits(wageredUnits_); }
    Currency InsuranceWagered() const { return Currency::FromUnits(insuranceUnits_); }
    // Standard error of the return per hand over `hands` hands, in whole units.
    double ReturnPerHandError(std::int64_t hands) const;
    // Net result per unit of main bets, and its standard error: a betting strategy can
    // change the spread of the results, but barely this.
    double ReturnPerWagered() const;
    double ReturnPerWageredError() const;

private:
    void Record(double net, double wagered);

    std::int64_t lastHands_ = 0;
    std::int64_t lastUnits_ = 0;
    std::int64_t lastWagered_ = 0;
    std::int64_t lastInsurance_ = 0;
    bool started_ = false;
    std::int64_t rounds_ = 0;
    std::int64_t wageredUnits_ = 0, insuranceUnits_ = 0;
    double net_ = 0, staked_ = 0, netSquares_ = 0, stakedSquares_ = 0, products_ = 0;
};

} // namespace bj
