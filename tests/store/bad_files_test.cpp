#include "store_test_support.h"

#include "store/betting_strategies.h"
#include "store/playing_strategies.h"

#include <sys/wait.h>
#include <unistd.h>

#include <random>

namespace bj::test {
namespace {

// Opens the file and reports the refusal; fails the test if the file was accepted.
StoreError Refusal(const std::function<void()>& attempt) {
    try {
        attempt();
    } catch (const StoreError& e) {
        return e;
    }
    ADD_FAILURE() << "no StoreError";
    return StoreError(StoreProblem::Other, "", "");
}

void ExpectMentions(const StoreError& e, const std::string& path, const std::string& words) {
    const std::string message = e.what();
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_NE(message.find(words), std::string::npos) << message;
}

std::string RandomBytes(std::size_t n) {
    std::mt19937 gen(7);
    std::string bytes(n, '\0');
    for (char& c : bytes)
        c = static_cast<char>(gen());
    return bytes;
}

TEST_F(StoreTest, AnAccessFileIsRefusedAndLeftAlone) {
    std::string jet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    jet += RandomBytes(4076);
    for (const std::string& content : {jet, RandomBytes(8192), std::string("hello\n")}) {
        WriteFileBytes(path, content);
        const StoreError e = Refusal([&] { StrategyDb::Open(path); });
        EXPECT_EQ(e.Problem, StoreProblem::NotADatabase);
        ExpectMentions(e, path, "not a strategy database");
        EXPECT_EQ(ReadFileBytes(path), content);
    }
}

struct Damage {
    std::string Name, Sql, Words;
    StoreProblem Problem;
};
class DamagedSchema : public StoreTest, public ::testing::WithParamInterface<Damage> { };

TEST_P(DamagedSchema, IsRefusedNamingWhatIsMissing) {
    { StrategyDb::Open(path); }
    RawDb(path).Exec(GetParam().Sql);
    const std::string before = ReadFileBytes(path);
    const StoreError e = Refusal([&] { StrategyDb::Open(path); });
    EXPECT_EQ(e.Problem, GetParam().Problem);
    ExpectMentions(e, path, GetParam().Words);
    EXPECT_EQ(ReadFileBytes(path), before);
}

INSTANTIATE_TEST_SUITE_P(Store, DamagedSchema,
    ::testing::Values(Damage {"NoPlayersHand", "DROP TABLE PlayersHand",
                          "table PlayersHand is missing", StoreProblem::MissingTable},
        Damage {"NoLoseBet", "ALTER TABLE VariableBet DROP COLUMN LoseBet",
            "VariableBet has no column LoseBet", StoreProblem::MissingColumn},
        Damage {"ForeignDatabase",
            "DROP TABLE BettingStrategies; DROP TABLE PlayingStrategies; DROP TABLE "
            "PlayersHand; DROP TABLE VariableBet; CREATE TABLE Customers (Id INTEGER)",
            "table BettingStrategies is missing", StoreProblem::MissingTable}),
    [](const auto& info) { return info.param.Name; });

TEST_F(StoreTest, AnEmptyFileIsNotTakenForANewOne) {
    WriteFileBytes(path, "");
    EXPECT_EQ(Refusal([&] { StrategyDb::Open(path); }).Problem, StoreProblem::MissingTable);
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(StoreTest, AFolderInPlaceOfTheFileOrAMissingFolderIsReported) {
    std::filesystem::create_directory(path);
    ExpectMentions(Refusal([&] { StrategyDb::Open(path); }), path, "folder");
    const std::string nowhere = folder.File("no/such/folder/BlkJack.mdb");
    const StoreError e = Refusal([&] { StrategyDb::Open(nowhere); });
    EXPECT_EQ(e.Problem, StoreProblem::CannotOpen);
    ExpectMentions(e, nowhere, "cannot be created");
}

// Another process takes the file: a second program, or a database tool, mid-write.
class LockedFile : public StoreTest {
protected:
    void LockFromAnotherProcess() {
        int ready[2], release[2];
        ASSERT_EQ(pipe(ready), 0);
        ASSERT_EQ(pipe(release), 0);
        holder_ = fork();
        ASSERT_GE(holder_, 0);
        if (holder_ == 0) {
            close(ready[0]);
            close(release[1]);
            sqlite3* other = nullptr;
            sqlite3_open(path.c_str(), &other);
            const char ok
                = sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK
                ? 'y'
                : 'n';
            (void)!write(ready[1], &ok, 1);
            char done;
            (void)!read(release[0], &done, 1);
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        release_ = release[1];
        char ok = 'n';
        ASSERT_EQ(read(ready[0], &ok, 1), 1);
        close(ready[0]);
        ASSERT_EQ(ok, 'y');
    }
    void TearDown() override {
        if (holder_ > 0) {
            close(release_);
            waitpid(holder_, nullptr, 0);
        }
    }
    pid_t holder_ = -1;
    int release_ = -1;
};

TEST_F(LockedFile, OpeningReportsTheLock) {
    { StrategyDb::Open(path); }
    LockFromAnotherProcess();
    const StoreError e = Refusal([&] { StrategyDb::Open(path); });
    EXPECT_EQ(e.Problem, StoreProblem::Locked);
    ExpectMentions(e, path, "locked by another program");
}

TEST_F(LockedFile, SavingReportsTheLockAndTheFileKeepsItsContent) {
    StrategyDb db = StrategyDb::Open(path);
    LockFromAnotherProcess();
    EXPECT_EQ(Refusal([&] { AppendStreakStrategy(db, StreakStrategy {.Name = "x"}); }).Problem,
        StoreProblem::Locked);
    TearDown();
    holder_ = -1;
    EXPECT_EQ(ListStreakStrategies(db).size(), 1u);
    EXPECT_EQ(AppendStreakStrategy(db, StreakStrategy {.Name = "later"}), 2);
}

// Permission bits do not bind root, so as root the check runs in a child that gives
// up its privileges first.
template <typename Check> void AsUnprivilegedUser(const std::string& folder, Check check) {
    if (geteuid() != 0) {
        std::exit(check() ? 0 : 1);
    }
    std::filesystem::permissions(folder,
        std::filesystem::perms::others_read | std::filesystem::perms::others_exec,
        std::filesystem::perm_options::add);
    if (setgid(65534) != 0 || setuid(65534) != 0)
        std::exit(2);
    std::exit(check() ? 0 : 1);
}

bool SaveIsRefusedAsReadOnly(const std::string& path) {
    try {
        StrategyDb db = StrategyDb::Open(path);
        if (!ListStreakStrategies(db).size())
            return false;
        AppendStreakStrategy(db, StreakStrategy {.Name = "x"});
    } catch (const StoreError& e) {
        return e.Problem == StoreProblem::ReadOnly
            && std::string(e.what()).find(path) != std::string::npos;
    }
    return false;
}

using ReadOnlyDeathTest = StoreTest;

TEST_F(ReadOnlyDeathTest, AReadOnlyFileStillOpensButRefusesToSave) {
    { StrategyDb::Open(path); }
    std::filesystem::permissions(path,
        std::filesystem::perms::owner_read | std::filesystem::perms::group_read
            | std::filesystem::perms::others_read);
    const std::string before = ReadFileBytes(path);
    EXPECT_EXIT(AsUnprivilegedUser(folder.Path(), [&] { return SaveIsRefusedAsReadOnly(path); }),
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(ReadOnlyDeathTest, AReadOnlyFolderRefusesToSave) {
    { StrategyDb::Open(path); }
    std::filesystem::permissions(path, std::filesystem::perms::all);
    std::filesystem::permissions(folder.Path(),
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec
            | std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    EXPECT_EXIT(AsUnprivilegedUser(folder.Path(), [&] { return SaveIsRefusedAsReadOnly(path); }),
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(RawDb(path).Count("BettingStrategies"), 1);
}

TEST_F(ReadOnlyDeathTest, AReadOnlyFolderCannotReceiveANewFile) {
    std::filesystem::permissions(
        folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_EXIT(AsUnprivilegedUser(folder.Path(),
                    [&] {
                        try {
                            StrategyDb::Open(path);
                        } catch (const StoreError& e) {
                            return e.Problem == StoreProblem::CannotOpen;
                        }
                        return false;
                    }),
        ::testing::ExitedWithCode(0), "");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(StoreTest, AFullDiskDuringASaveLeavesTheFileAsItWas) {
    StrategyDb db = StrategyDb::Open(path);
    RawDb raw(path);
    const std::string pages = raw.Value("PRAGMA page_count");
    sqlite3_exec(
        db.Handle(), ("PRAGMA max_page_count = " + pages).c_str(), nullptr, nullptr, nullptr);
    PlayingStrategy big {.Name = std::string(50, 'x')};
    int saved = 0;
    try {
        for (; saved < 1000; ++saved)
            InsertPlayingStrategy(db, big);
        FAIL() << "the page limit never filled";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.Problem, StoreProblem::DiskFull);
        ExpectMentions(e, path, "disk is full");
    }
    EXPECT_EQ(raw.Count("PlayingStrategies"), 1 + saved);
    EXPECT_EQ(raw.Count("PlayersHand"), 26 * (1 + saved));
    EXPECT_EQ(raw.Value("PRAGMA integrity_check"), "ok");
}

struct WidthCase {
    std::string Kind;
    int Width;
    std::function<void(StrategyDb&, const std::string&)> Save;
    std::function<long long(RawDb&)> Count;
};
class TextWidths : public StoreTest, public ::testing::WithParamInterface<WidthCase> { };

TEST_P(TextWidths, AreEnforcedByTheDatabase) {
    StrategyDb db = StrategyDb::Open(path);
    RawDb raw(path);
    std::string fits;
    for (int i = 0; i < GetParam().Width; ++i)
        fits += "\xc3\xa9"; // widths count characters, not bytes
    GetParam().Save(db, fits);
    const long long stored = GetParam().Count(raw);
    const StoreError e = Refusal([&] { GetParam().Save(db, fits + "e"); });
    EXPECT_EQ(e.Problem, StoreProblem::NameTooLong);
    ExpectMentions(e, path, "longer than " + std::to_string(GetParam().Width) + " characters");
    EXPECT_EQ(GetParam().Count(raw), stored);
}

INSTANTIATE_TEST_SUITE_P(Store, TextWidths,
    ::testing::Values(WidthCase {"Playing", 50,
                          [](StrategyDb& db, const std::string& name) {
                              InsertPlayingStrategy(db, PlayingStrategy {.Name = name});
                          },
                          [](RawDb& raw) { return raw.Count("PlayersHand"); }},
        WidthCase {"Streak", 50,
            [](StrategyDb& db, const std::string& name) {
                AppendStreakStrategy(db, StreakStrategy {.Name = name});
            },
            [](RawDb& raw) { return raw.Count("BettingStrategies"); }},
        WidthCase {"Variable", 80,
            [](StrategyDb& db, const std::string& name) {
                AppendVariableStrategy(db, VariableStrategy {.Name = name});
            },
            [](RawDb& raw) { return raw.Count("VariableBet"); }},
        WidthCase {"PlayingRename", 50,
            [](StrategyDb& db, const std::string& name) {
                PlayingStrategy s {.RefNo = 2, .Name = name};
                if (!UpdatePlayingStrategy(db, s))
                    InsertPlayingStrategy(db, s);
            },
            [](RawDb& raw) {
                return std::stoll(
                    raw.Value("SELECT length(Name) FROM PlayingStrategies WHERE Ref_No = 2"));
            }}),
    [](const auto& info) { return info.param.Kind; });

} // namespace
} // namespace bj::test
