#pragma once

#include "store/strategy_db.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

namespace bj::test {

// A fresh folder per test, removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// A plain connection beside the store's, for reading back and for damaging files.
class RawDb {
public:
    explicit RawDb(const std::string& path);
    ~RawDb();
    void Exec(const std::string& sql);
    // First column of the first row as text; empty for Null or no row.
    std::string Value(const std::string& sql);
    long long Count(const std::string& table);

private:
    sqlite3* db_ = nullptr;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

class StoreTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = DefaultDatabasePath(folder.Path());
};

} // namespace bj::test
