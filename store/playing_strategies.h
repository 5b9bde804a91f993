#pragma once

#include "store/strategy_db.h"
#include "store/strategy_records.h"

#include <optional>
#include <vector>

namespace bj {

// Name and Ref_No of every playing strategy, ascending Ref_No.
std::vector<NamedRef> ListPlayingStrategies(StrategyDb& db);

std::optional<PlayingStrategy> LoadPlayingStrategyRecord(StrategyDb& db, std::int64_t refNo);

// Copies a stored strategy into the game state and returns it as put in force, with what the
// load corrected. A missing strategy leaves the state untouched and returns nothing; rows the
// store does not hold keep what the state had.
std::optional<PlayingStrategy> LoadPlayingStrategy(
    StrategyDb& db, std::int64_t refNo, GameState& gs);

// Puts a strategy in force as it is (name, Ref_No, house rules, all 26 rows), marked unchanged.
void PutPlayingStrategy(const PlayingStrategy& strategy, GameState& gs);

// The strategy in force, ready to save.
PlayingStrategy PlayingStrategyFromGameState(const GameState& gs);

// Stores a new strategy and its 26 rows in one transaction; returns its Ref_No.
std::int64_t InsertPlayingStrategy(StrategyDb& db, const PlayingStrategy& strategy);

// Rewrites the strategy strategy.RefNo and its rows; false when there is no such strategy.
// Refuses the protected default.
bool UpdatePlayingStrategy(StrategyDb& db, const PlayingStrategy& strategy);

// Deletes the rows, then the strategy; returns the number of strategies deleted (0 or 1).
// Refuses the protected default.
int DeletePlayingStrategy(StrategyDb& db, std::int64_t refNo);

} // namespace bj
