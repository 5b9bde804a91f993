#include "store/betting_strategies.h"
#include "store/statement.h"
#include "store/strategy_db.h"

namespace bj {
namespace {

constexpr std::array<double, kBetSteps> kSeedBets {5, 10, 20, 30, 40, 5, 5, 5, 5, 5};

void SeedStreakStrategy(StrategyDb& db) {
    StreakStrategy seed;
    seed.Name = "Default";
    seed.DecksInShoe = 1;
    seed.WinningSeqLength = 5;
    seed.LosingSeqLength = 5;
    for (int i = 0; i < kBetSteps; ++i)
        seed.WinningHand[i] = seed.LosingHand[i] = kSeedBets[i];
    const std::int64_t refNo = AppendStreakStrategy(db, seed);
    Statement(db, "UPDATE BettingStrategies SET Surrender = 0 WHERE Ref_No = ?", StoreAction::Save)
        .Bind(1, refNo)
        .Execute();
}

// InsuranceOn21 stays Null, which every reader takes as "Take Even Money".
void SeedPlayingStrategy(StrategyDb& db) {
    Statement(db,
        "INSERT INTO PlayingStrategies (Name, DoubleDown, SplitsDoubleDown, DealerSoft17) "
        "VALUES ('Default', 0, 1, 1)",
        StoreAction::Save)
        .Execute();
    Statement rows(db,
        "INSERT INTO PlayersHand (Ref_No, PlayingStrategyRef_No, DA, D10, D9, D8, D7, D6, D5, "
        "D4, D3, D2, Ins) VALUES (?1, 1, ?2, ?2, ?2, ?2, ?2, ?2, ?2, ?2, ?2, ?2, ?2)",
        StoreAction::Save);
    for (std::int64_t row = 0; row < kPlayerRows; ++row) {
        rows.Bind(1, row).Bind(2, std::int64_t {row % 2}).Execute();
        rows.Reset();
    }
}

void SeedVariableStrategy(StrategyDb& db) {
    VariableStrategy seed;
    seed.Name = "Default";
    seed.InitialBet = 10;
    seed.MaximumBet = 50;
    seed.MinimumBet = 5;
    seed.WinBet = 10;
    seed.LoseBet = 10;
    AppendVariableStrategy(db, seed);
}

} // namespace

void WriteDefaultContent(StrategyDb& db) {
    Transaction seeding(db);
    SeedStreakStrategy(db);
    SeedPlayingStrategy(db);
    SeedVariableStrategy(db);
    seeding.Commit();
}

} // namespace bj
