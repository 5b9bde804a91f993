#pragma once

#include "shell/navigation.h"

#include <cstdint>

class QComboBox;

namespace bj {

class frmVariableConfig;

// Lists every stored variable strategy and selects the one at VariableListIndex, which
// raises the list's click.
void FillVariableStrategyList(AppContext& ctx, QComboBox* combo);
// Shows one stored strategy in the window and puts it in force. A strategy that is not
// stored is reported and changes nothing but VariableBetRefNo; false then.
bool LoadVariableStrategy(AppContext& ctx, std::int64_t refNo, frmVariableConfig& window);

} // namespace bj
