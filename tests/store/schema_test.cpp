#include "store_test_support.h"

#include "store/betting_strategies.h"
#include "store/playing_strategies.h"

#include <thread>

namespace bj::test {
namespace {

// "name TYPE" for each column, in order, with the key position when part of the key.
std::string Columns(RawDb& raw, const std::string& table) {
    return raw.Value("SELECT group_concat(name || ' ' || type || iif(pk > 0, ' key' || pk, '')"
                     " || iif(dflt_value IS NOT NULL, ' default ' || dflt_value, ''), ', ')"
                     " FROM pragma_table_info('"
        + table + "')");
}

std::string Bets(const std::string& side) {
    std::string text;
    for (int i = 1; i <= 10; ++i)
        text += ", " + side + std::to_string(i) + " SMALLINT";
    return text;
}

TEST_F(StoreTest, NewFileHasExactlyTheFourTablesInCreationOrder) {
    StrategyDb::Open(path);
    RawDb raw(path);
    EXPECT_EQ(raw.Value("SELECT group_concat(name, ',') FROM sqlite_schema WHERE type = "
                        "'table' AND name NOT LIKE 'sqlite_%'"),
        "BettingStrategies,PlayingStrategies,PlayersHand,VariableBet");
}

struct TableCase {
    std::string Table;
    std::string Columns;
};

class SchemaColumns : public StoreTest, public ::testing::WithParamInterface<TableCase> { };

TEST_P(SchemaColumns, DeclareTheirTypesKeysAndDefaults) {
    StrategyDb::Open(path);
    RawDb raw(path);
    EXPECT_EQ(Columns(raw, GetParam().Table), GetParam().Columns);
}

INSTANTIATE_TEST_SUITE_P(Store, SchemaColumns,
    ::testing::Values(
        TableCase {"BettingStrategies",
            "Ref_No INTEGER key1, Name VARCHAR(50), Surrender BOOLEAN, DecksInShoe SMALLINT, "
            "WinningSeqLength SMALLINT, LosingSeqLength SMALLINT"
                + Bets("WinningHand") + Bets("LosingHand")
                + ", HandsToPlay SMALLINT, Comments VARCHAR(250)"},
        TableCase {"PlayingStrategies",
            "Ref_No INTEGER key1, Name VARCHAR(50), DoubleDown SMALLINT, SplitsDoubleDown "
            "SMALLINT, DealerSoft17 SMALLINT, InsuranceOn21 SMALLINT"},
        TableCase {"PlayersHand",
            "Ref_No INTEGER key1, PlayingStrategyRef_No INTEGER key2, DA SMALLINT, D10 "
            "SMALLINT, D9 SMALLINT, D8 SMALLINT, D7 SMALLINT, D6 SMALLINT, D5 SMALLINT, D4 "
            "SMALLINT, D3 SMALLINT, D2 SMALLINT, Ins SMALLINT"},
        TableCase {"VariableBet",
            "Ref_No INTEGER key1, Name VARCHAR(80), InitialBet DOUBLE, MaximumBet DOUBLE, "
            "MinimumBet DOUBLE, MaintainMax TINYINT, MaintainMin TINYINT, WinAddSub TINYINT "
            "default 0, LoseAddSub TINYINT default 0, WinBet DOUBLE, LoseBet DOUBLE"}),
    [](const auto& info) { return info.param.Table; });

TEST_F(StoreTest, SeedsOneDefaultOfEachKindAsRefNoOne) {
    StrategyDb::Open(path);
    RawDb raw(path);
    for (const char* table : {"BettingStrategies", "PlayingStrategies", "VariableBet"}) {
        SCOPED_TRACE(table);
        EXPECT_EQ(
            raw.Value(std::string("SELECT group_concat(Ref_No || ':' || Name) FROM ") + table),
            "1:Default");
    }
}

TEST_F(StoreTest, SeedsTheStreakRowColumnByColumn) {
    StrategyDb::Open(path);
    RawDb raw(path);
    EXPECT_EQ(raw.Value("SELECT quote(Surrender) || ' ' || DecksInShoe || ' ' || "
                        "WinningSeqLength || ' ' || LosingSeqLength || ' ' || HandsToPlay || "
                        "' ' || Comments FROM BettingStrategies"),
        "0 1 5 5 50 This is the Default settings.");
    const std::string bets = "5,10,20,30,40,5,5,5,5,5";
    for (const char* side : {"WinningHand", "LosingHand"}) {
        std::string select = "SELECT ";
        for (int i = 1; i <= 10; ++i)
            select += std::string(i > 1 ? " || ',' || " : "") + side + std::to_string(i);
        EXPECT_EQ(raw.Value(select + " FROM BettingStrategies"), bets) << side;
    }
}

TEST_F(StoreTest, SeedsThePlayingRowsAlternatingHitAndStand) {
    StrategyDb::Open(path);
    RawDb raw(path);
    EXPECT_EQ(raw.Value("SELECT DoubleDown || SplitsDoubleDown || DealerSoft17 || "
                        "quote(InsuranceOn21) FROM PlayingStrategies"),
        "011NULL");
    EXPECT_EQ(raw.Count("PlayersHand WHERE PlayingStrategyRef_No = 1"), 26);
    EXPECT_EQ(raw.Count("PlayersHand WHERE Ref_No BETWEEN 0 AND 25 AND DA = Ref_No % 2 AND "
                        "D10 = DA AND D9 = DA AND D8 = DA AND D7 = DA AND D6 = DA AND D5 = DA "
                        "AND D4 = DA AND D3 = DA AND D2 = DA AND Ins = DA"),
        26);
}

TEST_F(StoreTest, SeedsTheVariableRow) {
    StrategyDb::Open(path);
    RawDb raw(path);
    EXPECT_EQ(raw.Value("SELECT InitialBet || ' ' || MaximumBet || ' ' || MinimumBet || ' ' "
                        "|| MaintainMax || MaintainMin || WinAddSub || LoseAddSub || ' ' || "
                        "WinBet || ' ' || LoseBet FROM VariableBet"),
        "10.0 50.0 5.0 0000 10.0 10.0");
}

TEST_F(StoreTest, ReopeningAnExistingFileWritesNothing) {
    { StrategyDb::Open(path); }
    const std::string before = ReadFileBytes(path);
    const auto modified = std::filesystem::last_write_time(path);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    {
        StrategyDb db = StrategyDb::Open(path);
        GameState gs;
        LoadPlayingStrategy(db, 1, gs);
        ListStreakStrategies(db);
        LoadVariableStrategy(db, 1);
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(std::filesystem::last_write_time(path), modified);
}

TEST_F(StoreTest, AnExistingFileIsNeverReseeded) {
    { StrategyDb::Open(path); }
    RawDb(path).Exec("DELETE FROM VariableBet; DELETE FROM PlayersHand;");
    StrategyDb db = StrategyDb::Open(path);
    EXPECT_TRUE(ListVariableStrategies(db).empty());
    EXPECT_EQ(RawDb(path).Count("PlayersHand"), 0);
}

TEST_F(StoreTest, PlayersHandKeyRepeatsRowNumbersPerStrategyButNotWithin) {
    StrategyDb db = StrategyDb::Open(path);
    const std::int32_t second = InsertPlayingStrategy(db, PlayingStrategy {.Name = "Two"});
    RawDb raw(path);
    EXPECT_EQ(raw.Count("PlayersHand WHERE PlayingStrategyRef_No = " + std::to_string(second)), 26);
    EXPECT_THROW(raw.Exec("INSERT INTO PlayersHand (Ref_No, PlayingStrategyRef_No) VALUES (3, 1)"),
        std::runtime_error);
}

TEST_F(StoreTest, KeysCountOnWithoutReusingDeletedNumbers) {
    StrategyDb db = StrategyDb::Open(path);
    const std::int32_t second = AppendVariableStrategy(db, VariableStrategy {.Name = "B"});
    EXPECT_EQ(second, 2);
    DeleteVariableStrategy(db, second);
    EXPECT_EQ(AppendVariableStrategy(db, VariableStrategy {.Name = "C"}), 3);
}

TEST_F(StoreTest, DefaultPathIsTheProgramFolderAndTheFixedName) {
    EXPECT_EQ(DefaultDatabasePath("/opt/bj"), "/opt/bj/BlkJack.mdb");
    EXPECT_EQ(DefaultDatabasePath("/opt/bj/"), "/opt/bj/BlkJack.mdb");
}

} // namespace
} // namespace bj::test
