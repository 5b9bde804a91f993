#pragma once

#include "engine/batch_session.h"
#include "engine/multi_session.h"

#include <cstdint>
#include <optional>

namespace bj {

// What one session did, played from a bankroll of zero with every statistic at zero; its
// money is relative to the bankroll it starts from.
struct SessionTotals {
    std::int64_t Hands = 0;
    RunEnd End = RunEnd::HandsUsedUp;
    bool LossStop = false;
    Currency Bankroll, MaxBankroll, MinBankroll, PeakBank, LowBank, LastSettledBank;
    std::int64_t CurrentBet = 0;
    bool SplitThisHand = false, DoubledThisHand = false;
    Currency InsuranceResult, AmountWonOnHand;
    std::int64_t HandsWon = 0, HandsLost = 0, BlackjacksWon = 0, TiedHands = 0, PushStreak = 0;
    std::int64_t DoubledHandsWon = 0, DoubledHandsLost = 0, SplitHandsWon = 0, SplitHandsLost = 0;
    std::int64_t InsuredHandsWon = 0, InsuredHandsLost = 0;
    Currency BlackjackAmountWon, DoubledAmountWon, DoubledAmountLost, SplitAmountWon,
        SplitAmountLost, InsuranceAmountWon, InsuranceAmountLost, EvenMoneyAmountWon;
    std::int64_t AmountWageredCents = 0, InsuranceWageredCents = 0;
    std::int32_t WinStreak = 0, LoseStreak = 0, WinStreakCapped = 0, LoseStreakCapped = 0;
    std::int32_t MaxWinStreak = 0, MaxLoseStreak = 0, OpeningStreak = 0;
    bool OpeningStreakWon = false;
    bool StreakStart = true, StreakFlipped = false;
    decltype(GameState::StreakStopCounts) StreakStopCounts {};
    RoundTally Rounds;
};

// Puts the statistics and the bankroll of a game state to zero, for a session played apart.
void ZeroForSession(GameState& gs);

// Reads the session a zeroed game state has just played.
SessionTotals TakeSession(
    const GameState& played, RunEnd end, std::optional<Currency> startLoseLevel);

// Adds a session onto the run as if it had been played from the bankroll and statistics as
// they stand, and returns its row without the running total.
SessionRow MergeSession(GameState& gs, const SessionTotals& session, std::int64_t number);

} // namespace bj
