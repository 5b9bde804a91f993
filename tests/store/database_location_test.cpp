#include "store_test_support.h"

#include "store/betting_strategies.h"
#include "store/database_location.h"

namespace bj::test {
namespace {

namespace fs = std::filesystem;

// `folder` is the program's folder; the data folder lies below a writable folder of its own.
class DatabaseLocation : public StoreTest {
protected:
    std::string user = folder + "/user";
    std::string data = user + "/share/app";
    const FolderCheck Writable = [](const std::string&) { return true; };
};

TEST_F(DatabaseLocation, TheFileStaysBesideTheProgramWhenItIsThereOrCanBeMade) {
    const FolderCheck ReadOnly = [](const std::string&) { return false; };
    const std::tuple<bool, FolderCheck, bool> cases[] = {{false, Writable, true},
        {true, Writable, true}, {true, ReadOnly, true}, {false, ReadOnly, false}};
    for (const auto& [fileThere, check, besideProgram] : cases) {
        SCOPED_TRACE(std::to_string(fileThere) + std::to_string(besideProgram));
        fs::remove_all(user);
        fs::remove(path);
        if (fileThere)
            std::ofstream(path) << "";
        EXPECT_EQ(ChooseDatabasePath(folder, data, check),
            besideProgram ? path : DefaultDatabasePath(data));
        EXPECT_EQ(fs::is_directory(data), !besideProgram) << "the data folder is made when used";
    }
}

TEST_F(
    DatabaseLocation, AnInstalledCopyKeepsItsFileOrUsesTheDataFolderEvenWhenItsFolderIsWritable) {
    const std::string bin = folder + "/usr/bin";
    fs::create_directories(bin);
    fs::create_directories(folder + "/usr/share/applications");
    std::ofstream(folder + "/usr/share/applications/" BJ_DESKTOP_NAME ".desktop") << "";
    EXPECT_EQ(ChooseDatabasePath(bin, data, Writable), DefaultDatabasePath(data));
    std::ofstream(DefaultDatabasePath(bin)) << "";
    EXPECT_EQ(ChooseDatabasePath(bin, data, Writable), DefaultDatabasePath(bin));
}

// Runs in a death-test child with the real rights.
[[noreturn]] void ExitZeroIfPlacedAndSaved(
    const std::string& folder, const std::string& data, bool besideProgram, bool refused) {
    GiveUpRootRights();
    const std::string path = ChooseDatabasePath(folder, data);
    EXPECT_EQ(path, DefaultDatabasePath(besideProgram ? folder : data));
    StrategyDb db = StrategyDb::Open(path);
    EXPECT_EQ(db.ReadOnly(), refused);
    const auto save = [&] { AppendStreakStrategy(db, StreakStrategy {.Name = "x"}); };
    if (refused)
        ExpectRefusal(save, StoreProblem::ReadOnly, path, "read-only");
    else
        EXPECT_NO_THROW(save());
    _exit(::testing::Test::HasFailure() ? 1 : 0);
}

using DatabaseLocationDeathTest = DatabaseLocation;

TEST_F(DatabaseLocationDeathTest, AReadOnlyProgramFolderKeepsItsFileOrSendsANewOneToTheDataFolder) {
    using fs::perms;
    fs::create_directory(user);
    fs::permissions(user, perms::all);
    // A writable folder; a read-only folder holding a read-only file; one holding none.
    const std::tuple<perms, bool, bool, bool> cases[] = {{perms::all, false, true, false},
        {kReadOnly, true, true, true}, {kReadOnly, false, false, false}};
    for (const auto& [dir, fileThere, besideProgram, refused] : cases) {
        fs::permissions(folder, perms::all);
        fs::remove(path);
        fs::remove_all(data);
        if (fileThere) {
            StrategyDb::Open(path);
            fs::permissions(path, kReadOnly);
        }
        fs::permissions(folder, dir);
        EXPECT_EXIT(ExitZeroIfPlacedAndSaved(folder, data, besideProgram, refused),
            ::testing::ExitedWithCode(0), "");
        EXPECT_EQ(fs::exists(path), besideProgram) << "a file was made beside the program";
    }
}

} // namespace
} // namespace bj::test
