#pragma once

#include "engine/multi_session.h"
#include "engine/parallel_sessions.h"
#include "store/strategy_db.h"
#include "tools/bjsim/exact_options.h"
#include "tools/bjsim/sim_options.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace bj::sim {

// A strategy the options name is not in the database.
struct MissingStrategy : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct SimResult {
    std::string PlayingName;
    std::string BettingName;
    std::int32_t Decks = 1;
    std::uint64_t Seed = 0;
    bool SeedDrawn = false; // no --seed: drawn at random
    std::int64_t Sessions = 0;
    std::int64_t Hands = 0, Rounds = 0, Won = 0, Lost = 0, Tied = 0, Blackjacks = 0;
    Currency StartBank, EndBank;
    std::int64_t AmountWageredCents = 0, InsuranceWageredCents = 0;
    double ReturnPerHand = 0;
    double ReturnPerWagered = 0; // per unit of main bets; insurance stakes are counted apart
    double ReturnStdErr = 0;
    // Per round in units of the round's first bet, to set beside the exact analysis.
    double ReturnPerRound = 0, ReturnPerRoundStdErr = 0;
    std::int64_t RoundsWon = 0, RoundsPushed = 0, RoundsLost = 0;
    std::optional<ExactSummary> Exact;
    double Seconds = 0;
    double HandsPerSecond = 0;
};

// How far a run has come; SessionHands counts the sessions being played.
using RunProgress = ParallelProgress;

// Plays the run on options.Threads threads; `rowDone` receives each session's row in session
// order, `progress` (optional) is called a few times a second.
SimResult RunSimulation(StrategyDb& db, const SimOptions& options,
    const std::function<void(const SessionRow&)>& rowDone,
    const std::function<void(const RunProgress&)>& progress = {});

} // namespace bj::sim
