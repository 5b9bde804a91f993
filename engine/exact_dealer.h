#pragma once

#include <array>

namespace bj {

// Card values 1 (ace) to 10 (ten to king) as an infinite shoe deals them.
constexpr int kCardValues = 10;
constexpr double CardChance(int value) {
    return value == 10 ? 4.0 / 13.0 : 1.0 / 13.0;
}

// The dealer's final hand: index 0..21 its total, kDealerBust a bust. Totals below 17 are
// hands that stopped at eleven cards.
constexpr int kDealerBust = 22;
using DealerFinals = std::array<double, kDealerBust + 1>;

struct DealerOdds {
    double Blackjack = 0; // the peek finds 21 in the first two cards
    DealerFinals Finals {}; // the dealer's final hand given no blackjack
};

// `upValue` 1..10; `hitsSoft17` draws to a soft 17 of the first two cards only, as the round
// does. Computed once per rule and kept.
const DealerOdds& DealerOddsFor(int upValue, bool hitsSoft17);

} // namespace bj
