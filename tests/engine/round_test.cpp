#include "engine/round.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <vector>

namespace bj {
namespace {

using test::SetRow;

// Player hand rows.
constexpr int kHard9 = 5, kHard11 = 7, kHard12 = 8, kSoft12 = 9, kHard13 = 10, kHard14 = 12,
              kHard16 = 16, kSoft17 = 19, kHard20 = 24;

struct RoundCase {
    const char* name;
    std::function<void(GameState&)> setup;
    // Dealer's hole card, dealer's up card, the player's two cards, then every draw in order.
    std::vector<int> cards;
    double change;
    int won, lost, tied, hands;
    double wagered, insuranceWagered;
    // The tallies by kind and the table's events that only some rounds show.
    std::function<void(const GameState&, const test::RecordingTable&)> also = nullptr;
};

void NoSetup(GameState&) {
}
void SplitAces(GameState& gs) {
    SetRow(gs, kSoft12, kSplitOrHit);
}
void EvenMoneyWon(const GameState& gs, const test::RecordingTable&) {
    EXPECT_EQ(gs.EvenMoneyAmountWon, Currency::FromWhole(10));
    EXPECT_EQ(gs.BlackjacksWon, 0);
}

const RoundCase kRounds[] = {
    {"dealer ten up, ace in the hole: player loses before deciding", NoSetup, {1, 10, 10, 8}, -10,
        0, 1, 0, 1, 10, 0},
    {"dealer blackjack against player blackjack pushes", NoSetup, {1, 10, 1, 13}, 0, 0, 0, 1, 1, 10,
        0},
    {"player blackjack is paid 3 to 2", NoSetup, {10, 7, 1, 13}, 15, 1, 0, 0, 1, 10, 0,
        [](const GameState& gs, const auto&) {
            EXPECT_EQ(gs.BlackjacksWon, 1);
            EXPECT_EQ(gs.BlackjackAmountWon, Currency::FromWhole(15));
        }},
    {"insurance bought, dealer blackjack: net zero, counted lost",
        [](GameState& gs) { gs.InsuranceByRow[kHard20] = true; }, {10, 1, 10, 10}, 0, 0, 1, 0, 1,
        10, 5},
    {"insurance bought, no dealer blackjack: stake lost, then a push",
        [](GameState& gs) { gs.InsuranceByRow[kHard20] = true; }, {9, 1, 10, 10}, -5, 0, 0, 1, 1,
        10, 5},
    {"insurance lost, then the hand won", [](GameState& gs) { gs.InsuranceByRow[kHard20] = true; },
        {8, 1, 10, 10}, 5, 1, 0, 0, 1, 10, 5,
        [](const GameState& gs, const test::RecordingTable& table) {
            EXPECT_EQ(gs.AmountWonOnHand, Currency::FromWhole(5));
            EXPECT_EQ(gs.InsuranceResult, Currency::FromWhole(-5));
            EXPECT_EQ(gs.InsuredHandsWon, 1);
            EXPECT_EQ(gs.InsuranceAmountWon, Currency::FromWhole(5));
            EXPECT_EQ(gs.InsuranceAmountLost, Currency::FromWhole(5));
            EXPECT_EQ(table.events,
                (std::vector<std::string> {"insurance", "pause", "settled", "end -1:20"}));
        }},
    {"even money against a dealer blackjack pays one bet",
        [](GameState& gs) { gs.InsuranceOn21 = kTakeEvenMoney; }, {10, 1, 1, 13}, 10, 1, 0, 0, 1,
        10, 0, EvenMoneyWon},
    {"even money without a dealer blackjack pays one bet",
        [](GameState& gs) { gs.InsuranceOn21 = kTakeEvenMoney; }, {9, 1, 1, 13}, 10, 1, 0, 0, 1, 10,
        0, EvenMoneyWon},
    {"insured blackjack against a dealer blackjack: push plus insurance 2 to 1",
        [](GameState& gs) { gs.InsuranceOn21 = kTakeInsurance; }, {10, 1, 1, 13}, 10, 1, 0, 0, 1,
        10, 5,
        [](const GameState& gs, const auto&) {
            EXPECT_EQ(gs.InsuredHandsWon, 1);
            EXPECT_EQ(gs.InsuranceAmountWon, Currency::FromWhole(10));
        }},
    {"insured blackjack without a dealer blackjack: 3 to 2 less the stake",
        [](GameState& gs) { gs.InsuranceOn21 = kTakeInsurance; }, {9, 1, 1, 13}, 10, 1, 0, 0, 1, 10,
        5},
    {"blackjack played out against a dealer blackjack pushes", NoSetup, {10, 1, 1, 13}, 0, 0, 0, 1,
        1, 10, 0},
    {"blackjack played out without a dealer blackjack", NoSetup, {9, 1, 1, 13}, 15, 1, 0, 0, 1, 10,
        0},
    {"double on 11 wins two bets", [](GameState& gs) { SetRow(gs, kHard11, kDoubleDown); },
        {10, 7, 6, 5, 10}, 20, 1, 0, 0, 1, 20, 0},
    {"a doubled 12 that busts loses two bets",
        [](GameState& gs) { SetRow(gs, kHard12, kDoubleDown); }, {10, 7, 10, 2, 10}, -20, 0, 1, 0,
        1, 20, 0},
    {"ten-and-eleven-only: a 9 marked double is hit instead",
        [](GameState& gs) {
            SetRow(gs, kHard9, kDoubleDown);
            gs.DoubleDownRule = 1;
        },
        {10, 7, 4, 5, 10}, 10, 1, 0, 0, 1, 10, 0},
    {"dealer hits soft 17 when the rule says so", [](GameState& gs) { gs.DealerSoft17 = 0; },
        {1, 6, 10, 9, 4}, -10, 0, 1, 0, 1, 10, 0},
    {"dealer stands on soft 17 when the rule says so", NoSetup, {1, 6, 10, 9}, 10, 1, 0, 0, 1, 10,
        0},
    {"dealer draws again at 16", NoSetup, {10, 3, 10, 6, 3, 5}, -10, 0, 1, 0, 1, 10, 0},
    {"eights split three ways count three hands",
        [](GameState& gs) { SetRow(gs, kHard16, kSplitOrHit); }, {10, 7, 8, 8, 8, 10, 3, 9}, 0, 1,
        1, 1, 3, 30, 0},
    {"split aces take one card each, re-split, and 21 is no blackjack", SplitAces,
        {10, 7, 1, 1, 13, 1, 5, 9}, 10, 2, 1, 0, 3, 30, 0,
        [](const GameState& gs, const auto&) {
            EXPECT_EQ(gs.BlackjacksWon, 0);
            EXPECT_EQ(gs.SplitHandsWon, 2);
            EXPECT_EQ(gs.SplitHandsLost, 1);
        }},
    // Each case below turns on a card's count value: with the wrong value the result differs.
    {"re-split aces: the ace kept first counts 11 again and draws a ten", SplitAces,
        {10, 7, 1, 1, 1, 13, 9, 9}, 30, 3, 0, 0, 3, 30, 0},
    {"re-split aces: the ace kept first counts 11 again and draws a small card", SplitAces,
        {10, 7, 1, 1, 1, 9, 9, 9}, 30, 3, 0, 0, 3, 30, 0},
    {"re-split aces drawing aces, in the first hand and a later one", SplitAces,
        {10, 7, 1, 1, 1, 9, 1, 9, 9, 9}, 40, 4, 0, 0, 4, 40, 0},
    {"an ace drawn to a split eight counts 11, and 1 once a hit would bust it",
        [](GameState& gs) {
            SetRow(gs, kHard16, kSplitOrHit);
            SetRow(gs, kHard13, kHit);
            SetRow(gs, kHard14, kHit);
        },
        {10, 7, 8, 8, 1, 5, 1, 5}, 20, 2, 0, 0, 2, 20, 0},
    {"a soft 17 hit becomes a hard 16 and hits again",
        [](GameState& gs) {
            SetRow(gs, kSoft17, kHit);
            SetRow(gs, kHard16, kHit);
        },
        {10, 7, 1, 6, 9, 4}, 10, 1, 0, 0, 1, 10, 0},
    {"a doubled soft 17 becomes a hard 16 and outlasts a busting dealer",
        [](GameState& gs) { SetRow(gs, kSoft17, kDoubleDown); }, {10, 6, 1, 6, 9, 10}, 20, 1, 0, 0,
        1, 20, 0},
    {"dealer soft 17 hit to a three-card hard 17 stands",
        [](GameState& gs) { gs.DealerSoft17 = 0; }, {1, 6, 10, 7, 13}, 0, 0, 0, 1, 1, 10, 0},
    {"dealer soft 16 turned hard by a ten draws again", NoSetup, {1, 5, 10, 10, 13, 5}, -10, 0, 1,
        0, 1, 10, 0},
    {"a doubled split hand pays its doubled bet",
        [](GameState& gs) {
            SetRow(gs, kHard16, kSplitOrHit);
            SetRow(gs, kHard11, kDoubleDown);
        },
        {10, 7, 8, 8, 3, 10, 10}, 30, 2, 0, 0, 2, 30, 0,
        [](const GameState& gs, const auto&) {
            EXPECT_EQ(gs.DoubledHandsWon, 1);
            EXPECT_EQ(gs.DoubledAmountWon, Currency::FromWhole(20));
            EXPECT_EQ(gs.SplitAmountWon, Currency::FromWhole(30));
        }},
    {"a player hand of eleven cards stands",
        [](GameState& gs) {
            for (int row = 0; row < kPlayerRows; ++row)
                SetRow(gs, row, kHit);
        },
        {10, 7, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1}, 10, 1, 0, 0, 1, 10, 0},
};

void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << c.name;
}

class RoundTest : public ::testing::TestWithParam<RoundCase> { };

TEST_P(RoundTest, SettlesAsTheRulesSay) {
    const RoundCase& c = GetParam();
    GameState gs = test::FlatTable();
    c.setup(gs);
    test::StackRanks(gs, c.cards);
    test::RecordingTable table;
    const int hands = PlayRound(gs, table);
    EXPECT_TRUE(gs.StackedCards.empty()) << "every stacked card is dealt";
    EXPECT_DOUBLE_EQ(test::BankrollChange(gs), c.change);
    EXPECT_EQ(gs.HandsWon, c.won);
    EXPECT_EQ(gs.HandsLost, c.lost);
    EXPECT_EQ(gs.TiedHands, c.tied);
    EXPECT_EQ(hands, c.hands);
    EXPECT_EQ(gs.AmountWagered, Currency::FromDouble(c.wagered));
    EXPECT_EQ(gs.InsuranceWagered, Currency::FromDouble(c.insuranceWagered));
    EXPECT_EQ(gs.CurrentBet, 10) << "a flat bet comes back after doubles";
    EXPECT_FALSE(gs.SplitThisHand);
    if (c.also)
        c.also(gs, table);
}

INSTANTIATE_TEST_SUITE_P(Rounds, RoundTest, ::testing::ValuesIn(kRounds),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// Only the first two cards make a soft 17: ace-2 drawing a 4 stands even where soft 17 hits.
TEST(Round, DealerStandsOnAThreeCardSoft17) {
    GameState gs = test::FlatTable();
    gs.DealerSoft17 = 0;
    StackShoeRanks(gs, {1, 2, 10, 8, 4, 4});
    test::RecordingTable table;
    PlayRound(gs, table);
    EXPECT_DOUBLE_EQ(test::BankrollChange(gs), 10);
    EXPECT_EQ(gs.StackedCards.size(), 1u) << "the dealer drew past a three-card 17";
}

// Each split hand is reported played while its cards are still on the player's places.
TEST(Round, SplitRoundPausesAndEndsEachHand) {
    struct HandWatcher : test::RecordingTable {
        GameState* gs = nullptr;
        std::vector<std::string> hands;
        void SplitHandPlayed(int index, int total) override {
            RecordingTable::SplitHandPlayed(index, total);
            std::string ranks;
            for (int position = 1; position <= CardCount(*gs, kPlayer); ++position)
                ranks += std::to_string(gs->CardSlots[kPlayer][position].rank) + " ";
            hands.push_back(ranks);
        }
    } table;
    GameState gs = test::FlatTable();
    table.gs = &gs;
    SetRow(gs, kHard16, kSplitOrHit);
    StackShoeRanks(gs, {10, 7, 8, 8, 8, 10, 3, 9});
    PlayRound(gs, table);
    const std::vector<std::string> expected {"split", "pause", "pause", "played 0:18",
        "played 1:11", "played 2:17", "pause", "split-played", "settled", "end 0:18", "settled",
        "end 1:11", "push", "end 2:17", "split-end 3"};
    EXPECT_EQ(table.events, expected);
    EXPECT_EQ(table.hands, (std::vector<std::string> {"8 10 ", "8 3 ", "8 9 "}));
    EXPECT_EQ(gs.PushStreak, 1);
}

TEST(Round, DoubledBetShowsDuringTheRoundAndIsHalvedAfter) {
    struct BetWatcher : test::RecordingTable {
        std::vector<std::int64_t> bets;
        GameState* gs = nullptr;
        void BetChanged() override { bets.push_back(gs->CurrentBet); }
    } table;
    GameState gs = test::FlatTable();
    table.gs = &gs;
    SetRow(gs, kHard11, kDoubleDown);
    gs.WinBet = 5; // add 5 after a win
    StackShoeRanks(gs, {10, 7, 6, 5, 10});
    PlayRound(gs, table);
    EXPECT_EQ(table.bets, (std::vector<std::int64_t> {20, 15}));
}

} // namespace
} // namespace bj
