#pragma once

#include "engine/game_state.h"

#include <functional>

namespace bj {

// Asked before the run and before the first round, then every so many rounds; true ends the
// run.
using CancelCheck = std::function<bool()>;

enum class RunEnd { HandsUsedUp, Cancelled, SessionStopped };

// Plays a session of up to HandsToPlay hands at full speed for the simulator: first bet,
// fresh shoe, rounds until the hands run out, the cancel check says so or a stop rule fires.
// A check that only reports progress is asked every roundsPerCheck rounds rather than every
// round: the call, and the look at the streak bets after it, would cost a tenth of the play.
RunEnd PlayBatchSession(GameState& gs, const CancelCheck& bCancelled = {}, int roundsPerCheck = 1);

} // namespace bj
