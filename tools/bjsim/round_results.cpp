#include "tools/bjsim/round_results.h"

#include <cmath>

namespace bj::sim {

RoundResults::RoundResults(const GameState& gs)
    : gs_(gs)
    , lastHands_(gs.SessionHandsPlayed)
    , lastUnits_(gs.Bankroll.Units()) {
}

void RoundResults::Observe() {
    if (gs_.SessionHandsPlayed > lastHands_)
        Record(static_cast<double>(gs_.Bankroll.Units() - lastUnits_) / Currency::kScale);
    lastHands_ = gs_.SessionHandsPlayed;
    lastUnits_ = gs_.Bankroll.Units();
}

void RoundResults::SessionDone() {
    Observe();
    lastHands_ = 0;
}

// Welford's update keeps the variance accurate over millions of rounds.
void RoundResults::Record(double amount) {
    ++rounds_;
    const double delta = amount - mean_;
    mean_ += delta / static_cast<double>(rounds_);
    m2_ += delta * (amount - mean_);
}

double RoundResults::StdDev() const {
    return rounds_ > 1 ? std::sqrt(m2_ / static_cast<double>(rounds_ - 1)) : 0.0;
}

} // namespace bj::sim
