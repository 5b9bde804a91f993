#pragma once

#include "store/store_error.h"

#include <string>

struct sqlite3;

namespace bj {

enum class StoreAction { Create, Open, Read, Save };

// Turns an SQLite result code into a StoreError that says in plain words what went wrong.
[[noreturn]] void ThrowSqliteFailure(
    sqlite3* db, const std::string& path, int rc, StoreAction action);

[[noreturn]] void ThrowStoreProblem(
    StoreProblem problem, const std::string& path, StoreAction action, const std::string& reason);

} // namespace bj
