#include "engine/hand_rules.h"
#include "engine/round.h"
#include "engine/table_observer.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace bj {
namespace {

using test::SetRow;

// Player hand rows.
constexpr int kFour = 0, kHard9 = 5, kHard11 = 7, kHard12 = 8, kSoft12 = 9, kHard13 = 10,
              kHard14 = 12, kHard16 = 16, kSoft17 = 19, kHard19 = 22, kHard20 = 24, kSoft20 = 25;

// Records the table events of a round in order, for checking what a window would show; also the
// player's cards as each split hand is reported played, and every bet shown.
struct RoundWatcher : TableObserver {
    const GameState& gs;
    std::vector<std::string> events, hands;
    std::vector<std::int64_t> bets;
    explicit RoundWatcher(const GameState& state)
        : gs(state) { }
    void InsuranceTaken() override { events.push_back("insurance"); }
    void DoubledDown() override { events.push_back("double"); }
    void SplitStarted() override { events.push_back("split"); }
    void SplitHandDoubled() override { events.push_back("split-double"); }
    void SplitHandPlayed(int index, int total) override {
        events.push_back("played " + std::to_string(index) + ":" + std::to_string(total));
        std::string ranks;
        for (int position = 1; position <= CardCount(gs, kPlayer); ++position)
            ranks += std::to_string(gs.CardSlots[kPlayer][position].rank) + " ";
        hands.push_back(ranks);
    }
    void SplitHandsPlayed() override { events.push_back("split-played"); }
    void HandSettled() override { events.push_back("settled"); }
    void HandPushed() override { events.push_back("push"); }
    void HandEnded(int index, int total) override {
        events.push_back("end " + std::to_string(index) + ":" + std::to_string(total));
    }
    void SplitRoundEnded(int hands) override {
        events.push_back("split-end " + std::to_string(hands));
    }
    void WaitForContinue() override { events.push_back("pause"); }
    void BetChanged() override { bets.push_back(gs.CurrentBet); }
};

struct RoundCase {
    const char* name;
    std::function<void(GameState&)> setup;
    // Dealer's hole card, dealer's up card, the player's two cards, then every draw in order.
    std::vector<int> cards;
    double change;
    int won, lost, tied, hands;
    double wagered, insuranceWagered;
    // The tallies by kind and the table's events that only some rounds show.
    std::function<void(const GameState&, const RoundWatcher&)> also = nullptr;
    std::size_t cardsLeft = 0;
};

// Gives each listed row one action.
std::function<void(GameState&)> Rows(std::vector<std::pair<int, int>> actions) {
    return [=](GameState& gs) {
        for (const auto& [row, action] : actions)
            SetRow(gs, row, action);
    };
}
// Every row one action, then the listed rows theirs.
std::function<void(GameState&)> Every(int action, std::vector<std::pair<int, int>> actions = {}) {
    return [=](GameState& gs) {
        for (int row = 0; row < kPlayerRows; ++row)
            SetRow(gs, row, action);
        Rows(actions)(gs);
    };
}
const auto NoSetup = [](GameState&) {};
const auto SplitAces = Rows({{kSoft12, kSplitOrHit}});
const auto InsureTwenty = [](GameState& gs) { gs.InsuranceByRow[kHard20] = true; };
const auto EvenMoney = [](GameState& gs) { gs.InsuranceOn21 = kTakeEvenMoney; };
const auto InsureBlackjack = [](GameState& gs) { gs.InsuranceOn21 = kTakeInsurance; };
const auto HitsSoft17 = [](GameState& gs) { gs.DealerSoft17 = 0; };
void EvenMoneyWon(const GameState& gs, const RoundWatcher&) {
    EXPECT_EQ(gs.EvenMoneyAmountWon, Currency::FromWhole(10));
    EXPECT_EQ(gs.BlackjacksWon, 0);
}

const RoundCase kRounds[] = {
    {"dealer ten up, ace in the hole: player loses before deciding", NoSetup, {1, 10, 10, 8}, -10,
        0, 1, 0, 1, 10, 0},
    {"a dealer blackjack under a ten ends the round before a double", Every(kDoubleDown),
        {1, 10, 6, 5, 10}, -10, 0, 1, 0, 1, 10, 0, nullptr, 1},
    {"dealer blackjack against player blackjack pushes", NoSetup, {1, 10, 1, 13}, 0, 0, 0, 1, 1, 10,
        0},
    {"player blackjack is paid 3 to 2", NoSetup, {10, 7, 1, 13}, 15, 1, 0, 0, 1, 10, 0,
        [](const GameState& gs, const auto&) {
            EXPECT_EQ(gs.BlackjacksWon, 1);
            EXPECT_EQ(gs.BlackjackAmountWon, Currency::FromWhole(15));
        }},
    {"insurance bought, dealer blackjack: net zero, counted lost", InsureTwenty, {10, 1, 10, 10}, 0,
        0, 1, 0, 1, 10, 5,
        [](const GameState& gs, const auto&) { EXPECT_EQ(gs.InsuredHandsLost, 1); }},
    // The rows' insurance boxes are for hands without 21.
    {"a blackjack is not insured by its row's box",
        [](GameState& gs) { gs.InsuranceByRow.fill(true); }, {9, 1, 1, 13}, 15, 1, 0, 0, 1, 10, 0},
    {"insurance bought, no dealer blackjack: stake lost, then a push", InsureTwenty, {9, 1, 10, 10},
        -5, 0, 0, 1, 1, 10, 5},
    {"insurance lost, then the hand won", InsureTwenty, {8, 1, 10, 10}, 5, 1, 0, 0, 1, 10, 5,
        [](const GameState& gs, const RoundWatcher& table) {
            EXPECT_EQ(gs.AmountWonOnHand, Currency::FromWhole(5));
            EXPECT_EQ(gs.InsuranceResult, Currency::FromWhole(-5));
            EXPECT_EQ(gs.InsuredHandsWon, 1);
            EXPECT_EQ(gs.InsuranceAmountWon, Currency::FromWhole(5));
            EXPECT_EQ(gs.InsuranceAmountLost, Currency::FromWhole(5));
            EXPECT_EQ(table.events,
                (std::vector<std::string> {"insurance", "pause", "settled", "end -1:20"}));
        }},
    {"insurance lost, then the hand lost: stake and bet both count as lost", InsureTwenty,
        {5, 1, 10, 10, 5}, -15, 0, 1, 0, 1, 10, 5,
        [](const GameState& gs, const RoundWatcher&) {
            EXPECT_EQ(gs.InsuredHandsLost, 1);
            EXPECT_EQ(gs.InsuranceAmountLost, Currency::FromWhole(15));
        }},
    {"even money against a dealer blackjack pays one bet", EvenMoney, {10, 1, 1, 13}, 10, 1, 0, 0,
        1, 10, 0, EvenMoneyWon},
    {"even money without a dealer blackjack pays one bet", EvenMoney, {9, 1, 1, 13}, 10, 1, 0, 0, 1,
        10, 0, EvenMoneyWon},
    {"insured blackjack against a dealer blackjack: push plus insurance 2 to 1", InsureBlackjack,
        {10, 1, 1, 13}, 10, 1, 0, 0, 1, 10, 5,
        [](const GameState& gs, const auto&) {
            EXPECT_EQ(gs.InsuredHandsWon, 1);
            EXPECT_EQ(gs.InsuranceAmountWon, Currency::FromWhole(10));
        }},
    {"insured blackjack without a dealer blackjack: 3 to 2 less the stake", InsureBlackjack,
        {9, 1, 1, 13}, 10, 1, 0, 0, 1, 10, 5,
        [](const GameState& gs, const auto&) {
            EXPECT_EQ(gs.BlackjacksWon, 1);
            EXPECT_EQ(gs.BlackjackAmountWon, Currency::FromWhole(15));
            EXPECT_EQ(gs.InsuredHandsWon, 1);
            EXPECT_EQ(gs.InsuranceAmountWon, Currency::FromWhole(15));
            EXPECT_EQ(gs.InsuranceAmountLost, Currency::FromWhole(5));
        }},
    {"blackjack played out against a dealer blackjack pushes", NoSetup, {10, 1, 1, 13}, 0, 0, 0, 1,
        1, 10, 0},
    {"blackjack played out without a dealer blackjack", NoSetup, {9, 1, 1, 13}, 15, 1, 0, 0, 1, 10,
        0},
    {"double on 11 wins two bets", Rows({{kHard11, kDoubleDown}}), {10, 7, 6, 5, 10}, 20, 1, 0, 0,
        1, 20, 0},
    {"a doubled 12 that busts loses two bets", Rows({{kHard12, kDoubleDown}}), {10, 7, 10, 2, 10},
        -20, 0, 1, 0, 1, 20, 0},
    {"ten-and-eleven-only: a 9 marked double is hit instead",
        [](GameState& gs) {
            SetRow(gs, kHard9, kDoubleDown);
            gs.DoubleDownRule = 1;
        },
        {10, 7, 4, 5, 10}, 10, 1, 0, 0, 1, 10, 0},
    {"ten-and-eleven-only: an 11 marked double is doubled",
        [](GameState& gs) {
            SetRow(gs, kHard11, kDoubleDown);
            gs.DoubleDownRule = 1;
        },
        {10, 7, 6, 5, 10}, 20, 1, 0, 0, 1, 20, 0},
    {"split or stand on a hand that is no pair stands", Every(kHit, {{kHard16, kSplitOrStand}}),
        {10, 7, 10, 6, 5}, -10, 0, 1, 0, 1, 10, 0, nullptr, 1},
    {"dealer hits soft 17 when the rule says so", HitsSoft17, {1, 6, 10, 9, 4}, -10, 0, 1, 0, 1, 10,
        0},
    {"dealer stands on soft 17 when the rule says so", NoSetup, {1, 6, 10, 9}, 10, 1, 0, 0, 1, 10,
        0},
    // Only the first two cards make a soft 17: ace-2 drawing a 4 stands even where soft 17 hits.
    {"dealer stands on a three-card soft 17", HitsSoft17, {1, 2, 10, 8, 4, 4}, 10, 1, 0, 0, 1, 10,
        0, nullptr, 1},
    {"dealer draws again at 16", NoSetup, {10, 3, 10, 6, 3, 5}, -10, 0, 1, 0, 1, 10, 0},
    {"a dealer hand of ten cards under 17 draws an eleventh", NoSetup,
        {2, 2, 10, 10, 2, 2, 2, 2, 1, 1, 1, 1, 4}, 0, 0, 0, 1, 1, 10, 0},
    // Each split hand is reported played while its cards are still on the player's places.
    {"eights split three ways count three hands, each paused and ended",
        Rows({{kHard16, kSplitOrHit}}), {10, 7, 8, 8, 8, 10, 3, 9}, 0, 1, 1, 1, 3, 30, 0,
        [](const GameState& gs, const RoundWatcher& table) {
            EXPECT_EQ(table.events,
                (std::vector<std::string> {"split", "pause", "pause", "played 0:18", "played 1:11",
                    "played 2:17", "pause", "split-played", "settled", "end 0:18", "settled",
                    "end 1:11", "push", "end 2:17", "split-end 3"}));
            EXPECT_EQ(table.hands, (std::vector<std::string> {"8 10 ", "8 3 ", "8 9 "}));
            EXPECT_EQ(gs.PushStreak, 1);
        }},
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
        Rows({{kHard16, kSplitOrHit}, {kHard13, kHit}, {kHard14, kHit}}), {10, 7, 8, 8, 1, 5, 1, 5},
        20, 2, 0, 0, 2, 20, 0},
    {"a soft 17 hit becomes a hard 16 and hits again", Rows({{kSoft17, kHit}, {kHard16, kHit}}),
        {10, 7, 1, 6, 9, 4}, 10, 1, 0, 0, 1, 10, 0},
    {"a doubled soft 17 becomes a hard 16 and outlasts a busting dealer",
        Rows({{kSoft17, kDoubleDown}}), {10, 6, 1, 6, 9, 10}, 20, 1, 0, 0, 1, 20, 0},
    {"dealer soft 17 hit to a three-card hard 17 stands", HitsSoft17, {1, 6, 10, 7, 13}, 0, 0, 0, 1,
        1, 10, 0},
    {"dealer soft 16 turned hard by a ten draws again", NoSetup, {1, 5, 10, 10, 13, 5}, -10, 0, 1,
        0, 1, 10, 0},
    {"a doubled split hand pays its doubled bet",
        Rows({{kHard16, kSplitOrHit}, {kHard11, kDoubleDown}}), {10, 7, 8, 8, 3, 10, 10}, 30, 2, 0,
        0, 2, 30, 0,
        [](const GameState& gs, const auto&) {
            EXPECT_EQ(gs.DoubledHandsWon, 1);
            EXPECT_EQ(gs.DoubledAmountWon, Currency::FromWhole(20));
            EXPECT_EQ(gs.SplitAmountWon, Currency::FromWhole(30));
        }},
    {"without doubling after splits a split hand marked double is hit",
        [](GameState& gs) {
            Rows({{kHard16, kSplitOrHit}, {kHard11, kDoubleDown}})(gs);
            gs.DoubleOnSplits = false;
        },
        {10, 7, 8, 8, 3, 10, 10}, 20, 2, 0, 0, 2, 20, 0},
    {"split aces are not doubled where their row says double",
        Rows({{kSoft12, kSplitOrHit}, {kSoft20, kDoubleDown}}), {10, 7, 1, 1, 9, 9}, 20, 2, 0, 0, 2,
        20, 0},
    {"a split hand's two-card 21 is done even where its row says double",
        Rows({{kHard20, kSplitOrStand}, {kFour, kDoubleDown}}), {10, 7, 10, 10, 1, 9, 5}, 20, 2, 0,
        0, 2, 20, 0, nullptr, 1},
    {"the dealer draws nothing when every split hand busts", Every(kHit, {{kHard16, kSplitOrHit}}),
        {10, 6, 8, 8, 10, 4, 10, 4, 5}, -20, 0, 2, 0, 2, 20, 0, nullptr, 1},
    {"eights re-split into five hands, with no limit", Rows({{kHard16, kSplitOrHit}}),
        {10, 7, 8, 8, 8, 8, 8, 10, 10, 10, 10, 10}, 50, 5, 0, 0, 5, 50, 0},
    {"split aces take one card each where their row says hit",
        Every(kHit, {{kSoft12, kSplitOrHit}}), {10, 7, 1, 1, 2, 3, 9, 9}, -20, 0, 2, 0, 2, 20, 0,
        nullptr, 2},
    {"a soft 17 hit to 21 draws no more", Every(kHit), {7, 10, 1, 6, 4, 5}, 10, 1, 0, 0, 1, 10, 0,
        nullptr, 1},
    {"a three-card soft 19 plays the hard 19 row", Every(kHit, {{kHard19, kStand}}),
        {7, 10, 1, 6, 2, 5, 5, 5}, 10, 1, 0, 0, 1, 10, 0, nullptr, 3},
    {"a player hand of eleven cards stands", Every(kHit), {10, 7, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1},
        10, 1, 0, 0, 1, 10, 0},
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
    RoundWatcher table(gs);
    const int hands = PlayRound(gs, table);
    EXPECT_EQ(gs.StackedCards.size(), c.cardsLeft) << "stacked cards left undealt";
    EXPECT_DOUBLE_EQ(gs.Bankroll.ToDouble() - kStartingBankroll, c.change);
    EXPECT_EQ(gs.HandsWon, c.won);
    EXPECT_EQ(gs.HandsLost, c.lost);
    EXPECT_EQ(gs.TiedHands, c.tied);
    EXPECT_EQ(hands, c.hands);
    EXPECT_EQ(gs.AmountWageredCents, std::llround(c.wagered * 100));
    EXPECT_EQ(gs.InsuranceWageredCents, std::llround(c.insuranceWagered * 100));
    EXPECT_EQ(gs.CurrentBet, 10) << "a flat bet comes back after doubles";
    EXPECT_FALSE(gs.SplitThisHand);
    if (c.also)
        c.also(gs, table);
}

INSTANTIATE_TEST_SUITE_P(Rounds, RoundTest, ::testing::ValuesIn(kRounds),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// The win's step is added to the halved bet, not the doubled one.
TEST(Round, DoubledBetShowsDuringTheRoundAndIsHalvedAfter) {
    GameState gs = test::FlatTable();
    RoundWatcher table(gs);
    SetRow(gs, kHard11, kDoubleDown);
    gs.WinBet = 5; // add 5 after a win
    StackShoeRanks(gs, {10, 7, 6, 5, 10});
    PlayRound(gs, table);
    EXPECT_EQ(table.bets, (std::vector<std::int64_t> {20, 15}));
}

} // namespace
} // namespace bj
