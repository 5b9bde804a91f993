#include "store/statement.h"

#include "engine/currency.h"
#include "store/protected_defaults.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace bj {
namespace {

// Numbers are read and written the same way whatever the user's locale, which the desktop
// program takes on at start-up: with a decimal comma, "10,5" would otherwise be read as 10.5
// there and as no number at all by bjsim.
const locale_t kCLocale = newlocale(LC_ALL_MASK, "C", locale_t {});

std::optional<double> ParseNumber(std::string_view text) {
    const std::string trimmed = TrimBlanks(text);
    if (trimmed.empty())
        return std::nullopt;
    char* end = nullptr;
    const double value = strtod_l(trimmed.c_str(), &end, kCLocale);
    if (end != trimmed.c_str() + trimmed.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

Statement::Statement(StrategyDb& db, std::string_view sql, StoreAction action)
    : db_(db)
    , action_(action) {
    const int rc = sqlite3_prepare_v2(
        db.Handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK)
        Fail(rc);
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::Fail(int rc) const {
    ThrowSqliteFailure(db_.Handle(), db_.Path(), rc, action_);
}

Statement& Statement::Bind(int index, std::int64_t value) {
    if (const int rc = sqlite3_bind_int64(stmt_, index, value); rc != SQLITE_OK)
        Fail(rc);
    return *this;
}

Statement& Statement::Bind(int index, double value) {
    if (const int rc = sqlite3_bind_double(stmt_, index, value); rc != SQLITE_OK)
        Fail(rc);
    return *this;
}

Statement& Statement::Bind(int index, std::string_view value) {
    const int rc = sqlite3_bind_text64(
        stmt_, index, value.data(), value.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    if (rc != SQLITE_OK)
        Fail(rc);
    return *this;
}

Statement& Statement::Bind(int index, const std::optional<double>& value) {
    return value ? Bind(index, *value) : BindNull(index);
}

Statement& Statement::BindNull(int index) {
    if (const int rc = sqlite3_bind_null(stmt_, index); rc != SQLITE_OK)
        Fail(rc);
    return *this;
}

bool Statement::Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    Fail(rc);
}

int Statement::Execute() {
    while (Step()) { }
    return sqlite3_changes(db_.Handle());
}

void Statement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::optional<double> Statement::NumberIfAny(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER:
        return static_cast<double>(sqlite3_column_int64(stmt_, column));
    case SQLITE_FLOAT: {
        const double value = sqlite3_column_double(stmt_, column);
        return std::isfinite(value) ? std::optional(value) : std::nullopt;
    }
    case SQLITE_TEXT:
        return ParseNumber(Text(column));
    default:
        return std::nullopt;
    }
}

double Statement::Number(int column) const {
    return NumberIfAny(column).value_or(0.0);
}

std::string Statement::Shown(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_NULL:
        return "empty";
    case SQLITE_INTEGER:
        return std::to_string(sqlite3_column_int64(stmt_, column));
    case SQLITE_FLOAT:
        return ShortestText(sqlite3_column_double(stmt_, column));
    default:
        return "\"" + Text(column) + "\"";
    }
}

std::int32_t Statement::Whole(int column) const {
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    const double value = std::clamp(ToTwoDecimals(Number(column)), kLow, kHigh);
    return static_cast<std::int32_t>(RoundHalfEven(value));
}

std::int64_t Statement::Key(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string Statement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (!text)
        return {};
    return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

Transaction::Transaction(StrategyDb& db)
    : db_(db) {
    if (!sqlite3_get_autocommit(db.Handle()))
        return;
    db.ReconnectIfReadOnly();
    const int rc = sqlite3_exec(db.Handle(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        ThrowSqliteFailure(db.Handle(), db.Path(), rc, StoreAction::Save);
    open_ = true;
}

Transaction::~Transaction() {
    if (open_ && !sqlite3_get_autocommit(db_.Handle()))
        sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::Commit() {
    if (!open_)
        return;
    const int rc = sqlite3_exec(db_.Handle(), "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        ThrowSqliteFailure(db_.Handle(), db_.Path(), rc, StoreAction::Save);
    open_ = false;
}

// A file whose Ref_No is a plain column rather than the row's own key, as a converted file may
// have, leaves the new row without a number; it gets the one after the highest, or it could
// never be found again.
std::int64_t InsertedRefNo(StrategyDb& db, std::string_view table) {
    const std::string name(table);
    const std::int64_t row = sqlite3_last_insert_rowid(db.Handle());
    Statement inserted(db, "SELECT Ref_No FROM " + name + " WHERE rowid = ?", StoreAction::Save);
    inserted.Bind(1, row);
    if (inserted.Step() && !inserted.IsNull(0))
        return inserted.Key(0);
    // A text in the column is no number to follow.
    Statement highest(db,
        "SELECT coalesce(max(Ref_No), 0) FROM " + name
            + " WHERE typeof(Ref_No) IN ('integer', 'real')",
        StoreAction::Save);
    highest.Step();
    const std::int64_t last = highest.Key(0);
    if (last == std::numeric_limits<std::int64_t>::max())
        ThrowStoreProblem(StoreProblem::Other, db.Path(), StoreAction::Save,
            "the table " + name + " has no Ref_No left for a new strategy");
    const std::int64_t refNo = std::max<std::int64_t>(last, 0) + 1;
    Statement(db, "UPDATE " + name + " SET Ref_No = ? WHERE rowid = ?", StoreAction::Save)
        .Bind(1, refNo)
        .Bind(2, row)
        .Execute();
    return refNo;
}

void RefuseProtectedDefault(const StrategyDb& db, std::int64_t refNo, const char* what) {
    if (IsProtectedDefault(refNo))
        ThrowStoreProblem(StoreProblem::ProtectedDefault, db.Path(), StoreAction::Save,
            std::string("the default ") + what
                + " cannot be changed or deleted; save your settings under another name");
}

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string ShortestText(double value) {
    if (std::isinf(value))
        return value > 0 ? "Inf" : "-Inf";
    char shown[32];
    const auto written
        = std::to_chars(shown, shown + sizeof shown, value, std::chars_format::general, 15);
    return std::string(shown, written.ptr);
}

double ToTwoDecimals(double value) {
    if (!(std::abs(value) < 1e15))
        return std::isfinite(value) ? value : 0.0;
    // An exact half cent (an odd number of eighths) is shown rounded away from zero, where the
    // conversion below would round it to even; below 1e13 the cents are exact in a double.
    const double eighths = value * 8;
    if (std::abs(value) < 1e13 && eighths == std::floor(eighths) && std::fmod(eighths, 2) != 0)
        return std::round(value * 100) / 100;
    char shown[64];
    const auto written
        = std::to_chars(shown, shown + sizeof shown, value, std::chars_format::fixed, 2);
    double read = 0;
    std::from_chars(shown, written.ptr, read);
    return read;
}

} // namespace bj
