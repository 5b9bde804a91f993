#include "engine/exact_dealer.h"

#include "engine/cards.h"

namespace bj {

namespace {

// A hand in play: hard sum (aces as 1) and whether it holds an ace, per card count.
using Layer = std::array<std::array<double, 2>, 22>;

int Total(int hard, bool ace) {
    return ace && hard + 10 <= 21 ? hard + 10 : hard;
}

bool Draws(int hard, bool ace, int cards, bool hitsSoft17) {
    const int total = Total(hard, ace);
    if (total < 17)
        return true;
    const bool soft = total != hard;
    return total == 17 && soft && cards == 2 && hitsSoft17;
}

DealerOdds Compute(int upValue, bool hitsSoft17) {
    DealerOdds odds;
    Layer layer {};
    double live = 0;
    for (int hole = 1; hole <= kCardValues; ++hole) {
        const double chance = CardChance(hole);
        if ((hole == 1 && upValue == 10) || (hole == 10 && upValue == 1)) {
            odds.Blackjack += chance;
            continue;
        }
        layer[hole + upValue][hole == 1 || upValue == 1] += chance;
        live += chance;
    }
    for (int cards = 2; cards <= kMaxCardsInHand; ++cards) {
        Layer next {};
        for (int hard = 2; hard <= 21; ++hard) {
            for (int ace = 0; ace < 2; ++ace) {
                const double mass = layer[hard][ace];
                if (mass == 0)
                    continue;
                if (cards == kMaxCardsInHand || !Draws(hard, ace, cards, hitsSoft17)) {
                    odds.Finals[Total(hard, ace)] += mass;
                    continue;
                }
                for (int card = 1; card <= kCardValues; ++card) {
                    const int sum = hard + card;
                    const double drawn = mass * CardChance(card);
                    if (sum > 21)
                        odds.Finals[kDealerBust] += drawn;
                    else
                        next[sum][ace || card == 1] += drawn;
                }
            }
        }
        layer = next;
    }
    for (double& p : odds.Finals)
        p /= live;
    return odds;
}

} // namespace

const DealerOdds& DealerOddsFor(int upValue, bool hitsSoft17) {
    static const auto kTable = [] {
        std::array<std::array<DealerOdds, kCardValues + 1>, 2> table {};
        for (int rule = 0; rule < 2; ++rule)
            for (int up = 1; up <= kCardValues; ++up)
                table[rule][up] = Compute(up, rule == 1);
        return table;
    }();
    return kTable[hitsSoft17 ? 1 : 0][upValue];
}

} // namespace bj
