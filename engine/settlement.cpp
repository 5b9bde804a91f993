#include "engine/settlement.h"

#include "engine/session_stops.h"

#include <algorithm>

namespace bj {

namespace {

// A decided hand lengthens its own streak and counts the streak of the other kind it ends.
// Whether it ends one follows the cards, so it is counted without a branch.
void KeepStreaks(GameState& gs, bool won) {
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

void CountInsuranceStake(GameState& gs) {
    AddInsuranceWagered(gs, HalfBet(gs.CurrentBet));
}

// Money side of a won hand: the bet placed, bankroll, the hand's shown amount, extremes and
// stop checks. The bet is worked out once per hand: the stores in between could change
// CurrentBet as far as the compiler knows.
void Credit(GameState& gs, Currency amount, Currency bet) {
    AddAmountWagered(gs, bet);
    gs.Bankroll += amount;
    gs.AmountWonOnHand = gs.InsuranceResult + amount;
    gs.SessionEndBank = gs.Bankroll;
    if (gs.MultiSessionMode)
        CheckSessionStopAfterCredit(gs);
    gs.MaxBankroll = std::max(gs.MaxBankroll, gs.Bankroll);
}

void Debit(GameState& gs, Currency amount, Currency bet) {
    AddAmountWagered(gs, bet);
    gs.Bankroll -= amount;
    gs.AmountWonOnHand = gs.InsuranceResult - amount;
    gs.SessionEndBank = gs.Bankroll;
    if (gs.MultiSessionMode)
        CheckSessionStopAfterDebit(gs);
    gs.MinBankroll = std::min(gs.MinBankroll, gs.Bankroll);
}

void CountDoubledAndSplit(GameState& gs, bool won, Currency bet) {
    if (gs.DoubledThisHand) {
        ++(won ? gs.DoubledHandsWon : gs.DoubledHandsLost);
        (won ? gs.DoubledAmountWon : gs.DoubledAmountLost) += bet;
    }
    if (gs.SplitThisHand) {
        ++(won ? gs.SplitHandsWon : gs.SplitHandsLost);
        (won ? gs.SplitAmountWon : gs.SplitAmountLost) += bet;
    }
}

} // namespace

void SettleWin(GameState& gs, bool isBlackjack, bool insuranceTaken) {
    const Currency bet = Bet(gs.CurrentBet);
    const Currency amount = isBlackjack ? BlackjackPayout(gs.CurrentBet) : bet;
    Credit(gs, amount, bet);
    KeepStreaks(gs, true);
    if (isBlackjack) {
        ++gs.BlackjacksWon;
        gs.BlackjackAmountWon += amount;
    }
    CountDoubledAndSplit(gs, true, bet);
    if (insuranceTaken) {
        ++gs.InsuredHandsWon;
        gs.InsuranceAmountWon += amount + gs.InsuranceResult;
    }
}

void SettleLoss(GameState& gs, bool insuranceTaken) {
    const Currency bet = Bet(gs.CurrentBet);
    Debit(gs, bet, bet);
    KeepStreaks(gs, false);
    CountDoubledAndSplit(gs, false, bet);
    if (insuranceTaken) {
        ++gs.InsuredHandsLost;
        gs.InsuranceAmountLost += bet;
    }
}

void SettleBlackjackInsured(GameState& gs, bool insuranceWanted) {
    const Currency stake = HalfBet(gs.CurrentBet);
    const Currency bet = Bet(gs.CurrentBet);
    const Currency gross = insuranceWanted ? BlackjackPayout(gs.CurrentBet) : bet;
    Credit(gs, gross - stake, bet);
    KeepStreaks(gs, true);
    if (insuranceWanted) {
        CountInsuranceStake(gs);
        ++gs.BlackjacksWon;
        gs.BlackjackAmountWon += gross;
    } else {
        gs.EvenMoneyAmountWon += bet;
    }
    ++gs.InsuredHandsWon;
    gs.InsuranceAmountWon += gross;
    gs.InsuranceAmountLost += stake;
}

void SettleInsuranceWon(GameState& gs) {
    Debit(gs, Currency {}, Bet(gs.CurrentBet));
    CountInsuranceStake(gs);
    KeepStreaks(gs, false);
    ++gs.InsuredHandsLost;
}

void SettleInsuredBlackjackAgainst21(GameState& gs) {
    const Currency amount = Bet(gs.CurrentBet);
    Credit(gs, amount, amount);
    CountInsuranceStake(gs);
    KeepStreaks(gs, true);
    ++gs.InsuredHandsWon;
    gs.InsuranceAmountWon += amount;
}

void SettleEvenMoney(GameState& gs) {
    SettleWin(gs, false, false);
    gs.EvenMoneyAmountWon += Bet(gs.CurrentBet);
}

// The stake is money the session lost: its low and its end bank see it as they see a
// settlement, though it runs no stop check.
void LoseInsuranceStake(GameState& gs) {
    const Currency stake = HalfBet(gs.CurrentBet);
    CountInsuranceStake(gs);
    gs.Bankroll -= stake;
    gs.SessionEndBank = gs.Bankroll;
    gs.MinBankroll = std::min(gs.MinBankroll, gs.Bankroll);
    if (gs.MultiSessionMode)
        gs.SessionLowBank = std::min(gs.SessionLowBank, gs.Bankroll);
    gs.InsuranceAmountLost += stake;
    gs.InsuranceResult = -stake;
}

void SettlePush(GameState& gs) {
    AddAmountWagered(gs, Bet(gs.CurrentBet));
    ++gs.TiedHands;
    gs.AmountWonOnHand = gs.InsuranceResult;
}

void AddAmountWagered(GameState& gs, Currency amount) {
    AddToTotal(gs.AmountWagered, amount, "amount wagered");
}

void AddInsuranceWagered(GameState& gs, Currency amount) {
    AddToTotal(gs.InsuranceWagered, amount, "amount of insurance wagered");
}

} // namespace bj
