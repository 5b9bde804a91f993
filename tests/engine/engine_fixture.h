#pragma once

#include "engine/game_state.h"
#include "engine/shoe.h"

namespace bj::test {

// A table with one fixed bet of 10 (variable betting that never steps), a strategy that
// stands on everything and never insures, dealer standing on soft 17, "Play Out Hand".
inline GameState FlatTable(int decks = 8) {
    GameState gs;
    for (auto& row : gs.StrategyMatrix)
        row.fill(kStand);
    gs.InsuranceByRow.fill(false);
    gs.InsuranceOn21 = kPlayOutHand;
    gs.DealerSoft17 = 1;
    gs.DoubleOnSplits = true;
    gs.BettingType = kVariableBetting;
    gs.InitialBet = 10;
    gs.MinimumBet = 1;
    gs.MaximumBet = 1000;
    gs.CurrentBet = 10;
    gs.DecksInShoe = decks;
    BuildShoe(gs);
    SeedRandom(gs, 7);
    return gs;
}

// Cards dealt in this order (suits all spades) from the top of the shoe.
template <class Ranks> void StackRanks(GameState& gs, const Ranks& ranks) {
    gs.StackedCards.clear();
    for (auto it = ranks.rbegin(); it != ranks.rend(); ++it)
        gs.StackedCards.push_back(Card {static_cast<std::uint8_t>(*it), kSpades});
}

inline void SetRow(GameState& gs, int row, int action) {
    gs.StrategyMatrix[row].fill(static_cast<std::int8_t>(action));
}

// The strategies a new database starts with: hit even rows, stand and insure odd rows,
// streak bets 5, 10, 20, 30, 40.
inline GameState DefaultStrategies(int decks) {
    GameState gs = FlatTable(decks);
    for (int row = 0; row < kPlayerRows; ++row) {
        SetRow(gs, row, row % 2);
        gs.InsuranceByRow[row] = row % 2 == 1;
    }
    gs.InsuranceOn21 = kTakeEvenMoney;
    gs.BettingType = kStreakBetting;
    const double bets[] = {0, 5, 10, 20, 30, 40, 5, 5, 5, 5, 5};
    for (int i = 1; i <= kBetSteps; ++i)
        gs.WinningHandBets[i] = gs.LosingHandBets[i] = bets[i];
    gs.WinStreakLength = gs.LoseStreakLength = 5;
    return gs;
}

} // namespace bj::test
