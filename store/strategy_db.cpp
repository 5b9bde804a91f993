#include "store/strategy_db.h"

#include "store/new_file.h"
#include "store/schema.h"
#include "store/sqlite_failure.h"
#include "store/statement.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

namespace bj {
namespace {

namespace fs = std::filesystem;

// Long enough to ride out another program's short write, short enough to report a lock.
constexpr int kBusyTimeoutMs = 1500;

constexpr const char* kMoveAway = ". Move it to another folder or rename it, and a new one will "
                                  "be made at the next start";

sqlite3* Connect(const std::string& path, int flags, StoreAction action) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        ThrowSqliteFailure(nullptr, path, rc, action);
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    return db;
}

// SQLite matches column names without regard to ASCII case, and so does this check.
bool HasColumn(StrategyDb& db, std::string_view table, std::string_view column) {
    Statement found(db, "SELECT 1 FROM pragma_table_info(?1) WHERE name = ?2 COLLATE NOCASE",
        StoreAction::Open);
    found.Bind(1, table);
    found.Bind(2, column);
    return found.Step();
}

// Only a stored table will do: a view or a virtual table of the name could run any query,
// even one that never ends.
void RefuseAllButAStoredTable(StrategyDb& db, std::string_view table) {
    Statement kind(db,
        "SELECT type, sql LIKE 'CREATE VIRTUAL%' FROM sqlite_schema "
        "WHERE name = ?1 COLLATE NOCASE AND type IN ('table', 'view')",
        StoreAction::Open);
    kind.Bind(1, table);
    const std::string name(table);
    if (!kind.Step())
        ThrowStoreProblem(StoreProblem::MissingTable, db.Path(), StoreAction::Open,
            "the table " + name + " is missing, so this is not a complete strategy database"
                + kMoveAway);
    if (kind.Text(0) == "view")
        ThrowStoreProblem(StoreProblem::NotATable, db.Path(), StoreAction::Open,
            name + " is a view, not a table, so this is not a strategy database");
    if (kind.Whole(1) != 0)
        ThrowStoreProblem(StoreProblem::NotATable, db.Path(), StoreAction::Open,
            name + " is a virtual table, not a stored one, so this is not a strategy database");
}

// Refuses a foreign or incomplete file before anything relies on it; reads only.
void CheckStrategyTables(StrategyDb& db) {
    Statement schema(db, "SELECT count(*) FROM sqlite_schema", StoreAction::Open);
    schema.Step();
    for (const TableColumns& table : StrategyTables()) {
        RefuseAllButAStoredTable(db, table.Table);
        for (std::string_view column : table.Columns) {
            if (!HasColumn(db, table.Table, column))
                ThrowStoreProblem(StoreProblem::MissingColumn, db.Path(), StoreAction::Open,
                    "the table " + std::string(table.Table) + " has no column "
                        + std::string(column) + ", so this is not a complete strategy database"
                        + kMoveAway);
        }
    }
}

// Zero when the path leads to no file.
FileIdentity IdentityOf(const std::string& path) {
    struct stat status { };
    if (stat(path.c_str(), &status) != 0)
        return {};
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

[[noreturn]] void ThrowNameTooLong(const std::string& path, StoreAction action) {
    ThrowStoreProblem(StoreProblem::PathTooLong, path, action,
        "its path, or a name in it, is longer than the system accepts; use a shorter path");
}

// What is there, following links; refuses what cannot be reached or is a folder.
fs::file_status StatusOf(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec == std::errc::filename_too_long)
        ThrowNameTooLong(path, StoreAction::Open);
    if (ec && status.type() != fs::file_type::not_found)
        ThrowStoreProblem(StoreProblem::CannotOpen, path, StoreAction::Open,
            "the file cannot be reached (" + ec.message() + ")");
    if (fs::is_directory(status))
        ThrowStoreProblem(StoreProblem::CannotOpen, path, StoreAction::Open,
            "this is a folder, not a database file");
    // SQLite reads a device such as /dev/null as an empty database, whose missing tables
    // would call for the device to be moved away.
    if (fs::exists(status) && !fs::is_regular_file(status))
        ThrowStoreProblem(StoreProblem::CannotOpen, path, StoreAction::Open,
            "this is a device or another special file, not a database file");
    return status;
}

// SQLite keeps room to add "-journal" to the full path of the file it opens.
std::size_t LongestPath() {
    return static_cast<std::size_t>(sqlite3_vfs_find(nullptr)->mxPathname) - 8;
}

// Checked before anything is made, so no file is left that SQLite cannot open.
void RefuseOverlongPath(const std::string& shown, const std::string& path, StoreAction action) {
    std::error_code ec;
    const std::string full = fs::weakly_canonical(path, ec).string();
    if (ec == std::errc::filename_too_long)
        ThrowNameTooLong(shown, action);
    if (!ec && full.size() > LongestPath())
        ThrowStoreProblem(StoreProblem::PathTooLong, shown, action,
            "its full path has " + std::to_string(full.size()) + " characters, more than the "
                + std::to_string(LongestPath())
                + " characters that the database engine accepts; use a folder with a shorter "
                  "path");
}

// A symbolic link that leads to no file yet is kept: the new file is made where it points.
std::string NewFileTarget(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            break;
        const fs::path link = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = (fs::path(path).parent_path() / link).string();
    }
    return path;
}

[[noreturn]] void ThrowCreateFailure(const std::string& path, const std::error_code& error) {
    switch (error.value()) {
    case ENOSPC:
    case EDQUOT:
        ThrowStoreProblem(StoreProblem::DiskFull, path, StoreAction::Create,
            "the disk is full, so the file cannot be made");
    case ENAMETOOLONG:
        ThrowNameTooLong(path, StoreAction::Create);
    case EACCES:
    case EPERM:
    case EROFS:
    case ENOENT:
    case ENOTDIR:
        ThrowStoreProblem(StoreProblem::CannotOpen, path, StoreAction::Create,
            "the file cannot be created; its folder may be missing or read-only");
    }
    ThrowStoreProblem(StoreProblem::Other, path, StoreAction::Create,
        "the file cannot be created (" + error.message() + ")");
}

} // namespace

StrategyDb::StrategyDb(sqlite3* db, std::string path)
    : db_(db)
    , path_(std::move(path)) {
}

StrategyDb::StrategyDb(StrategyDb&& other) noexcept
    : db_(std::exchange(other.db_, nullptr))
    , path_(std::move(other.path_))
    , opened_(other.opened_) {
}

StrategyDb& StrategyDb::operator=(StrategyDb&& other) noexcept {
    std::swap(db_, other.db_);
    std::swap(path_, other.path_);
    std::swap(opened_, other.opened_);
    return *this;
}

StrategyDb::~StrategyDb() {
    sqlite3_close_v2(db_);
}

bool StrategyDb::ReadOnly() const {
    return sqlite3_db_readonly(db_, "main") == 1;
}

void StrategyDb::ReconnectIfReadOnly() {
    if (!ReadOnly() || IdentityOf(path_) != opened_)
        return;
    sqlite3* fresh = nullptr;
    try {
        fresh = Connect(path_, SQLITE_OPEN_READWRITE, StoreAction::Save);
    } catch (const StoreError&) {
        return; // the save goes on with the connection there is, and reports what stops it
    }
    if (sqlite3_db_readonly(fresh, "main") == 1)
        sqlite3_close_v2(fresh);
    else
        sqlite3_close_v2(std::exchange(db_, fresh));
}

std::string StrategyDb::NewFileImage(const std::string& path) {
    sqlite3* memory = nullptr;
    const int rc = sqlite3_open_v2(":memory:", &memory,
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    StrategyDb db(memory, path);
    if (rc != SQLITE_OK)
        ThrowSqliteFailure(nullptr, path, rc, StoreAction::Create);
    sqlite3_extended_result_codes(memory, 1);
    const std::string sql(StrategySchemaSql());
    if (const int failed = sqlite3_exec(memory, sql.c_str(), nullptr, nullptr, nullptr))
        ThrowSqliteFailure(memory, path, failed, StoreAction::Create);
    WriteDefaultContent(db);
    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(memory, "main", &size, 0);
    if (!bytes)
        ThrowSqliteFailure(memory, path, SQLITE_NOMEM, StoreAction::Create);
    std::string image(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
    sqlite3_free(bytes);
    return image;
}

StrategyDb StrategyDb::Open(const std::string& path) {
    if (!fs::exists(StatusOf(path))) {
        const std::string target = NewFileTarget(path);
        RefuseOverlongPath(path, target, StoreAction::Create);
        const std::string image = NewFileImage(path);
        try {
            // Another start that got there first has made the same file: it is opened below.
            PlaceNewFile(target, image);
        } catch (const std::system_error& failure) {
            ThrowCreateFailure(path, failure.code());
        }
    }
    RefuseOverlongPath(path, path, StoreAction::Open);
    StrategyDb db(Connect(path, SQLITE_OPEN_READWRITE, StoreAction::Open), path);
    CheckStrategyTables(db);
    db.opened_ = IdentityOf(path);
    return db;
}

std::string DefaultDatabasePath(const std::string& programFolder) {
    if (!programFolder.empty() && programFolder.back() == '/')
        return programFolder + "BlkJack.mdb";
    return programFolder + "/BlkJack.mdb";
}

} // namespace bj
