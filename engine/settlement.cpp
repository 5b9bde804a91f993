#include "engine/settlement.h"

#include <algorithm>

namespace bj {

using namespace settlement_detail;

namespace {

void CountInsuranceStake(GameState& gs) {
    AddInsuranceWagered(gs, HalfBetCents(gs.CurrentBet));
}

} // namespace

void SettleBlackjackInsured(GameState& gs) {
    const Currency stake = HalfBet(gs.CurrentBet);
    const Currency gross = BlackjackPayout(gs.CurrentBet);
    Credit(gs, gross - stake, gs.CurrentBet);
    KeepStreaks(gs, true);
    CountInsuranceStake(gs);
    ++gs.BlackjacksWon;
    gs.BlackjackAmountWon += gross;
    ++gs.InsuredHandsWon;
    gs.InsuranceAmountWon += gross;
    gs.InsuranceAmountLost += stake;
}

void SettleInsuranceWon(GameState& gs) {
    Debit(gs, Currency {}, gs.CurrentBet);
    CountInsuranceStake(gs);
    KeepStreaks(gs, false);
    ++gs.InsuredHandsLost;
}

void SettleInsuredBlackjackAgainst21(GameState& gs) {
    const Currency amount = Bet(gs.CurrentBet);
    Credit(gs, amount, gs.CurrentBet);
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

void AddInsuranceWagered(GameState& gs, std::int64_t cents) {
    AddToStakeTotal(gs.InsuranceWageredCents, cents, "amount of insurance wagered");
}

} // namespace bj
