#pragma once

#include "engine/game_state.h"
#include "engine/table_observer.h"

namespace bj {

// Plays one whole round at CurrentBet, from the deal to the end-of-hand step of every hand,
// and returns the number of hands it played (each split hand counts one).
int PlayRound(GameState& gs, TableObserver& table);
int PlayRound(GameState& gs, NullTable& table);

} // namespace bj
