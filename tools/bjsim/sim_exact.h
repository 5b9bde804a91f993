#pragma once

#include "engine/game_state.h"
#include "store/strategy_db.h"
#include "tools/bjsim/exact_options.h"
#include "tools/bjsim/sim_run.h"

#include <iosfwd>

namespace bj::sim {

// Puts the rule overrides and the chosen table into the loaded playing strategy; returns the
// seconds the search for the best table took.
double ApplyExactOptions(const ExactOptions& options, GameState& gs);

ExactSummary AnalyseInForce(const GameState& gs, double searchSeconds);

// "dealer stands on soft 17, double down on any hand, ..."
std::string RulesText(const HouseRules& rules);

// The simulated return per round in bets beside the exact one, for the summary.
void PrintExactComparison(std::ostream& out, const SimResult& result);
// The same as JSON members, each line ending with a comma.
void WriteExactJsonFields(std::ostream& out, const SimResult& result);

// --exact-only: loads the playing strategy, analyses it and prints the analysis (text or JSON).
void RunExactOnly(StrategyDb& db, const SimOptions& options, std::ostream& out);

} // namespace bj::sim
