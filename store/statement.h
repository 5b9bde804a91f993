#pragma once

#include "store/sqlite_failure.h"
#include "store/strategy_db.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace bj {

// One prepared statement with bound parameters (numbered from 1) and column readers
// (numbered from 0). Failures become StoreError.
class Statement {
public:
    Statement(StrategyDb& db, std::string_view sql, StoreAction action);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, double value);
    Statement& Bind(int index, std::string_view value);
    Statement& Bind(int index, const std::optional<double>& value);
    Statement& BindNull(int index);

    // True while a row is there.
    bool Step();
    // Runs a statement that returns no rows; the number of rows it changed.
    int Execute();
    void Reset();

    bool IsNull(int column) const;
    // A finite number, or numeric text; nothing for Null and anything else.
    std::optional<double> NumberIfAny(int column) const;
    // Null or non-numeric reads as 0.
    double Number(int column) const;
    // The value as the file holds it: "empty" for Null, text in quotes, a number shortest.
    std::string Shown(int column) const;
    // Number taken to two decimals and rounded to a whole number, halves to even.
    std::int32_t Whole(int column) const;
    // A Ref_No: the full 64 bits.
    std::int64_t Key(int column) const;
    // Null reads as the empty text.
    std::string Text(int column) const;

private:
    [[noreturn]] void Fail(int rc) const;
    StrategyDb& db_;
    StoreAction action_;
    sqlite3_stmt* stmt_ = nullptr;
};

// A write transaction taken at once; rolled back unless committed. Inside another transaction
// it does nothing and leaves the outcome to the outer one.
class Transaction {
public:
    explicit Transaction(StrategyDb& db);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();
    void Commit();

private:
    StrategyDb& db_;
    bool open_ = false;
};

// The Ref_No of the row just inserted into `table`, one of the strategy tables.
std::int64_t InsertedRefNo(StrategyDb& db, std::string_view table);

// Refuses to delete or overwrite the seeded strategy of a kind.
void RefuseProtectedDefault(const StrategyDb& db, std::int64_t refNo, const char* what);

// Leading and trailing blanks removed.
std::string TrimBlanks(std::string_view text);

// The value shown with two decimals and read back.
double ToTwoDecimals(double value);

// The number in its shortest decimal form: 12.5, 1000000000, Inf.
std::string ShortestText(double value);

} // namespace bj
