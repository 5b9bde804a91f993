#include "engine/hand_rules.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <string>
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
// two cards and of the whole hand.
TEST(HandRules, ValuesAndRowsOfThePlayersHand) {
    const struct {
        std::vector<int> ranks;
        int value, firstTwo, whole; // -1: not checked
    } cases[] = {
        {{1, 1}, 12, 9, 9}, // "Soft 12": the first ace demoted
        {{1, 1, 9}, 21, -1, -1}, {{1, 6, 4}, 21, -1, -1}, {{1, 1, 1, 1}, 14, -1, -1},
        {{10, 6, 9}, 25, -1, -1}, {{13, 1}, 21, 0, 0}, // 21: no row
        {{2, 2}, 4, 0, 0}, // hard 4
        {{5, 6}, 11, 7, 7}, {{1, 6}, 17, 19, 19}, // soft 17
        {{1, 6, 2}, 19, 19, 22}, // three-card 19 uses the hard row
        {{10, 10}, 20, 24, 24}, {{1, 9}, 20, 25, 25}, // soft 20
    };
    for (const auto& c : cases) {
        GameState gs;
        Hold(gs, kPlayer, c.ranks);
        EXPECT_EQ(HandValue(gs, kPlayer), c.value);
        EXPECT_EQ(HandTotal(gs, kPlayer), c.value) << "demotions stay";
        if (c.firstTwo >= 0) {
            EXPECT_EQ(PlayerRowFirstTwo(gs), c.firstTwo);
            EXPECT_EQ(PlayerRow(gs), c.whole);
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
    const struct {
        std::vector<int> ranks;
        int column;
        bool soft17;
    } cases[] = {{{6, 1}, 0, true}, {{1, 6}, 5, true}, {{5, 13}, 1, false}, {{10, 2}, 9, false},
        {{1, 2, 4}, 9, false}, {{10, 7}, 4, false}};
    for (const auto& c : cases) {
        GameState gs;
        Hold(gs, kDealer, c.ranks);
        EXPECT_EQ(DealerColumn(gs), c.column);
        EXPECT_EQ(IsDealerSoft17(gs), c.soft17);
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

TEST(HandRules, SplitNeedsTheSameFace) {
    const struct {
        std::vector<int> ranks;
        bool pair;
    } cases[]
        = {{{10, 11}, false}, {{13, 13}, true}, {{8, 8}, true}, {{7, 8}, false}, {{1, 13}, false}};
    for (const auto& c : cases) {
        GameState gs = test::FlatTable(1);
        for (auto& row : gs.StrategyMatrix)
            row.fill(kSplitOrStand);
        Hold(gs, kPlayer, c.ranks);
        Hold(gs, kDealer, {10, 7});
        int splits = 0;
        EXPECT_EQ(CheckSplit(gs, kPlayer, splits), c.pair);
        EXPECT_EQ(splits, c.pair ? 1 : 0);
    }
}

TEST(HandRules, DoubleDownRules) {
    const struct {
        int rule;
        std::vector<int> ranks;
        int action;
        bool may;
    } cases[] = {
        {0, {4, 5}, kDoubleDown, true}, {1, {4, 5}, kDoubleDown, false}, // "10 and 11 Only"
        {1, {4, 6}, kSplitOrDouble, true}, {0, {4, 5}, kHit, false},
        {0, {2, 3, 4}, kDoubleDown, false}, // three cards
    };
    for (const auto& c : cases) {
        GameState gs = test::FlatTable(1);
        for (auto& row : gs.StrategyMatrix)
            row.fill(static_cast<std::int8_t>(c.action));
        gs.DoubleDownRule = c.rule;
        Hold(gs, kPlayer, c.ranks);
        Hold(gs, kDealer, {10, 7});
        EXPECT_EQ(MayDouble(gs, kPlayer), c.may);
    }
}

} // namespace
} // namespace bj
