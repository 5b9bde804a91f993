#include "tools/bjsim/sim_exact.h"

#include "engine/best_table.h"
#include "engine/hand_rules.h"
#include "store/loaded_values.h"
#include "store/playing_strategies.h"
#include "tools/bjsim/safe_text.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <ostream>

namespace bj::sim {
namespace {

std::string Number(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, std::isfinite(value) ? value : 0.0);
    return text;
}

const char* On21Text(std::int32_t choice) {
    switch (choice) {
    case kTakeInsurance:
        return "take insurance";
    case kPlayOutHand:
        return "play out hand";
    default:
        return "take even money";
    }
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string Signs(const ExactResult& result) {
    return Number(result.Win, 4) + " / " + Number(result.Push, 4) + " / " + Number(result.Loss, 4);
}

void PrintAnalysis(std::ostream& out, const std::string& name, const ExactSummary& exact) {
    out << "Playing strategy:  " << TerminalText(name) << '\n'
        << "Rules:             " << RulesText(exact.Rules) << '\n'
        << "Exact return:      " << Number(exact.Result.Return, 6)
        << " bets per round, infinite shoe\n"
        << "Won/pushed/lost:   " << Signs(exact.Result) << " of the rounds\n"
        << "Time:              " << Number(exact.Seconds * 1000, 3) << " ms"
        << (exact.SearchSeconds > 0
                   ? ", and " + Number(exact.SearchSeconds * 1000, 3) + " ms to find the table"
                   : std::string())
        << "\n\n"
        << "Return of a round by the player's first two cards and the dealer's card:\n"
        << "Hand    ";
    for (int column = 0; column < kDealerColumns; ++column) {
        const std::string card = DealerCardText(column);
        out << std::string(8 - card.size(), ' ') << card;
    }
    out << '\n';
    for (int row = 0; row < kPlayerRows; ++row) {
        const std::string hand = PlayerHandText(row);
        out << hand << std::string(8 - hand.size(), ' ');
        for (int column = 0; column < kDealerColumns; ++column) {
            const std::string cell = Number(exact.Result.RowReturn[row][column], 4);
            out << std::string(8 - cell.size(), ' ') << cell;
        }
        out << '\n';
    }
}

void WriteAnalysisJson(std::ostream& out, const std::string& name, const ExactSummary& exact) {
    const HouseRules& rules = exact.Rules;
    out << "{\n  \"playing_strategy\": " << JsonString(name) << ",\n"
        << "  \"rules\": {\"dealer_soft17\": \"" << (rules.DealerSoft17 ? "stand" : "hit")
        << "\", \"double_down\": \"" << (rules.DoubleDownRule ? "10-11" : "any")
        << "\", \"double_on_splits\": " << (rules.DoubleOnSplits ? "true" : "false")
        << ", \"on21\": \"" << On21Text(rules.InsuranceOn21) << "\"},\n"
        << "  \"exact_return\": " << Number(exact.Result.Return, 8) << ",\n"
        << "  \"exact_win\": " << Number(exact.Result.Win, 8) << ",\n"
        << "  \"exact_push\": " << Number(exact.Result.Push, 8) << ",\n"
        << "  \"exact_loss\": " << Number(exact.Result.Loss, 8) << ",\n"
        << "  \"seconds\": " << Number(exact.Seconds, 6) << ",\n"
        << "  \"table_search_seconds\": " << Number(exact.SearchSeconds, 6) << ",\n"
        << "  \"columns\": [";
    for (int column = 0; column < kDealerColumns; ++column)
        out << (column ? ", \"" : "\"") << DealerCardText(column) << '"';
    out << "],\n  \"rows\": [";
    for (int row = 0; row < kPlayerRows; ++row) {
        out << (row ? ",\n" : "\n") << "    {\"hand\": \"" << PlayerHandText(row)
            << "\", \"returns\": [";
        for (int column = 0; column < kDealerColumns; ++column)
            out << (column ? ", " : "") << Number(exact.Result.RowReturn[row][column], 8);
        out << "]}";
    }
    out << "\n  ]\n}\n";
}

// How far the simulated return lies from the exact one, in standard errors.
std::optional<double> Distance(const SimResult& result) {
    if (!result.Exact || !(result.ReturnPerRoundStdErr > 0))
        return std::nullopt;
    return (result.ReturnPerRound - result.Exact->Result.Return) / result.ReturnPerRoundStdErr;
}

double Share(std::int64_t count, std::int64_t rounds) {
    return rounds > 0 ? static_cast<double>(count) / static_cast<double>(rounds) : 0.0;
}

} // namespace

double ApplyExactOptions(const ExactOptions& options, GameState& gs) {
    if (options.DealerSoft17)
        gs.DealerSoft17 = *options.DealerSoft17;
    if (options.DoubleDownRule)
        gs.DoubleDownRule = *options.DoubleDownRule;
    if (options.DoubleOnSplits)
        gs.DoubleOnSplits = *options.DoubleOnSplits;
    if (options.InsuranceOn21)
        gs.InsuranceOn21 = *options.InsuranceOn21;
    const auto start = std::chrono::steady_clock::now();
    const HouseRules rules = PlayingTableOf(gs).Rules;
    if (options.Table == TableChoice::Basic) {
        PutPlayingTable(BasicStrategy(rules), gs);
        gs.PlayingStrategyName = "Basic strategy";
    } else if (options.Table == TableChoice::Best) {
        PutPlayingTable(BestTable(rules), gs);
        gs.PlayingStrategyName = "Best table";
    }
    return options.Table == TableChoice::Best ? SecondsSince(start) : 0.0;
}

ExactSummary AnalyseInForce(const GameState& gs, double searchSeconds) {
    const auto start = std::chrono::steady_clock::now();
    ExactSummary summary;
    const PlayingTable table = PlayingTableOf(gs);
    summary.Result = AnalyseStrategy(table);
    summary.Rules = table.Rules;
    summary.Seconds = SecondsSince(start);
    summary.SearchSeconds = searchSeconds;
    return summary;
}

std::string RulesText(const HouseRules& rules) {
    return std::string(rules.DealerSoft17 ? "dealer stands on soft 17" : "dealer hits soft 17")
        + (rules.DoubleDownRule ? ", double down on 10 and 11 only" : ", double down on any hand")
        + (rules.DoubleOnSplits ? ", double down on splits" : ", no double down on splits") + ", "
        + On21Text(rules.InsuranceOn21);
}

void PrintExactComparison(std::ostream& out, const SimResult& result) {
    out << "Return per round:  " << Number(result.ReturnPerRound, 6) << " +/- "
        << Number(result.ReturnPerRoundStdErr, 6) << " bets; won/pushed/lost "
        << Number(Share(result.RoundsWon, result.Rounds), 4) << " / "
        << Number(Share(result.RoundsPushed, result.Rounds), 4) << " / "
        << Number(Share(result.RoundsLost, result.Rounds), 4) << '\n';
    if (!result.Exact)
        return;
    const auto distance = Distance(result);
    out << "Rules:             " << RulesText(result.Exact->Rules) << '\n'
        << "Exact return:      " << Number(result.Exact->Result.Return, 6)
        << " bets; won/pushed/lost " << Signs(result.Exact->Result) << " (infinite shoe)\n"
        << "Simulated - exact: "
        << (distance ? Number(*distance, 2) + " standard errors" : std::string("no spread yet"))
        << '\n';
}

void WriteExactJsonFields(std::ostream& out, const SimResult& result) {
    out << "  \"return_per_round\": " << Number(result.ReturnPerRound, 8) << ",\n"
        << "  \"return_per_round_stderr\": " << Number(result.ReturnPerRoundStdErr, 8) << ",\n"
        << "  \"rounds_won\": " << result.RoundsWon << ",\n"
        << "  \"rounds_pushed\": " << result.RoundsPushed << ",\n"
        << "  \"rounds_lost\": " << result.RoundsLost << ",\n";
    if (!result.Exact)
        return;
    const ExactResult& exact = result.Exact->Result;
    const auto distance = Distance(result);
    out << "  \"exact_return\": " << Number(exact.Return, 8) << ",\n"
        << "  \"exact_win\": " << Number(exact.Win, 8) << ",\n"
        << "  \"exact_push\": " << Number(exact.Push, 8) << ",\n"
        << "  \"exact_loss\": " << Number(exact.Loss, 8) << ",\n"
        << "  \"exact_distance_se\": " << (distance ? Number(*distance, 3) : "null") << ",\n";
}

void RunExactOnly(StrategyDb& db, const SimOptions& options, std::ostream& out) {
    GameState gs;
    const auto playing = LoadPlayingStrategy(db, options.PlayingRef, gs);
    if (!playing)
        throw MissingStrategy("there is no playing strategy with Ref_No "
            + std::to_string(options.PlayingRef) + " in \"" + db.Path() + "\"");
    if (!playing->Corrections.empty())
        std::cerr << "bjsim: corrected for this analysis, the file is unchanged: the playing "
                     "strategy \""
                  << TerminalText(playing->Name)
                  << "\": " << CorrectionsText(playing->Corrections, "; ") << '\n';
    const double searched = ApplyExactOptions(options.Exact, gs);
    const ExactSummary summary = AnalyseInForce(gs, searched);
    if (options.Format == OutputFormat::Json)
        WriteAnalysisJson(out, gs.PlayingStrategyName, summary);
    else
        PrintAnalysis(out, gs.PlayingStrategyName, summary);
}

} // namespace bj::sim
