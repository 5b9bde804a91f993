#pragma once

#include "engine/game_state.h"

#include <optional>

namespace bj {

// Stop rules of a multi-session run, checked after each settlement while MultiSessionMode is on.
void CheckSessionStopAfterCredit(GameState& gs);
void CheckSessionStopAfterDebit(GameState& gs);

enum class SessionEnd { PlayedThrough, StoppedOnWin, StoppedOnLoss };
// How the session just played ended, from the levels the run set before it.
SessionEnd ClassifySessionEnd(const GameState& gs, std::optional<Currency> startLoseLevel);

// Sets the per-session values from the bankroll as it stands; an absent amount leaves its
// level absent.
void BeginSession(GameState& gs, std::optional<Currency> maxWin, std::optional<Currency> maxLoss);

} // namespace bj
