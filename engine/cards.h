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

// One card position of a hand as the table shows it.
struct CardSlot {
    bool present = false;
    std::uint8_t rank = 0;
    std::uint8_t suit = 0;
    std::int8_t value = 0; // count value: ace 11 (1 once demoted), faces 10
};

constexpr int CountValue(int rank) {
    return rank == 1 ? 11 : (rank > 10 ? 10 : rank);
}

// "A", "2".."10", "J", "Q", "K".
const char* FaceText(int rank);

} // namespace bj
