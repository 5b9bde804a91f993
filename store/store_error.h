#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace bj {

// What went wrong with the strategy database, for callers that react differently per kind.
enum class StoreProblem {
    NotADatabase, // an Access file, a text file, anything that is not SQLite
    Damaged,
    MissingTable,
    MissingColumn,
    Locked, // another program holds the file
    ReadOnly, // file or folder cannot be written
    CannotOpen, // missing folder, a folder in place of the file, no permission
    DiskFull,
    NameTooLong,
    DuplicateRow,
    ProtectedDefault, // Ref_No 1 of any kind may be neither deleted nor overwritten
    Other,
    // Numbered after Other: callers show the number of a problem.
    PathTooLong, // more than the database engine or the system accepts
    NotATable, // a view or a virtual table in place of one of the four tables
};

// Every failure of the store reaches callers as this; what() names the file and says in plain
// words what is wrong, ready to show in a message box.
struct StoreError : std::runtime_error {
    StoreError(StoreProblem problem, std::string path, const std::string& message)
        : std::runtime_error(message)
        , Problem(problem)
        , Path(std::move(path)) { }
    StoreProblem Problem;
    std::string Path;
};

} // namespace bj
