#pragma once

#include "engine/game_state.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace bj {

// The bet of the next round after a decided hand, from the streak counts settlement left.
void NextBet(GameState& gs);

// Exactly one streak count is at least 1 after a decided hand; the winning one says it was won.
inline bool LastHandWon(const GameState& gs) {
    return gs.WinStreak >= 1;
}

// The sequence number a streak bet is looked up by, before the strategy's length caps it: the
// streak count, one higher while StreakStart holds. Every length caps a number past kBetSteps
// alike, so the number stops there.
inline int StreakStep(const GameState& gs, bool won) {
    const int streak = won ? gs.WinStreak : gs.LoseStreak;
    return std::min(streak + (gs.StreakStart ? 1 : 0), kBetSteps);
}

// NextBet for the batch loop, whose streak bets are rounded once into BatchStreakBets and
// looked up after each hand instead of rounded again.
inline void NextBatchBet(GameState& gs) {
    if (gs.BettingType != kStreakBetting)
        return NextBet(gs);
    const bool won = LastHandWon(gs);
    gs.CurrentBet = gs.BatchStreakBets[won ? 1 : 0][StreakStep(gs, won)];
}

// Keeps BatchStreakBets built from the streak strategy as it stands: a cancel check may let
// the user edit it in the middle of a session, and a change applies from the next hand.
class StreakBetTable {
public:
    explicit StreakBetTable(GameState& gs) { Build(gs); }

    // Compared as bytes: cheaper than as numbers, and a bet that is not a number does not read
    // as changed every time.
    void Refresh(GameState& gs) {
        if (std::memcmp(&gs.WinningHandBets, &winning_, sizeof winning_) != 0
            || std::memcmp(&gs.LosingHandBets, &losing_, sizeof losing_) != 0
            || gs.WinStreakLength != winLength_ || gs.LoseStreakLength != loseLength_)
            Build(gs);
    }

private:
    void Build(GameState& gs);

    // What the bets were built from.
    std::array<double, kBetSteps + 1> winning_ {}, losing_ {};
    std::int32_t winLength_ = 0, loseLength_ = 0;
};

// The first bet of a run; with streak betting also restarts the streak counts.
void SetFirstBet(GameState& gs);
// A betting editor's first bet, as the editor shows it: it becomes StartingBet and the bet in
// play.
void SetStartingBet(GameState& gs, Currency first);
// The bet Reset starts from: StartingBet or the variable strategy's initial bet.
std::int64_t ResetBet(const GameState& gs);
// A stored streak amount as the whole-unit bet it stands for.
std::int64_t StreakAmount(double amount);

} // namespace bj
