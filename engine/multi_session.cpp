#include "engine/multi_session.h"

#include <algorithm>
#include <cstdio>

namespace bj {

namespace {

SessionRow MakeRow(const GameState& gs, std::int64_t session, Currency start,
    std::optional<Currency> startLoseLevel) {
    SessionRow row;
    row.Session = session;
    row.MaxWinning = gs.SessionPeakBank - start;
    row.MaxLosing = gs.SessionLowBank - start;
    row.Hands = gs.SessionHandsPlayed;
    row.Time = HandsToTime(row.Hands);
    row.EndBank = gs.Bankroll;
    row.WonLost = gs.Bankroll - start;
    row.End = ClassifySessionEnd(gs, startLoseLevel);
    return row;
}

// Puts MultiSessionMode back however the run ends, a money overflow included.
class MultiSessionModeOn {
public:
    explicit MultiSessionModeOn(GameState& gs)
        : gs_(gs)
        , was_(gs.MultiSessionMode) {
        gs_.MultiSessionMode = true;
    }
    ~MultiSessionModeOn() { gs_.MultiSessionMode = was_; }
    MultiSessionModeOn(const MultiSessionModeOn&) = delete;
    MultiSessionModeOn& operator=(const MultiSessionModeOn&) = delete;

private:
    GameState& gs_;
    bool was_;
};

} // namespace

MultiSessionSummary RunMultiSession(
    GameState& gs, const MultiSessionInputs& runInputs, const MultiSessionHooks& hooks) {
    const MultiSessionModeOn mode(gs);
    MultiSessionInputs inputs = runInputs;
    gs.HandsToPlay = inputs.HandsPerSession;
    gs.BailOutFraction = std::clamp(inputs.BailOutPercent, 0, 100) / 100.0;

    RunPacer pacer(hooks.YieldEvery, hooks.Clock, hooks.RoundsPerClockRead);
    const auto yieldWhenDue = [&] {
        if (hooks.ProcessEvents && pacer.SliceOver()) {
            hooks.ProcessEvents();
            pacer.StartSlice();
        }
    };
    const CancelCheck pacedCheck = [&] {
        yieldWhenDue();
        return hooks.Cancelled && hooks.Cancelled();
    };
    const CancelCheck& beforeRound = hooks.ProcessEvents ? pacedCheck : hooks.Cancelled;

    MultiSessionSummary summary;
    summary.StartBank = gs.Bankroll;
    Currency runningTotal;
    for (std::int64_t session = 1; session <= inputs.Sessions; ++session) {
        yieldWhenDue();
        if (hooks.BeforeSession)
            hooks.BeforeSession(inputs);
        const Currency start = gs.Bankroll;
        BeginSession(gs, inputs.MaxWin, inputs.MaxLoss);
        const std::optional<Currency> startLoseLevel = gs.SessionLoseLevel;
        PlayBatchSession(gs, beforeRound);

        SessionRow row = MakeRow(gs, session, start, startLoseLevel);
        runningTotal += row.WonLost;
        row.RunningTotal = runningTotal;
        summary.Hands += row.Hands;
        summary.SessionsPlayed = session;
        if (hooks.RowDone)
            hooks.RowDone(row);
        gs.SessionHandsPlayed = 0;
        if (hooks.Cancelled && hooks.Cancelled())
            break;
    }
    summary.EndBank = gs.Bankroll;
    return summary;
}

std::string HandsToTime(std::int64_t hands) {
    const std::int64_t minutes = RoundHalfEven(static_cast<double>(hands) / 3.0);
    if (minutes <= 0)
        return "00:01";
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld", static_cast<long long>(minutes / 60),
        static_cast<long long>(minutes % 60));
    return text;
}

} // namespace bj
