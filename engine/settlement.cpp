#include "engine/settlement.h"

#include "engine/session_stops.h"

#include <algorithm>

namespace bj {

namespace {

void CountFinishedStreak(GameState& gs, StreakKind kind, std::int32_t cappedLength) {
    if (cappedLength != 0) {
        ++gs.StreakStopCounts[kind][cappedLength];
        gs.StreakFlipped = true;
    }
    gs.StreakStart = false;
}

void KeepWinStreak(GameState& gs) {
    ++gs.WinStreak;
    gs.WinStreakCapped = std::min(gs.WinStreak, kStreakLengths);
    if (gs.WinStreak == 1)
        CountFinishedStreak(gs, kLosing, gs.LoseStreakCapped);
    gs.LoseStreak = 0;
    gs.LoseStreakCapped = 0;
    gs.MaxWinStreak = std::max(gs.MaxWinStreak, gs.WinStreak);
    ++gs.HandsWon;
}

void KeepLoseStreak(GameState& gs) {
    ++gs.LoseStreak;
    gs.LoseStreakCapped = std::min(gs.LoseStreak, kStreakLengths);
    if (gs.LoseStreak == 1)
        CountFinishedStreak(gs, kWinning, gs.WinStreakCapped);
    gs.WinStreak = 0;
    gs.WinStreakCapped = 0;
    gs.MaxLoseStreak = std::max(gs.MaxLoseStreak, gs.LoseStreak);
    ++gs.HandsLost;
}

// Money side of a won hand: bankroll, the hand's shown amount, extremes and stop checks.
void Credit(GameState& gs, Currency amount) {
    gs.Bankroll += amount;
    gs.AmountWonOnHand = gs.InsuranceResult + amount;
    gs.SessionEndBank = gs.Bankroll;
    if (gs.MultiSessionMode)
        CheckSessionStopAfterCredit(gs);
    gs.MaxBankroll = std::max(gs.MaxBankroll, gs.Bankroll);
}

void Debit(GameState& gs, Currency amount) {
    gs.Bankroll -= amount;
    gs.AmountWonOnHand = gs.InsuranceResult - amount;
    gs.SessionEndBank = gs.Bankroll;
    if (gs.MultiSessionMode)
        CheckSessionStopAfterDebit(gs);
    gs.MinBankroll = std::min(gs.MinBankroll, gs.Bankroll);
}

void CountDoubledAndSplit(GameState& gs, bool won) {
    const Currency bet = Bet(gs.CurrentBet);
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
    const Currency amount = isBlackjack ? BlackjackPayout(gs.CurrentBet) : Bet(gs.CurrentBet);
    Credit(gs, amount);
    KeepWinStreak(gs);
    if (isBlackjack) {
        ++gs.BlackjacksWon;
        gs.BlackjackAmountWon += amount;
    }
    CountDoubledAndSplit(gs, true);
    if (insuranceTaken) {
        ++gs.InsuredHandsWon;
        gs.InsuranceAmountWon += amount + gs.InsuranceResult;
    }
}

void SettleLoss(GameState& gs, bool insuranceTaken) {
    Debit(gs, Bet(gs.CurrentBet));
    KeepLoseStreak(gs);
    CountDoubledAndSplit(gs, false);
    if (insuranceTaken) {
        ++gs.InsuredHandsLost;
        gs.InsuranceAmountLost += Bet(gs.CurrentBet);
    }
}

void SettleBlackjackInsured(GameState& gs, bool insuranceWanted) {
    const Currency stake = HalfBet(gs.CurrentBet);
    const Currency gross = insuranceWanted ? BlackjackPayout(gs.CurrentBet) : Bet(gs.CurrentBet);
    Credit(gs, gross - stake);
    KeepWinStreak(gs);
    if (insuranceWanted) {
        ++gs.BlackjacksWon;
        gs.BlackjackAmountWon += gross;
    } else {
        gs.EvenMoneyAmountWon += Bet(gs.CurrentBet);
    }
    ++gs.InsuredHandsWon;
    gs.InsuranceAmountWon += gross;
    gs.InsuranceAmountLost += stake;
}

void SettleInsuranceWon(GameState& gs) {
    Debit(gs, Currency {});
    KeepLoseStreak(gs);
    ++gs.InsuredHandsLost;
}

void SettleInsuredBlackjackAgainst21(GameState& gs) {
    const Currency amount = Bet(gs.CurrentBet);
    Credit(gs, amount);
    KeepWinStreak(gs);
    ++gs.InsuredHandsWon;
    gs.InsuranceAmountWon += amount;
}

void SettleEvenMoney(GameState& gs) {
    SettleWin(gs, false, false);
    gs.EvenMoneyAmountWon += Bet(gs.CurrentBet);
}

void LoseInsuranceStake(GameState& gs) {
    const Currency stake = HalfBet(gs.CurrentBet);
    gs.Bankroll -= stake;
    gs.MinBankroll = std::min(gs.MinBankroll, gs.Bankroll);
    gs.InsuranceAmountLost += stake;
    gs.InsuranceResult = -stake;
}

void SettlePush(GameState& gs) {
    ++gs.TiedHands;
    gs.AmountWonOnHand = gs.InsuranceResult;
}

} // namespace bj
