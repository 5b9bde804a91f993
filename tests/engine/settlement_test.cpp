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

// A settlement that would carry a total past the limit throws, names the total that grew and
// leaves it as it was, whether a hand or a merged session carried it over, in a multi-session
// run or not.
TEST(Settlement, MoneyPastTheLimitThrowsNamesTheTotalAndNothingWraps) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const std::string limit = "922,337,203,685,477.58";
    const std::string bankroll = ", the limit of what the bankroll and its totals (such as the "
                                 "amount won on blackjacks) can hold; the run stops.";
    const std::string up = "The bankroll has grown past " + limit + bankroll;
    const std::string down = "The bankroll has grown past -" + limit + bankroll;
    const std::string itself = " has grown past 92,233,720,368,547,758.07, the limit of what it "
                               "can hold; the run stops.";
    const std::string wagered = "The amount wagered" + itself;
    const std::string insured = "The amount of insurance wagered" + itself;
    const auto win = [](GameState& gs) { SettleWin(gs, false, false); };
    const auto blackjack = [](GameState& gs) { SettleWin(gs, true, false); };
    const auto loss = [](GameState& gs) { SettleLoss(gs, false); };
    SessionTotals session;
    session.AmountWageredCents = session.InsuranceWageredCents = 100;
    const auto merge = [&](GameState& gs) { MergeSession(gs, session, 1); };
    using G = GameState;
    // A total by its raw count: ten-thousandths of money, or cents of stakes.
    struct Total {
        std::function<void(G&, std::int64_t)> set;
        std::function<std::int64_t(const G&)> get;
    };
    const auto money = [](Currency G::*m) {
        return Total {[m](G& g, std::int64_t v) { g.*m = Currency::FromUnits(v); },
            [m](const G& g) { return (g.*m).Units(); }};
    };
    const auto cents = [](std::int64_t G::*m) {
        return Total {[m](G& g, std::int64_t v) { g.*m = v; }, [m](const G& g) { return g.*m; }};
    };
    const std::tuple<const char*, Total, std::int64_t, std::function<void(G&)>, std::string> cases[]
        = {
            {"a win", money(&G::Bankroll), kMax - 5, win, up},
            {"a blackjack", money(&G::Bankroll), kMax - 100000, blackjack, up},
            {"a loss", money(&G::Bankroll), kMin + 5, loss, down},
            {"an insurance stake", money(&G::Bankroll), kMin + 5, &LoseInsuranceStake, down},
            {"the amount wagered", cents(&G::AmountWageredCents), kMax - 5, &SettlePush, wagered},
            {"the insurance wagered", cents(&G::InsuranceWageredCents), kMax - 5,
                &SettleInsuranceWon, insured},
            {"the blackjack amount won", money(&G::BlackjackAmountWon), kMax - 5, blackjack, up},
            {"a merged amount wagered", cents(&G::AmountWageredCents), kMax - 5, merge, wagered},
            {"a merged insurance wagered", cents(&G::InsuranceWageredCents), kMax - 5, merge,
                insured},
        };
    for (const bool multiSession : {false, true}) {
        for (const auto& [what, total, units, settle, message] : cases) {
            GameState gs = test::FlatTable();
            if (multiSession) {
                gs.MultiSessionMode = true;
                BeginSession(gs, Currency::FromWhole(100), Currency::FromWhole(100));
            }
            total.set(gs, units);
            try {
                settle(gs);
                ADD_FAILURE() << what << " did not throw";
            } catch (const CurrencyOverflow& e) {
                EXPECT_EQ(std::string(e.what()), message) << what;
            }
            EXPECT_EQ(total.get(gs), units) << what;
        }
    }
}

TEST(Settlement, ResetPutsEverythingBack) {
    GameState gs = Play("WWLLWP");
    LoseInsuranceStake(gs);
    EXPECT_EQ(std::tuple(gs.AmountWageredCents, gs.InsuranceWageredCents), std::tuple(6000, 500));
    ResetStatistics(gs);
    EXPECT_EQ(gs.AmountWageredCents + gs.InsuranceWageredCents, 0);
    EXPECT_EQ(gs.Bankroll, Currency::FromWhole(10000));
    EXPECT_EQ(gs.HandsWon + gs.HandsLost + gs.TiedHands, 0);
    EXPECT_EQ(gs.StreakStopCounts[kWinning][2], 0);
    EXPECT_TRUE(gs.StreakStart);
    EXPECT_FALSE(gs.StreakFlipped);
}

} // namespace
} // namespace bj
