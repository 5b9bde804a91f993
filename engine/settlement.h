#pragma once

#include "engine/game_state.h"
#include "engine/session_stops.h"

#include <algorithm>

namespace bj {

// Each but LoseInsuranceStake closes one hand at CurrentBet: moves the bankroll, keeps streaks
// and counters and, while MultiSessionMode is on, runs the session stop checks. A push calls
// none of them.
// SettleWin, SettleLoss and SettlePush, which end nearly every hand, are inline below, where
// the round's loop sees into them.

// Player blackjack against a dealer ace without dealer 21, insurance of bet/2 lost.
void SettleBlackjackInsured(GameState& gs);
// Insurance bought and the dealer has 21: main bet lost, insurance paid 2 to 1, net 0.
void SettleInsuranceWon(GameState& gs);
// Insured blackjack against a dealer 21: main bet pushes, insurance pays 2 to 1, net +bet.
void SettleInsuredBlackjackAgainst21(GameState& gs);
// Even money: exactly one bet, whatever the dealer holds.
void SettleEvenMoney(GameState& gs);
// The insurance stake lost when the dealer has no 21.
void LoseInsuranceStake(GameState& gs);

// Add cents to the wagered totals; an overflow is reported as theirs, not as the bankroll's.
inline void AddAmountWagered(GameState& gs, std::int64_t cents) {
    AddToStakeTotal(gs.AmountWageredCents, cents, "amount wagered");
}
void AddInsuranceWagered(GameState& gs, std::int64_t cents);

namespace settlement_detail {

// A decided hand lengthens its own streak and counts the streak of the other kind it ends.
// Whether it ends one follows the cards, so it is counted without a branch.
inline void KeepStreaks(GameState& gs, bool won) {
    std::int32_t& streak = won ? gs.WinStreak : gs.LoseStreak;
    std::int32_t& capped = won ? gs.WinStreakCapped : gs.LoseStreakCapped;
    std::int32_t& other = won ? gs.LoseStreak : gs.WinStreak;
    std::int32_t& otherCapped = won ? gs.LoseStreakCapped : gs.WinStreakCapped;
    std::int32_t& longest = won ? gs.MaxWinStreak : gs.MaxLoseStreak;
    ++streak;
    capped = std::min(streak, kStreakLengths);
    if (gs.OpeningStreakOpen) {
        if (gs.OpeningStreak == 0)
            gs.OpeningStreakWon = won;
        if (won == gs.OpeningStreakWon)
            ++gs.OpeningStreak;
        else
            gs.OpeningStreakOpen = false;
    }
    const bool started = streak == 1;
    // The other kind's count is 0 unless this hand starts a streak, so adding 0 is harmless.
    const bool endsOther = started & (otherCapped != 0);
    gs.StreakStopCounts[won ? kLosing : kWinning][otherCapped] += endsOther ? 1 : 0;
    gs.StreakFlipped = gs.StreakFlipped | endsOther;
    gs.StreakStart = gs.StreakStart & !started;
    other = 0;
    otherCapped = 0;
    longest = std::max(longest, streak);
    ++(won ? gs.HandsWon : gs.HandsLost);
}

// Money side of a won hand: the bet placed, bankroll, the hand's shown amount, extremes and
// stop checks. The bet is read once per hand: the stores in between could change CurrentBet
// as far as the compiler knows.
inline void Credit(GameState& gs, Currency amount, std::int64_t bet) {
    AddAmountWagered(gs, BetCents(bet));
    gs.Bankroll += amount;
    gs.AmountWonOnHand = gs.InsuranceResult + amount;
    gs.SessionEndBank = gs.Bankroll;
    if (gs.MultiSessionMode)
        CheckSessionStopAfterCredit(gs);
    gs.MaxBankroll = std::max(gs.MaxBankroll, gs.Bankroll);
}

inline void Debit(GameState& gs, Currency amount, std::int64_t bet) {
    AddAmountWagered(gs, BetCents(bet));
    gs.Bankroll -= amount;
    gs.AmountWonOnHand = gs.InsuranceResult - amount;
    gs.SessionEndBank = gs.Bankroll;
    if (gs.MultiSessionMode)
        CheckSessionStopAfterDebit(gs);
    gs.MinBankroll = std::min(gs.MinBankroll, gs.Bankroll);
}

inline void CountDoubledAndSplit(GameState& gs, bool won, Currency bet) {
    if (gs.DoubledThisHand) {
        ++(won ? gs.DoubledHandsWon : gs.DoubledHandsLost);
        (won ? gs.DoubledAmountWon : gs.DoubledAmountLost) += bet;
    }
    if (gs.SplitThisHand) {
        ++(won ? gs.SplitHandsWon : gs.SplitHandsLost);
        (won ? gs.SplitAmountWon : gs.SplitAmountLost) += bet;
    }
}

} // namespace settlement_detail

inline void SettleWin(GameState& gs, bool isBlackjack, bool insuranceTaken) {
    const std::int64_t whole = gs.CurrentBet;
    const Currency bet = Bet(whole);
    const Currency amount = isBlackjack ? BlackjackPayout(whole) : bet;
    settlement_detail::Credit(gs, amount, whole);
    settlement_detail::KeepStreaks(gs, true);
    if (isBlackjack) {
        ++gs.BlackjacksWon;
        gs.BlackjackAmountWon += amount;
    }
    settlement_detail::CountDoubledAndSplit(gs, true, bet);
    if (insuranceTaken) {
        ++gs.InsuredHandsWon;
        gs.InsuranceAmountWon += amount + gs.InsuranceResult;
    }
}

inline void SettleLoss(GameState& gs, bool insuranceTaken) {
    const std::int64_t whole = gs.CurrentBet;
    const Currency bet = Bet(whole);
    settlement_detail::Debit(gs, bet, whole);
    settlement_detail::KeepStreaks(gs, false);
    settlement_detail::CountDoubledAndSplit(gs, false, bet);
    if (insuranceTaken) {
        ++gs.InsuredHandsLost;
        gs.InsuranceAmountLost += bet;
    }
}

// A push: only the tie count moves.
inline void SettlePush(GameState& gs) {
    AddAmountWagered(gs, BetCents(gs.CurrentBet));
    ++gs.TiedHands;
    gs.AmountWonOnHand = gs.InsuranceResult;
}

} // namespace bj
