#pragma once

#include "engine/game_state.h"

#include <array>
#include <cstdint>

namespace bj {

// The analysis works from an infinite shoe: every card is an ace, two .. nine with chance
// 1/13 and ten-valued with 4/13, whatever has been dealt. Re-splits then need no limit: the
// hands of a split round play alike and meet only through the dealer's one hand, so the
// round is worth the mean number of hands, 2 (1 - 1/13) / (1 - 2/13) = 24/11, times one hand.
// The round code stops re-splitting at 64 hands; the chance of reaching that is below 1e-30.

using StrategyTable = std::array<std::array<std::int8_t, kDealerColumns>, kPlayerRows>;

// The house rules and the player's choice with a blackjack against an ace, as in GameState.
struct HouseRules {
    std::int32_t DoubleDownRule = 0; // 0 any hand, 1 ten and eleven only
    bool DoubleOnSplits = false;
    std::int32_t DealerSoft17 = 0; // 0 hits soft 17, 1 stands
    std::int32_t InsuranceOn21 = kTakeEvenMoney;
};

struct PlayingTable {
    HouseRules Rules;
    StrategyTable StrategyMatrix {}; // [PlayerRow][DealerColumn]
    std::array<bool, kPlayerRows> InsuranceByRow {};
};

PlayingTable PlayingTableOf(const GameState& gs);
void PutPlayingTable(const PlayingTable& table, GameState& gs);

// Everything per round and in units of the bet. A round is won, pushed or lost as its net
// result (insurance included, all split hands together) is above, at or below zero.
struct ExactResult {
    double Return = 0;
    double Win = 0, Push = 0, Loss = 0;
    // The return of a round whose first two cards make the row, against the dealer's card,
    // and the chance of such a round; blackjacks belong to no row.
    std::array<std::array<double, kDealerColumns>, kPlayerRows> RowReturn {};
    std::array<std::array<double, kDealerColumns>, kPlayerRows> RowChance {};
};

ExactResult AnalyseStrategy(const PlayingTable& table);

// The expected return alone, cheaper; a column's return depends on that column of the
// matrix only (and on the insurance rows for the ace).
double ExpectedReturn(const PlayingTable& table);
double ColumnReturn(const PlayingTable& table, int column);
double ColumnChance(int column);

} // namespace bj
