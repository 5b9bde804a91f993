#include "engine/session_stops.h"
#include "engine/settlement.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <vector>

namespace bj {
namespace {

struct Hand {
    std::int64_t bet;
    bool won;
};

struct StopCase {
    const char* name;
    std::optional<double> maxWin, maxLoss; // absent: no level
    double bailOut;
    std::vector<Hand> hands;
    int stopsAfter; // 1-based hand whose settlement stops the session; 0 = never
    SessionEnd end;
    bool multiSession = true;
};

// Sessions start from a bankroll of 0, as in the bail-out example.
const StopCase kStops[] = {
    {"bail-out 10%: gives back a tenth of a 110 peak", 100, 1000, 0.10,
        {{110, true}, {10, false}, {1, false}}, 3, SessionEnd::StoppedOnWin},
    {"bail-out 7%: exactly 7 of a 100 peak given back stops, 6 does not", 100, 1000, 0.07,
        {{100, true}, {6, false}, {1, false}}, 3, SessionEnd::StoppedOnWin},
    {"bail-out 80%: exactly 80 of a 100 peak given back stops", 100, 1000, 0.80,
        {{100, true}, {80, false}}, 2, SessionEnd::StoppedOnWin},
    {"bail-out 0: the first win that reaches the level", 100, 1000, 0,
        {{60, true}, {40, true}, {5, true}}, 2, SessionEnd::StoppedOnWin},
    {"max loss 0: the first loss below the start", 100, 0, 0.10,
        {{10, true}, {10, false}, {5, false}}, 3, SessionEnd::StoppedOnLoss},
    {"max win 0: a first loss gives back everything", 0, 1000, 0.10, {{5, false}}, 1,
        SessionEnd::StoppedOnWin},
    {"max win 0 and a loss past max loss: the loss stop fires", 0, 2, 0.10, {{5, false}}, 1,
        SessionEnd::StoppedOnLoss},
    {"max win 0, bail-out 0: a first win stops", 0, 1000, 0, {{5, true}}, 1,
        SessionEnd::StoppedOnWin},
    {"bail-out 100: stops once back at the start", 50, 1000, 1.0,
        {{60, true}, {30, false}, {20, false}, {10, false}}, 4, SessionEnd::StoppedOnWin},
    {"below every level the session plays through", 100, 100, 0.10,
        {{50, true}, {60, false}, {20, true}}, 0, SessionEnd::PlayedThrough},
    {"no levels: nothing stops", {}, {}, 0, {{1000000, false}, {2000000, true}, {5, false}}, 0,
        SessionEnd::PlayedThrough},
    {"no win level: bail-out never applies", {}, 1000, 0.10, {{50, true}, {40, false}}, 0,
        SessionEnd::PlayedThrough},
    {"no loss level: the win level still stops", 100, {}, 0, {{500, false}, {700, true}}, 2,
        SessionEnd::StoppedOnWin},
    {"outside a multi-session run nothing stops", 0, 0, 0, {{10, false}}, 0,
        SessionEnd::PlayedThrough, false},
};

void PrintTo(const StopCase& c, std::ostream* os) {
    *os << c.name;
}

class SessionStopTest : public ::testing::TestWithParam<StopCase> { };

TEST_P(SessionStopTest, StopsWhereTheRuleSays) {
    const StopCase& c = GetParam();
    GameState gs = test::FlatTable();
    gs.Bankroll = {};
    gs.MultiSessionMode = c.multiSession;
    gs.BailOutFraction = c.bailOut;
    const auto level = [](std::optional<double> amount) {
        return amount ? std::optional(Currency::FromDouble(*amount)) : std::nullopt;
    };
    BeginSession(gs, level(c.maxWin), level(c.maxLoss));
    const std::optional<Currency> startLoseLevel = gs.SessionLoseLevel;
    int stoppedAt = 0;
    for (std::size_t i = 0; i < c.hands.size() && stoppedAt == 0; ++i) {
        gs.CurrentBet = c.hands[i].bet;
        c.hands[i].won ? SettleWin(gs, false, false) : SettleLoss(gs, false);
        if (gs.SessionStop)
            stoppedAt = static_cast<int>(i) + 1;
    }
    EXPECT_EQ(stoppedAt, c.stopsAfter) << c.name;
    if (stoppedAt != 0)
        gs.SessionEndBank = {}; // what the batch run does when a stop ends it
    EXPECT_EQ(ClassifySessionEnd(gs, startLoseLevel), c.end) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Rules, SessionStopTest, ::testing::ValuesIn(kStops),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// A lost insurance stake is the session's loss even when the hand then pushes.
TEST(SessionStops, ALostInsuranceStakeLowersTheSessionAndEndsItPlayedThrough) {
    GameState gs = test::FlatTable();
    gs.MultiSessionMode = true;
    BeginSession(gs, Currency::FromWhole(100), Currency::FromWhole(100));
    const std::optional<Currency> startLoseLevel = gs.SessionLoseLevel;
    gs.SessionEndBank = {};
    LoseInsuranceStake(gs); // of the flat bet of 10
    SettlePush(gs);
    EXPECT_EQ(gs.SessionStartBank - gs.SessionLowBank, Currency::FromWhole(5));
    EXPECT_EQ(ClassifySessionEnd(gs, startLoseLevel), SessionEnd::PlayedThrough);
}

// With a winning amount of 0, an insurance won against a dealer blackjack nets 0 and gives
// nothing back; a session begun without levels keeps none of the one before.
TEST(SessionStops, ANetZeroStartStopsNothingAndAbsentLevelsStayAbsent) {
    GameState gs = test::FlatTable();
    gs.MultiSessionMode = true;
    gs.BailOutFraction = 0.10;
    BeginSession(gs, Currency {}, Currency::FromWhole(1000));
    SettleInsuranceWon(gs);
    EXPECT_FALSE(gs.SessionStop);
    BeginSession(gs, std::nullopt, std::nullopt);
    EXPECT_FALSE(gs.SessionWinLevel || gs.SessionLoseLevel);
}

} // namespace
} // namespace bj
