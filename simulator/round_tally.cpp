#include "simulator/round_tally.h"

#include <algorithm>
#include <cmath>

namespace bj {

void RoundTally::Clear() {
    *this = RoundTally();
}

void RoundTally::Observe(const GameState& gs) {
    const std::int64_t bank = gs.Bankroll.Units();
    const std::int64_t wagered = gs.AmountWagered.Units();
    const std::int64_t insurance = gs.InsuranceWagered.Units();
    if (started_ && gs.SessionHandsPlayed > lastHands_) {
        wageredUnits_ += wagered - lastWagered_;
        insuranceUnits_ += insurance - lastInsurance_;
        Record(static_cast<double>(bank - lastUnits_), static_cast<double>(wagered - lastWagered_));
    }
    started_ = true;
    lastHands_ = gs.SessionHandsPlayed;
    lastUnits_ = bank;
    lastWagered_ = wagered;
    lastInsurance_ = insurance;
}

void RoundTally::SessionDone(const GameState& gs) {
    Observe(gs);
    lastHands_ = 0;
}

// Plain sums in Currency units: a round's result is a few bets either way, so the squares
// neither overflow nor cancel, and the run pays no division per round.
void RoundTally::Record(double net, double wagered) {
    ++rounds_;
    net_ += net;
    staked_ += wagered;
    netSquares_ += net * net;
    stakedSquares_ += wagered * wagered;
    products_ += net * wagered;
}

double RoundTally::ReturnPerHandError(std::int64_t hands) const {
    if (rounds_ < 2 || hands <= 0)
        return 0.0;
    const auto n = static_cast<double>(rounds_);
    const double variance = std::max(0.0, (netSquares_ - net_ * net_ / n) / (n - 1));
    return std::sqrt(n * variance) / Currency::kScale / static_cast<double>(hands);
}

double RoundTally::ReturnPerWagered() const {
    return staked_ > 0 ? net_ / staked_ : 0.0;
}

// The ratio's error by its linear approximation: the rounds' residuals net - R x stake.
// Each round's stake is fixed before its cards are dealt, so the residuals stay
// uncorrelated even when the betting strategy follows earlier results.
double RoundTally::ReturnPerWageredError() const {
    if (rounds_ < 2 || staked_ <= 0)
        return 0.0;
    const double r = ReturnPerWagered();
    const double residuals
        = std::max(0.0, netSquares_ - 2 * r * products_ + r * r * stakedSquares_);
    const auto n = static_cast<double>(rounds_);
    return std::sqrt(residuals * n / (n - 1)) / staked_;
}

} // namespace bj
