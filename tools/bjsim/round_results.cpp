#include "tools/bjsim/round_results.h"

#include <cmath>

namespace bj::sim {

void RunningSpread::Add(double value) {
    ++count_;
    const double delta = value - mean_;
    mean_ += delta / static_cast<double>(count_);
    m2_ += delta * (value - mean_);
}

double RunningSpread::StdDev() const {
    return count_ > 1 ? std::sqrt(m2_ / static_cast<double>(count_ - 1)) : 0.0;
}

RoundResults::RoundResults(const GameState& gs)
    : gs_(gs)
    , lastHands_(gs.SessionHandsPlayed)
    , lastUnits_(gs.Bankroll.Units())
    , lastBet_(gs.CurrentBet) {
}

void RoundResults::Observe() {
    if (gs_.SessionHandsPlayed > lastHands_) {
        const std::int64_t change = gs_.Bankroll.Units() - lastUnits_;
        amounts_.Add(static_cast<double>(change) / Currency::kScale);
        if (lastBet_ > 0)
            inBets_.Add(static_cast<double>(change) / (Currency::kScale * lastBet_));
        ++(change > 0 ? won_ : change == 0 ? pushed_ : lost_);
    }
    lastHands_ = gs_.SessionHandsPlayed;
    lastUnits_ = gs_.Bankroll.Units();
    lastBet_ = gs_.CurrentBet;
}

void RoundResults::SessionDone() {
    Observe();
    lastHands_ = 0;
}

} // namespace bj::sim
