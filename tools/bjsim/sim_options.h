#pragma once

#include "engine/currency.h"
#include "tools/bjsim/exact_options.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace bj::sim {

enum class OutputFormat { Table, Csv, Json };

struct SimOptions {
    std::string DbPath; // empty: the database the desktop program would use
    std::int32_t PlayingRef = 1;
    bool Variable = false; // betting kind; BettingRef names a streak strategy otherwise
    std::int32_t BettingRef = 1;
    std::optional<std::int32_t> Decks;
    std::int64_t Sessions = 1;
    std::int32_t HandsPerSession = 1000;
    std::optional<Currency> MaxWin;
    std::optional<Currency> MaxLoss;
    std::optional<std::int32_t> BailOutPercent;
    std::optional<std::uint64_t> Seed; // none: drawn at random
    std::int32_t Threads = 1; // ParseOptions makes it every core unless --threads is given
    OutputFormat Format = OutputFormat::Table;
    bool Help = false;
    ExactOptions Exact;
};

// A command line the tool cannot act on; what() is the message for the user.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

SimOptions ParseOptions(const std::vector<std::string>& args);

std::string HelpText();

} // namespace bj::sim
