#include "store_test_support.h"

#include "store/betting_strategies.h"
#include "store/database_location.h"

namespace bj::test {
namespace {

// `folder` is the program's folder; the data folder lies below a writable folder of its own.
class DatabaseLocation : public StoreTest {
protected:
    std::string user = folder + "/user";
    std::string data = user + "/share/app";
    const FolderCheck Writable = [](const std::string&) { return true; };
};

// An installed copy, found by its desktop file, keeps its file or uses the data folder even
// when its folder is writable; a file already in the data folder is used before a new one is
// made beside the program.
TEST_F(DatabaseLocation, TheFileStaysBesideTheProgramWhenItIsThereOrCanBeMadeUnlessInstalled) {
    const std::string installed = folder + "/usr/bin";
    fs::create_directories(installed);
    fs::create_directories(folder + "/usr/share/applications");
    std::ofstream(folder + "/usr/share/applications/" BJ_DESKTOP_NAME ".desktop") << "";
    const FolderCheck ReadOnly = [](const std::string&) { return false; };
    // The program folder, whether it holds a file, whether the data folder does, its rights,
    // and whether the file chosen is beside the program.
    const std::tuple<std::string, bool, bool, FolderCheck, bool> cases[]
        = {{folder, false, false, Writable, true}, {folder, true, false, Writable, true},
            {folder, true, false, ReadOnly, true}, {folder, false, false, ReadOnly, false},
            {installed, false, false, Writable, false}, {installed, true, false, Writable, true},
            {folder, false, true, Writable, false}, {folder, true, true, Writable, true}};
    for (const auto& [program, fileThere, dataFileThere, check, besideProgram] : cases) {
        SCOPED_TRACE(program + " " + std::to_string(fileThere) + std::to_string(dataFileThere)
            + std::to_string(besideProgram));
        const std::string file = DefaultDatabasePath(program);
        fs::remove_all(user);
        fs::remove(file);
        if (fileThere)
            std::ofstream(file) << "";
        if (dataFileThere) {
            fs::create_directories(data);
            std::ofstream(DefaultDatabasePath(data)) << "";
        }
        EXPECT_EQ(ChooseDatabasePath(program, data, check),
            besideProgram ? file : DefaultDatabasePath(data));
        EXPECT_EQ(fs::is_directory(data), !besideProgram || dataFileThere)
            << "the data folder is made when used";
    }
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
