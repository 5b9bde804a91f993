#pragma once

#include "engine/game_state.h"

namespace bj {

// Each closes one hand at CurrentBet: moves the bankroll, keeps streaks and counters and,
// while MultiSessionMode is on, runs the session stop checks. A push calls none of them.
void SettleWin(GameState& gs, bool isBlackjack, bool insuranceTaken);
void SettleLoss(GameState& gs, bool insuranceTaken);
// Player blackjack against a dealer ace without dealer 21, insurance of bet/2 lost.
void SettleBlackjackInsured(GameState& gs, bool insuranceWanted);
// Insurance bought and the dealer has 21: main bet lost, insurance paid 2 to 1, net 0.
void SettleInsuranceWon(GameState& gs);
// Insured blackjack against a dealer 21: main bet pushes, insurance pays 2 to 1, net +bet.
void SettleInsuredBlackjackAgainst21(GameState& gs);
// Even money: exactly one bet, whatever the dealer holds.
void SettleEvenMoney(GameState& gs);
// The insurance stake lost when the dealer has no 21.
void LoseInsuranceStake(GameState& gs);
// A push: only the tie count moves.
void SettlePush(GameState& gs);

// Add to the wagered totals; an overflow is reported as theirs, not as the bankroll's.
void AddAmountWagered(GameState& gs, Currency amount);
void AddInsuranceWagered(GameState& gs, Currency amount);

} // namespace bj
