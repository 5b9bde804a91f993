#pragma once

#include "engine/game_state.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace bj {

// Stop rules of a multi-session run, checked after each settlement while MultiSessionMode is on;
// inline, as every hand of a run pays for them.
inline void CheckSessionStopAfterCredit(GameState& gs) {
    if (gs.SessionWinLevel && gs.BailOutFraction == 0 && gs.Bankroll >= *gs.SessionWinLevel) {
        gs.SessionWinLevel = gs.Bankroll;
        gs.SessionStop = true;
    }
    if (gs.Bankroll > gs.SessionPeakBank)
        gs.SessionPeakBank = gs.Bankroll;
}

inline void CheckSessionStopAfterDebit(GameState& gs) {
    if (gs.SessionLoseLevel && gs.Bankroll < *gs.SessionLoseLevel) {
        gs.SessionLoseLevel = gs.Bankroll;
        gs.SessionStop = true;
    } else if (gs.SessionWinLevel && gs.SessionPeakBank >= *gs.SessionWinLevel) {
        // Share of the peak winnings still held; with no winnings at the peak any loss
        // below the start gives it all back and an even bankroll gives back nothing. The
        // fraction is a whole percent, so the test is exact in integers: in doubles, giving
        // back exactly 7 % of a 100.00 peak would not count as giving back 7 %.
        const std::int64_t won = (gs.Bankroll - gs.SessionStartBank).Units();
        const std::int64_t peak = (gs.SessionPeakBank - gs.SessionStartBank).Units();
        const auto kept = 100 - std::llround(gs.BailOutFraction * 100);
        const bool gaveBack = peak == 0
            ? won < 0
            : static_cast<__int128>(won) * 100 <= static_cast<__int128>(kept) * peak;
        if (gaveBack) {
            gs.SessionStop = true;
            gs.SessionWinLevel = gs.Bankroll;
        }
    }
    if (gs.Bankroll < gs.SessionLowBank)
        gs.SessionLowBank = gs.Bankroll;
}

enum class SessionEnd { PlayedThrough, StoppedOnWin, StoppedOnLoss };
// How a session ended: a loss stop moves the loss level the run set before it; otherwise a
// SessionEndBank of zero marks a win stop.
SessionEnd ClassifySessionEnd(bool lossStop, Currency sessionEndBank);
// The same for the session just played in gs.
SessionEnd ClassifySessionEnd(const GameState& gs, std::optional<Currency> startLoseLevel);

// Sets the per-session values from the bankroll as it stands; an absent amount leaves its
// level absent.
void BeginSession(GameState& gs, std::optional<Currency> maxWin, std::optional<Currency> maxLoss);

} // namespace bj
