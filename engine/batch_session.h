#pragma once

#include "engine/game_state.h"

#include <functional>

namespace bj {

// Asked before the run and before every round; true ends the run.
using CancelCheck = std::function<bool()>;

enum class RunEnd { HandsUsedUp, Cancelled, SessionStopped };

// Plays a session of up to HandsToPlay hands at full speed for the simulator: first bet,
// fresh shoe, rounds until the hands run out, the cancel check says so or a stop rule fires.
RunEnd PlayBatchSession(GameState& gs, const CancelCheck& bCancelled = {});

} // namespace bj
