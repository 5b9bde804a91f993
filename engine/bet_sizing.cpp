#include "engine/bet_sizing.h"

#include <algorithm>
#include <limits>

namespace bj {

namespace {

std::int64_t ToBet(double amount) {
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    return RoundHalfEven(std::clamp(amount, -kMax, kMax));
}

std::int64_t StreakBet(const std::array<double, kBetSteps + 1>& bets, int length, int step) {
    const int inUse = std::clamp(length, 1, kBetSteps);
    return StreakAmount(bets[std::min(std::max(step, 1), inUse)]);
}

// The limit is tested before the step, so a bet just clamped to it is reset (or kept)
// on the next hand rather than stepped again.
std::int64_t StepUp(const GameState& gs, double step) {
    if (gs.CurrentBet >= gs.MaximumBet)
        return ToBet(gs.MaintainMax != 0 ? gs.InitialBet : gs.MaximumBet);
    const std::int64_t bet = ToBet(gs.CurrentBet + step);
    return bet > gs.MaximumBet ? ToBet(gs.MaximumBet) : bet;
}

std::int64_t StepDown(const GameState& gs, double step) {
    if (gs.CurrentBet <= gs.MinimumBet)
        return ToBet(gs.MaintainMin != 0 ? gs.InitialBet : gs.MinimumBet);
    const std::int64_t bet = ToBet(gs.CurrentBet - step);
    return bet < gs.MinimumBet ? ToBet(gs.MinimumBet) : bet;
}

} // namespace

std::int64_t StreakAmount(double amount) {
    return ToBet(amount);
}

void NextBet(GameState& gs) {
    const bool won = LastHandWon(gs);
    if (gs.BettingType == kStreakBetting) {
        // Selected, not branched on: the last hand's outcome is unpredictable.
        const auto& bets = won ? gs.WinningHandBets : gs.LosingHandBets;
        const int length = won ? gs.WinStreakLength : gs.LoseStreakLength;
        gs.CurrentBet = StreakBet(bets, length, StreakStep(gs, won));
        return;
    }
    const bool subtract = (won ? gs.WinAddSub : gs.LoseAddSub) != 0;
    const double step = won ? gs.WinBet : gs.LoseBet;
    gs.CurrentBet = subtract ? StepDown(gs, step) : StepUp(gs, step);
}

void StreakBetTable::Build(GameState& gs) {
    winning_ = gs.WinningHandBets;
    losing_ = gs.LosingHandBets;
    winLength_ = gs.WinStreakLength;
    loseLength_ = gs.LoseStreakLength;
    for (int step = 0; step <= kBetSteps; ++step) {
        gs.BatchStreakBets[0][step] = StreakBet(losing_, loseLength_, step);
        gs.BatchStreakBets[1][step] = StreakBet(winning_, winLength_, step);
    }
}

void SetFirstBet(GameState& gs) {
    if (gs.BettingType != kStreakBetting) {
        gs.CurrentBet = ToBet(gs.InitialBet);
        return;
    }
    gs.StreakStart = true;
    gs.WinStreak = gs.LoseStreak = 0;
    gs.CurrentBet = StreakAmount(gs.WinningHandBets[1]);
}

void SetStartingBet(GameState& gs, Currency first) {
    gs.StartingBet = first;
    gs.CurrentBet = ToBet(first.ToDouble());
}

std::int64_t ResetBet(const GameState& gs) {
    return gs.BettingType == kStreakBetting ? ToBet(gs.StartingBet.ToDouble())
                                            : ToBet(gs.InitialBet);
}

} // namespace bj
