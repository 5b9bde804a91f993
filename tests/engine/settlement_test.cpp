#include "engine/settlement.h"
#include "engine_fixture.h"

#include "engine/session_merge.h"
#include "engine/session_stops.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <tuple>

namespace bj {
namespace {

// Plays out a string of results at a bet of 10: W a win, L a loss, P a push; S zeroes the
// current streaks as a session's start or stop does.
GameState Play(const std::string& results) {
    GameState gs = test::FlatTable();
    for (char r : results) {
        if (r == 'W')
            SettleWin(gs, false, false);
        else if (r == 'L')
            SettleLoss(gs, false);
        else if (r == 'S')
            gs.WinStreak = gs.LoseStreak = 0;
        else
            SettlePush(gs);
    }
    return gs;
}

TEST(Settlement, BlackjackOnTwentyFiveKeepsTheHalf) {
    GameState gs = test::FlatTable();
    gs.CurrentBet = 25;
    SettleWin(gs, true, false);
    EXPECT_EQ(gs.Bankroll, Currency::FromDouble(10037.5));
    EXPECT_EQ(gs.MaxBankroll, gs.Bankroll);
    EXPECT_EQ(gs.BlackjackAmountWon, Currency::FromDouble(37.5));
    EXPECT_EQ(gs.SessionEndBank, gs.Bankroll);
}

TEST(Settlement, InsuranceLostThenHandWonShowsTheNet) {
    GameState gs = test::FlatTable();
    gs.CurrentBet = 7;
    LoseInsuranceStake(gs);
    SettleWin(gs, false, true);
    EXPECT_EQ(gs.AmountWonOnHand, Currency::FromDouble(3.5));
    EXPECT_EQ(gs.InsuranceAmountWon, Currency::FromDouble(3.5));
    EXPECT_EQ(gs.InsuranceAmountLost, Currency::FromDouble(3.5));
    EXPECT_EQ(gs.Bankroll, Currency::FromDouble(10003.5));
    EXPECT_EQ(gs.MinBankroll, Currency::FromDouble(9996.5));
}

TEST(Settlement, DoubledAndSplitHandsAreCountedByKind) {
    GameState gs = test::FlatTable();
    gs.CurrentBet = 20;
    gs.DoubledThisHand = true;
    gs.SplitThisHand = true;
    SettleLoss(gs, false);
    EXPECT_EQ(gs.DoubledHandsLost, 1);
    EXPECT_EQ(gs.DoubledAmountLost, Currency::FromWhole(20));
    EXPECT_EQ(gs.SplitHandsLost, 1);
    EXPECT_EQ(gs.SplitAmountLost, Currency::FromWhole(20));
}

TEST(Settlement, StreaksAndTheirFinishedLengths) {
    const GameState gs = Play("WWWLWWWWWPL");
    EXPECT_EQ(gs.StreakStopCounts[kWinning][3], 1);
    EXPECT_EQ(gs.StreakStopCounts[kWinning][5], 1); // a push does not break a streak
    EXPECT_EQ(gs.StreakStopCounts[kLosing][1], 1);
    EXPECT_EQ(gs.MaxWinStreak, 5);
    EXPECT_EQ(gs.LoseStreak, 1);
    EXPECT_EQ(gs.WinStreak, 0);
    EXPECT_EQ(gs.HandsWon + gs.HandsLost + gs.TiedHands, 11);
    EXPECT_TRUE(gs.StreakFlipped);

    const GameState longLoss = Play(std::string(30, 'L') + "W");
    EXPECT_EQ(longLoss.StreakStopCounts[kLosing][26], 1);
    EXPECT_EQ(longLoss.MaxLoseStreak, 30);
    EXPECT_EQ(longLoss.MinBankroll, Currency::FromWhole(9700));

    // The capped count of the streak a change ends is zeroed with it, so a streak cut short
    // by a session's start or stop is not counted a second time.
    const GameState cut = Play("LLWSW");
    EXPECT_EQ(cut.StreakStopCounts[kLosing][2], 1);
    EXPECT_EQ(cut.LoseStreakCapped, 0);
}

using Total = Currency GameState::*;

// A settlement that would carry a total past the limit throws and leaves it as it was.
TEST(Settlement, MoneyPastTheLimitThrowsAndNothingWraps) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const std::tuple<const char*, Total, std::int64_t, std::function<void(GameState&)>> cases[] = {
        {"a win", &GameState::Bankroll, kMax - 5,
            [](GameState& gs) { SettleWin(gs, false, false); }},
        {"a blackjack", &GameState::Bankroll, kMax - 100000,
            [](GameState& gs) { SettleWin(gs, true, false); }},
        {"a loss", &GameState::Bankroll, kMin + 5, [](GameState& gs) { SettleLoss(gs, false); }},
        {"an insurance stake", &GameState::Bankroll, kMin + 5, &LoseInsuranceStake},
        {"the amount wagered", &GameState::AmountWagered, kMax - 5, &SettlePush},
        {"the insurance wagered", &GameState::InsuranceWagered, kMax - 5, &SettleInsuranceWon},
        {"the blackjack amount won", &GameState::BlackjackAmountWon, kMax - 5,
            [](GameState& gs) { SettleWin(gs, true, false); }},
    };
    for (const auto& [what, total, units, settle] : cases) {
        GameState gs = test::FlatTable();
        gs.MultiSessionMode = true;
        BeginSession(gs, Currency::FromWhole(100), Currency::FromWhole(100));
        gs.*total = Currency::FromUnits(units);
        EXPECT_THROW(settle(gs), CurrencyOverflow) << what;
        EXPECT_EQ((gs.*total).Units(), units) << what;
    }
}

// An overflow names the total that grew, whether a hand or a merged session carried it over.
TEST(Settlement, AnOverflowNamesTheTotalThatGrew) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const auto grown = [](const std::string& name) {
        return "The " + name
            + " has grown past 922,337,203,685,477.58, the limit of what it can hold; the run "
              "stops.";
    };
    SessionTotals wagered;
    wagered.AmountWagered = wagered.InsuranceWagered = Currency::FromWhole(1);
    const auto merge = [&](GameState& gs) { MergeSession(gs, wagered, 1); };
    const std::tuple<Total, std::function<void(GameState&)>, std::string> cases[] = {
        {&GameState::Bankroll, [](GameState& gs) { SettleWin(gs, false, false); },
            "The bankroll has grown past 922,337,203,685,477.58, the limit of what the bankroll "
            "and its totals (such as the amount wagered) can hold; the run stops."},
        {&GameState::AmountWagered, &SettlePush, grown("amount wagered")},
        {&GameState::InsuranceWagered, &SettleInsuranceWon, grown("amount of insurance wagered")},
        {&GameState::AmountWagered, merge, grown("amount wagered")},
        {&GameState::InsuranceWagered, merge, grown("amount of insurance wagered")},
    };
    for (const auto& [total, settle, message] : cases) {
        GameState gs = test::FlatTable();
        gs.*total = Currency::FromUnits(kMax - 5);
        try {
            settle(gs);
            ADD_FAILURE() << message << " not shown";
        } catch (const CurrencyOverflow& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

TEST(Settlement, ResetPutsEverythingBack) {
    GameState gs = Play("WWLLWP");
    LoseInsuranceStake(gs);
    EXPECT_EQ(gs.AmountWagered, Currency::FromWhole(60));
    EXPECT_EQ(gs.InsuranceWagered, Currency::FromWhole(5));
    ResetStatistics(gs);
    EXPECT_EQ(gs.AmountWagered + gs.InsuranceWagered, Currency {});
    EXPECT_EQ(gs.Bankroll, Currency::FromWhole(10000));
    EXPECT_EQ(gs.HandsWon + gs.HandsLost + gs.TiedHands, 0);
    EXPECT_EQ(gs.StreakStopCounts[kWinning][2], 0);
    EXPECT_TRUE(gs.StreakStart);
    EXPECT_FALSE(gs.StreakFlipped);
}

} // namespace
} // namespace bj
