#include "store/betting_limits.h"
#include "store/betting_strategies.h"

#include "store/loaded_values.h"
#include "store/statement.h"

#include <algorithm>

namespace bj {
namespace {

constexpr const char* kVariableColumns
    = "Name, InitialBet, MaximumBet, MinimumBet, MaintainMax, MaintainMin, WinAddSub, "
      "LoseAddSub, WinBet, LoseBet";

void BindVariable(Statement& statement, const VariableStrategy& strategy) {
    statement.Bind(1, strategy.Name)
        .Bind(2, strategy.InitialBet)
        .Bind(3, strategy.MaximumBet)
        .Bind(4, strategy.MinimumBet)
        .Bind(5, std::int64_t {strategy.MaintainMax})
        .Bind(6, std::int64_t {strategy.MaintainMin})
        .Bind(7, std::int64_t {strategy.WinAddSub})
        .Bind(8, std::int64_t {strategy.LoseAddSub})
        .Bind(9, strategy.WinBet)
        .Bind(10, strategy.LoseBet);
}

// What the variable editor can show and save.
const Limits kBet {kSmallestVariableBet, kLargestVariableAmount, false};
// A flat amount below 0 would work against its Add or Subtract choice.
const Limits kAmount {0, kLargestVariableAmount, false};
// Only 0 keeps the bet at the limit.
const Limits kOnMaximum {0, 1, true, {"Maintain Max Bet", "Use Initial Bet"}, true};
const Limits kOnMinimum {0, 1, true, {"Maintain Min Bet", "Use Initial Bet"}, true};
const Limits kAddSub {0, 1, true, {"Add", "Subtract"}};

std::uint8_t Choice(CheckedRow& row, int column, const Limits& limits, const std::string& what) {
    return static_cast<std::uint8_t>(row.Number(column, limits, what));
}

} // namespace

std::vector<NamedRef> ListVariableStrategies(StrategyDb& db) {
    Statement list(db, "SELECT Name, Ref_No FROM VariableBet ORDER BY Ref_No", StoreAction::Read);
    std::vector<NamedRef> entries;
    while (list.Step())
        entries.push_back({list.Text(0), list.Key(1)});
    return entries;
}

std::optional<VariableStrategy> LoadVariableStrategy(StrategyDb& db, std::int64_t refNo) {
    Statement load(db,
        std::string("SELECT ") + kVariableColumns + " FROM VariableBet WHERE Ref_No = ?",
        StoreAction::Read);
    load.Bind(1, refNo);
    if (!load.Step())
        return std::nullopt;
    VariableStrategy strategy;
    strategy.RefNo = refNo;
    strategy.Name = load.Text(0);
    CheckedRow row(load, strategy.Corrections);
    strategy.InitialBet = row.Number(1, kBet, "the initial bet");
    strategy.MaximumBet = row.Number(2, kBet, "the maximum bet");
    strategy.MinimumBet = row.Number(3, kBet, "the minimum bet");
    strategy.MaintainMax = Choice(row, 4, kOnMaximum, "the choice on reaching the maximum bet");
    strategy.MaintainMin = Choice(row, 5, kOnMinimum, "the choice on reaching the minimum bet");
    strategy.WinAddSub = Choice(row, 6, kAddSub, "the choice after a win");
    strategy.LoseAddSub = Choice(row, 7, kAddSub, "the choice after a loss");
    strategy.WinBet = row.Number(8, kAmount, "the amount after a win");
    strategy.LoseBet = row.Number(9, kAmount, "the amount after a loss");
    return strategy;
}

std::int64_t AppendVariableStrategy(StrategyDb& db, const VariableStrategy& strategy) {
    Transaction saving(db);
    Statement append(db,
        std::string("INSERT INTO VariableBet (") + kVariableColumns
            + ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)",
        StoreAction::Save);
    BindVariable(append, strategy);
    append.Execute();
    const std::int64_t refNo = InsertedRefNo(db, "VariableBet");
    saving.Commit();
    return refNo;
}

bool UpdateVariableStrategy(StrategyDb& db, const VariableStrategy& strategy) {
    RefuseProtectedDefault(db, strategy.RefNo, "variable betting strategy");
    Transaction saving(db);
    Statement update(db,
        std::string("UPDATE VariableBet SET (") + kVariableColumns
            + ") = (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10) WHERE Ref_No = ?11",
        StoreAction::Save);
    BindVariable(update, strategy);
    update.Bind(11, strategy.RefNo);
    const bool found = update.Execute() > 0;
    saving.Commit();
    return found;
}

bool DeleteVariableStrategy(StrategyDb& db, std::int64_t refNo) {
    RefuseProtectedDefault(db, refNo, "variable betting strategy");
    Transaction deleting(db);
    const int deleted = Statement(db, "DELETE FROM VariableBet WHERE Ref_No = ?", StoreAction::Save)
                            .Bind(1, refNo)
                            .Execute();
    deleting.Commit();
    return deleted > 0;
}

void ApplyVariableStrategy(const VariableStrategy& strategy, GameState& gs) {
    gs.VariableBetRefNo = strategy.RefNo;
    gs.InitialBet = ToTwoDecimals(strategy.InitialBet);
    gs.MaximumBet = ToTwoDecimals(strategy.MaximumBet);
    gs.MinimumBet = ToTwoDecimals(strategy.MinimumBet);
    gs.LoseAddSub = strategy.LoseAddSub;
    gs.LoseBet = ToTwoDecimals(strategy.LoseBet);
    gs.WinAddSub = strategy.WinAddSub;
    gs.WinBet = ToTwoDecimals(strategy.WinBet);
    gs.MaintainMax = strategy.MaintainMax;
    gs.MaintainMin = strategy.MaintainMin;
    gs.VariableStrategyLoaded = true;
}

} // namespace bj
