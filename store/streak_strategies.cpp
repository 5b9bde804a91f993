#include "engine/shoe.h"
#include "store/betting_limits.h"
#include "store/betting_strategies.h"

#include "store/loaded_values.h"
#include "store/statement.h"

#include <algorithm>

namespace bj {
namespace {

// Column list shared by load, append and update: name, decks, the two lengths, then the
// ten winning and ten losing bets.
std::string StreakColumns() {
    std::string columns = "Name, DecksInShoe, WinningSeqLength, LosingSeqLength";
    for (const char* side : {"WinningHand", "LosingHand"})
        for (int i = 1; i <= kBetSteps; ++i)
            columns += std::string(", ") + side + std::to_string(i);
    return columns;
}

constexpr int kStreakValues = 4 + 2 * kBetSteps;

std::string Placeholders(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += (i > 1 ? ", ?" : "?") + std::to_string(i);
    return text;
}

void BindStreak(Statement& statement, const StreakStrategy& strategy) {
    statement.Bind(1, strategy.Name)
        .Bind(2, std::int64_t {strategy.DecksInShoe})
        .Bind(3, std::int64_t {strategy.WinningSeqLength})
        .Bind(4, std::int64_t {strategy.LosingSeqLength});
    for (int i = 0; i < kBetSteps; ++i) {
        statement.Bind(5 + i, strategy.WinningHand[i]);
        statement.Bind(5 + kBetSteps + i, strategy.LosingHand[i]);
    }
}

// What the streak editor can show and save.
const Limits kDecks {1, kMostDecksInShoe};
const Limits kLength {1, kBetSteps};
const Limits kBet {1, kLargestStreakBet};

// Bets past the sequence may be empty; every other one must be a bet the editor accepts.
void ReadBets(const Statement& load, CheckedRow& row, int first, int length,
    const std::string& side, std::array<std::optional<double>, kBetSteps>& bets) {
    for (int i = 0; i < kBetSteps; ++i)
        if (i < length || !load.IsNull(first + i))
            bets[i] = row.Number(first + i, kBet, side + " bet " + std::to_string(i + 1));
}

std::int32_t WholeIn(CheckedRow& row, int column, const Limits& limits, const std::string& what) {
    return static_cast<std::int32_t>(row.Number(column, limits, what));
}

} // namespace

std::vector<NamedRef> ListStreakStrategies(StrategyDb& db) {
    Statement list(
        db, "SELECT Name, Ref_No FROM BettingStrategies ORDER BY Ref_No", StoreAction::Read);
    std::vector<NamedRef> entries;
    while (list.Step())
        entries.push_back({list.Text(0), list.Key(1)});
    return entries;
}

std::optional<StreakStrategy> LoadStreakStrategy(StrategyDb& db, std::int64_t refNo) {
    Statement load(db, "SELECT " + StreakColumns() + " FROM BettingStrategies WHERE Ref_No = ?",
        StoreAction::Read);
    load.Bind(1, refNo);
    if (!load.Step())
        return std::nullopt;
    StreakStrategy strategy;
    strategy.RefNo = refNo;
    strategy.Name = load.Text(0);
    CheckedRow row(load, strategy.Corrections);
    strategy.DecksInShoe = WholeIn(row, 1, kDecks, "the number of decks");
    strategy.WinningSeqLength = WholeIn(row, 2, kLength, "the length of the winning sequence");
    strategy.LosingSeqLength = WholeIn(row, 3, kLength, "the length of the losing sequence");
    ReadBets(load, row, 4, strategy.WinningSeqLength, "winning", strategy.WinningHand);
    ReadBets(load, row, 4 + kBetSteps, strategy.LosingSeqLength, "losing", strategy.LosingHand);
    return strategy;
}

std::int64_t AppendStreakStrategy(StrategyDb& db, const StreakStrategy& strategy) {
    Transaction saving(db);
    Statement append(db,
        "INSERT INTO BettingStrategies (" + StreakColumns() + ", HandsToPlay, Comments) VALUES ("
            + Placeholders(kStreakValues) + ", 50, 'This is the Default settings.')",
        StoreAction::Save);
    BindStreak(append, strategy);
    append.Execute();
    const std::int64_t refNo = InsertedRefNo(db, "BettingStrategies");
    saving.Commit();
    return refNo;
}

bool UpdateStreakStrategy(StrategyDb& db, const StreakStrategy& strategy) {
    RefuseProtectedDefault(db, strategy.RefNo, "streak betting strategy");
    Transaction saving(db);
    Statement update(db,
        "UPDATE BettingStrategies SET (" + StreakColumns() + ") = (" + Placeholders(kStreakValues)
            + ") WHERE Ref_No = ?" + std::to_string(kStreakValues + 1),
        StoreAction::Save);
    BindStreak(update, strategy);
    update.Bind(kStreakValues + 1, strategy.RefNo);
    const bool found = update.Execute() > 0;
    saving.Commit();
    return found;
}

bool DeleteStreakStrategy(StrategyDb& db, std::int64_t refNo) {
    RefuseProtectedDefault(db, refNo, "streak betting strategy");
    Transaction deleting(db);
    const int deleted
        = Statement(db, "DELETE FROM BettingStrategies WHERE Ref_No = ?", StoreAction::Save)
              .Bind(1, refNo)
              .Execute();
    deleting.Commit();
    return deleted > 0;
}

void ApplyStreakStrategy(const StreakStrategy& strategy, GameState& gs) {
    const auto length = [](std::int32_t n) { return std::clamp(n, 1, kBetSteps); };
    SetDecksInShoe(gs, std::clamp(strategy.DecksInShoe, 1, kMostDecksInShoe));
    gs.WinStreakLength = length(strategy.WinningSeqLength);
    gs.LoseStreakLength = length(strategy.LosingSeqLength);
    for (int i = 0; i < kBetSteps; ++i) {
        gs.WinningHandBets[i + 1] = strategy.WinningHand[i].value_or(0.0);
        gs.LosingHandBets[i + 1] = strategy.LosingHand[i].value_or(0.0);
    }
}

} // namespace bj
