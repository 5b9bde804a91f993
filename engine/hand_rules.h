#pragma once

#include "engine/game_state.h"

namespace bj {

// Sum of count values over the cards present (or positions 1 and 2 only).
int HandTotal(const GameState& gs, int who, bool firstTwoOnly = false);
// Total after demoting aces to 1, in position order, only as far as needed; demotions stay.
int HandValue(GameState& gs, int who);
int CardCount(const GameState& gs, int who);

int PlayerRowFirstTwo(const GameState& gs);
int PlayerRow(const GameState& gs);
int DealerColumn(const GameState& gs);
bool IsDealerSoft17(const GameState& gs);
bool MayDouble(const GameState& gs, int who);
bool CheckSplit(const GameState& gs, int who, int& splitCount);

inline int StrategyAction(const GameState& gs, int row, int column) {
    return gs.StrategyMatrix[row][column];
}

} // namespace bj
