#pragma once

#include "store/strategy_db.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>

#include <stdlib.h>
#include <unistd.h>

namespace bj::test {

namespace fs = std::filesystem;

// A plain connection beside the store's, for reading back and for damaging files.
class RawDb {
public:
    explicit RawDb(const std::string& path) { sqlite3_open(path.c_str(), &db_); }
    ~RawDb() { sqlite3_close(db_); }
    void Exec(const std::string& sql) {
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sql + ": " + sqlite3_errmsg(db_));
    }
    // First column of the first row as text; empty for Null, no row or an error.
    std::string Value(const std::string& sql) {
        std::string value;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr);
        if (sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_text(stmt, 0))
            value = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        sqlite3_finalize(stmt);
        return value;
    }
    // Every row in stored order: columns quoted and joined by ',', rows joined by ';'.
    std::string Dump(const std::string& table) {
        return Value("SELECT group_concat("
            + Value("SELECT group_concat('quote(' || name || ')', "
                    "\" || ',' || \") FROM pragma_table_info('"
                + table + "')")
            + ", ';') FROM " + table);
    }

private:
    sqlite3* db_ = nullptr;
};

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    while (times-- > 0)
        repeated += text;
    return repeated;
}

// The attempt throws a StoreError of this kind whose message names the file and the fault.
inline void ExpectRefusal(const std::function<void()>& attempt, StoreProblem problem,
    const std::string& path, const std::string& words) {
    try {
        attempt();
        ADD_FAILURE() << "no StoreError";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.Problem, problem) << e.what();
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
    }
}

inline constexpr fs::perms kReadOnly
    = fs::perms::all & ~(fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write);

// For a death-test child that checks refusals: permission bits do not bind root, so root
// gives up its rights.
inline void GiveUpRootRights() {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        _exit(2);
}

// Each test gets a fresh folder, removed afterwards whatever its permissions.
class StoreTest : public ::testing::Test {
protected:
    StoreTest() {
        EXPECT_TRUE(mkdtemp(folder.data())) << folder;
        path = DefaultDatabasePath(folder);
    }
    ~StoreTest() override {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::all, ignored);
        fs::remove_all(folder, ignored);
    }
    std::string folder = (fs::temp_directory_path() / "bjstore-XXXXXX").string();
    std::string path;
};

} // namespace bj::test
