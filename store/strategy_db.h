#pragma once

#include "store/store_error.h"

#include <cstdint>
#include <string>

struct sqlite3;

namespace bj {

// A file as the system tells it apart from another at the same path.
struct FileIdentity {
    std::uint64_t device = 0, inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The one open connection to the strategy database.
class StrategyDb {
public:
    // Creates a missing file with the four tables and the default content, whole or not at all;
    // opens an existing file without writing to it, refusing one that is not a usable strategy
    // database. Throws StoreError.
    static StrategyDb Open(const std::string& path);

    StrategyDb(StrategyDb&& other) noexcept;
    StrategyDb& operator=(StrategyDb&& other) noexcept;
    StrategyDb(const StrategyDb&) = delete;
    StrategyDb& operator=(const StrategyDb&) = delete;
    ~StrategyDb();

    const std::string& Path() const { return path_; }
    sqlite3* Handle() const { return db_; }
    // True when the file could only be opened for reading; saves fail while it stays so.
    bool ReadOnly() const;
    // Opens a file that could only be read anew, for writing if it has become writable since,
    // so that a save need not wait for the program's next start.
    void ReconnectIfReadOnly();

private:
    StrategyDb(sqlite3* db, std::string path);
    // The bytes of a new, seeded database file, built in memory; `path` names it in messages.
    static std::string NewFileImage(const std::string& path);
    sqlite3* db_ = nullptr;
    std::string path_;
    FileIdentity opened_ {}; // the file the connection opened, told apart from one put in its place
};

inline StrategyDb OpenStrategyDatabase(const std::string& path) {
    return StrategyDb::Open(path);
}

// programFolder + "/BlkJack.mdb".
std::string DefaultDatabasePath(const std::string& programFolder);

// The seed: one "Default" strategy of each kind, each with Ref_No 1. Only for a new, empty file.
void WriteDefaultContent(StrategyDb& db);

} // namespace bj
