#include "engine/hand_rules.h"

#include <cstring>

namespace bj {

namespace {

int RowOfTotal(int total, bool soft) {
    if (total >= 4 && total <= 11)
        return total - 4;
    if (total >= 12 && total <= 20)
        return 8 + 2 * (total - 12) + (soft ? 1 : 0);
    return 0;
}

const CardSlot& Slot(const GameState& gs, int who, int position) {
    return gs.CardSlots[who][position];
}

} // namespace

int HandTotal(const GameState& gs, int who, bool firstTwoOnly) {
    if (firstTwoOnly)
        return Slot(gs, who, 1).value + Slot(gs, who, 2).value;
    int total = 0;
    for (int position = 1; position <= kMaxCardsInHand && Slot(gs, who, position).present;
         ++position)
        total += Slot(gs, who, position).value;
    return total;
}

int HandValue(GameState& gs, int who) {
    int total = HandTotal(gs, who);
    for (int position = 1; total > 21 && position <= kMaxCardsInHand; ++position) {
        CardSlot& slot = gs.CardSlots[who][position];
        if (!slot.present)
            break;
        if (slot.value == 11) {
            slot.value = 1;
            total -= 10;
        }
    }
    return total;
}

int CardCount(const GameState& gs, int who) {
    int count = 0;
    while (count < kMaxCardsInHand && Slot(gs, who, count + 1).present)
        ++count;
    return count;
}

int PlayerRowFirstTwo(const GameState& gs) {
    const CardSlot& a = Slot(gs, kPlayer, 1);
    const CardSlot& b = Slot(gs, kPlayer, 2);
    return RowOfTotal(a.value + b.value, a.value == 11 || b.value == 11);
}

int PlayerRow(const GameState& gs) {
    const bool twoCards = !Slot(gs, kPlayer, 3).present;
    const bool soft
        = twoCards && (Slot(gs, kPlayer, 1).value == 11 || Slot(gs, kPlayer, 2).value == 11);
    return RowOfTotal(HandTotal(gs, kPlayer), soft);
}

int DealerColumn(const GameState& gs) {
    const int v = Slot(gs, kDealer, 2).value;
    return (v >= 2 && v <= 10) ? 11 - v : 0;
}

bool IsDealerSoft17(const GameState& gs) {
    const CardSlot& a = Slot(gs, kDealer, 1);
    const CardSlot& b = Slot(gs, kDealer, 2);
    const bool ace = a.value == 11 || a.value == 1 || b.value == 11 || b.value == 1;
    return a.value + b.value == 17 && ace;
}

bool MayDouble(const GameState& gs, int who) {
    if (Slot(gs, who, 3).present)
        return false;
    if (gs.DoubleDownRule == 1) {
        const int total = HandTotal(gs, who, true);
        if (total != 10 && total != 11)
            return false;
    }
    const int action = StrategyAction(gs, PlayerRowFirstTwo(gs), DealerColumn(gs));
    return action == kDoubleDown || action == kSplitOrDouble;
}

bool CheckSplit(const GameState& gs, int who, int& splitCount) {
    const CardSlot& a = Slot(gs, who, 1);
    const CardSlot& b = Slot(gs, who, 2);
    const bool candidate = (!Slot(gs, who, 3).present && a.value == 1) || a.value == b.value;
    if (!candidate || a.rank != b.rank)
        return false;
    if (StrategyAction(gs, PlayerRowFirstTwo(gs), DealerColumn(gs)) < kSplitOrHit)
        return false;
    ++splitCount;
    return true;
}

} // namespace bj
