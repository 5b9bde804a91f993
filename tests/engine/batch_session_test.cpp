#include "engine/batch_session.h"
#include "engine/bet_sizing.h"
#include "engine/multi_session.h"
#include "engine/round.h"
#include "engine/shoe.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace bj {
namespace {

using test::DefaultStrategies;

TEST(BatchSession, PlaysUntilTheHandsAreUsedUp) {
    GameState gs = DefaultStrategies(1);
    gs.HandsToPlay = 500;
    EXPECT_EQ(PlayBatchSession(gs), RunEnd::HandsUsedUp);
    EXPECT_GE(gs.SessionHandsPlayed, 500);
    EXPECT_LE(gs.SessionHandsPlayed, 503) << "only a split round may run past the limit";
    EXPECT_EQ(gs.SessionEndBank, gs.Bankroll);

    gs.HandsToPlay = 0;
    EXPECT_EQ(PlayBatchSession(gs), RunEnd::HandsUsedUp);
    EXPECT_EQ(gs.SessionHandsPlayed, 0);
}

// A split round started under the limit is played out, each of its hands counted.
TEST(BatchSession, ASplitRoundAtTheLimitIsPlayedOut) {
    for (const int handsToPlay : {1, 2, 3}) {
        GameState gs = test::FlatTable();
        test::SetRow(gs, 16, kSplitOrHit); // hard 16, a pair of eights
        gs.HandsToPlay = handsToPlay;
        StackShoeRanks(gs, {10, 7, 8, 8, 10, 8, 3, 9});
        EXPECT_EQ(PlayBatchSession(gs), RunEnd::HandsUsedUp);
        EXPECT_EQ(std::tuple(gs.SessionHandsPlayed, gs.HandsWon, gs.HandsLost, gs.TiedHands),
            std::tuple(3, 1, 1, 1));
    }
}

// The simulator lets the user edit the betting strategy while its cancel check runs; a check
// that only reports progress is asked once in so many rounds.
// Edited bets, or only the sequence lengths, apply from the next hand.
TEST(BatchSession, StopsWhenCancelledAndAppliesStreakBetsEditedAtACancelCheck) {
    for (const bool lengthsOnly : {false, true}) {
        for (const int roundsPerCheck : {1, 7}) {
            SCOPED_TRACE(roundsPerCheck);
            GameState gs = DefaultStrategies(1);
            gs.HandsToPlay = 1000;
            int asked = 0;
            std::int64_t largestLater = 0;
            const auto cancel = [&] {
                if (++asked == 5 && lengthsOnly) {
                    gs.WinStreakLength = gs.LoseStreakLength = 1;
                } else if (asked == 5) {
                    gs.WinningHandBets.fill(7);
                    gs.LosingHandBets.fill(7);
                }
                if (asked > 5)
                    largestLater = std::max(largestLater, gs.CurrentBet);
                return asked > 11;
            };
            EXPECT_EQ(PlayBatchSession(gs, cancel, roundsPerCheck), RunEnd::Cancelled);
            EXPECT_EQ(asked, 12);
            // Asked before the shoe is built, then before rounds 1, 1 + n, .. 1 + 10n.
            EXPECT_EQ(gs.Rounds.Rounds, 10 * roundsPerCheck);
            EXPECT_EQ(largestLater, lengthsOnly ? 5 : 7);
        }
    }
}

TEST(BatchSession, StopRuleEndsTheRunAndResetsTheStreaks) {
    GameState gs = DefaultStrategies(1);
    gs.HandsToPlay = 10000;
    gs.MultiSessionMode = true;
    BeginSession(gs, Currency::FromWhole(1000000), Currency {});
    const std::optional<Currency> startLoseLevel = gs.SessionLoseLevel;
    EXPECT_EQ(PlayBatchSession(gs), RunEnd::SessionStopped);
    EXPECT_LT(gs.SessionHandsPlayed, 10000);
    EXPECT_EQ(gs.SessionEndBank, Currency {});
    EXPECT_EQ(gs.WinStreak + gs.LoseStreak, 0);
    EXPECT_EQ(ClassifySessionEnd(gs, startLoseLevel), SessionEnd::StoppedOnLoss);
}

// The player's blackjack, then the dealer's against two cards from the generator; the rounds
// after them draw on from there, as rounds played one at a time do.
TEST(BatchSession, DealsStackedCardsFirstAndDrawsOnFromTheGenerator) {
    GameState batch = DefaultStrategies(1);
    SeedRandom(batch, 11);
    batch.HandsToPlay = 5;
    GameState oneByOne = batch;
    StackShoeRanks(batch, {10, 7, 1, 13, 1, 13});
    PlayBatchSession(batch);
    EXPECT_TRUE(batch.StackedCards.empty());
    EXPECT_GE(batch.BlackjacksWon, 1);

    SetFirstBet(oneByOne);
    BuildShoe(oneByOne);
    StackShoeRanks(oneByOne, {10, 7, 1, 13, 1, 13});
    TableObserver table;
    for (int hands = 0; hands < 5;)
        hands += PlayRound(oneByOne, table);
    EXPECT_EQ(batch.Bankroll, oneByOne.Bankroll);
    EXPECT_EQ(batch.CardsLeft, oneByOne.CardsLeft);
    EXPECT_EQ(batch.Rng.Next(), oneByOne.Rng.Next());
}

// Any change to a rule of play shows here first.
TEST(BatchSession, FixedSeedRunIsPinned) {
    GameState gs = DefaultStrategies(1);
    SeedRandom(gs, 20261206);
    gs.HandsToPlay = 10000;
    PlayBatchSession(gs);
    EXPECT_EQ(gs.SessionHandsPlayed, 10000);
    EXPECT_EQ(gs.HandsWon, 1858);
    EXPECT_EQ(gs.HandsLost, 7989);
    EXPECT_EQ(gs.TiedHands, 153);
    EXPECT_EQ(gs.BlackjacksWon, 382);
    EXPECT_EQ(gs.Bankroll, Currency::FromDouble(-119197.5));
}

TEST(MultiSession, CarriesTheBankrollAndTotalsTheRowsOfAnyNumberOfSessions) {
    GameState gs = DefaultStrategies(2);
    MultiSessionInputs inputs;
    inputs.Sessions = 5;
    inputs.HandsPerSession = 200;
    inputs.MaxWin = Currency::FromWhole(100);
    inputs.MaxLoss = Currency::FromWhole(100);
    inputs.BailOutPercent = 10;
    std::vector<SessionRow> rows;
    MultiSessionHooks hooks;
    hooks.RowDone = [&](const SessionRow& row) { rows.push_back(row); };
    const MultiSessionSummary summary = RunMultiSession(gs, inputs, hooks);
    ASSERT_EQ(rows.size(), 5u);
    Currency start = summary.StartBank;
    Currency total;
    for (const SessionRow& row : rows) {
        EXPECT_EQ(row.WonLost, row.EndBank - start);
        total += row.WonLost;
        EXPECT_EQ(row.RunningTotal, total);
        EXPECT_LE(row.MaxLosing, Currency {});
        EXPECT_GE(row.MaxWinning, Currency {});
        EXPECT_EQ(row.Time, HandsToTime(row.Hands));
        if (row.End == SessionEnd::StoppedOnLoss) {
            EXPECT_LT(row.WonLost, Currency::FromWhole(-100));
        }
        start = row.EndBank;
    }
    EXPECT_EQ(summary.EndBank, gs.Bankroll);
    EXPECT_FALSE(gs.MultiSessionMode);
    inputs.Sessions = 0;
    const MultiSessionSummary none = RunMultiSession(gs, inputs, hooks);
    EXPECT_EQ(none.SessionsPlayed, 0);
    EXPECT_EQ(none.Hands, 0);
    EXPECT_EQ(rows.size(), 5u);
}

// Without stop levels nothing ends a session early, so a bankroll just above the lowest
// amount runs into it: the run stops there, the rows so far stand and nothing wraps.
TEST(MultiSession, MoneyPastTheLimitEndsTheRunAndKeepsTheRows) {
    GameState gs = test::FlatTable(1);
    const Currency floor = Currency::FromUnits(std::numeric_limits<std::int64_t>::min());
    gs.Bankroll = floor + Currency::FromWhole(1500); // 100 hands can lose at most 1000
    MultiSessionInputs inputs;
    inputs.Sessions = 1000;
    inputs.HandsPerSession = 100;
    std::vector<SessionRow> rows;
    MultiSessionHooks hooks;
    hooks.RowDone = [&](const SessionRow& row) { rows.push_back(row); };
    EXPECT_THROW(RunMultiSession(gs, inputs, hooks), CurrencyOverflow);
    ASSERT_GE(rows.size(), 1u);
    EXPECT_LT(rows.size(), 1000u);
    for (const SessionRow& row : rows) {
        EXPECT_EQ(row.End, SessionEnd::PlayedThrough);
        EXPECT_LT(row.EndBank, floor + Currency::FromWhole(2500));
    }
    EXPECT_LT(gs.Bankroll, floor + Currency::FromWhole(20)) << "the bankroll never wrapped";
    EXPECT_FALSE(gs.MultiSessionMode);
}

} // namespace
} // namespace bj
