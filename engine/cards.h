#pragma once

#include <cstdint>

namespace bj {

enum : int { kDealer = 1, kPlayer = 2 };
constexpr int kMaxCardsInHand = 11;

enum : int { kHearts = 1, kDiamonds = 2, kClubs = 3, kSpades = 4 };

struct Card {
    std::uint8_t rank = 0; // 1 = ace .. 13 = king
    std::uint8_t suit = 0; // 1..4
};

// One card position of a hand as the table shows it; whether it holds a card is the hand's
// HandSums::Cards.
struct CardSlot {
    std::uint8_t rank = 0;
    std::uint8_t suit = 0;
    std::int8_t value = 0; // count value: ace 11 (1 once demoted), faces 10
    std::uint8_t unused = 0; // four bytes, so that placing a card is one store
};

// Kept as cards are dealt, hidden or an ace is demoted, so no rule adds up a hand's cards.
struct HandSums {
    std::int8_t Cards = 0; // positions 1..Cards hold cards, the rest none
    std::int8_t Total = 0; // sum of their count values
    std::int8_t SoftAces = 0; // aces among them still counted 11
};

// By rank: ace 11, faces 10. A table, so that dealing a card takes no branch on its rank.
inline constexpr std::int8_t kCountValues[14] = {0, 11, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 10};

constexpr int CountValue(int rank) {
    return kCountValues[rank];
}

// "A", "2".."10", "J", "Q", "K".
const char* FaceText(int rank);

} // namespace bj
