#pragma once

#include "engine/cards.h"
#include "engine/currency.h"
#include "engine/random.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bj {

constexpr int kPlayerRows = 26;
constexpr int kDealerColumns = 10;
constexpr int kBetSteps = 10;
constexpr int kStreakLengths = 26;
constexpr std::int64_t kStartingBankroll = 10000;

enum ActionCode : int {
    kHit = 0,
    kStand = 1,
    kDoubleDown = 2,
    kSplitOrHit = 3,
    kSplitOrStand = 4,
    kSplitOrDouble = 5
};
enum InsuranceOn21Choice : int { kTakeEvenMoney = 0, kTakeInsurance = 1, kPlayOutHand = 2 };
enum BettingKind : int { kStreakBetting = 0, kVariableBetting = 1 };
enum StreakKind : int { kWinning = 1, kLosing = 2 };

// Every round's bankroll change in the batch engine, as exact integer sums of 1/10,000 units,
// so that sessions tallied apart add up to the same figures in any order; and in units of the
// round's first bet, summed per session and added in session order.
struct RoundTally {
    std::int64_t Rounds = 0;
    std::int64_t Sum = 0;
    unsigned __int128 SumOfSquares = 0;
    std::int64_t Won = 0, Pushed = 0, Lost = 0; // by the sign of the change
    std::int64_t BetRounds = 0; // rounds begun at a bet above 0
    double SumInBets = 0, SquaresInBets = 0;

    void Count(std::int64_t units, std::int64_t bet) {
        ++Rounds;
        Sum += units;
        const auto magnitude = static_cast<unsigned __int128>(units < 0 ? -units : units);
        SumOfSquares += magnitude * magnitude;
        ++(units > 0 ? Won : units == 0 ? Pushed : Lost);
        if (bet > 0) {
            const double inBets = static_cast<double>(units) / (10000.0 * static_cast<double>(bet));
            ++BetRounds;
            SumInBets += inBets;
            SquaresInBets += inBets * inBets;
        }
    }
    void Add(const RoundTally& o) {
        Rounds += o.Rounds;
        Sum += o.Sum;
        SumOfSquares += o.SumOfSquares;
        Won += o.Won;
        Pushed += o.Pushed;
        Lost += o.Lost;
        BetRounds += o.BetRounds;
        SumInBets += o.SumInBets;
        SquaresInBets += o.SquaresInBets;
    }
};

// The one record every window and the engine share, from start-up to program end.
struct GameState {
    // Table rules and playing strategy.
    std::int64_t PlayingStrategyRefNo = 0;
    std::string PlayingStrategyName;
    bool PlayingStrategyChanged = false; // edited in memory since it was loaded or saved
    std::int32_t DoubleDownRule = 0; // 0 any hand, 1 ten and eleven only
    bool DoubleOnSplits = false;
    std::int32_t DealerSoft17 = 0; // 0 hits soft 17, 1 stands
    std::int32_t InsuranceOn21 = kTakeEvenMoney;
    std::array<std::array<std::int8_t, kDealerColumns>, kPlayerRows>
        StrategyMatrix {}; // [row][col]
    std::array<bool, kPlayerRows> InsuranceByRow {};

    // Betting strategy; index 0 of the bet arrays is unused.
    std::int32_t BettingType = kStreakBetting;
    std::array<double, kBetSteps + 1> WinningHandBets {};
    std::array<double, kBetSteps + 1> LosingHandBets {};
    std::int32_t WinStreakLength = 5;
    std::int32_t LoseStreakLength = 5;
    std::int32_t DecksInShoe = 1;
    std::int64_t VariableBetRefNo = 0;
    std::string VariableBetName;
    double InitialBet = 0, MaximumBet = 0, MinimumBet = 0, WinBet = 0, LoseBet = 0;
    std::uint8_t MaintainMax = 0, MaintainMin = 0, WinAddSub = 0, LoseAddSub = 0;
    Currency StartingBet = Currency::FromWhole(5);

    // Shoe and table; live cards are Shoe[0 .. CardsLeft-1], positions are 1..11.
    std::vector<Card> Shoe;
    std::int32_t CardsLeft = 0;
    std::int32_t ReshuffleAt = 0; // set by BuildShoe: CardsLeft at or below it rebuilds
    std::array<std::array<CardSlot, kMaxCardsInHand + 1>, 3> CardSlots {}; // [who][position]
    std::array<HandSums, 3> Hands {}; // [who]
    std::int32_t CurrentHand = kPlayer;
    Random Rng;
    std::vector<Card> StackedCards; // test seam: dealt before any random draw, back first

    // Round and run.
    std::int64_t CurrentBet = 5; // whole units; wide enough that doubling never overflows
    bool SplitThisHand = false;
    bool DoubledThisHand = false;
    Currency InsuranceResult; // the round's insurance or even-money result (dblInsBet)
    Currency AmountWonOnHand; // last settled hand, insurance result included
    std::int32_t HandsToPlay = 1000;
    std::int32_t TableHandsToPlay = 1000;
    std::int64_t SessionHandsPlayed = 0;
    std::int64_t TiedHands = 0;
    std::int64_t PushStreak = 0;
    bool ContinuousPlay = true;

    // Bankroll and statistics.
    Currency Bankroll = Currency::FromWhole(kStartingBankroll);
    Currency MaxBankroll = Currency::FromWhole(kStartingBankroll);
    Currency MinBankroll = Currency::FromWhole(kStartingBankroll);
    std::int64_t HandsWon = 0, HandsLost = 0, BlackjacksWon = 0;
    Currency BlackjackAmountWon;
    std::int32_t WinStreak = 0, LoseStreak = 0, MaxWinStreak = 0, MaxLoseStreak = 0;
    std::int32_t WinStreakCapped = 0, LoseStreakCapped = 0;
    std::array<std::array<std::int64_t, kStreakLengths + 1>, 3>
        StreakStopCounts {}; // [kind][length]
    bool StreakStart = true;
    bool StreakFlipped = false;
    // Decided hands of one kind from the start of the session, while no other kind came; the
    // parallel runner joins them to the streak the session before left.
    std::int32_t OpeningStreak = 0;
    bool OpeningStreakWon = false;
    bool OpeningStreakOpen = true;
    std::int64_t DoubledHandsWon = 0, DoubledHandsLost = 0;
    Currency DoubledAmountWon, DoubledAmountLost;
    std::int64_t SplitHandsWon = 0, SplitHandsLost = 0;
    Currency SplitAmountWon, SplitAmountLost;
    std::int64_t InsuredHandsWon = 0, InsuredHandsLost = 0;
    Currency InsuranceAmountWon, InsuranceAmountLost;
    Currency EvenMoneyAmountWon;
    // In cents (BetCents): every main bet, doubles at their doubled stake, every split hand.
    std::int64_t AmountWageredCents = 0;
    std::int64_t InsuranceWageredCents = 0; // insurance stakes; even money is none
    RoundTally Rounds; // kept by the batch engine
    // Every streak bet rounded once, by outcome (0 lost, 1 won) and sequence number; built and
    // read by the batch loop alone (StreakBetTable).
    std::array<std::array<std::int64_t, kBetSteps + 1>, 2> BatchStreakBets {};

    // Multi-session values.
    bool MultiSessionMode = false;
    bool SessionStop = false;
    std::optional<Currency> SessionWinLevel, SessionLoseLevel; // absent: that stop never fires
    Currency SessionStartBank, SessionPeakBank, SessionLowBank;
    double BailOutFraction = 0;
    Currency SessionEndBank; // zero marks a session ended by a stop rule

    // Navigation.
    std::string ReturnButtonCaption;
    bool VariableStrategyLoaded = false;
    std::int32_t StreakListIndex = 0, VariableListIndex = 0;
    bool TrayIconOn = false;
};

// Zeroes every statistic and puts the bankroll back to its starting value; the bet,
// the strategies and the shoe are the caller's.
void ResetStatistics(GameState& gs);

// Zeroes only the streak-length histogram.
void ResetStreakStopCounts(GameState& gs);

} // namespace bj
