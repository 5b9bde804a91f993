#pragma once

#include "engine/batch_session.h"
#include "engine/run_pacer.h"
#include "engine/session_stops.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace bj {

struct MultiSessionInputs {
    std::int64_t Sessions = 1;
    std::int32_t HandsPerSession = 1000;
    std::optional<Currency> MaxWin; // absent: no win level, so neither its stop nor bail-out
    std::optional<Currency> MaxLoss; // absent: no loss stop
    std::int32_t BailOutPercent = 0; // 0..100
    // Given: each session deals from its own stream, SessionSeed(Seed, session), so a session
    // plays the same wherever and whenever it is played. Absent: the game state's generator
    // deals on from session to session.
    std::optional<std::uint64_t> Seed;
};

// One result row: the columns of the simulator's grid.
struct SessionRow {
    std::int64_t Session = 0;
    Currency MaxWinning; // session peak - start
    Currency MaxLosing; // session low - start (zero or negative)
    std::int64_t Hands = 0;
    std::string Time; // HandsToTime(Hands)
    Currency EndBank;
    Currency WonLost; // EndBank - start
    Currency RunningTotal; // since the run began
    SessionEnd End = SessionEnd::PlayedThrough;
};

struct MultiSessionHooks {
    CancelCheck Cancelled; // asked before every round and after every row
    std::function<void(const SessionRow&)> RowDone;
    // Before every session: a live window puts in the stop amounts it shows now, so a change
    // typed during a run applies from the next session on.
    std::function<void(MultiSessionInputs&)> BeforeSession;
    // A live window yields here once every YieldEvery of play, between rounds or sessions;
    // tools leave it empty and pay nothing for it.
    std::function<void()> ProcessEvents;
    std::chrono::nanoseconds YieldEvery = std::chrono::milliseconds(15);
    RunClock Clock; // empty: the steady clock
    int RoundsPerClockRead = 64;
};

// The rules every session of a run plays by, whichever runner plays it.
void SetSessionRules(GameState& gs, const MultiSessionInputs& inputs);

struct MultiSessionSummary {
    std::int64_t SessionsPlayed = 0;
    std::int64_t Hands = 0;
    Currency StartBank;
    Currency EndBank;
};

// Plays sessions back to back from the bankroll as it stands, each with a fresh shoe and
// the strategy's first bet, applying the stop rules; turns MultiSessionMode on for the run.
// Money past Currency's range ends the run with CurrencyOverflow; rows already passed to
// RowDone stand.
MultiSessionSummary RunMultiSession(
    GameState& gs, const MultiSessionInputs& inputs, const MultiSessionHooks& hooks = {});

// The seed of a session's own stream of cards.
std::uint64_t SessionSeed(std::uint64_t seed, std::int64_t session);

// Playing time at 20 seconds a hand as "hh:nn"; hours grow past two digits rather than wrap.
std::string HandsToTime(std::int64_t hands);

} // namespace bj
