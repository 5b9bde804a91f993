#pragma once

#include "engine/exact_analysis.h"

#include <cstdint>
#include <optional>
#include <string>

namespace bj::sim {

enum class TableChoice { Stored, Basic, Best };

// The rules and table to play instead of the stored strategy's, and whether to simulate.
struct ExactOptions {
    bool Only = false; // analyse without simulating
    TableChoice Table = TableChoice::Stored;
    std::optional<std::int32_t> DealerSoft17;
    std::optional<std::int32_t> DoubleDownRule;
    std::optional<bool> DoubleOnSplits;
    std::optional<std::int32_t> InsuranceOn21;
};

// The exact analysis of the strategy in force, as reported beside a run.
struct ExactSummary {
    ExactResult Result;
    HouseRules Rules;
    double Seconds = 0; // the analysis
    double SearchSeconds = 0; // the search for the best table, when asked
};

// Whether `name` is one of the options above that take a value.
bool IsExactValueOption(const std::string& name);
// Throws UsageError for a value the option does not take.
void SetExactOption(ExactOptions& options, const std::string& name, const std::string& value);

std::string ExactHelpText();

} // namespace bj::sim
