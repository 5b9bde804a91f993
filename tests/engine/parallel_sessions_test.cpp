#include "engine/parallel_sessions.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <tuple>

namespace bj {
namespace {

// A rough basic strategy with splits, doubles and some insurance; columns DA, D10 .. D2.
GameState BasicTable(int decks, bool variable) {
    GameState gs = test::FlatTable(decks);
    const char* rows[kPlayerRows] = {"0000000033", "0000000000", "0000000033", "0000000000",
        "0000000000", "0000022220", "0022222222", "0222222222", "0000111000", "3333333333",
        "0000111111", "0000022000", "0000444444", "0000022000", "0000111111", "0000022200",
        "3333333333", "0000022220", "1111111111", "0000022220", "1011444444", "0000222221",
        "1111111111", "1111111111", "1111111111", "1111111111"};
    for (int row = 0; row < kPlayerRows; ++row) {
        for (int col = 0; col < kDealerColumns; ++col)
            gs.StrategyMatrix[row][col] = static_cast<std::int8_t>(rows[row][col] - '0');
        gs.InsuranceByRow[row] = row % 5 == 0;
    }
    gs.DealerSoft17 = 0;
    gs.InsuranceOn21 = kTakeInsurance;
    const double bets[] = {0, 5, 10, 20, 30, 40, 5, 5, 5, 5, 5};
    for (int i = 1; i <= kBetSteps; ++i) {
        gs.WinningHandBets[i] = bets[i];
        gs.LosingHandBets[i] = bets[11 - i] + 1;
    }
    gs.WinStreakLength = 5;
    gs.LoseStreakLength = 3;
    gs.BettingType = variable ? kVariableBetting : kStreakBetting;
    gs.MaximumBet = 45;
    gs.MinimumBet = 5;
    gs.WinBet = 7;
    gs.LoseBet = 2.5;
    gs.MaintainMax = 1;
    gs.LoseAddSub = 1;
    ResetStatistics(gs);
    return gs;
}

std::int64_t Figure(Currency c) {
    return c.Units();
}
std::int64_t Figure(std::int64_t n) {
    return n;
}

// Every figure a run leaves in the game state, one per line, so a difference names itself.
std::string Figures(const GameState& g) {
    std::ostringstream out;
#define F(x) std::pair<const char*, std::int64_t>(#x, Figure(g.x))
    for (const auto& [name, n] : {F(Bankroll), F(MaxBankroll), F(MinBankroll), F(SessionEndBank),
             F(SessionPeakBank), F(SessionLowBank), F(BlackjackAmountWon), F(DoubledAmountWon),
             F(DoubledAmountLost), F(SplitAmountWon), F(SplitAmountLost), F(InsuranceAmountWon),
             F(InsuranceAmountLost), F(EvenMoneyAmountWon), F(AmountWageredCents),
             F(InsuranceWageredCents), F(InsuranceResult), F(AmountWonOnHand), F(HandsWon),
             F(HandsLost), F(BlackjacksWon), F(TiedHands), F(PushStreak), F(DoubledHandsWon),
             F(DoubledHandsLost), F(SplitHandsWon), F(SplitHandsLost), F(InsuredHandsWon),
             F(InsuredHandsLost), F(CurrentBet), F(WinStreak), F(LoseStreak), F(MaxWinStreak),
             F(MaxLoseStreak), F(WinStreakCapped), F(LoseStreakCapped), F(StreakStart),
             F(StreakFlipped), F(SplitThisHand), F(DoubledThisHand), F(Rounds.Rounds),
             F(Rounds.Sum), F(Rounds.SumOfSquares % 1000000007)})
        out << name << ' ' << n << '\n';
#undef F
    for (int kind : {kWinning, kLosing})
        for (int length = 1; length <= kStreakLengths; ++length)
            out << "StreakStopCounts " << kind << ' ' << length << ' '
                << g.StreakStopCounts[kind][length] << '\n';
    return out.str();
}

std::string RowText(const SessionRow& r) {
    std::ostringstream out;
    out << r.Session << ' ' << r.MaxWinning.Units() << ' ' << r.MaxLosing.Units() << ' ' << r.Hands
        << ' ' << r.Time << ' ' << r.EndBank.Units() << ' ' << r.WonLost.Units() << ' '
        << r.RunningTotal.Units() << ' ' << static_cast<int>(r.End) << '\n';
    return out.str();
}

struct Played {
    std::string rows, figures;
    std::vector<SessionEnd> ends;
    MultiSessionSummary summary;
    bool overflowed = false;
};

MultiSessionInputs Sessions(std::int64_t sessions, std::int32_t hands, std::uint64_t seed) {
    MultiSessionInputs inputs;
    inputs.Sessions = sessions;
    inputs.HandsPerSession = hands;
    inputs.Seed = seed;
    return inputs;
}

// threads 0: RunMultiSession on this thread. Money past the limit keeps the rows played.
Played Play(GameState gs, const MultiSessionInputs& inputs, int threads,
    std::function<void(const ParallelProgress&)> progress = nullptr) {
    Played played;
    const auto row = [&](const SessionRow& r) {
        played.rows += RowText(r);
        played.ends.push_back(r.End);
    };
    try {
        if (threads == 0) {
            MultiSessionHooks hooks;
            hooks.RowDone = row;
            played.summary = RunMultiSession(gs, inputs, hooks);
        } else {
            played.summary = RunParallelSessions(gs, inputs, threads, {row, progress});
        }
    } catch (const CurrencyOverflow&) {
        played.overflowed = true;
    }
    played.figures = Figures(gs);
    return played;
}

// Variable betting carries streaks from session to session, streak betting restarts them;
// stop rules leave capped counts behind; pushes run on across sessions; blocks of one-hand
// sessions are many enough for later ones to be played into the memory of merged ones, and
// many threads make them smaller.
TEST(ParallelSessions, AnyNumberOfThreadsGivesWhatOneThreadGives) {
    // Decks, variable betting, sessions, hands, stop rules, even money instead of insurance.
    const std::tuple<int, bool, std::int64_t, std::int32_t, bool, bool> cases[]
        = {{1, false, 40, 3000, false, false}, {8, true, 40, 3000, false, true},
            {1, true, 3000, 20, true, false}, {8, false, 300, 200, true, true},
            {6, true, 20000, 1, true, false}, {1, false, 5, 0, false, false},
            {2, false, 60000, 1, false, false}};
    for (const auto& [decks, variable, sessions, hands, stops, evenMoney] : cases) {
        MultiSessionInputs inputs = Sessions(sessions, hands, 99);
        if (stops) {
            inputs.MaxWin = Currency::FromWhole(60);
            inputs.MaxLoss = Currency::FromWhole(90);
            inputs.BailOutPercent = 40;
        }
        GameState gs = BasicTable(decks, variable);
        if (evenMoney)
            gs.InsuranceOn21 = kTakeEvenMoney;
        const Played one = Play(gs, inputs, 0);
        EXPECT_FALSE(one.overflowed);
        for (int threads : {1, 2, 3, 40}) {
            const Played many = Play(gs, inputs, threads);
            EXPECT_EQ(many.rows, one.rows) << sessions << " x " << hands << ", " << threads;
            EXPECT_EQ(many.figures, one.figures) << sessions << " x " << hands;
            EXPECT_EQ(many.summary.Hands, one.summary.Hands);
            EXPECT_EQ(many.summary.SessionsPlayed, sessions);
            EXPECT_EQ(many.summary.EndBank, one.summary.EndBank);
        }
    }
}

// A session whose last settlement leaves the bankroll at exactly zero counts as stopped on a
// win: only the real bankroll shows that, not the session played from zero.
TEST(ParallelSessions, ALastSettlementAtZeroIsClassedOnTheRealBankroll) {
    GameState gs = BasicTable(1, true);
    const MultiSessionInputs inputs = Sessions(3, 50, 5);
    Currency secondEnd;
    GameState probe = gs;
    MultiSessionHooks hooks;
    hooks.RowDone = [&](const SessionRow& r) {
        if (r.Session == 2)
            secondEnd = probe.SessionEndBank;
    };
    RunMultiSession(probe, inputs, hooks);
    ASSERT_NE(secondEnd, Currency {});
    gs.Bankroll = gs.MaxBankroll = gs.MinBankroll = gs.Bankroll - secondEnd;
    const Played one = Play(gs, inputs, 0);
    ASSERT_EQ(one.ends.size(), 3u);
    EXPECT_EQ(one.ends[1], SessionEnd::StoppedOnWin);
    EXPECT_EQ(Play(gs, inputs, 2).rows, one.rows);
}

TEST(ParallelSessions, MoneyPastTheLimitStopsTheRunAfterTheSameRowsAsOneThread) {
    GameState gs = BasicTable(1, true);
    gs.InitialBet = gs.MaximumBet = gs.MinimumBet = gs.WinBet = gs.LoseBet = 1e9;
    const MultiSessionInputs inputs = Sessions(6, 2000000, 1);
    const Played one = Play(gs, inputs, 0), two = Play(gs, inputs, 2);
    EXPECT_TRUE(one.overflowed && two.overflowed);
    EXPECT_NE(one.rows, "");
    EXPECT_EQ(two.rows, one.rows);
}

// Long enough for the progress to be asked for while the sessions play.
TEST(ParallelSessions, ProgressIsReportedWithoutChangingTheRun) {
    const GameState gs = BasicTable(6, false);
    const MultiSessionInputs inputs = Sessions(8, 40000, 3);
    std::vector<ParallelProgress> seen;
    const auto watch = [&](const ParallelProgress& p) { seen.push_back(p); };
    EXPECT_EQ(Play(gs, inputs, 2, watch).rows, Play(gs, inputs, 2).rows);
    for (std::size_t i = 1; i < seen.size(); ++i) {
        EXPECT_GE(seen[i].SessionsDone, seen[i - 1].SessionsDone);
        EXPECT_LE(seen[i].SessionsDone, 8);
    }
}

} // namespace
} // namespace bj
