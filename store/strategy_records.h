#pragma once

#include "engine/game_state.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bj {

// One entry of a strategy list, in table order.
struct NamedRef {
    std::string Name;
    std::int64_t RefNo = 0;
};

// A row of BettingStrategies. Bets beyond a sequence's length are normally Null (nullopt).
struct StreakStrategy {
    std::int64_t RefNo = 0;
    std::string Name;
    std::int32_t DecksInShoe = 1;
    std::int32_t WinningSeqLength = 1;
    std::int32_t LosingSeqLength = 1;
    std::array<std::optional<double>, kBetSteps> WinningHand {}; // [0] is WinningHand1
    std::array<std::optional<double>, kBetSteps> LosingHand {};
    std::vector<std::string> Corrections {}; // what the load put right, in plain words
};

// A row of VariableBet.
struct VariableStrategy {
    std::int64_t RefNo = 0;
    std::string Name;
    double InitialBet = 0, MaximumBet = 0, MinimumBet = 0;
    std::uint8_t MaintainMax = 0, MaintainMin = 0, WinAddSub = 0, LoseAddSub = 0;
    double WinBet = 0, LoseBet = 0;
    std::vector<std::string> Corrections {};
};

// A row of PlayingStrategies with its decision rows from PlayersHand.
struct PlayingStrategy {
    std::int64_t RefNo = 0;
    std::string Name;
    int DoubleDown = 0;
    int SplitsDoubleDown = 0;
    int DealerSoft17 = 0;
    int InsuranceOn21 = 0;
    std::array<std::array<int, kDealerColumns>, kPlayerRows> Actions {}; // [row][DealerColumn]
    std::array<int, kPlayerRows> Ins {};
    int StoredRows = kPlayerRows; // rows found on load; rows past it are zero
    std::vector<std::string> Corrections {};
};

} // namespace bj
