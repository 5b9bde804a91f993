#pragma once

#include "engine/game_state.h"

namespace bj {

// The bet of the next round after a decided hand, from the streak counts settlement left.
void NextBet(GameState& gs);
// The first bet of a run; with streak betting also restarts the streak counts.
void SetFirstBet(GameState& gs);
// The bet Reset starts from: StartingBet or the variable strategy's initial bet.
std::int64_t ResetBet(const GameState& gs);
// A stored streak amount as the whole-unit bet it stands for.
std::int64_t StreakAmount(double amount);

} // namespace bj
