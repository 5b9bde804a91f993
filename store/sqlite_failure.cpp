#include "store/sqlite_failure.h"

#include <sqlite3.h>

namespace bj {
namespace {

const char* ActionText(StoreAction action) {
    switch (action) {
    case StoreAction::Create:
        return "Cannot create the strategy database";
    case StoreAction::Open:
        return "Cannot open the strategy database";
    case StoreAction::Read:
        return "Cannot read the strategy database";
    case StoreAction::Save:
        return "Cannot save to the strategy database";
    }
    return "Cannot use the strategy database";
}

// Check constraints are named after the rule they enforce, so their name is the reason.
std::string ConstraintReason(sqlite3* db) {
    const std::string message = db ? sqlite3_errmsg(db) : "";
    const std::string marker = "constraint failed: ";
    const auto at = message.find(marker);
    return at == std::string::npos ? message : message.substr(at + marker.size());
}

struct Reason {
    StoreProblem Problem;
    std::string Text;
};

Reason Explain(sqlite3* db, int rc, StoreAction action) {
    switch (rc) {
    case SQLITE_CONSTRAINT_CHECK:
        return {StoreProblem::NameTooLong, ConstraintReason(db)};
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return {StoreProblem::DuplicateRow, "a row with the same number is already stored"};
    // Sync and backup tools often write by renaming; no permission is at fault.
    case SQLITE_READONLY_DBMOVED:
        return {StoreProblem::Other,
            "the file was moved, renamed or replaced while the program was running; restart "
            "the program to use the file now there"};
    }
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
        return {StoreProblem::NotADatabase,
            "the file is not a strategy database (it may be an old Access database or "
            "another kind of file)"};
    case SQLITE_CORRUPT:
        return {StoreProblem::Damaged, "the file is damaged"};
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {StoreProblem::Locked,
            "the file is locked by another program; close it there and try again"};
    case SQLITE_READONLY:
        return {StoreProblem::ReadOnly, "the file or its folder is read-only"};
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        if (action == StoreAction::Save)
            return {StoreProblem::ReadOnly,
                "the file or its folder is read-only, so the change cannot be written"};
        if (action == StoreAction::Create)
            return {StoreProblem::CannotOpen,
                "the file cannot be created; its folder may be missing or read-only"};
        return {StoreProblem::CannotOpen,
            "the file cannot be opened; check that you may read and write it"};
    case SQLITE_FULL:
        return {StoreProblem::DiskFull, "the disk is full; nothing was saved"};
    case SQLITE_IOERR:
        return {StoreProblem::Other, "the disk could not be read or written"};
    }
    return {StoreProblem::Other, db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)};
}

} // namespace

void ThrowStoreProblem(
    StoreProblem problem, const std::string& path, StoreAction action, const std::string& reason) {
    throw StoreError(
        problem, path, std::string(ActionText(action)) + " \"" + path + "\": " + reason + ".");
}

void ThrowSqliteFailure(sqlite3* db, const std::string& path, int rc, StoreAction action) {
    const Reason reason = Explain(db, rc, action);
    ThrowStoreProblem(reason.Problem, path, action, reason.Text);
}

} // namespace bj
