#include "engine/hand_rules.h"

#include <algorithm>

namespace bj {

void RecountHand(GameState& gs, int who, int cards) {
    HandSums sums;
    sums.Cards = static_cast<std::int8_t>(cards);
    for (int position = 1; position <= cards; ++position) {
        const int value = gs.CardSlots[who][position].value;
        sums.Total = static_cast<std::int8_t>(sums.Total + value);
        sums.SoftAces = static_cast<std::int8_t>(sums.SoftAces + (value == 11 ? 1 : 0));
    }
    gs.Hands[who] = sums;
}

void DemoteAces(GameState& gs, int who) {
    HandSums& hand = gs.Hands[who];
    for (int position = 1; hand.Total > 21 && position <= hand.Cards; ++position) {
        CardSlot& slot = gs.CardSlots[who][position];
        if (slot.value == 11) {
            slot.value = 1;
            hand.Total = static_cast<std::int8_t>(hand.Total - 10);
            --hand.SoftAces;
        }
    }
}

std::string PlayerHandText(int row) {
    if (row < 8)
        return std::to_string(row + 4);
    const std::string total = std::to_string(12 + (row - 8) / 2);
    return (row - 8) % 2 ? "Soft " + total : total;
}

namespace {

// Rows of an even hard total, which a pair makes.
bool IsHardPairRow(int row) {
    return (row <= 7 && row % 2 == 0) || (row >= 8 && (row - 8) % 4 == 0);
}

} // namespace

const std::vector<int>& OfferedActions(int row) {
    static const std::vector<int> kPlain {kHit, kStand, kDoubleDown};
    static const std::vector<int> kPair {
        kHit, kStand, kDoubleDown, kSplitOrHit, kSplitOrStand, kSplitOrDouble};
    static const std::vector<int> kAces {kHit, kStand, kDoubleDown, kSplitOrHit};
    if (row == kSoft12Row)
        return kAces;
    return IsHardPairRow(row) ? kPair : kPlain;
}

bool IsOfferedAction(int row, int code) {
    const std::vector<int>& offered = OfferedActions(row);
    return std::find(offered.begin(), offered.end(), code) != offered.end();
}

int OfferedCodePlayedAlike(int row, int code) {
    if (code < kSplitOrHit || code > kSplitOrDouble || IsOfferedAction(row, code))
        return code;
    return row == kSoft12Row ? kSplitOrHit : code - kSplitOrHit;
}

const char* ActionName(int row, int code) {
    static constexpr const char* kNames[]
        = {"Hit", "Stand", "Double Down", "Split or Hit", "Split or Stand", "Split or Double Down"};
    return row == kSoft12Row && code == kSplitOrHit ? "Split & Take 1 Card" : kNames[code];
}

const char* DealerCardText(int column) {
    static constexpr const char* kCards[kDealerColumns]
        = {"A", "10", "9", "8", "7", "6", "5", "4", "3", "2"};
    return kCards[column];
}

} // namespace bj
