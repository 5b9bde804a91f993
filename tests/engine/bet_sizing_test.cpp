#include "engine/bet_sizing.h"
#include "engine/settlement.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace bj {
namespace {

// The bet after each result of the string (W win, L loss, P push), from the first bet; the
// batch loop's bets, looked up in its table, must be the same.
std::vector<std::int64_t> Bets(GameState gs, const std::string& results) {
    SetFirstBet(gs);
    const StreakBetTable table(gs);
    std::vector<std::int64_t> bets {gs.CurrentBet};
    for (char r : results) {
        if (r == 'P') {
            SettlePush(gs);
        } else {
            r == 'W' ? SettleWin(gs, false, false) : SettleLoss(gs, false);
            GameState batch = gs;
            NextBatchBet(batch);
            NextBet(gs);
            EXPECT_EQ(batch.CurrentBet, gs.CurrentBet) << "batch bet after " << results;
        }
        bets.push_back(gs.CurrentBet);
    }
    return bets;
}

GameState Streak(std::vector<double> winning, std::vector<double> losing) {
    GameState gs = test::FlatTable();
    gs.BettingType = kStreakBetting;
    gs.WinStreakLength = static_cast<int>(winning.size());
    gs.LoseStreakLength = static_cast<int>(losing.size());
    for (std::size_t i = 0; i < winning.size(); ++i)
        gs.WinningHandBets[i + 1] = winning[i];
    for (std::size_t i = 0; i < losing.size(); ++i)
        gs.LosingHandBets[i + 1] = losing[i];
    return gs;
}

GameState Variable(
    double initial, double step, double min, double max, int maintain, bool subtract) {
    GameState gs = test::FlatTable();
    gs.InitialBet = initial;
    gs.WinBet = gs.LoseBet = step;
    gs.MinimumBet = min;
    gs.MaximumBet = max;
    gs.MaintainMax = gs.MaintainMin = static_cast<std::uint8_t>(maintain);
    gs.WinAddSub = gs.LoseAddSub = subtract ? 1 : 0;
    return gs;
}

using Seq = std::vector<std::int64_t>;

TEST(BetSizing, BetsAfterEachResult) {
    const GameState streak = Streak({10, 20, 40}, {15, 30});
    const std::tuple<const char*, GameState, const char*, Seq> cases[] = {
        {"streak: past the last winning bet it stays", streak, "WWWWWWWWW",
            {10, 10, 20, 40, 40, 40, 40, 40, 40, 40}},
        {"streak: a loss starts the losing bets", streak, "WWLLL", {10, 10, 20, 15, 30, 30}},
        {"streak: a push keeps the streak", streak, "WPPW", {10, 10, 10, 10, 20}},
        {"streak: past ten in a row the last amount in use stays",
            Streak({10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, {5}), "WWWWWWWWWWWWL",
            {10, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 100, 100, 5}},
        {"add to the maximum, then back to the initial bet", Variable(10, 5, 5, 25, 1, false),
            "WWWWW", {10, 15, 20, 25, 10, 15}},
        {"add to the maximum and stay there", Variable(10, 5, 5, 25, 0, false), "WWWWW",
            {10, 15, 20, 25, 25, 25}},
        {"a step past the maximum is lowered to it", Variable(20, 7, 5, 25, 0, false), "WW",
            {20, 25, 25}},
        {"subtract to the minimum, then back to the initial bet", Variable(20, 5, 10, 50, 1, true),
            "LLLL", {20, 15, 10, 20, 15}},
        {"subtract past the minimum is raised to it", Variable(12, 5, 5, 50, 0, true), "LLL",
            {12, 7, 5, 5}},
        {"a push keeps the bet", Variable(10, 5, 5, 50, 0, false), "WPW", {10, 15, 15, 20}},
        {"each side keeps its own limit rule and direction",
            [] {
                GameState gs = Variable(10, 5, 5, 20, 0, false);
                gs.MaintainMax = 1;
                gs.LoseAddSub = 1;
                return gs;
            }(),
            "WWWLLLL", {10, 15, 20, 10, 5, 5, 5, 5}},
        {"an initial bet of 12.5 rounds half to even", Variable(12.5, 0, 1, 50, 0, false), "",
            {12}},
    };
    for (const auto& [name, gs, results, bets] : cases)
        EXPECT_EQ(Bets(gs, results), bets) << name;
}

// The streak editor's return marks a streak start in the middle of a streak; the next bet then
// looks one step further.
TEST(BetSizing, AStreakStartMarkedMidStreakStepsOnceMore) {
    GameState gs = Streak({10, 20, 30, 40, 50}, {5});
    SetFirstBet(gs);
    for (int hand = 1; hand <= 3; ++hand) {
        if (hand == 3)
            gs.StreakStart = true;
        SettleWin(gs, false, false);
        NextBet(gs);
    }
    EXPECT_EQ(gs.CurrentBet, 40);
}

// Halves go to the even amount, as everywhere money is rounded.
TEST(BetSizing, ResetBetByKindAndStreakAmountRoundHalfToEven) {
    EXPECT_EQ(StreakAmount(12.5), 12);
    GameState gs = Variable(12.5, 0, 1, 50, 0, false);
    EXPECT_EQ(ResetBet(gs), 12);
    gs.BettingType = kStreakBetting;
    EXPECT_EQ(ResetBet(gs), 5);
}

} // namespace
} // namespace bj
