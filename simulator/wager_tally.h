#pragma once

#include "engine/game_state.h"

#include <cstdint>

namespace bj {

// The result and the stake of every round of a run, gathered from the run's check before
// each round, for the spread of the return per hand and per amount wagered. A round with
// split hands counts once: its hands are not independent of one another.
class WagerTally {
public:
    void Clear();
    // Call as the run starts, before every round, and once a session's row is done.
    void Start(const GameState& gs);
    void Observe(const GameState& gs) {
        const std::int64_t bank = gs.Bankroll.Units();
        const std::int64_t wagered = gs.AmountWageredCents;
        if (gs.SessionHandsPlayed > lastHands_)
            Record(static_cast<double>(bank - lastBank_),
                static_cast<double>(wagered - lastWagered_) * kUnitsPerCent);
        lastHands_ = gs.SessionHandsPlayed;
        lastBank_ = bank;
        lastWagered_ = wagered;
    }
    void SessionDone(const GameState& gs);

    std::int64_t Rounds() const { return rounds_; }
    std::int64_t WageredCents() const { return wagered_; }
    std::int64_t InsuranceWageredCents() const { return insurance_; }
    // Standard error of the return per hand over `hands` hands, in whole units.
    double ReturnPerHandError(std::int64_t hands) const;
    // Net result per unit of main bets, and its standard error: a betting strategy can
    // change the spread of the results, but barely this.
    double ReturnPerWagered() const;
    double ReturnPerWageredError() const;

private:
    static constexpr double kUnitsPerCent = Currency::kScale / 100;

    // Plain sums in Currency units: a round's result is a few bets either way, so the
    // squares neither overflow nor cancel, and the run pays no division per round.
    void Record(double net, double stake) {
        ++rounds_;
        net_ += net;
        staked_ += stake;
        netSquares_ += net * net;
        stakedSquares_ += stake * stake;
        products_ += net * stake;
    }

    std::int64_t lastHands_ = 0, lastBank_ = 0, lastWagered_ = 0;
    std::int64_t firstWagered_ = 0, firstInsurance_ = 0, wagered_ = 0, insurance_ = 0;
    std::int64_t rounds_ = 0;
    double net_ = 0, staked_ = 0, netSquares_ = 0, stakedSquares_ = 0, products_ = 0;
};

} // namespace bj
