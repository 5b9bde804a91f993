#include "store_test_support.h"

#include "store/playing_strategies.h"

namespace bj::test {
namespace {

PlayingStrategy Sample(const std::string& name) {
    PlayingStrategy s {.Name = name,
        .DoubleDown = 1,
        .SplitsDoubleDown = 0,
        .DealerSoft17 = 0,
        .InsuranceOn21 = kPlayOutHand};
    for (int row = 0; row < kPlayerRows; ++row) {
        for (int col = 0; col < kDealerColumns; ++col)
            s.Actions[row][col] = (row + col) % 6;
        s.Ins[row] = row % 3 == 0;
    }
    return s;
}

class PlayingStrategies : public StoreTest {
protected:
    StrategyDb db = StrategyDb::Open(path);
    GameState gs;
};

TEST_F(PlayingStrategies, SeededDefaultLoadsIntoTheGameState) {
    gs.InsuranceOn21 = kTakeInsurance;
    ASSERT_TRUE(LoadPlayingStrategy(db, 1, gs));
    EXPECT_EQ(gs.PlayingStrategyRefNo, 1);
    EXPECT_EQ(gs.PlayingStrategyName, "Default");
    EXPECT_EQ(gs.InsuranceOn21, kTakeEvenMoney); // stored Null
    EXPECT_EQ(gs.DealerSoft17, 1);
    EXPECT_EQ(gs.DoubleDownRule, 0);
    EXPECT_TRUE(gs.DoubleOnSplits);
    for (int row = 0; row < kPlayerRows; ++row) {
        for (int col = 0; col < kDealerColumns; ++col)
            ASSERT_EQ(gs.StrategyMatrix[row][col], row % 2) << row << "," << col;
        EXPECT_EQ(gs.InsuranceByRow[row], row % 2 == 1) << row;
    }
}

TEST_F(PlayingStrategies, MissingStrategyLeavesTheGameStateAlone) {
    LoadPlayingStrategy(db, 1, gs);
    const GameState before = gs;
    EXPECT_FALSE(LoadPlayingStrategy(db, 99, gs));
    EXPECT_EQ(gs.PlayingStrategyRefNo, before.PlayingStrategyRefNo);
    EXPECT_EQ(gs.PlayingStrategyName, before.PlayingStrategyName);
    EXPECT_EQ(gs.StrategyMatrix, before.StrategyMatrix);
    EXPECT_FALSE(LoadPlayingStrategyRecord(db, 99).has_value());
}

TEST_F(PlayingStrategies, InsertStoresTheRulesAndAllRowsAndLoadsBack) {
    const std::int32_t refNo = InsertPlayingStrategy(db, Sample("Basic"));
    EXPECT_EQ(refNo, 2);
    const auto loaded = LoadPlayingStrategyRecord(db, refNo);
    ASSERT_TRUE(loaded);
    PlayingStrategy expected = Sample("Basic");
    expected.RefNo = refNo;
    EXPECT_EQ(loaded->Name, "Basic");
    EXPECT_EQ(loaded->DoubleDown, 1);
    EXPECT_EQ(loaded->InsuranceOn21, kPlayOutHand);
    EXPECT_EQ(loaded->Actions, expected.Actions);
    EXPECT_EQ(loaded->Ins, expected.Ins);
    EXPECT_EQ(loaded->StoredRows, 26);
}

TEST_F(PlayingStrategies, LoadingASecondStrategyOverwritesEveryAction) {
    LoadPlayingStrategy(db, 1, gs);
    const std::int32_t refNo = InsertPlayingStrategy(db, Sample("Basic"));
    ASSERT_TRUE(LoadPlayingStrategy(db, refNo, gs));
    EXPECT_EQ(PlayingStrategyFromGameState(gs).Actions, Sample("x").Actions);
    EXPECT_EQ(PlayingStrategyFromGameState(gs).Ins, Sample("x").Ins);
    EXPECT_FALSE(gs.DoubleOnSplits);
}

TEST_F(PlayingStrategies, NamesWithQuotesSurviveTheRoundTrip) {
    for (const std::string name : {"O'Brien's", "'", "x'); DROP TABLE PlayersHand; --"}) {
        const std::int32_t refNo = InsertPlayingStrategy(db, Sample(name));
        EXPECT_EQ(LoadPlayingStrategyRecord(db, refNo)->Name, name);
    }
    EXPECT_EQ(ListPlayingStrategies(db).size(), 4u);
}

TEST_F(PlayingStrategies, ListIsTrimmedNamesInKeyOrder) {
    InsertPlayingStrategy(db, Sample("  Spaced  "));
    InsertPlayingStrategy(db, Sample("Third"));
    const auto list = ListPlayingStrategies(db);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].Name, "Spaced");
    EXPECT_EQ(list[2].RefNo, 3);
    ASSERT_TRUE(LoadPlayingStrategy(db, 2, gs));
    EXPECT_EQ(gs.PlayingStrategyName, "Spaced");
}

TEST_F(PlayingStrategies, UpdateRewritesTheRulesAndRows) {
    const std::int32_t refNo = InsertPlayingStrategy(db, Sample("Old"));
    PlayingStrategy changed = Sample("New");
    changed.RefNo = refNo;
    changed.Actions[7][0] = kSplitOrStand;
    changed.Ins[7] = 1;
    changed.DealerSoft17 = 1;
    ASSERT_TRUE(UpdatePlayingStrategy(db, changed));
    const auto loaded = LoadPlayingStrategyRecord(db, refNo);
    EXPECT_EQ(loaded->Name, "New");
    EXPECT_EQ(loaded->DealerSoft17, 1);
    EXPECT_EQ(loaded->Actions, changed.Actions);
    EXPECT_EQ(loaded->Ins[7], 1);
    EXPECT_EQ(RawDb(path).Count("PlayersHand"), 52);
}

TEST_F(PlayingStrategies, UpdateOfAMissingStrategyChangesNothing) {
    PlayingStrategy ghost = Sample("Ghost");
    ghost.RefNo = 42;
    EXPECT_FALSE(UpdatePlayingStrategy(db, ghost));
    EXPECT_EQ(RawDb(path).Count("PlayersHand"), 26);
}

TEST_F(PlayingStrategies, SavingRestoresRowsLostFromTheFile) {
    const std::int32_t refNo = InsertPlayingStrategy(db, Sample("Holes"));
    RawDb(path).Exec("DELETE FROM PlayersHand WHERE Ref_No IN (4, 25) AND PlayingStrategyRef_No = "
        + std::to_string(refNo));
    EXPECT_EQ(LoadPlayingStrategyRecord(db, refNo)->StoredRows, 24);
    PlayingStrategy full = Sample("Holes");
    full.RefNo = refNo;
    UpdatePlayingStrategy(db, full);
    EXPECT_EQ(LoadPlayingStrategyRecord(db, refNo)->Actions, full.Actions);
}

TEST_F(PlayingStrategies, DeleteRemovesRowsThenStrategyAndCountsIt) {
    const std::int32_t refNo = InsertPlayingStrategy(db, Sample("Gone"));
    EXPECT_EQ(DeletePlayingStrategy(db, refNo), 1);
    EXPECT_EQ(DeletePlayingStrategy(db, refNo), 0);
    RawDb raw(path);
    EXPECT_EQ(raw.Count("PlayingStrategies"), 1);
    EXPECT_EQ(raw.Count("PlayersHand"), 26);
}

TEST_F(PlayingStrategies, TheDefaultCanBeNeitherOverwrittenNorDeleted) {
    PlayingStrategy renamed = Sample("Renamed");
    renamed.RefNo = 1;
    for (const auto& attempt : std::vector<std::function<void()>> {
             [&] { UpdatePlayingStrategy(db, renamed); }, [&] { DeletePlayingStrategy(db, 1); }}) {
        try {
            attempt();
            ADD_FAILURE() << "the default was changed";
        } catch (const StoreError& e) {
            EXPECT_EQ(e.Problem, StoreProblem::ProtectedDefault);
            EXPECT_NE(std::string(e.what()).find("default"), std::string::npos) << e.what();
        }
    }
    ASSERT_TRUE(LoadPlayingStrategy(db, 1, gs));
    EXPECT_EQ(gs.PlayingStrategyName, "Default");
    EXPECT_EQ(RawDb(path).Count("PlayersHand"), 26);
}

// Damaged or hand-edited files: rows missing, extra, unknown codes, text and Null.
class DamagedPlayingRows : public PlayingStrategies {
protected:
    void SetUp() override {
        refNo = InsertPlayingStrategy(db, Sample("Damaged"));
        raw.Exec("DELETE FROM PlayersHand WHERE PlayingStrategyRef_No = " + std::to_string(refNo)
            + " AND Ref_No >= 20");
        raw.Exec("INSERT INTO PlayersHand (Ref_No, PlayingStrategyRef_No, DA) VALUES (26, "
            + std::to_string(refNo) + ", 1), (27, " + std::to_string(refNo) + ", 1)");
        raw.Exec("UPDATE PlayersHand SET DA = 9, D10 = 'abc', D9 = NULL, D8 = '4', Ins = NULL "
                 "WHERE Ref_No = 0 AND PlayingStrategyRef_No = "
            + std::to_string(refNo));
        raw.Exec("UPDATE PlayingStrategies SET DealerSoft17 = 'x', InsuranceOn21 = 1.5 WHERE "
                 "Ref_No = "
            + std::to_string(refNo));
    }
    RawDb raw {path};
    std::int32_t refNo = 0;
};

TEST_F(DamagedPlayingRows, RowsTheFileLacksKeepTheirOldValues) {
    LoadPlayingStrategy(db, 1, gs);
    ASSERT_TRUE(LoadPlayingStrategy(db, refNo, gs));
    for (int row = 20; row < kPlayerRows; ++row)
        EXPECT_EQ(gs.StrategyMatrix[row][3], row % 2) << "row " << row << " kept the default";
    EXPECT_EQ(gs.StrategyMatrix[19][3], Sample("").Actions[19][3]);
}

TEST_F(DamagedPlayingRows, UnreadableValuesBecomeZeroAndUnknownCodesHit) {
    ASSERT_TRUE(LoadPlayingStrategy(db, refNo, gs));
    EXPECT_EQ(gs.StrategyMatrix[0][0], kHit); // 9 is no action
    EXPECT_EQ(gs.StrategyMatrix[0][1], 0); // text
    EXPECT_EQ(gs.StrategyMatrix[0][2], 0); // Null
    EXPECT_EQ(gs.StrategyMatrix[0][3], 4); // numeric text
    EXPECT_FALSE(gs.InsuranceByRow[0]);
    EXPECT_EQ(gs.DealerSoft17, 0);
    EXPECT_EQ(gs.InsuranceOn21, 2); // 1.50 rounds half to even
    EXPECT_EQ(LoadPlayingStrategyRecord(db, refNo)->StoredRows, 20);
}

} // namespace
} // namespace bj::test
