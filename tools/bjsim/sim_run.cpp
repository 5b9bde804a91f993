#include "tools/bjsim/sim_run.h"

#include "store/betting_strategies.h"
#include "store/loaded_values.h"
#include "store/playing_strategies.h"
#include "tools/bjsim/safe_text.h"
#include "tools/bjsim/sim_exact.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iostream>
#include <random>

#include <unistd.h>

namespace bj::sim {
namespace {

std::string Describe(const char* kind, std::int32_t refNo, const StrategyDb& db) {
    return std::string("there is no ") + kind + " with Ref_No " + std::to_string(refNo) + " in \""
        + db.Path() + "\"";
}

void NoteCorrections(std::string& notice, const char* kind, const std::string& name,
    const std::vector<std::string>& corrections) {
    if (!corrections.empty())
        notice += std::string(notice.empty() ? "" : "; ") + "the " + kind + " \""
            + TerminalText(name) + "\": " + CorrectionsText(corrections, "; ");
}

// Puts the chosen strategies in force; returns the betting strategy's name.
std::string LoadStrategies(StrategyDb& db, const SimOptions& options, GameState& gs) {
    const auto playing = LoadPlayingStrategy(db, options.PlayingRef, gs);
    if (!playing)
        throw MissingStrategy(Describe("playing strategy", options.PlayingRef, db));
    std::string notice;
    NoteCorrections(notice, "playing strategy", playing->Name, playing->Corrections);
    std::string name;
    if (options.Variable) {
        const auto variable = LoadVariableStrategy(db, options.BettingRef);
        if (!variable)
            throw MissingStrategy(Describe("variable betting strategy", options.BettingRef, db));
        NoteCorrections(notice, "variable betting strategy", variable->Name, variable->Corrections);
        ApplyVariableStrategy(*variable, gs);
        gs.BettingType = kVariableBetting;
        name = variable->Name;
    } else {
        const auto streak = LoadStreakStrategy(db, options.BettingRef);
        if (!streak)
            throw MissingStrategy(Describe("streak betting strategy", options.BettingRef, db));
        NoteCorrections(notice, "streak betting strategy", streak->Name, streak->Corrections);
        ApplyStreakStrategy(*streak, gs);
        gs.BettingType = kStreakBetting;
        name = streak->Name;
    }
    if (options.Decks)
        gs.DecksInShoe = *options.Decks;
    // The run goes on with the corrected values; the file keeps its own.
    if (!notice.empty())
        std::cerr << "bjsim: corrected for this run, the file is unchanged: " << notice << '\n';
    return name;
}

// Sample standard deviation of a round's result in whole units, from the exact sums.
double RoundStdDev(const RoundTally& tally) {
    if (tally.Rounds < 2)
        return 0;
    const auto n = static_cast<long double>(tally.Rounds);
    const auto sum = static_cast<long double>(tally.Sum);
    const long double spread = static_cast<long double>(tally.SumOfSquares) - sum * sum / n;
    const long double scale = Currency::kScale;
    return static_cast<double>(std::sqrt(std::max(spread, 0.0L) / (n - 1)) / scale);
}

// Sample standard deviation of a round's result in bets.
double StdDevInBets(const RoundTally& tally) {
    if (tally.BetRounds < 2)
        return 0;
    const auto n = static_cast<double>(tally.BetRounds);
    const double spread = tally.SquaresInBets - tally.SumInBets * tally.SumInBets / n;
    return std::sqrt(std::max(spread, 0.0) / (n - 1));
}

// Runs given no seed must differ even when started in the same second, as when several are
// started at once to be pooled, so the seed comes from the system's entropy, not the clock.
// 53 bits, so that every JSON reader takes it exactly.
std::uint64_t DrawSeed() {
    std::uint64_t seed = 0;
    try {
        std::random_device device;
        seed = (std::uint64_t {device()} << 32) ^ device();
    } catch (const std::exception&) {
        const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        seed = static_cast<std::uint64_t>(now) ^ (static_cast<std::uint64_t>(getpid()) << 32);
    }
    return seed & ((std::uint64_t {1} << 53) - 1);
}

MultiSessionInputs Inputs(const SimOptions& options, std::uint64_t seed) {
    MultiSessionInputs inputs;
    inputs.Sessions = options.Sessions;
    inputs.HandsPerSession = options.HandsPerSession;
    inputs.MaxWin = options.MaxWin;
    inputs.MaxLoss = options.MaxLoss;
    inputs.BailOutPercent = options.BailOutPercent.value_or(0);
    inputs.Seed = seed;
    return inputs;
}

} // namespace

SimResult RunSimulation(StrategyDb& db, const SimOptions& options,
    const std::function<void(const SessionRow&)>& rowDone,
    const std::function<void(const RunProgress&)>& progress) {
    GameState gs;
    ResetStatistics(gs);
    SimResult result;
    result.BettingName = LoadStrategies(db, options, gs);
    result.Exact = AnalyseInForce(gs, ApplyExactOptions(options.Exact, gs));
    result.PlayingName = gs.PlayingStrategyName;
    result.Decks = gs.DecksInShoe;
    result.SeedDrawn = !options.Seed;
    result.Seed = options.Seed ? *options.Seed : DrawSeed();

    ParallelHooks hooks;
    hooks.RowDone = rowDone;
    hooks.Progress = progress;
    const auto started = std::chrono::steady_clock::now();
    const MultiSessionSummary summary
        = RunParallelSessions(gs, Inputs(options, result.Seed), options.Threads, hooks);
    result.Seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    result.Sessions = summary.SessionsPlayed;
    result.Hands = summary.Hands;
    result.Rounds = gs.Rounds.Rounds;
    result.Won = gs.HandsWon;
    result.Lost = gs.HandsLost;
    result.Tied = gs.TiedHands;
    result.Blackjacks = gs.BlackjacksWon;
    result.StartBank = summary.StartBank;
    result.EndBank = summary.EndBank;
    result.AmountWageredCents = gs.AmountWageredCents;
    result.InsuranceWageredCents = gs.InsuranceWageredCents;
    if (gs.AmountWageredCents > 0)
        result.ReturnPerWagered = (summary.EndBank - summary.StartBank).ToDouble()
            / (static_cast<double>(gs.AmountWageredCents) / 100);
    if (result.Hands > 0) {
        const double hands = static_cast<double>(result.Hands);
        result.ReturnPerHand = (summary.EndBank - summary.StartBank).ToDouble() / hands;
        result.ReturnStdErr
            = std::sqrt(static_cast<double>(result.Rounds)) * RoundStdDev(gs.Rounds) / hands;
    }
    const RoundTally& tally = gs.Rounds;
    if (tally.BetRounds > 0) {
        const auto n = static_cast<double>(tally.BetRounds);
        result.ReturnPerRound = tally.SumInBets / n;
        result.ReturnPerRoundStdErr = StdDevInBets(tally) / std::sqrt(n);
    }
    result.RoundsWon = tally.Won;
    result.RoundsPushed = tally.Pushed;
    result.RoundsLost = tally.Lost;
    result.HandsPerSecond
        = result.Seconds > 0 ? static_cast<double>(result.Hands) / result.Seconds : 0;
    return result;
}

} // namespace bj::sim
