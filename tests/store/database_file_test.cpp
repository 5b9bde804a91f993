#include "store_test_support.h"

#include "store/betting_strategies.h"
#include "store/new_file.h"
#include "store/playing_strategies.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <memory>
#include <optional>
#include <set>
#include <thread>
#include <tuple>

namespace bj::test {
namespace {

// The seed is written once: a file opened again is read without a write, rows gone or not.
TEST_F(StoreTest, ANewFileHasExactlyTheFourTablesAndTheirSeedAndIsNeverReseeded) {
    StrategyDb::Open(path);
    RawDb raw(path);
    std::string bets;
    for (const std::string side : {"WinningHand", "LosingHand"})
        for (int i = 1; i <= 10; ++i)
            bets += ", " + side + std::to_string(i) + " SMALLINT";
    EXPECT_EQ(raw.Value("SELECT group_concat(name, ',') FROM sqlite_schema WHERE type = "
                        "'table' AND name NOT LIKE 'sqlite_%'"),
        "BettingStrategies,PlayingStrategies,PlayersHand,VariableBet");
    const std::pair<std::string, std::string> tables[]
        = {{"BettingStrategies",
               "Ref_No INTEGER key1, Name VARCHAR(50), Surrender BOOLEAN, DecksInShoe SMALLINT, "
               "WinningSeqLength SMALLINT, LosingSeqLength SMALLINT"
                   + bets + ", HandsToPlay SMALLINT, Comments VARCHAR(250)"},
            {"PlayingStrategies",
                "Ref_No INTEGER key1, Name VARCHAR(50), DoubleDown SMALLINT, SplitsDoubleDown "
                "SMALLINT, DealerSoft17 SMALLINT, InsuranceOn21 SMALLINT"},
            {"PlayersHand",
                "Ref_No INTEGER key1, PlayingStrategyRef_No INTEGER key2, DA SMALLINT, D10 "
                "SMALLINT, D9 SMALLINT, D8 SMALLINT, D7 SMALLINT, D6 SMALLINT, D5 SMALLINT, D4 "
                "SMALLINT, D3 SMALLINT, D2 SMALLINT, Ins SMALLINT"},
            {"VariableBet",
                "Ref_No INTEGER key1, Name VARCHAR(80), InitialBet DOUBLE, MaximumBet DOUBLE, "
                "MinimumBet DOUBLE, MaintainMax TINYINT, MaintainMin TINYINT, WinAddSub TINYINT "
                "default 0, LoseAddSub TINYINT default 0, WinBet DOUBLE, LoseBet DOUBLE"}};
    for (const auto& [table, columns] : tables)
        EXPECT_EQ(raw.Value("SELECT group_concat(name || ' ' || type || iif(pk > 0, ' key' || "
                            "pk, '') || iif(dflt_value IS NOT NULL, ' default ' || dflt_value, "
                            "''), ', ') FROM pragma_table_info('"
                      + table + "')"),
            columns);

    const std::string seedBets = ",5,10,20,30,40,5,5,5,5,5";
    EXPECT_EQ(raw.Dump("BettingStrategies"),
        "1,'Default',0,1,5,5" + seedBets + seedBets + ",50,'This is the Default settings.'");
    EXPECT_EQ(raw.Dump("PlayingStrategies"), "1,'Default',0,1,1,NULL");
    std::string rows;
    for (int row = 0; row < kPlayerRows; ++row) { // alternating Hit and Stand, Ins alike
        rows += (row ? ";" : "") + std::to_string(row) + ",1";
        for (int column = 0; column <= kDealerColumns; ++column)
            rows += row % 2 ? ",1" : ",0";
    }
    EXPECT_EQ(raw.Dump("PlayersHand"), rows);
    EXPECT_EQ(raw.Dump("VariableBet"), "1,'Default',10.0,50.0,5.0,0,0,0,0,10.0,10.0");

    raw.Exec("DELETE FROM VariableBet; DELETE FROM PlayersHand");
    const std::string before = ReadFileBytes(path);
    {
        StrategyDb db = StrategyDb::Open(path);
        EXPECT_TRUE(LoadStreakStrategy(db, 1).has_value());
        EXPECT_TRUE(ListVariableStrategies(db).empty());
    }
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(StoreTest, AFileThatIsNoStrategyDatabaseIsRefusedAndLeftAlone) {
    const std::string kMoveAway = ", so this is not a complete strategy database. Move it to "
                                  "another folder or rename it, and a new one will be made";
    // Damage is done to a new database; otherwise the file holds the bytes.
    using Case = std::tuple<std::string, std::string, StoreProblem, std::string>;
    const Case cases[] = {
        {"", std::string("\x00\x01\x00\x00Standard Jet DB\x00", 20) + std::string(4076, '\xa5'),
            StoreProblem::NotADatabase, "not a strategy database"},
        {"", "", StoreProblem::MissingTable, "table BettingStrategies is missing" + kMoveAway},
        {"DROP TABLE PlayersHand", "", StoreProblem::MissingTable,
            "table PlayersHand is missing" + kMoveAway},
        {"ALTER TABLE VariableBet DROP COLUMN LoseBet", "", StoreProblem::MissingColumn,
            "VariableBet has no column LoseBet" + kMoveAway},
        {"DROP TABLE BettingStrategies; DROP TABLE PlayingStrategies; DROP TABLE PlayersHand; "
         "DROP TABLE VariableBet; CREATE TABLE Customers (Id INTEGER)",
            "", StoreProblem::MissingTable, "table BettingStrategies is missing"},
        // A query that never ends, in place of a table.
        {"DROP TABLE PlayersHand; CREATE VIEW PlayersHand AS WITH RECURSIVE r(n) AS (SELECT 0 "
         "UNION ALL SELECT n + 1 FROM r) SELECT n AS Ref_No, 1 AS PlayingStrategyRef_No, 0 AS DA, "
         "0 AS D10, 0 AS D9, 0 AS D8, 0 AS D7, 0 AS D6, 0 AS D5, 0 AS D4, 0 AS D3, 0 AS D2, 0 AS "
         "Ins FROM r",
            "", StoreProblem::NotATable, "PlayersHand is a view, not a table"},
        {"DROP TABLE VariableBet; CREATE VIRTUAL TABLE VariableBet USING fts5(Ref_No, Name, "
         "InitialBet, MaximumBet, MinimumBet, MaintainMax, MaintainMin, WinAddSub, LoseAddSub, "
         "WinBet, LoseBet)",
            "", StoreProblem::NotATable, "VariableBet is a virtual table, not a stored one"}};
    for (const auto& [damage, bytes, problem, words] : cases) {
        SCOPED_TRACE(damage + " " + std::to_string(bytes.size()) + " bytes");
        fs::remove(path);
        if (damage.empty())
            std::ofstream(path, std::ios::binary) << bytes;
        else {
            StrategyDb::Open(path);
            RawDb(path).Exec(damage);
        }
        const std::string before = ReadFileBytes(path);
        ExpectRefusal([&] { StrategyDb::Open(path); }, problem, path, words);
        EXPECT_EQ(ReadFileBytes(path), before);
    }
}

// Names are matched as SQLite matches them.
TEST_F(StoreTest, ColumnsNamedInAnotherCaseServeAsWell) {
    StrategyDb::Open(path);
    RawDb(path).Exec("ALTER TABLE BettingStrategies RENAME COLUMN WinningHand1 TO winninghand1");
    StrategyDb db = StrategyDb::Open(path);
    EXPECT_EQ(LoadStreakStrategy(db, 1)->WinningHand[0], 5.0);
}

TEST_F(StoreTest, ADeviceOrAPipeIsRefusedAsNoDatabaseFile) {
    const std::string pipe = folder + "/pipe.mdb";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& special : {std::string("/dev/null"), pipe})
        ExpectRefusal([&] { StrategyDb::Open(special); }, StoreProblem::CannotOpen, special,
            "a device or another special file, not a database file");
}

// Every file and folder below `folder`, as paths relative to it.
std::set<std::string> Contents(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.insert(fs::relative(entry.path(), folder).string());
    return names;
}

std::string AllRows(const std::string& path) {
    RawDb raw(path);
    return raw.Dump("BettingStrategies") + "\n" + raw.Dump("PlayingStrategies") + "\n"
        + raw.Dump("PlayersHand") + "\n" + raw.Dump("VariableBet");
}

// Starts `count` processes that wait for the word and then open `path` as the program does,
// exiting 0 if it opened and 1 if it was refused; the word is said once all of them wait.
std::vector<pid_t> OpenTogether(const std::string& path, int count) {
    int go[2], ready[2];
    if (pipe(go) != 0 || pipe(ready) != 0)
        return {};
    std::vector<pid_t> children;
    for (int i = 0; i < count; ++i) {
        if (const pid_t child = fork(); child != 0) {
            children.push_back(child);
            continue;
        }
        close(go[1]);
        char word;
        (void)!write(ready[1], "y", 1);
        (void)!read(go[0], &word, 1);
        try {
            StrategyDb::Open(path);
            _exit(0);
        } catch (const StoreError&) {
            _exit(1);
        }
    }
    for (char word; count-- > 0;)
        (void)!read(ready[0], &word, 1);
    for (const int end : {go[0], go[1], ready[0], ready[1]})
        close(end); // closing go[1] is the word: every child's read returns at once
    return children;
}

int ExitStatus(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Each round, two starts at once on a missing file both open the same complete file, and a
// start killed at a moment spread over the creation leaves no file or a whole one. Where the
// system cannot make a file without a name, a killed start leaves its hidden part. Run with
// --gtest_repeat for more rounds.
TEST_F(StoreTest, StartsTogetherOrKilledLeaveNothingOrTheWholeFile) {
    const int unnamed = open(folder.c_str(), O_TMPFILE | O_RDWR, 0600);
    if (unnamed >= 0)
        close(unnamed);
    const auto started = std::chrono::steady_clock::now();
    { StrategyDb::Open(path); }
    const auto creation = std::chrono::steady_clock::now() - started;
    const std::string seeded = AllRows(path);
    fs::remove(path);
    for (int round = 0; round < 24; ++round) {
        const std::vector<pid_t> both = OpenTogether(path, 2);
        EXPECT_EQ(std::tuple(ExitStatus(both.at(0)), ExitStatus(both.at(1))), std::tuple(0, 0))
            << "round " << round;
        EXPECT_EQ(Contents(folder), std::set<std::string> {"BlkJack.mdb"}) << "round " << round;
        EXPECT_EQ(AllRows(path), seeded) << "round " << round;
        fs::remove(path);

        const pid_t killed = OpenTogether(path, 1).at(0);
        std::this_thread::sleep_for(creation * round / 20);
        kill(killed, SIGKILL);
        waitpid(killed, nullptr, 0);
        std::set<std::string> left = Contents(folder);
        std::erase_if(left, [&](const auto& name) {
            return unnamed < 0 && name.starts_with(".BlkJack.mdb.")
                && fs::remove(folder + "/" + name);
        });
        EXPECT_TRUE(left.empty() || left == std::set<std::string> {"BlkJack.mdb"})
            << "round " << round << ": " << left.size() << " names left, " << *left.begin();
        EXPECT_NO_THROW(StrategyDb::Open(path)) << "round " << round;
        EXPECT_EQ(AllRows(path), seeded) << "round " << round;
        fs::remove(path);
    }
}

// The way taken where the system cannot make a file without a name.
TEST_F(StoreTest, ANewFileUnderATemporaryNameNeverReplacesAndLeavesNoPart) {
    EXPECT_EQ(PlaceNewFileByName(path, "first"), Placement::Placed);
    EXPECT_EQ(PlaceNewFileByName(path, "second"), Placement::AlreadyThere);
    EXPECT_THROW(PlaceNewFileByName(folder + "/missing/BlkJack.mdb", "third"), std::system_error);
    EXPECT_EQ(ReadFileBytes(path), "first");
    EXPECT_EQ(Contents(folder), std::set<std::string> {"BlkJack.mdb"});
}

// A link that leads to no file yet gets the new file where it points. A creation that cannot
// be done creates nothing and removes nothing, the link included.
TEST_F(StoreTest, ANewFileIsMadeWhereALinkPointsAndAFailedOneRemovesNothing) {
    const std::string deep = folder + "/" + std::string(200, 'a') + "/" + std::string(200, 'b')
        + "/" + std::string(100, 'c'); // with the name, beyond SQLite's 512 less "-journal"
    fs::create_directories(deep);
    const std::string tooLong = "more than the 504 characters that the database engine accepts";
    using Case = std::tuple<std::string, std::string, std::optional<StoreProblem>, std::string>;
    const Case cases[] = {// the path opened, where its link points ("" for none), the outcome
        {DefaultDatabasePath(deep), "", StoreProblem::PathTooLong, tooLong},
        {folder + "/" + std::string(300, 'n'), "", StoreProblem::PathTooLong,
            "is longer than the system accepts"},
        {path, folder + "/missing/BlkJack.mdb", StoreProblem::CannotOpen, "cannot be created"},
        {path, DefaultDatabasePath(deep), StoreProblem::PathTooLong, tooLong},
        {path, "elsewhere.mdb", std::nullopt, ""}};
    for (const auto& [opened, target, problem, words] : cases) {
        SCOPED_TRACE(opened.substr(folder.size()) + " -> " + target);
        if (!target.empty())
            fs::create_symlink(target, opened);
        const std::set<std::string> before = Contents(folder);
        if (problem) {
            ExpectRefusal([&] { StrategyDb::Open(opened); }, *problem, opened, words);
            EXPECT_EQ(Contents(folder), before);
        } else {
            EXPECT_NO_THROW(StrategyDb::Open(opened));
            StrategyDb made = StrategyDb::Open(folder + "/" + target);
            EXPECT_EQ(ListStreakStrategies(made).size(), 1u);
        }
        std::error_code ignored;
        EXPECT_EQ(fs::is_symlink(fs::symlink_status(opened, ignored)), !target.empty())
            << "the link was removed";
        fs::remove(opened, ignored);
    }
}

// Another connection holds an exclusive transaction, as another program would; SQLite's
// locks bind connections within one process just as between processes. A file moved while
// open is not said to be read-only.
TEST_F(StoreTest, ALockedOrMovedFileIsReportedAndNothingIsLost) {
    StrategyDb db = StrategyDb::Open(path);
    auto other = std::make_unique<RawDb>(path);
    other->Exec("BEGIN EXCLUSIVE");
    const std::string locked = "locked by another program";
    ExpectRefusal([&] { StrategyDb::Open(path); }, StoreProblem::Locked, path, locked);
    const auto save = [&] { AppendStreakStrategy(db, StreakStrategy {.Name = "x"}); };
    ExpectRefusal(save, StoreProblem::Locked, path, locked);
    other.reset();
    EXPECT_EQ(ListStreakStrategies(db).size(), 1u);
    EXPECT_EQ(AppendStreakStrategy(db, StreakStrategy {.Name = "later"}), 2);
    fs::rename(path, path + ".moved");
    ExpectRefusal(save, StoreProblem::Other, path, "moved, renamed or replaced");
}

// Runs in a death-test child.
[[noreturn]] void ExitZeroIfSavingIsRefused(const std::string& path, StoreProblem problem) {
    GiveUpRootRights();
    const auto openListAndSave = [&] {
        StrategyDb db = StrategyDb::Open(path);
        if (ListStreakStrategies(db).size() == 1)
            AppendStreakStrategy(db, StreakStrategy {.Name = "x"});
    };
    ExpectRefusal(openListAndSave, problem, path,
        problem == StoreProblem::ReadOnly ? "read-only" : "cannot be created");
    _exit(::testing::Test::HasFailure() ? 1 : 0);
}

using ReadOnlyDeathTest = StoreTest;

TEST_F(ReadOnlyDeathTest, AReadOnlyFileOrFolderRefusesToSaveAndLosesNothing) {
    using fs::perms;
    { StrategyDb::Open(path); }
    const std::string before = ReadFileBytes(path);
    // The file read-only; the folder read-only; no file yet in a read-only folder.
    const std::tuple<perms, perms, StoreProblem> cases[]
        = {{kReadOnly, perms::all, StoreProblem::ReadOnly},
            {perms::all, kReadOnly, StoreProblem::ReadOnly},
            {perms::none, kReadOnly, StoreProblem::CannotOpen}};
    for (const auto& [file, dir, problem] : cases) {
        fs::permissions(folder, perms::all);
        file == perms::none ? void(fs::remove(path)) : fs::permissions(path, file);
        fs::permissions(folder, dir);
        EXPECT_EXIT(ExitZeroIfSavingIsRefused(path, problem), ::testing::ExitedWithCode(0), "");
        const bool kept = file == perms::none ? !fs::exists(path) : ReadFileBytes(path) == before;
        EXPECT_TRUE(kept) << "the file was changed or created";
    }
}

// Runs in a death-test child, which owns the file: made writable, the file takes the next save;
// a writable file put in its place is another file, and saves stay refused.
[[noreturn]] void ExitZeroIfSavesFollowTheOpenedFile(const std::string& path, bool replaced) {
    GiveUpRootRights();
    StrategyDb db = StrategyDb::Open(path);
    const auto save = [&] { AppendStreakStrategy(db, StreakStrategy {.Name = "later"}); };
    ExpectRefusal(save, StoreProblem::ReadOnly, path, "read-only");
    const std::string writable = replaced ? path + ".new" : path;
    if (replaced)
        fs::copy_file(path, writable);
    fs::permissions(writable, fs::perms::owner_write, fs::perm_options::add);
    if (replaced) {
        fs::rename(writable, path);
        ExpectRefusal(save, StoreProblem::ReadOnly, path, "read-only");
    } else {
        save();
    }
    _exit(::testing::Test::HasFailure() ? 1 : 0);
}

TEST_F(ReadOnlyDeathTest, AFileMadeWritableWhileOpenTakesTheNextSave) {
    fs::permissions(folder, fs::perms::all);
    for (const bool replaced : {false, true}) {
        fs::remove(path);
        { StrategyDb::Open(path); }
        fs::permissions(path, kReadOnly);
        if (geteuid() == 0) {
            ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
        }
        EXPECT_EXIT(
            ExitZeroIfSavesFollowTheOpenedFile(path, replaced), ::testing::ExitedWithCode(0), "");
        EXPECT_EQ(
            RawDb(path).Value("SELECT count(*) FROM BettingStrategies"), replaced ? "1" : "2");
    }
}

TEST_F(StoreTest, AFullDiskDuringASaveLeavesTheFileWhole) {
    StrategyDb db = StrategyDb::Open(path);
    RawDb raw(path);
    const std::string limit = "PRAGMA max_page_count = " + raw.Value("PRAGMA page_count");
    sqlite3_exec(db.Handle(), limit.c_str(), nullptr, nullptr, nullptr);
    int saved = 0;
    ExpectRefusal(
        [&] {
            for (; saved < 1000; ++saved)
                InsertPlayingStrategy(db, PlayingStrategy {.Name = std::string(50, 'x')});
        },
        StoreProblem::DiskFull, path, "disk is full");
    EXPECT_EQ(raw.Value("SELECT count(*) FROM PlayingStrategies"), std::to_string(1 + saved));
    EXPECT_EQ(raw.Value("SELECT count(*) FROM PlayersHand"), std::to_string(26 * (1 + saved)));
    EXPECT_EQ(raw.Value("PRAGMA integrity_check"), "ok");
}

TEST_F(StoreTest, TextWidthsAreEnforcedByTheDatabase) {
    StrategyDb db = StrategyDb::Open(path);
    RawDb raw(path);
    const std::string text = Repeat("\xc3\xa9", 250); // widths count characters, not bytes
    const std::tuple<std::string, int> columns[]
        = {{"PlayingStrategies SET Name", 50}, {"BettingStrategies SET Name", 50},
            {"BettingStrategies SET Comments", 250}, {"VariableBet SET Name", 80}};
    for (const auto& [column, width] : columns) {
        raw.Exec("UPDATE " + column + " = '" + text.substr(0, 2 * width) + "'");
        EXPECT_THROW(raw.Exec("UPDATE " + column + " = '" + text.substr(0, 2 * width) + "e'"),
            std::runtime_error)
            << column;
    }
    InsertPlayingStrategy(db, PlayingStrategy {.Name = "x"});
    const std::string before = ReadFileBytes(path);
    ExpectRefusal([&] { InsertPlayingStrategy(db, PlayingStrategy {.Name = text}); },
        StoreProblem::NameTooLong, path, "longer than 50 characters");
    ExpectRefusal([&] { UpdatePlayingStrategy(db, PlayingStrategy {.RefNo = 2, .Name = text}); },
        StoreProblem::NameTooLong, path, "longer than 50 characters");
    ExpectRefusal([&] { AppendVariableStrategy(db, VariableStrategy {.Name = text}); },
        StoreProblem::NameTooLong, path, "longer than 80 characters");
    EXPECT_EQ(ReadFileBytes(path), before);
}

} // namespace
} // namespace bj::test
