#include "store/strategy_db.h"

#include "store/schema.h"
#include "store/sqlite_failure.h"
#include "store/statement.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace bj {
namespace {

// Long enough to ride out another program's short write, short enough to report a lock.
constexpr int kBusyTimeoutMs = 1500;

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

std::vector<std::string> ColumnsOf(StrategyDb& db, std::string_view table) {
    Statement columns(db, "SELECT name FROM pragma_table_info(?)", StoreAction::Open);
    columns.Bind(1, table);
    std::vector<std::string> names;
    while (columns.Step())
        names.push_back(columns.Text(0));
    return names;
}

// Refuses a foreign or incomplete file before anything relies on it; reads only.
void CheckStrategyTables(StrategyDb& db) {
    Statement schema(db, "SELECT count(*) FROM sqlite_schema", StoreAction::Open);
    schema.Step();
    for (const TableColumns& table : StrategyTables()) {
        const std::vector<std::string> found = ColumnsOf(db, table.Table);
        if (found.empty())
            ThrowStoreProblem(StoreProblem::MissingTable, db.Path(), StoreAction::Open,
                "the table " + std::string(table.Table)
                    + " is missing, so this is not a complete strategy database");
        for (std::string_view column : table.Columns) {
            if (std::find(found.begin(), found.end(), column) == found.end())
                ThrowStoreProblem(StoreProblem::MissingColumn, db.Path(), StoreAction::Open,
                    "the table " + std::string(table.Table) + " has no column "
                        + std::string(column));
        }
    }
}

void RemoveQuietly(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    std::filesystem::remove(path + "-journal", ignored);
}

} // namespace

StrategyDb::StrategyDb(sqlite3* db, std::string path)
    : db_(db)
    , path_(std::move(path)) {
}

StrategyDb::StrategyDb(StrategyDb&& other) noexcept
    : db_(std::exchange(other.db_, nullptr))
    , path_(std::move(other.path_)) {
}

StrategyDb& StrategyDb::operator=(StrategyDb&& other) noexcept {
    std::swap(db_, other.db_);
    std::swap(path_, other.path_);
    return *this;
}

StrategyDb::~StrategyDb() {
    sqlite3_close_v2(db_);
}

bool StrategyDb::ReadOnly() const {
    return sqlite3_db_readonly(db_, "main") == 1;
}

StrategyDb StrategyDb::Open(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec && status.type() != fs::file_type::not_found)
        ThrowStoreProblem(StoreProblem::CannotOpen, path, StoreAction::Open,
            "the file cannot be reached (" + ec.message() + ")");
    if (fs::is_directory(status))
        ThrowStoreProblem(StoreProblem::CannotOpen, path, StoreAction::Open,
            "this is a folder, not a database file");

    if (fs::exists(status)) {
        StrategyDb db(Connect(path, SQLITE_OPEN_READWRITE, StoreAction::Open), path);
        CheckStrategyTables(db);
        return db;
    }

    // A new file is built in one transaction and removed again if that fails, so a broken
    // first start never leaves a half-seeded file behind to be trusted later.
    try {
        StrategyDb db(
            Connect(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, StoreAction::Create), path);
        {
            Transaction creating(db);
            const std::string sql(StrategySchemaSql());
            const int rc = sqlite3_exec(db.Handle(), sql.c_str(), nullptr, nullptr, nullptr);
            if (rc != SQLITE_OK)
                ThrowSqliteFailure(db.Handle(), path, rc, StoreAction::Create);
            WriteDefaultContent(db);
            creating.Commit();
        }
        return db;
    } catch (const StoreError&) {
        RemoveQuietly(path);
        throw;
    }
}

std::string DefaultDatabasePath(const std::string& programFolder) {
    if (!programFolder.empty() && programFolder.back() == '/')
        return programFolder + "BlkJack.mdb";
    return programFolder + "/BlkJack.mdb";
}

} // namespace bj
