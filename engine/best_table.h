#pragma once

#include "engine/exact_analysis.h"

#include <vector>

namespace bj {

// A basic strategy for an infinite shoe and the given rules (dealer peeks, no surrender);
// nothing insured.
PlayingTable BasicStrategy(const HouseRules& rules);

// Improves one cell or insurance row at a time, each change judged by the whole round's
// exact return, until no offered change raises it. Starts from `start`.
PlayingTable ImproveTable(PlayingTable start);

// The best table for the rules: ImproveTable from the basic strategy.
PlayingTable BestTable(const HouseRules& rules);

} // namespace bj
