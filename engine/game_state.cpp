#include "engine/game_state.h"

namespace bj {

void ResetStreakStopCounts(GameState& gs) {
    gs.StreakStopCounts = {};
}

void ResetStatistics(GameState& gs) {
    const auto start = Currency::FromWhole(kStartingBankroll);
    gs.Bankroll = gs.MaxBankroll = gs.MinBankroll = start;
    gs.HandsWon = gs.HandsLost = gs.BlackjacksWon = gs.TiedHands = gs.PushStreak = 0;
    gs.BlackjackAmountWon = {};
    gs.WinStreak = gs.LoseStreak = gs.MaxWinStreak = gs.MaxLoseStreak = 0;
    gs.WinStreakCapped = gs.LoseStreakCapped = 0;
    ResetStreakStopCounts(gs);
    gs.StreakStart = true;
    gs.StreakFlipped = false;
    gs.DoubledHandsWon = gs.DoubledHandsLost = gs.SplitHandsWon = gs.SplitHandsLost = 0;
    gs.InsuredHandsWon = gs.InsuredHandsLost = 0;
    gs.DoubledAmountWon = gs.DoubledAmountLost = gs.SplitAmountWon = gs.SplitAmountLost = {};
    gs.InsuranceAmountWon = gs.InsuranceAmountLost = gs.EvenMoneyAmountWon = {};
    gs.AmountWageredCents = gs.InsuranceWageredCents = 0;
    gs.Rounds = {};
    gs.AmountWonOnHand = {};
}

} // namespace bj
