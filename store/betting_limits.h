#pragma once

namespace bj {

// What the betting editors accept, and so what a loaded strategy is held to.
// The stored bet columns hold 16-bit whole numbers, so no streak bet may pass this.
constexpr int kLargestStreakBet = 32767;
constexpr int kMostDecksInShoe = 8;
// Every variable amount stays within this either way, so every bet fits the table's
// whole-number bet.
constexpr double kLargestVariableAmount = 1e9;
// The variable bets are amounts with two decimals, so none may be zero or less.
constexpr double kSmallestVariableBet = 0.01;

} // namespace bj
