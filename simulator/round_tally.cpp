#include "simulator/round_tally.h"

#include <algorithm>
#include <cmath>

namespace bj {

void RoundTally::Clear() {
    *this = RoundTally();
}

void RoundTally::Observe(const GameState& gs) {
    const std::int64_t wagered = gs.AmountWagered.Units();
    const std::int64_t insurance = gs.InsuranceWagered.Units();
    if (started_ && gs.SessionHandsPlayed > lastHands_) {
        wageredUnits_ += wagered - lastWagered_;
        insuranceUnits_ += insurance - lastInsurance_;
        Record(static_cast<double>(gs.Bankroll.Units() - lastUnits_) / Currency::kScale,
            static_cast<double>(wagered - lastWagered_) / Currency::kScale);
    }
    started_ = true;
    lastHands_ = gs.SessionHandsPlayed;
    lastUnits_ = gs.Bankroll.Units();
    lastWagered_ = wagered;
    lastInsurance_ = insurance;
}

void RoundTally::SessionDone(const GameState& gs) {
    Observe(gs);
    lastHands_ = 0;
}

// Welford's update keeps the variance of a round's result accurate over millions of rounds;
// the sums serve the ratio of result to stake, whose terms do not cancel.
void RoundTally::Record(double net, double wagered) {
    ++rounds_;
    const double delta = net - mean_;
    mean_ += delta / static_cast<double>(rounds_);
    m2_ += delta * (net - mean_);
    net_ += net;
    staked_ += wagered;
    netSquares_ += net * net;
    stakedSquares_ += wagered * wagered;
    products_ += net * wagered;
}

double RoundTally::ReturnPerHandError(std::int64_t hands) const {
    if (rounds_ < 2 || hands <= 0)
        return 0.0;
    const double sd = std::sqrt(m2_ / static_cast<double>(rounds_ - 1));
    return std::sqrt(static_cast<double>(rounds_)) * sd / static_cast<double>(hands);
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
