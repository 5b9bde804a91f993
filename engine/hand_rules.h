#pragma once

#include "engine/game_state.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Inline: the round asks these several times per card, and a call costs more than most of them.
namespace bj {

// Makes positions 1..cards of the hand hold its cards and recounts its sums from them.
void RecountHand(GameState& gs, int who, int cards);
// Demotes aces to 1 in position order while the hand is over 21 and holds one counted 11.
void DemoteAces(GameState& gs, int who);

inline bool HoldsCard(const GameState& gs, int who, int position) {
    return position <= gs.Hands[who].Cards;
}

// Sum of count values over the cards present (or positions 1 and 2 only).
inline int HandTotal(const GameState& gs, int who, bool firstTwoOnly = false) {
    if (firstTwoOnly)
        return gs.CardSlots[who][1].value + gs.CardSlots[who][2].value;
    return gs.Hands[who].Total;
}

// Total after demoting aces to 1, in position order, only as far as needed; demotions stay.
inline int HandValue(GameState& gs, int who) {
    const HandSums& hand = gs.Hands[who];
    if (hand.Total > 21 && hand.SoftAces > 0) [[unlikely]]
        DemoteAces(gs, who);
    return hand.Total;
}

inline int CardCount(const GameState& gs, int who) {
    return gs.Hands[who].Cards;
}

// The hand of a strategy row as the editor lists it: "4" .. "11", then from 12 on each hard
// total followed by its soft one, "Soft 12" .. "Soft 20".
std::string PlayerHandText(int row);
// The dealer's card of a strategy column: "A", "10", "9" .. "2".
const char* DealerCardText(int column);
// The row of a pair of aces, where code 3 splits and takes one card to each ace.
constexpr int kSoft12Row = 9;
// The action codes a row offers: Hit, Stand and Double Down everywhere, the split codes on
// pairs, and only "Split & Take 1 Card" (code 3) on Soft 12.
const std::vector<int>& OfferedActions(int row);
bool IsOfferedAction(int row, int code);
// The offered code that plays as code does on that row: codes 3 to 5 fall back to hit, stand
// and double on a hand that cannot split, and every split code splits a pair of aces.
int OfferedCodePlayedAlike(int row, int code);
// An action as the editor lists it on that row.
const char* ActionName(int row, int code);

// Rows by total, hard and soft: 4..11 are rows 0..7 either way, 12..20 alternate hard and
// soft from row 8, and every other total is row 0. Worked out rather than looked up, and
// selected rather than branched on: the cards make the total unpredictable, and a table load
// would lengthen the path to the decision that waits on it.
inline int RowOfTotal(int total, bool soft) {
    const int row = total <= 11 ? total - 4 : 2 * total - 16 + (soft ? 1 : 0);
    return static_cast<unsigned>(total - 4) <= 16 ? row : 0;
}

inline int PlayerRowFirstTwo(const GameState& gs) {
    const CardSlot& a = gs.CardSlots[kPlayer][1];
    const CardSlot& b = gs.CardSlots[kPlayer][2];
    return RowOfTotal(a.value + b.value, a.value == 11 || b.value == 11);
}

// A soft hand of three or more cards uses the hard row of its total.
inline int PlayerRow(const GameState& gs) {
    const HandSums& hand = gs.Hands[kPlayer];
    return RowOfTotal(hand.Total, hand.Cards <= 2 && hand.SoftAces > 0);
}

// Columns by the up card's count value: 10 .. 2 are columns 1 .. 9, an ace column 0.
inline constexpr std::int8_t kColumnOfValue[12] = {0, 0, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};

inline int DealerColumn(const GameState& gs) {
    return kColumnOfValue[gs.CardSlots[kDealer][2].value];
}

// Only the first two cards count: a three-card soft 17 is a hard 17.
inline bool IsDealerSoft17(const GameState& gs) {
    const CardSlot& a = gs.CardSlots[kDealer][1];
    const CardSlot& b = gs.CardSlots[kDealer][2];
    const bool ace = a.value == 11 || a.value == 1 || b.value == 11 || b.value == 1;
    return a.value + b.value == 17 && ace;
}

inline int StrategyAction(const GameState& gs, int row, int column) {
    return gs.StrategyMatrix[row][column];
}

// The codes that stand once no split is taken: stand, and split or stand.
inline bool Stands(int action) {
    return action == kStand || action == kSplitOrStand;
}

inline bool MayDouble(const GameState& gs, int who) {
    if (HoldsCard(gs, who, 3))
        return false;
    if (gs.DoubleDownRule == 1) {
        const int total = HandTotal(gs, who, true);
        if (total != 10 && total != 11)
            return false;
    }
    const int action = StrategyAction(gs, PlayerRowFirstTwo(gs), DealerColumn(gs));
    return action == kDoubleDown || action == kSplitOrDouble;
}

// A pair of aces whose first ace is already demoted is still a pair; ten-king is not.
inline bool CheckSplit(const GameState& gs, int who, int& splitCount) {
    const CardSlot& a = gs.CardSlots[who][1];
    const CardSlot& b = gs.CardSlots[who][2];
    const bool candidate = (!HoldsCard(gs, who, 3) && a.value == 1) || a.value == b.value;
    if (!candidate || a.rank != b.rank)
        return false;
    if (StrategyAction(gs, PlayerRowFirstTwo(gs), DealerColumn(gs)) < kSplitOrHit)
        return false;
    ++splitCount;
    return true;
}

} // namespace bj
