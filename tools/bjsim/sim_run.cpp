#include "tools/bjsim/sim_run.h"

#include "engine/shoe.h"
#include "store/betting_strategies.h"
#include "store/loaded_values.h"
#include "store/playing_strategies.h"
#include "tools/bjsim/round_results.h"
#include "tools/bjsim/safe_text.h"
#include "tools/bjsim/sim_exact.h"

#include <chrono>
#include <cmath>
#include <iostream>

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

MultiSessionInputs Inputs(const SimOptions& options) {
    MultiSessionInputs inputs;
    inputs.Sessions = options.Sessions;
    inputs.HandsPerSession = options.HandsPerSession;
    inputs.MaxWin = options.MaxWin;
    inputs.MaxLoss = options.MaxLoss;
    inputs.BailOutPercent = options.BailOutPercent.value_or(0);
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
    result.Seed = options.Seed;
    if (options.Seed)
        SeedRandom(gs, *options.Seed);
    else
        SeedRandomFromClock(gs);

    RoundResults rounds(gs);
    MultiSessionHooks hooks;
    std::int64_t sessionsDone = 0, handsDone = 0;
    std::uint32_t calls = 0;
    hooks.Cancelled = [&] {
        rounds.Observe();
        if (progress && ++calls % kProgressRounds == 0)
            progress({sessionsDone, handsDone + gs.SessionHandsPlayed, gs.SessionHandsPlayed});
        return false;
    };
    hooks.RowDone = [&](const SessionRow& row) {
        rounds.SessionDone();
        ++sessionsDone;
        handsDone += row.Hands;
        if (rowDone)
            rowDone(row);
    };

    const auto started = std::chrono::steady_clock::now();
    const MultiSessionSummary summary = RunMultiSession(gs, Inputs(options), hooks);
    result.Seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    result.Sessions = summary.SessionsPlayed;
    result.Hands = summary.Hands;
    result.Rounds = rounds.Rounds();
    result.Won = gs.HandsWon;
    result.Lost = gs.HandsLost;
    result.Tied = gs.TiedHands;
    result.Blackjacks = gs.BlackjacksWon;
    result.StartBank = summary.StartBank;
    result.EndBank = summary.EndBank;
    result.AmountWagered = gs.AmountWagered;
    result.InsuranceWagered = gs.InsuranceWagered;
    if (gs.AmountWagered > Currency {})
        result.ReturnPerWagered
            = (summary.EndBank - summary.StartBank).ToDouble() / gs.AmountWagered.ToDouble();
    if (result.Hands > 0) {
        const double hands = static_cast<double>(result.Hands);
        result.ReturnPerHand = (summary.EndBank - summary.StartBank).ToDouble() / hands;
        result.ReturnStdErr
            = std::sqrt(static_cast<double>(result.Rounds)) * rounds.StdDev() / hands;
    }
    const RunningSpread& inBets = rounds.InBets();
    result.ReturnPerRound = inBets.Mean();
    if (inBets.Count() > 0)
        result.ReturnPerRoundStdErr
            = inBets.StdDev() / std::sqrt(static_cast<double>(inBets.Count()));
    result.RoundsWon = rounds.Won();
    result.RoundsPushed = rounds.Pushed();
    result.RoundsLost = rounds.Lost();
    result.HandsPerSecond
        = result.Seconds > 0 ? static_cast<double>(result.Hands) / result.Seconds : 0;
    return result;
}

} // namespace bj::sim
