#pragma once

#include "store/strategy_db.h"
#include "store/strategy_records.h"

#include <optional>
#include <vector>

namespace bj {

// Streak strategies (BettingStrategies). Lists are in ascending Ref_No.
std::vector<NamedRef> ListStreakStrategies(StrategyDb& db);
std::optional<StreakStrategy> LoadStreakStrategy(StrategyDb& db, std::int64_t refNo);
// Appends with HandsToPlay 50 and the default comment; returns the new Ref_No.
std::int64_t AppendStreakStrategy(StrategyDb& db, const StreakStrategy& strategy);
// False when strategy.RefNo does not exist. Refuses the protected default.
bool UpdateStreakStrategy(StrategyDb& db, const StreakStrategy& strategy);
// False when refNo does not exist. Refuses the protected default.
bool DeleteStreakStrategy(StrategyDb& db, std::int64_t refNo);

// Variable strategies (VariableBet).
std::vector<NamedRef> ListVariableStrategies(StrategyDb& db);
std::optional<VariableStrategy> LoadVariableStrategy(StrategyDb& db, std::int64_t refNo);
std::int64_t AppendVariableStrategy(StrategyDb& db, const VariableStrategy& strategy);
bool UpdateVariableStrategy(StrategyDb& db, const VariableStrategy& strategy);
bool DeleteVariableStrategy(StrategyDb& db, std::int64_t refNo);

// Put a loaded strategy in force: decks and lengths below 1 become 1, lengths above 10
// become 10, decks above 8 become 8; Null bets become 0.
void ApplyStreakStrategy(const StreakStrategy& strategy, GameState& gs);
// Amounts are taken to two decimals, as the editor shows them; sets VariableStrategyLoaded.
void ApplyVariableStrategy(const VariableStrategy& strategy, GameState& gs);

} // namespace bj
