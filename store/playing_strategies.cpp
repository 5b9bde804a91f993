#include "store/playing_strategies.h"

#include "engine/hand_rules.h"
#include "store/loaded_values.h"
#include "store/statement.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace bj {
namespace {

constexpr const char* kActionColumns = "DA, D10, D9, D8, D7, D6, D5, D4, D3, D2";

const Limits kAction {kHit, kSplitOrDouble, true,
    {"Hit", "Stand", "Double Down", "Split or Hit", "Split or Stand", "Split or Double Down"}};
const Limits kSoft17 {0, 1, true, {"Hit", "Stand"}, true}; // the dealer hits only at 0
const Limits kDoubleDown {0, 1, true, {"Any Hand", "10 and 11 Only"}};
const Limits kInsuranceOn21 {
    kTakeEvenMoney, kPlayOutHand, true, {"Take Even Money", "Take Insurance", "Play Out Hand"}};

int WholeIn(CheckedRow& row, int column, const Limits& limits, const std::string& what) {
    return static_cast<int>(row.Number(column, limits, what));
}

// Rows are placed by their own number, so a missing row cannot shift the ones after it.
int ReadRows(StrategyDb& db, std::int64_t refNo, PlayingStrategy& strategy) {
    Statement rows(db,
        std::string("SELECT Ref_No, ") + kActionColumns
            + ", Ins FROM PlayersHand WHERE PlayingStrategyRef_No = ? ORDER BY Ref_No",
        StoreAction::Read);
    rows.Bind(1, refNo);
    CheckedRow checked(rows, strategy.Corrections);
    std::array<bool, kPlayerRows> seen {};
    while (rows.Step()) {
        // A number that is not a whole one names no row, and a row read once stays: otherwise a
        // stray row would take a real one's place and hide that another is missing.
        const double number = rows.NumberIfAny(0).value_or(-1);
        if (number < 0 || number >= kPlayerRows || number != std::floor(number)
            || seen[static_cast<std::size_t>(number)])
            continue;
        const int row = static_cast<int>(number);
        seen[static_cast<std::size_t>(row)] = true;
        const std::string hand = PlayerHandText(row);
        for (int col = 0; col < kDealerColumns; ++col)
            strategy.Actions[row][col] = WholeIn(checked, 1 + col, kAction,
                "the action for " + hand + " with the dealer showing " + DealerCardText(col));
        strategy.Ins[row] = checked.YesNo(1 + kDealerColumns, "the insurance for " + hand);
    }
    const int found = static_cast<int>(std::ranges::count(seen, true));
    if (found < kPlayerRows)
        checked.Note("the rows for " + std::to_string(kPlayerRows - found) + " of the "
            + std::to_string(kPlayerRows) + " hands are missing");
    return found;
}

// The house rules and the rows of one strategy over what `strategy` already holds;
// false when there is no such strategy.
bool ReadStrategy(StrategyDb& db, std::int64_t refNo, PlayingStrategy& strategy) {
    Statement head(db,
        "SELECT Name, DealerSoft17, DoubleDown, SplitsDoubleDown, InsuranceOn21 "
        "FROM PlayingStrategies WHERE Ref_No = ?",
        StoreAction::Read);
    head.Bind(1, refNo);
    if (!head.Step())
        return false;
    strategy.RefNo = refNo;
    strategy.Name = TrimBlanks(head.Text(0));
    CheckedRow rules(head, strategy.Corrections);
    strategy.DealerSoft17 = WholeIn(rules, 1, kSoft17, "the dealer's soft 17 rule");
    strategy.DoubleDown = WholeIn(rules, 2, kDoubleDown, "the double down rule");
    strategy.SplitsDoubleDown = rules.YesNo(3, "doubling down after a split");
    strategy.InsuranceOn21
        = WholeIn(rules, 4, kInsuranceOn21, "the choice with a blackjack against an ace");
    strategy.StoredRows = ReadRows(db, refNo, strategy);
    return true;
}

void WriteRows(StrategyDb& db, const PlayingStrategy& strategy, std::int64_t refNo) {
    Statement update(db,
        "UPDATE PlayersHand SET DA = ?3, D10 = ?4, D9 = ?5, D8 = ?6, D7 = ?7, D6 = ?8, "
        "D5 = ?9, D4 = ?10, D3 = ?11, D2 = ?12, Ins = ?13 "
        "WHERE PlayingStrategyRef_No = ?1 AND Ref_No = ?2",
        StoreAction::Save);
    Statement insert(db,
        std::string("INSERT INTO PlayersHand (PlayingStrategyRef_No, Ref_No, ") + kActionColumns
            + ", Ins) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)",
        StoreAction::Save);
    for (int row = 0; row < kPlayerRows; ++row) {
        for (Statement* statement : {&update, &insert}) {
            statement->Bind(1, refNo).Bind(2, std::int64_t {row});
            for (int col = 0; col < kDealerColumns; ++col)
                statement->Bind(3 + col, std::int64_t {strategy.Actions[row][col]});
            statement->Bind(13, std::int64_t {strategy.Ins[row]});
        }
        // A row lost from an older file is written afresh rather than silently skipped.
        if (update.Execute() == 0)
            insert.Execute();
        update.Reset();
        insert.Reset();
    }
}

void BindRules(Statement& statement, const PlayingStrategy& strategy) {
    statement.Bind(1, strategy.Name)
        .Bind(2, std::int64_t {strategy.DoubleDown})
        .Bind(3, std::int64_t {strategy.SplitsDoubleDown})
        .Bind(4, std::int64_t {strategy.DealerSoft17})
        .Bind(5, std::int64_t {strategy.InsuranceOn21});
}

} // namespace

std::vector<NamedRef> ListPlayingStrategies(StrategyDb& db) {
    Statement list(
        db, "SELECT Name, Ref_No FROM PlayingStrategies ORDER BY Ref_No", StoreAction::Read);
    std::vector<NamedRef> entries;
    while (list.Step())
        entries.push_back({TrimBlanks(list.Text(0)), list.Key(1)});
    return entries;
}

std::optional<PlayingStrategy> LoadPlayingStrategyRecord(StrategyDb& db, std::int64_t refNo) {
    PlayingStrategy strategy;
    if (!ReadStrategy(db, refNo, strategy))
        return std::nullopt;
    return strategy;
}

std::optional<PlayingStrategy> LoadPlayingStrategy(
    StrategyDb& db, std::int64_t refNo, GameState& gs) {
    // Rows the file lacks keep what the game state held, so read into a copy of it.
    PlayingStrategy merged = PlayingStrategyFromGameState(gs);
    if (!ReadStrategy(db, refNo, merged))
        return std::nullopt;
    PutPlayingStrategy(merged, gs);
    return merged;
}

void PutPlayingStrategy(const PlayingStrategy& strategy, GameState& gs) {
    gs.PlayingStrategyName = strategy.Name;
    gs.PlayingStrategyRefNo = strategy.RefNo;
    gs.DealerSoft17 = strategy.DealerSoft17;
    gs.DoubleDownRule = strategy.DoubleDown;
    gs.PlayingStrategyChanged = false;
    gs.DoubleOnSplits = strategy.SplitsDoubleDown != 0;
    gs.InsuranceOn21 = strategy.InsuranceOn21;
    for (int row = 0; row < kPlayerRows; ++row) {
        for (int col = 0; col < kDealerColumns; ++col)
            gs.StrategyMatrix[row][col] = static_cast<std::int8_t>(strategy.Actions[row][col]);
        gs.InsuranceByRow[row] = strategy.Ins[row] != 0;
    }
}

PlayingStrategy PlayingStrategyFromGameState(const GameState& gs) {
    PlayingStrategy strategy;
    strategy.RefNo = gs.PlayingStrategyRefNo;
    strategy.Name = gs.PlayingStrategyName;
    strategy.DoubleDown = gs.DoubleDownRule;
    strategy.SplitsDoubleDown = gs.DoubleOnSplits ? 1 : 0;
    strategy.DealerSoft17 = gs.DealerSoft17;
    strategy.InsuranceOn21 = gs.InsuranceOn21;
    for (int row = 0; row < kPlayerRows; ++row) {
        for (int col = 0; col < kDealerColumns; ++col)
            strategy.Actions[row][col] = gs.StrategyMatrix[row][col];
        strategy.Ins[row] = gs.InsuranceByRow[row] ? 1 : 0;
    }
    return strategy;
}

std::int64_t InsertPlayingStrategy(StrategyDb& db, const PlayingStrategy& strategy) {
    Transaction saving(db);
    Statement insert(db,
        "INSERT INTO PlayingStrategies (Name, DoubleDown, SplitsDoubleDown, DealerSoft17, "
        "InsuranceOn21) VALUES (?, ?, ?, ?, ?)",
        StoreAction::Save);
    BindRules(insert, strategy);
    insert.Execute();
    const std::int64_t refNo = InsertedRefNo(db, "PlayingStrategies");
    WriteRows(db, strategy, refNo);
    saving.Commit();
    return refNo;
}

bool UpdatePlayingStrategy(StrategyDb& db, const PlayingStrategy& strategy) {
    RefuseProtectedDefault(db, strategy.RefNo, "playing strategy");
    Transaction saving(db);
    Statement update(db,
        "UPDATE PlayingStrategies SET Name = ?, DoubleDown = ?, SplitsDoubleDown = ?, "
        "DealerSoft17 = ?, InsuranceOn21 = ? WHERE Ref_No = ?",
        StoreAction::Save);
    BindRules(update, strategy);
    update.Bind(6, strategy.RefNo);
    if (update.Execute() == 0)
        return false;
    WriteRows(db, strategy, strategy.RefNo);
    saving.Commit();
    return true;
}

int DeletePlayingStrategy(StrategyDb& db, std::int64_t refNo) {
    RefuseProtectedDefault(db, refNo, "playing strategy");
    Transaction deleting(db);
    Statement(db, "DELETE FROM PlayersHand WHERE PlayingStrategyRef_No = ?", StoreAction::Save)
        .Bind(1, refNo)
        .Execute();
    const int deleted
        = Statement(db, "DELETE FROM PlayingStrategies WHERE Ref_No = ?", StoreAction::Save)
              .Bind(1, refNo)
              .Execute();
    deleting.Commit();
    return deleted;
}

} // namespace bj
