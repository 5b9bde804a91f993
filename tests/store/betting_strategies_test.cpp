#include "store_test_support.h"

#include "store/betting_strategies.h"
#include "store/protected_defaults.h"
#include "store/sql_quote.h"

namespace bj::test {
namespace {

class BettingStrategies : public StoreTest {
protected:
    StrategyDb db = StrategyDb::Open(path);
    GameState gs;
};

StreakStrategy ThreeUp(const std::string& name) {
    StreakStrategy s {.Name = name, .DecksInShoe = 6, .WinningSeqLength = 3, .LosingSeqLength = 2};
    s.WinningHand[0] = 10;
    s.WinningHand[1] = 20;
    s.WinningHand[2] = 40;
    s.LosingHand[0] = 10;
    s.LosingHand[1] = 5;
    return s;
}

TEST_F(BettingStrategies, SeededStreakStrategyLoads) {
    const auto seed = LoadStreakStrategy(db, 1);
    ASSERT_TRUE(seed);
    EXPECT_EQ(seed->Name, "Default");
    EXPECT_EQ(seed->DecksInShoe, 1);
    EXPECT_EQ(seed->WinningSeqLength, 5);
    EXPECT_EQ(seed->LosingHand[5], 5.0); // slot 6, beyond the length
    EXPECT_EQ(seed->WinningHand[4], 40.0);
}

TEST_F(BettingStrategies, AppendedStreakKeepsHiddenBetsNull) {
    const std::int32_t refNo = AppendStreakStrategy(db, ThreeUp("Three"));
    EXPECT_EQ(refNo, 2);
    RawDb raw(path);
    EXPECT_EQ(raw.Value("SELECT quote(WinningHand3) || quote(WinningHand4) || "
                        "quote(WinningHand10) || quote(Surrender) || HandsToPlay || Comments "
                        "FROM BettingStrategies WHERE Ref_No = 2"),
        "40NULLNULLNULL50This is the Default settings.");
    const auto loaded = LoadStreakStrategy(db, refNo);
    EXPECT_EQ(loaded->WinningHand[2], 40.0);
    EXPECT_FALSE(loaded->WinningHand[3].has_value());
    EXPECT_EQ(loaded->LosingSeqLength, 2);
}

TEST_F(BettingStrategies, StreakListUpdateAndDelete) {
    const std::int32_t refNo = AppendStreakStrategy(db, ThreeUp("It's mine"));
    StreakStrategy changed = ThreeUp("Changed");
    changed.RefNo = refNo;
    changed.WinningHand[0] = 15;
    EXPECT_TRUE(UpdateStreakStrategy(db, changed));
    EXPECT_EQ(LoadStreakStrategy(db, refNo)->WinningHand[0], 15.0);
    const auto list = ListStreakStrategies(db);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].Name, "Changed");
    EXPECT_EQ(list[1].RefNo, refNo);
    EXPECT_TRUE(DeleteStreakStrategy(db, refNo));
    EXPECT_FALSE(DeleteStreakStrategy(db, refNo));
    EXPECT_FALSE(LoadStreakStrategy(db, refNo).has_value());
    changed.RefNo = 77;
    EXPECT_FALSE(UpdateStreakStrategy(db, changed));
}

TEST_F(BettingStrategies, VariableAppendLoadUpdateDelete) {
    VariableStrategy v {.Name = "Bob's",
        .InitialBet = 12.5,
        .MaximumBet = 100,
        .MinimumBet = 2,
        .MaintainMax = 1,
        .MaintainMin = 0,
        .WinAddSub = 1,
        .LoseAddSub = 0,
        .WinBet = 2.25,
        .LoseBet = 3};
    v.RefNo = AppendVariableStrategy(db, v);
    auto loaded = LoadVariableStrategy(db, v.RefNo);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Name, "Bob's");
    EXPECT_EQ(loaded->InitialBet, 12.5);
    EXPECT_EQ(loaded->MaintainMax, 1);
    EXPECT_EQ(loaded->WinAddSub, 1);
    EXPECT_EQ(loaded->WinBet, 2.25);
    v.LoseAddSub = 1;
    EXPECT_TRUE(UpdateVariableStrategy(db, v));
    EXPECT_EQ(LoadVariableStrategy(db, v.RefNo)->LoseAddSub, 1);
    EXPECT_EQ(ListVariableStrategies(db).back().Name, "Bob's");
    EXPECT_TRUE(DeleteVariableStrategy(db, v.RefNo));
    EXPECT_FALSE(LoadVariableStrategy(db, v.RefNo).has_value());
}

TEST_F(BettingStrategies, DefaultsOfBothKindsAreProtected) {
    StreakStrategy streak = ThreeUp("Over");
    streak.RefNo = 1;
    VariableStrategy variable {.RefNo = 1, .Name = "Over"};
    const std::vector<std::function<void()>> attempts {
        [&] { UpdateStreakStrategy(db, streak); },
        [&] { DeleteStreakStrategy(db, 1); },
        [&] { UpdateVariableStrategy(db, variable); },
        [&] { DeleteVariableStrategy(db, 1); },
    };
    for (const auto& attempt : attempts) {
        try {
            attempt();
            ADD_FAILURE() << "a default was changed";
        } catch (const StoreError& e) {
            EXPECT_EQ(e.Problem, StoreProblem::ProtectedDefault);
        }
    }
    EXPECT_EQ(LoadStreakStrategy(db, 1)->Name, "Default");
    EXPECT_EQ(LoadVariableStrategy(db, 1)->InitialBet, 10.0);
    EXPECT_TRUE(IsProtectedDefault(1));
    EXPECT_FALSE(IsProtectedDefault(2));
}

TEST_F(BettingStrategies, DamagedVariableChoicesFallBackToTheFirstOption) {
    RawDb(path).Exec("UPDATE VariableBet SET MaintainMax = 7, WinAddSub = 'x', InitialBet = "
                     "NULL, MinimumBet = 'abc'");
    const auto loaded = LoadVariableStrategy(db, 1);
    EXPECT_EQ(loaded->MaintainMax, 0);
    EXPECT_EQ(loaded->WinAddSub, 0);
    EXPECT_EQ(loaded->InitialBet, 0.0);
    EXPECT_EQ(loaded->MinimumBet, 0.0);
}

TEST_F(BettingStrategies, ApplyingAStreakClampsDecksAndLengths) {
    StreakStrategy s = ThreeUp("x");
    s.DecksInShoe = 0;
    s.WinningSeqLength = 14;
    s.LosingSeqLength = -2;
    ApplyStreakStrategy(s, gs);
    EXPECT_EQ(gs.DecksInShoe, 1);
    EXPECT_EQ(gs.WinStreakLength, 10);
    s.DecksInShoe = 2000000000;
    ApplyStreakStrategy(s, gs);
    EXPECT_EQ(gs.DecksInShoe, 32767);
    EXPECT_EQ(gs.LoseStreakLength, 1);
    EXPECT_EQ(gs.WinningHandBets[3], 40.0);
    EXPECT_EQ(gs.WinningHandBets[4], 0.0); // Null
    EXPECT_EQ(gs.LosingHandBets[2], 5.0);
}

TEST_F(BettingStrategies, ApplyingAVariableStrategyTakesTwoDecimalsAndMarksItLoaded) {
    const VariableStrategy v {.RefNo = 4,
        .Name = "v",
        .InitialBet = 10.126,
        .MaximumBet = 50,
        .MinimumBet = 5.004,
        .MaintainMax = 1,
        .MaintainMin = 1,
        .WinAddSub = 1,
        .LoseAddSub = 1,
        .WinBet = 1,
        .LoseBet = 2};
    ApplyVariableStrategy(v, gs);
    EXPECT_EQ(gs.VariableBetRefNo, 4);
    EXPECT_DOUBLE_EQ(gs.InitialBet, 10.13);
    EXPECT_DOUBLE_EQ(gs.MinimumBet, 5.0);
    EXPECT_EQ(gs.MaintainMax, 1);
    EXPECT_EQ(gs.LoseAddSub, 1);
    EXPECT_EQ(gs.LoseBet, 2.0);
    EXPECT_TRUE(gs.VariableStrategyLoaded);
}

struct ClampCase {
    int Index, Count, Expected;
};
class ListPositions : public ::testing::TestWithParam<ClampCase> { };
TEST_P(ListPositions, ClampIntoTheList) {
    EXPECT_EQ(ClampListIndex(GetParam().Index, GetParam().Count), GetParam().Expected);
}
INSTANTIATE_TEST_SUITE_P(Store, ListPositions,
    ::testing::Values(ClampCase {0, 3, 0}, ClampCase {2, 3, 2}, ClampCase {3, 3, 2},
        ClampCase {-1, 3, 0}, ClampCase {0, 0, -1}, ClampCase {-1, 0, -1}));

struct QuoteCase {
    std::string Text, Quoted;
};
class Quoting : public ::testing::TestWithParam<QuoteCase> { };
TEST_P(Quoting, DoublesEverySingleQuote) {
    EXPECT_EQ(SqlQuote(GetParam().Text), GetParam().Quoted);
    RawDb memory(":memory:");
    EXPECT_EQ(memory.Value("SELECT '" + SqlQuote(GetParam().Text) + "'"), GetParam().Text);
}
INSTANTIATE_TEST_SUITE_P(Store, Quoting,
    ::testing::Values(QuoteCase {"O'Brien", "O''Brien"}, QuoteCase {"", ""},
        QuoteCase {"''", "''''"}, QuoteCase {"plain \"text\"", "plain \"text\""}));

} // namespace
} // namespace bj::test
