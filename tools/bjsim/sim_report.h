#pragma once

#include "tools/bjsim/sim_run.h"

#include <iosfwd>
#include <string>

namespace bj::sim {

// Two decimals, halves to even; grouped with commas when asked ("###,##0.00").
std::string MoneyText(Currency amount, bool grouped);

// "played through", "win" or "loss".
const char* EndText(SessionEnd end);

void PrintTable(std::ostream& out, const SimResult& result);
void PrintCsvRows(std::ostream& out, const SimResult& result);
void PrintSummary(std::ostream& out, const SimResult& result);
void PrintJson(std::ostream& out, const SimResult& result);

} // namespace bj::sim
