#include "simulator/wager_tally.h"

#include <algorithm>
#include <cmath>

namespace bj {

void WagerTally::Clear() {
    *this = WagerTally();
}

void WagerTally::Start(const GameState& gs) {
    Clear();
    lastHands_ = gs.SessionHandsPlayed;
    lastBank_ = gs.Bankroll.Units();
    lastWagered_ = firstWagered_ = gs.AmountWageredCents;
    firstInsurance_ = gs.InsuranceWageredCents;
}

void WagerTally::SessionDone(const GameState& gs) {
    Observe(gs);
    lastHands_ = 0;
    wagered_ = gs.AmountWageredCents - firstWagered_;
    insurance_ = gs.InsuranceWageredCents - firstInsurance_;
}

double WagerTally::ReturnPerHandError(std::int64_t hands) const {
    if (rounds_ < 2 || hands <= 0)
        return 0.0;
    const auto n = static_cast<double>(rounds_);
    const double variance = std::max(0.0, (netSquares_ - net_ * net_ / n) / (n - 1));
    return std::sqrt(n * variance) / Currency::kScale / static_cast<double>(hands);
}

double WagerTally::ReturnPerWagered() const {
    return staked_ > 0 ? net_ / staked_ : 0.0;
}

// The ratio's error by its linear approximation: the rounds' residuals net - R x stake.
// Each round's stake is fixed before its cards are dealt, so the residuals stay
// uncorrelated even when the betting strategy follows earlier results.
double WagerTally::ReturnPerWageredError() const {
    if (rounds_ < 2 || staked_ <= 0)
        return 0.0;
    const double r = ReturnPerWagered();
    const double residuals
        = std::max(0.0, netSquares_ - 2 * r * products_ + r * r * stakedSquares_);
    const auto n = static_cast<double>(rounds_);
    return std::sqrt(residuals * n / (n - 1)) / staked_;
}

} // namespace bj
