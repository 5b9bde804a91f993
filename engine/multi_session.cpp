#include "engine/multi_session.h"

#include "engine/shoe.h"

#include <algorithm>

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

void SetSessionRules(GameState& gs, const MultiSessionInputs& inputs) {
    gs.HandsToPlay = inputs.HandsPerSession;
    gs.BailOutFraction = std::clamp(inputs.BailOutPercent, 0, 100) / 100.0;
}

MultiSessionSummary RunMultiSession(
    GameState& gs, const MultiSessionInputs& runInputs, const MultiSessionHooks& hooks) {
    const MultiSessionModeOn mode(gs);
    MultiSessionInputs inputs = runInputs;
    SetSessionRules(gs, inputs);

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
        if (inputs.Seed)
            SeedRandom(gs, SessionSeed(*inputs.Seed, session));
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

// Two rounds of the splitmix64 finaliser: neighbouring sessions get unrelated streams.
std::uint64_t SessionSeed(std::uint64_t seed, std::int64_t session) {
    const auto mix = [](std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    };
    return mix(seed ^ mix(static_cast<std::uint64_t>(session) + 0x9e3779b97f4a7c15ULL));
}

std::string HandsToTime(std::int64_t hands) {
    const std::int64_t minutes = RoundHalfEven(static_cast<double>(hands) / 3.0);
    if (minutes <= 0)
        return "00:01";
    const std::int64_t hours = minutes / 60, rest = minutes % 60;
    std::string text = hours < 10 ? "0" : "";
    text += std::to_string(hours);
    text += ':';
    text += static_cast<char>('0' + rest / 10);
    text += static_cast<char>('0' + rest % 10);
    return text;
}

} // namespace bj
