#include "store/database_location.h"

#include "store/strategy_db.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace bj {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// What QDir::homePath() gives: $HOME cleaned of ".", ".." and extra slashes, or "/".
std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (home.empty())
        return "/";
    home = std::filesystem::path(home).lexically_normal().string();
    if (home.size() > 1 && home.back() == '/')
        home.pop_back();
    return home;
}

} // namespace

bool FolderIsWritable(const std::string& folder) {
    return access(folder.c_str(), W_OK | X_OK) == 0;
}

bool IsInstalledProgramFolder(const std::string& folder) {
    std::error_code ec;
    const std::filesystem::path entry = std::filesystem::path(folder) / ".." / "share"
        / "applications" / (std::string(BJ_DESKTOP_NAME) + ".desktop");
    return std::filesystem::exists(entry, ec);
}

std::string ChooseDatabasePath(
    const std::string& programFolder, const std::string& dataFolder, FolderCheck writable) {
    const std::string besideProgram = DefaultDatabasePath(programFolder);
    std::error_code ec;
    if (std::filesystem::exists(besideProgram, ec))
        return besideProgram;
    // Strategies kept there while the program folder could not take them stay in use, rather
    // than hidden behind a new file beside the program.
    const std::string inDataFolder = DefaultDatabasePath(dataFolder);
    if (std::filesystem::exists(inDataFolder, ec))
        return inDataFolder;
    if (writable(programFolder) && !IsInstalledProgramFolder(programFolder))
        return besideProgram;
    std::filesystem::create_directories(dataFolder, ec);
    return inDataFolder;
}

std::string UserDataFolder(const std::string& applicationName) {
    std::string folder = Environment("XDG_DATA_HOME");
    if (folder.empty())
        folder = HomeFolder() + "/.local/share";
    return applicationName.empty() ? folder : folder + "/" + applicationName;
}

} // namespace bj
