#include "engine/session_stops.h"

namespace bj {

SessionEnd ClassifySessionEnd(bool lossStop, Currency sessionEndBank) {
    if (lossStop)
        return SessionEnd::StoppedOnLoss;
    if (sessionEndBank == Currency {})
        return SessionEnd::StoppedOnWin;
    return SessionEnd::PlayedThrough;
}

SessionEnd ClassifySessionEnd(const GameState& gs, std::optional<Currency> startLoseLevel) {
    return ClassifySessionEnd(gs.SessionLoseLevel != startLoseLevel, gs.SessionEndBank);
}

void BeginSession(GameState& gs, std::optional<Currency> maxWin, std::optional<Currency> maxLoss) {
    gs.SessionStartBank = gs.SessionPeakBank = gs.SessionLowBank = gs.Bankroll;
    gs.OpeningStreak = 0;
    gs.OpeningStreakOpen = true;
    gs.SessionWinLevel.reset();
    gs.SessionLoseLevel.reset();
    if (maxWin)
        gs.SessionWinLevel = gs.Bankroll + *maxWin;
    if (maxLoss)
        gs.SessionLoseLevel = gs.Bankroll - *maxLoss;
}

} // namespace bj
