#pragma once

#include "engine/batch_session.h"
#include "engine/game_state.h"
#include "engine/table_observer.h"

namespace bj {

// Plays one whole round at CurrentBet, from the deal to the end-of-hand step of every hand,
// and returns the number of hands it played (each split hand counts one).
int PlayRound(GameState& gs, TableObserver& table);
// The batch engine's rounds of a session, from the bet and shoe as they stand: until
// HandsToPlay hands are played or a stop rule fires, asking bCancelled before the first round
// and every roundsPerCheck rounds after it.
RunEnd PlaySessionRounds(GameState& gs, const CancelCheck& bCancelled, int roundsPerCheck);

} // namespace bj
