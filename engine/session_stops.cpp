#include "engine/session_stops.h"

namespace bj {

void CheckSessionStopAfterCredit(GameState& gs) {
    if (gs.SessionWinLevel && gs.BailOutFraction == 0 && gs.Bankroll >= *gs.SessionWinLevel) {
        gs.SessionWinLevel = gs.Bankroll;
        gs.SessionStop = true;
    }
    if (gs.Bankroll > gs.SessionPeakBank)
        gs.SessionPeakBank = gs.Bankroll;
}

void CheckSessionStopAfterDebit(GameState& gs) {
    if (gs.SessionLoseLevel && gs.Bankroll < *gs.SessionLoseLevel) {
        gs.SessionLoseLevel = gs.Bankroll;
        gs.SessionStop = true;
    } else if (gs.SessionWinLevel && gs.SessionPeakBank >= *gs.SessionWinLevel) {
        // Share of the peak winnings still held; with no winnings at the peak any loss
        // below the start gives it all back and an even bankroll gives back nothing.
        const double won = static_cast<double>((gs.Bankroll - gs.SessionStartBank).Units());
        const double peak = static_cast<double>((gs.SessionPeakBank - gs.SessionStartBank).Units());
        const bool gaveBack = peak == 0 ? won < 0 : 1.0 - gs.BailOutFraction >= won / peak;
        if (gaveBack) {
            gs.SessionStop = true;
            gs.SessionWinLevel = gs.Bankroll;
        }
    }
    if (gs.Bankroll < gs.SessionLowBank)
        gs.SessionLowBank = gs.Bankroll;
}

SessionEnd ClassifySessionEnd(const GameState& gs, std::optional<Currency> startLoseLevel) {
    if (gs.SessionLoseLevel != startLoseLevel)
        return SessionEnd::StoppedOnLoss;
    if (gs.SessionEndBank == Currency {})
        return SessionEnd::StoppedOnWin;
    return SessionEnd::PlayedThrough;
}

void BeginSession(GameState& gs, std::optional<Currency> maxWin, std::optional<Currency> maxLoss) {
    gs.SessionStartBank = gs.SessionPeakBank = gs.SessionLowBank = gs.Bankroll;
    gs.SessionWinLevel.reset();
    gs.SessionLoseLevel.reset();
    if (maxWin)
        gs.SessionWinLevel = gs.Bankroll + *maxWin;
    if (maxLoss)
        gs.SessionLoseLevel = gs.Bankroll - *maxLoss;
}

} // namespace bj
