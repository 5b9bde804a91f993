#include "engine/hand_rules.h"
#include "engine/shoe.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

namespace bj {
namespace {

TEST(Shoe, BuildsInDeckSuitRankOrder) {
    GameState gs;
    gs.DecksInShoe = 2;
    BuildShoe(gs);
    ASSERT_EQ(gs.CardsLeft, 104);
    const std::tuple<int, int, int> cases[]
        = {{1, 1, 1}, {13, 13, 1}, {14, 1, 2}, {52, 13, 4}, {53, 1, 1}, {104, 13, 4}};
    for (const auto& [row, rank, suit] : cases) {
        EXPECT_EQ(gs.Shoe[row - 1].rank, rank) << row;
        EXPECT_EQ(gs.Shoe[row - 1].suit, suit) << row;
    }
}

TEST(Shoe, RebuildsWhenAThirdIsLeft) {
    GameState gs;
    BuildShoe(gs);
    for (int draw = 1; draw <= 34; ++draw)
        DrawCard(gs, gs.Rng);
    EXPECT_EQ(gs.CardsLeft, 18);
    DrawCard(gs, gs.Rng); // leaves 17, and 52 x 0.33 = 17.16
    EXPECT_EQ(gs.CardsLeft, 52);
    SetDecksInShoe(gs, 6); // the next card finds 51 of 6 decks left, under 102.96
    DrawCard(gs, gs.Rng);
    EXPECT_EQ(gs.CardsLeft, 312);
    SetDecksInShoe(gs, 1);
    DrawCard(gs, gs.Rng); // 311 left, over the one deck's 17.16: no rebuild
    EXPECT_EQ(gs.CardsLeft, 311);
    SetDecksInShoe(gs, 6);
    BuildShoe(gs);
    for (int draw = 1; draw <= 209; ++draw)
        DrawCard(gs, gs.Rng);
    EXPECT_EQ(gs.CardsLeft, 103);
    DrawCard(gs, gs.Rng); // leaves 102, the first count under 102.96
    EXPECT_EQ(gs.CardsLeft, 312);
}

TEST(Shoe, DealsFacesAndCountValues) {
    const std::tuple<int, int, const char*> cases[]
        = {{1, 11, "A"}, {2, 2, "2"}, {10, 10, "10"}, {11, 10, "J"}, {12, 10, "Q"}, {13, 10, "K"}};
    for (const auto& [rank, value, face] : cases) {
        GameState gs;
        BuildShoe(gs);
        StackShoe(gs, {Card {static_cast<std::uint8_t>(rank), kHearts}});
        const int position = AddCard(gs, kDealer, TakeStackedCard(gs));
        const CardSlot& slot = gs.CardSlots[kDealer][position];
        EXPECT_EQ(position, 1);
        EXPECT_TRUE(HoldsCard(gs, kDealer, 1));
        EXPECT_EQ(slot.value, value);
        EXPECT_EQ(slot.suit, kHearts);
        EXPECT_STREQ(FaceText(slot.rank), face);
        EXPECT_EQ(gs.CardsLeft, 51); // the stacked card came out of the shoe
    }
}

TEST(Shoe, DrawsEveryRemainingCardEquallyOften) {
    // Chi-square over the 52 cards of one deck, first draw of a fresh shoe each time.
    GameState gs;
    SeedRandom(gs, 99);
    std::array<int, 53> seen {};
    const int draws = 52 * 2000;
    for (int i = 0; i < draws; ++i) {
        BuildShoe(gs);
        const Card card = DrawCard(gs, gs.Rng);
        ++seen[(card.suit - 1) * 13 + card.rank];
    }
    double chi2 = 0;
    for (int card = 1; card <= 52; ++card)
        chi2 += std::pow(seen[card] - 2000.0, 2) / 2000.0;
    EXPECT_LT(chi2, 90.0); // 51 degrees of freedom: p < 0.001 above about 87
}

} // namespace
} // namespace bj
