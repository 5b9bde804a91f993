#include "engine/hand_rules.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace bj {
namespace {

// Puts the given ranks into a hand's positions 1..n, as dealt.
void Hold(GameState& gs, int who, const std::vector<int>& ranks) {
    int position = 1;
    for (int rank : ranks) {
        gs.CardSlots[who][position++] = CardSlot {
            static_cast<std::uint8_t>(rank), kSpades, static_cast<std::int8_t>(CountValue(rank))};
    }
    RecountHand(gs, who, static_cast<int>(ranks.size()));
}

// The value demotes aces only as far as needed, and the demotions stay; the row of the first
// two cards and of the whole hand (-1: not checked).
TEST(HandRules, ValuesAndRowsOfThePlayersHand) {
    const std::tuple<std::vector<int>, int, int, int> cases[] = {
        {{1, 1}, 12, 9, 9}, // "Soft 12": the first ace demoted
        {{1, 1, 9}, 21, -1, -1}, {{1, 6, 4}, 21, -1, -1}, {{1, 1, 1, 1}, 14, -1, -1},
        {{10, 6, 9}, 25, -1, -1}, {{13, 1}, 21, 0, 0}, // 21: no row
        {{2, 2}, 4, 0, 0}, // hard 4
        {{5, 6}, 11, 7, 7}, {{1, 6}, 17, 19, 19}, // soft 17
        {{1, 6, 2}, 19, 19, 22}, // three-card 19 uses the hard row
        {{10, 10}, 20, 24, 24}, {{1, 9}, 20, 25, 25}, // soft 20
    };
    for (const auto& [ranks, value, firstTwo, whole] : cases) {
        GameState gs;
        Hold(gs, kPlayer, ranks);
        EXPECT_EQ(HandValue(gs, kPlayer), value);
        EXPECT_EQ(HandTotal(gs, kPlayer), value) << "demotions stay";
        if (ranks == std::vector<int> {1, 1, 9}) { // the first ace is the one demoted
            EXPECT_EQ(gs.CardSlots[kPlayer][1].value, 1);
            EXPECT_EQ(gs.CardSlots[kPlayer][2].value, 11);
        }
        if (firstTwo >= 0) {
            EXPECT_EQ(PlayerRowFirstTwo(gs), firstTwo);
            EXPECT_EQ(PlayerRow(gs), whole);
        }
    }
}

// Every total finds the row the editor names for it; a total no row covers (a blackjack, a
// bust, a demoted pair's first two cards) falls back to row 0.
TEST(HandRules, EveryTotalFindsTheRowNamedForIt) {
    for (int soft = 0; soft <= 1; ++soft) {
        for (int total = 0; total <= 40; ++total) {
            std::string name = std::to_string(total);
            if (soft && total >= 12)
                name = "Soft " + name;
            const bool covered = total >= 4 && total <= 20;
            EXPECT_EQ(PlayerHandText(RowOfTotal(total, soft)), covered ? name : "4")
                << total << (soft ? " soft" : " hard");
        }
    }
}

TEST(HandRules, DealerColumnsAndSoft17) {
    const std::tuple<std::vector<int>, int, bool> cases[] = {{{6, 1}, 0, true}, {{1, 6}, 5, true},
        {{5, 13}, 1, false}, {{10, 2}, 9, false}, {{1, 2, 4}, 9, false}, {{10, 7}, 4, false}};
    for (const auto& [ranks, column, soft17] : cases) {
        GameState gs;
        Hold(gs, kDealer, ranks);
        EXPECT_EQ(DealerColumn(gs), column);
        EXPECT_EQ(IsDealerSoft17(gs), soft17);
    }
}

TEST(HandRules, StrategyIndexesRowThenColumn) {
    GameState gs;
    gs.StrategyMatrix[9][0] = kSplitOrHit; // Soft 12 against an ace
    gs.StrategyMatrix[0][9] = kDoubleDown; // hard 4 against a two
    Hold(gs, kPlayer, {1, 1});
    HandValue(gs, kPlayer);
    Hold(gs, kDealer, {10, 1});
    int splits = 0;
    EXPECT_TRUE(CheckSplit(gs, kPlayer, splits));
    EXPECT_EQ(splits, 1);
    Hold(gs, kPlayer, {2, 2});
    Hold(gs, kDealer, {10, 2});
    EXPECT_TRUE(MayDouble(gs, kPlayer));
}

// A split needs the same face, a double two cards and, under "10 and 11 Only", 10 or 11.
TEST(HandRules, SplitAndDoubleDownRules) {
    const std::tuple<int, std::vector<int>, int, bool, bool> cases[]
        = {{0, {10, 11}, kSplitOrStand, false, false}, {0, {13, 13}, kSplitOrStand, true, false},
            {0, {8, 8}, kSplitOrStand, true, false}, {0, {7, 8}, kSplitOrStand, false, false},
            {0, {1, 13}, kSplitOrStand, false, false}, {0, {4, 5}, kDoubleDown, false, true},
            {1, {4, 5}, kDoubleDown, false, false}, {1, {4, 6}, kSplitOrDouble, false, true},
            {0, {4, 5}, kHit, false, false}, {0, {2, 3, 4}, kDoubleDown, false, false}};
    for (const auto& [rule, ranks, action, split, doubles] : cases) {
        GameState gs = test::FlatTable(1);
        for (auto& row : gs.StrategyMatrix)
            row.fill(static_cast<std::int8_t>(action));
        gs.DoubleDownRule = rule;
        Hold(gs, kPlayer, ranks);
        Hold(gs, kDealer, {10, 7});
        int splits = 0;
        EXPECT_EQ(CheckSplit(gs, kPlayer, splits), split) << ranks[0] << "," << ranks[1];
        EXPECT_EQ(splits, split ? 1 : 0);
        EXPECT_EQ(MayDouble(gs, kPlayer), doubles) << ranks[0] << "," << ranks[1];
    }
}

} // namespace
} // namespace bj
