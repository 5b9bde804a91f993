#pragma once

#include "shell/navigation.h"
#include "store/betting_limits.h"

#include <QString>
#include <cstdint>

class QComboBox;

namespace bj {

class Configuration;

// The streak editor's side of the stored streak strategies: the list, one strategy into the
// window and the game state, and the window's strategy out to the store.

// Lists every stored streak strategy and selects the one at StreakListIndex, which raises
// the list's click.
void FillStreakStrategyList(AppContext& ctx, QComboBox* combo);
// False when no such strategy is stored; nothing changes then.
bool LoadStreakStrategy(AppContext& ctx, std::int64_t refNo, Configuration& window);
// Asks, then deletes. False after No or a failure, which has been reported; a strategy
// already gone from the file counts as deleted.
bool DeleteStreakStrategy(AppContext& ctx, std::int64_t refNo, const QString& name);
// Appends a new strategy from the window; the new Ref_No, or 0 after a reported refusal or
// failure.
std::int64_t SaveStreakStrategy(AppContext& ctx, Configuration& window);

// The refusal of a bet above kLargestStreakBet.
QString StreakBetTooLargeText();

} // namespace bj
