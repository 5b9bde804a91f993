#pragma once

#include "engine/game_state.h"

#include <QString>

namespace bj {

// "Expected return: −0.58 % of a bet per round, infinite shoe": the exact value of the
// strategy in force under its house rules, with a true minus sign.
QString ExpectedReturnText(const GameState& gs);

// Puts the best table for the house rules in force into the game state: the action matrix and
// the insurance rows only; the rules, the name and the Ref_No stay.
void FillBestTable(GameState& gs);

} // namespace bj
