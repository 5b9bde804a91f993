#include "engine/multi_session.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace bj {
namespace {

using std::chrono::milliseconds;

// A run whose clock moves one millisecond per hand played, so "15 ms of play" means 15 hands
// whatever the machine.
struct PacedRun {
    GameState gs = test::FlatTable(1);
    std::int64_t handsBefore = 0; // in the sessions already done
    std::vector<std::int64_t> yieldsAt; // hands played when each yield came
    MultiSessionHooks hooks;

    PacedRun() {
        hooks.Clock = [this] { return milliseconds(HandsSoFar()); };
        hooks.RoundsPerClockRead = 1;
        hooks.ProcessEvents = [this] { yieldsAt.push_back(HandsSoFar()); };
        hooks.RowDone = [this](const SessionRow& row) { handsBefore += row.Hands; };
    }
    std::int64_t HandsSoFar() const { return handsBefore + gs.SessionHandsPlayed; }
    MultiSessionSummary Run(std::int64_t sessions, std::int32_t hands) {
        MultiSessionInputs inputs;
        inputs.Sessions = sessions;
        inputs.HandsPerSession = hands;
        inputs.MaxWin = inputs.MaxLoss = Currency::FromWhole(1000000);
        return RunMultiSession(gs, inputs, hooks);
    }
};

TEST(MultiSessionPacing, YieldsOncePerSliceOfPlayAcrossSessions) {
    PacedRun run;
    run.Run(4, 100);
    ASSERT_GE(run.yieldsAt.size(), 20u);
    std::int64_t last = 0;
    for (const std::int64_t at : run.yieldsAt) {
        EXPECT_GE(at - last, 15) << "a yield came before a slice was over";
        EXPECT_LE(at - last, 15 + 3) << "a slice ran on past its end (split rounds add at most 3)";
        last = at;
    }
}

TEST(MultiSessionPacing, TimeAwayFromPlayStartsANewSlice) {
    PacedRun run;
    run.hooks.ProcessEvents = [&run] {
        run.yieldsAt.push_back(run.HandsSoFar());
        run.handsBefore += 1000; // a modal window held the run for a long time
    };
    run.Run(1, 100);
    ASSERT_GE(run.yieldsAt.size(), 2u);
    EXPECT_GE(run.yieldsAt[1] - run.yieldsAt[0], 1000 + 15);
}

TEST(MultiSessionPacing, SessionsWithoutRoundsStillYield) {
    PacedRun run;
    std::int64_t sessions = 0;
    run.hooks.Clock = [&sessions] { return milliseconds(sessions); };
    run.hooks.RowDone = [&sessions](const SessionRow&) { ++sessions; };
    run.Run(100, 0);
    EXPECT_EQ(run.yieldsAt.size(), 6u); // at 15, 30, .. 90 sessions
}

TEST(MultiSessionHooks, StopAmountsTypedDuringARunApplyFromTheNextSession) {
    PacedRun run;
    int session = 0;
    run.hooks.BeforeSession = [&session](MultiSessionInputs& inputs) {
        if (++session == 2)
            inputs.MaxLoss = Currency {}; // the first lost hand below the start stops it
    };
    std::vector<SessionEnd> ends;
    run.hooks.RowDone = [&ends](const SessionRow& row) { ends.push_back(row.End); };
    run.Run(3, 2000);
    EXPECT_EQ(ends,
        (std::vector {
            SessionEnd::PlayedThrough, SessionEnd::StoppedOnLoss, SessionEnd::StoppedOnLoss}));
}

// A cancel asked for as a row is done ends the run there, with no empty rows after it.
TEST(MultiSessionHooks, ACancelAtARowEndsTheRunAfterIt) {
    PacedRun run;
    std::int64_t rows = 0;
    run.hooks.RowDone = [&rows](const SessionRow&) { ++rows; };
    run.hooks.Cancelled = [&rows] { return rows > 0; };
    EXPECT_EQ(run.Run(5, 100).SessionsPlayed, 1);
    EXPECT_EQ(rows, 1);
}

TEST(MultiSessionRules, TheBailOutPercentIsHeldToZeroToAHundred) {
    const std::pair<std::int32_t, double> cases[]
        = {{-5, 0}, {0, 0}, {40, 0.4}, {100, 1}, {150, 1}};
    for (const auto& [percent, fraction] : cases) {
        GameState gs;
        MultiSessionInputs inputs;
        inputs.BailOutPercent = percent;
        SetSessionRules(gs, inputs);
        EXPECT_EQ(gs.BailOutFraction, fraction) << percent;
    }
}

} // namespace
} // namespace bj
