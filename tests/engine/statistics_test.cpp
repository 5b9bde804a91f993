#include "engine/settlement.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace bj {
namespace {

// Plays out a string of results: W a win, L a loss, P a push.
GameState Play(const std::string& results) {
    GameState gs = test::FlatTable();
    for (char r : results) {
        if (r == 'W')
            SettleWin(gs, false, false);
        else if (r == 'L')
            SettleLoss(gs, false);
        else
            SettlePush(gs);
    }
    return gs;
}

TEST(Statistics, StreaksAndTheirFinishedLengths) {
    const GameState gs = Play("WWWLWWWWWPL");
    EXPECT_EQ(gs.StreakStopCounts[kWinning][3], 1);
    EXPECT_EQ(gs.StreakStopCounts[kWinning][5], 1); // a push does not break a streak
    EXPECT_EQ(gs.StreakStopCounts[kLosing][1], 1);
    EXPECT_EQ(gs.MaxWinStreak, 5);
    EXPECT_EQ(gs.LoseStreak, 1);
    EXPECT_EQ(gs.WinStreak, 0);
    EXPECT_EQ(gs.HandsWon, 8);
    EXPECT_EQ(gs.HandsLost, 2);
    EXPECT_EQ(gs.TiedHands, 1);
    EXPECT_FALSE(gs.StreakStart);
    EXPECT_TRUE(gs.StreakFlipped);
}

TEST(Statistics, LongStreaksCountAtTwentySix) {
    const GameState gs = Play(std::string(30, 'L') + "W");
    EXPECT_EQ(gs.StreakStopCounts[kLosing][26], 1);
    EXPECT_EQ(gs.MaxLoseStreak, 30);
    EXPECT_EQ(gs.MinBankroll, Currency::FromWhole(9700));
    EXPECT_EQ(gs.MaxBankroll, Currency::FromWhole(10000));
}

TEST(Statistics, ResetPutsEverythingBack) {
    GameState gs = Play("WWLLWP");
    ResetStatistics(gs);
    EXPECT_EQ(gs.Bankroll, Currency::FromWhole(10000));
    EXPECT_EQ(gs.HandsWon + gs.HandsLost + gs.TiedHands, 0);
    EXPECT_EQ(gs.StreakStopCounts[kWinning][2], 0);
    EXPECT_TRUE(gs.StreakStart);
    EXPECT_FALSE(gs.StreakFlipped);
}

} // namespace
} // namespace bj
