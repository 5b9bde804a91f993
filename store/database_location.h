#pragma once

#include <string>

namespace bj {

// Whether a new strategy file may be made in the folder.
using FolderCheck = bool (*)(const std::string& folder);

// Asks the system whether the running user may create files in the folder.
bool FolderIsWritable(const std::string& folder);

// An installed copy: its prefix holds the program's menu entry. Root may write /usr/bin, but a
// file made there would be read-only for every other user, so an installed copy never makes one.
bool IsInstalledProgramFolder(const std::string& folder);

// BlkJack.mdb in the program folder when that folder holds one; else in dataFolder when that
// holds one; else in the program folder when it is writable and not an installed copy's;
// otherwise in dataFolder, which is then created when missing. A folder that cannot be created
// is left to the opening of the file to report.
std::string ChooseDatabasePath(const std::string& programFolder, const std::string& dataFolder,
    FolderCheck writable = FolderIsWritable);

// The program's own data folder as Qt names it on Linux (QStandardPaths::AppDataLocation with
// no organisation name): $XDG_DATA_HOME, or $HOME/.local/share, then the application's name.
std::string UserDataFolder(const std::string& applicationName);

} // namespace bj
