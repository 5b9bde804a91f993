#pragma once

#include "engine/multi_session.h"

#include <cstdint>
#include <functional>

namespace bj {

struct ParallelProgress {
    std::int64_t SessionsDone = 0; // played, whether or not their rows are out yet
    std::int64_t Hands = 0; // in those sessions and in the ones being played
    std::int64_t SessionHands = 0; // in the sessions being played
};

struct ParallelHooks {
    std::function<void(const SessionRow&)> RowDone; // on the calling thread, in session order
    // On the calling thread, about ten times a second; asking for it costs a little speed.
    std::function<void(const ParallelProgress&)> Progress;
};

// RunMultiSession on `threads` threads. Every session deals from its own stream, of
// inputs.Seed or, when that is absent, of a seed drawn from the game state's generator; the
// rows, the bankroll and the statistics come out as RunMultiSession gives them with that seed,
// whatever the number of threads. Money past Currency's range ends the run with
// CurrencyOverflow once the rows before it are out.
MultiSessionSummary RunParallelSessions(
    GameState& gs, const MultiSessionInputs& inputs, int threads, const ParallelHooks& hooks = {});

} // namespace bj
