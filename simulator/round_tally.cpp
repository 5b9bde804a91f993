#include "simulator/round_tally.h"

#include <cmath>

namespace bj {

void RoundTally::Clear() {
    *this = RoundTally();
}

void RoundTally::Observe(const GameState& gs) {
    if (started_ && gs.SessionHandsPlayed > lastHands_)
        Record(static_cast<double>(gs.Bankroll.Units() - lastUnits_) / Currency::kScale);
    started_ = true;
    lastHands_ = gs.SessionHandsPlayed;
    lastUnits_ = gs.Bankroll.Units();
}

void RoundTally::SessionDone(const GameState& gs) {
    Observe(gs);
    lastHands_ = 0;
}

// Welford's update keeps the variance accurate over millions of rounds.
void RoundTally::Record(double net) {
    ++rounds_;
    const double delta = net - mean_;
    mean_ += delta / static_cast<double>(rounds_);
    m2_ += delta * (net - mean_);
}

double RoundTally::ReturnPerHandError(std::int64_t hands) const {
    if (rounds_ < 2 || hands <= 0)
        return 0.0;
    const double sd = std::sqrt(m2_ / static_cast<double>(rounds_ - 1));
    return std::sqrt(static_cast<double>(rounds_)) * sd / static_cast<double>(hands);
}

} // namespace bj
