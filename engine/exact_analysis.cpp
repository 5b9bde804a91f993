#include "engine/exact_analysis.h"

#include "engine/exact_dealer.h"

#include <algorithm>
#include <vector>

namespace bj {

namespace {

constexpr double kRepeatChance = 1.0 / 13.0; // the next card has the rank just split
// Each re-split adds a hand and draws one more second card: E[hands] = 2 + E[re-splits] and
// E[re-splits] = p (E[hands] + E[re-splits]).
constexpr double kMeanSplitHands = 2.0 * (1.0 - kRepeatChance) / (1.0 - 2.0 * kRepeatChance);
constexpr int kTotals = 22; // 0 stands for a bust, 1..21 for a total

int Total(int hard, bool ace) {
    return ace && hard + 10 <= 21 ? hard + 10 : hard;
}

int RowOf(int total, bool soft) {
    if (total >= 4 && total <= 11)
        return total - 4;
    if (total >= 12 && total <= 20)
        return 8 + 2 * (total - 12) + (soft ? 1 : 0);
    return 0;
}

int UpValue(int column) {
    return column == 0 ? 1 : 11 - column;
}

bool Stands(int action) {
    return action == kStand || action == kSplitOrStand;
}
bool Doubles(int action) {
    return action == kDoubleDown || action == kSplitOrDouble;
}
bool Splits(int action) {
    return action >= kSplitOrHit;
}

// What a standing total wins, ties and loses against the dealer's final hand.
struct StandOdds {
    std::array<double, kTotals> win {}, push {}, loss {};

    explicit StandOdds(const DealerFinals& dealer) {
        loss[0] = 1;
        for (int total = 1; total <= 21; ++total) {
            win[total] = dealer[kDealerBust];
            for (int d = 0; d <= 21; ++d)
                (d < total ? win : d == total ? push : loss)[total] += dealer[d];
        }
    }
    double Return(int total) const { return win[total] - loss[total]; }
};

// Values of the player's hand as the expected return of its bet.
struct ReturnValues {
    using Value = double;
    std::array<double, kTotals> stand {};

    explicit ReturnValues(const StandOdds& odds) {
        for (int total = 0; total < kTotals; ++total)
            stand[total] = odds.Return(total);
    }
    Value Stand(int total) const { return stand[total]; }
    Value Bust() const { return -1; }
    static Value Doubled(Value v) { return 2 * v; }
    static void Add(Value& sum, double chance, const Value& v) { sum += chance * v; }
};

// Values of the player's hand as the chances of its final totals, doubled or not:
// [doubled * kTotals + total], total 0 a bust.
struct FinalValues {
    using Value = std::array<double, 2 * kTotals>;

    static Value Stand(int total) {
        Value v {};
        v[total] = 1;
        return v;
    }
    static Value Bust() { return Stand(0); }
    static Value Doubled(const Value& v) {
        Value d {};
        for (int t = 0; t < kTotals; ++t)
            d[kTotals + t] = v[t] + v[kTotals + t];
        return d;
    }
    static void Add(Value& sum, double chance, const Value& v) {
        for (std::size_t i = 0; i < sum.size(); ++i)
            sum[i] += chance * v[i];
    }
};

// The player's side of one dealer column: every hand the strategy can make against it.
template <class Values> class ColumnPlay {
public:
    using Value = typename Values::Value;

    ColumnPlay(const PlayingTable& table, int column, const Values& values)
        : table_(table)
        , column_(column)
        , values_(values)
        , multi_(kLayers * kTotals * 2) {
        for (int cards = kMaxCardsInHand; cards >= 3; --cards)
            for (int hard = 2; hard <= 21; ++hard)
                for (int ace = 0; ace < 2; ++ace)
                    Multi(cards, hard, ace) = PlayOn(cards, hard, ace);
    }

    // A two-card hand that is not split: the first decision, or a hand of a split round.
    Value TwoCards(int first, int second, bool splitHand) const {
        const int hard = first + second;
        const bool ace = first == 1 || second == 1;
        const int total = Total(hard, ace);
        if (splitHand && (total == 21 || first == 1))
            return values_.Stand(total);
        const int action = Action(RowOf(total, total != hard));
        const HouseRules& rules = table_.Rules;
        const bool mayDouble = (!splitHand || rules.DoubleOnSplits) && Doubles(action)
            && (rules.DoubleDownRule == 0 || total == 10 || total == 11);
        if (mayDouble)
            return DoubleDraw(hard, ace);
        if (Stands(action))
            return values_.Stand(total);
        return Draw(hard, ace, 3);
    }

    // One hand of a split round, over the second cards that do not split it again.
    Value SplitHand(int value) const {
        Value sum {};
        for (int card = 1; card <= kCardValues; ++card) {
            const double chance = CardChance(card) - (card == value ? kRepeatChance : 0);
            Values::Add(sum, chance / (1 - kRepeatChance), TwoCards(value, card, true));
        }
        return sum;
    }

    int Action(int row) const { return table_.StrategyMatrix[row][column_]; }

private:
    static constexpr int kLayers = kMaxCardsInHand + 1;

    Value& Multi(int cards, int hard, int ace) {
        return multi_[(cards * kTotals + hard) * 2 + ace];
    }
    const Value& Multi(int cards, int hard, int ace) const {
        return multi_[(cards * kTotals + hard) * 2 + ace];
    }

    // A hand of three or more cards looks up the hard row of its total and stands at 21 or
    // with eleven cards.
    Value PlayOn(int cards, int hard, int ace) const {
        const int total = Total(hard, ace);
        if (cards == kMaxCardsInHand || total == 21 || Stands(Action(RowOf(total, false))))
            return values_.Stand(total);
        return Draw(hard, ace, cards + 1);
    }

    // Takes the card that becomes the hand's `cards`-th and plays on.
    Value Draw(int hard, bool ace, int cards) const {
        Value sum {};
        for (int card = 1; card <= kCardValues; ++card) {
            const int next = hard + card;
            Values::Add(sum, CardChance(card),
                next > 21 ? values_.Bust() : Multi(cards, next, ace || card == 1));
        }
        return sum;
    }

    Value DoubleDraw(int hard, bool ace) const {
        Value sum {};
        for (int card = 1; card <= kCardValues; ++card) {
            const int next = hard + card;
            Values::Add(sum, CardChance(card),
                next > 21 ? values_.Bust() : values_.Stand(Total(next, ace || card == 1)));
        }
        return Values::Doubled(sum);
    }

    const PlayingTable& table_;
    int column_;
    const Values& values_;
    std::vector<Value> multi_; // [cards][hard][ace]
};

// Every opening two-card hand once, ten-valued pairs apart from other ten-ten hands.
template <class Visit> void ForEachOpening(Visit&& visit) {
    for (int first = 1; first <= kCardValues; ++first) {
        for (int second = first; second <= kCardValues; ++second) {
            const double chance
                = CardChance(first) * CardChance(second) * (first == second ? 1 : 2);
            if (first == 10 && second == 10) {
                visit(first, second, true, chance / 4);
                visit(first, second, false, chance * 3 / 4);
            } else {
                visit(first, second, first == second, chance);
            }
        }
    }
}

bool IsBlackjack(int first, int second) {
    return first == 1 && second == 10;
}

int OpeningRow(int first, int second) {
    const int hard = first + second;
    const int total = Total(hard, first == 1 || second == 1);
    return RowOf(total, total != hard);
}

double BlackjackReturn(const HouseRules& rules, int up, double dealerBlackjack) {
    if (up == 1 && rules.InsuranceOn21 != kPlayOutHand)
        return 1; // even money, or an insured blackjack: one bet whatever the dealer holds
    return 1.5 * (1 - dealerBlackjack);
}

double ReturnAfterPeek(double played, bool insured, double dealerBlackjack) {
    if (insured)
        return (1 - dealerBlackjack) * (played - 0.5);
    return -dealerBlackjack + (1 - dealerBlackjack) * played;
}

struct Signs {
    double win = 0, push = 0, loss = 0;
};

// Chances of a split round of n hands and of more than n, n = 2 .. kMostHands.
constexpr int kMostHands = 40;

struct HandCounts {
    std::array<double, kMostHands + 1> exactly {}, beyond {};
};

const HandCounts& SplitHandCounts() {
    static const HandCounts kCounts = [] {
        // n hands take n - 2 re-splits among 2n - 2 second cards, the last of them no repeat:
        // by the hitting-time theorem, 2 / (2n - 2) * C(2n - 2, n - 2) p^(n-2) (1-p)^n.
        HandCounts counts;
        const double p = kRepeatChance;
        for (int n = 2; n <= kMostHands; ++n) {
            const int r = n - 2;
            double chance = 2.0 / (2 * r + 2);
            for (int i = 1; i <= r; ++i)
                chance *= static_cast<double>(r + 2 + i) / i * p;
            for (int i = 0; i < n; ++i)
                chance *= 1 - p;
            counts.exactly[n] = chance;
        }
        for (int n = kMostHands - 1; n >= 2; --n)
            counts.beyond[n] = counts.beyond[n + 1] + counts.exactly[n + 1];
        return counts;
    }();
    return kCounts;
}

// A split round's sign, given no dealer blackjack, from one hand's final totals: the hands
// are independent once the dealer's final hand is known. Rounds of more hands than matter at
// 1e-13 of the chances count as rounds of the most hands followed.
Signs SplitRoundSigns(const FinalValues::Value& hand, const DealerFinals& dealer, bool insured) {
    constexpr double kNegligible = 1e-13;
    constexpr int kSpan = 2 * kMostHands;
    const HandCounts& counts = SplitHandCounts();
    Signs signs;
    for (int d = 0; d <= kDealerBust; ++d) {
        if (dealer[d] == 0)
            continue;
        std::array<double, 5> one {}; // results -2 .. +2
        for (int doubled = 0; doubled < 2; ++doubled) {
            for (int t = 0; t < kTotals; ++t) {
                const int result = t == 0 ? -1 : d == kDealerBust ? 1 : (t > d) - (t < d);
                one[2 + result * (1 + doubled)] += hand[doubled * kTotals + t];
            }
        }
        int most = 2;
        while (most < kMostHands && dealer[d] * counts.beyond[most] >= kNegligible)
            ++most;
        // Sum over n of chance(n) * one^n, Horner's way from the most hands down: a sum of
        // n hands lies within +-2n.
        std::array<std::array<double, 2 * kSpan + 1>, 2> buffers {};
        auto* mix = &buffers[0];
        auto* next = &buffers[1];
        (*mix)[kSpan] = counts.exactly[most] + counts.beyond[most];
        for (int n = most - 1; n >= 0; --n) {
            const int reach = 2 * (most - n);
            std::fill(next->begin() + kSpan - reach, next->begin() + kSpan + reach + 1, 0.0);
            for (int r = 0; r < 5; ++r)
                if (one[r] != 0)
                    for (int s = kSpan - reach + 2; s <= kSpan + reach - 2; ++s)
                        (*next)[s + r - 2] += (*mix)[s] * one[r];
            if (n >= 2)
                (*next)[kSpan] += counts.exactly[n];
            std::swap(mix, next);
        }
        double win = 0, push = (*mix)[kSpan], loss = 0;
        for (int s = 1; s <= kSpan; ++s) {
            win += (*mix)[kSpan + s];
            loss += (*mix)[kSpan - s];
        }
        if (insured) { // the lost stake turns a round that breaks even into a loss
            loss += push;
            push = 0;
        }
        signs.win += dealer[d] * win;
        signs.push += dealer[d] * push;
        signs.loss += dealer[d] * loss;
    }
    return signs;
}

double ReturnOf(const FinalValues::Value& hand, const StandOdds& odds) {
    double sum = 0;
    for (int t = 0; t < kTotals; ++t)
        sum += (hand[t] + 2 * hand[kTotals + t]) * odds.Return(t);
    return sum;
}

Signs SignsOf(const FinalValues::Value& hand, const StandOdds& odds, bool insured) {
    Signs signs;
    for (int doubled = 0; doubled < 2; ++doubled) {
        for (int t = 0; t < kTotals; ++t) {
            const double m = hand[doubled * kTotals + t];
            signs.win += m * odds.win[t];
            signs.push += m * odds.push[t];
            signs.loss += m * odds.loss[t];
        }
    }
    if (insured) {
        signs.loss += signs.push;
        signs.push = 0;
    }
    return signs;
}

void AnalyseColumn(const PlayingTable& table, int column, ExactResult& result) {
    const int up = UpValue(column);
    const DealerOdds& dealer = DealerOddsFor(up, table.Rules.DealerSoft17 == 0);
    const double bj = dealer.Blackjack;
    const double columnChance = ColumnChance(column);
    const StandOdds odds(dealer.Finals);
    const FinalValues values;
    const ColumnPlay<FinalValues> play(table, column, values);
    std::array<double, kPlayerRows> rowReturn {}, rowChance {};

    ForEachOpening([&](int first, int second, bool pair, double chance) {
        double ret = 0;
        Signs signs;
        if (IsBlackjack(first, second)) {
            ret = BlackjackReturn(table.Rules, up, bj);
            if (up == 1 && table.Rules.InsuranceOn21 != kPlayOutHand)
                signs.win = 1;
            else
                signs = {1 - bj, bj, 0};
        } else {
            const int row = OpeningRow(first, second);
            const bool insured = up == 1 && table.InsuranceByRow[row];
            Signs played;
            double playedReturn = 0;
            if (pair && Splits(play.Action(row))) {
                const auto hand = play.SplitHand(first);
                playedReturn = kMeanSplitHands * ReturnOf(hand, odds);
                played = SplitRoundSigns(hand, dealer.Finals, insured);
            } else {
                const auto hand = play.TwoCards(first, second, false);
                playedReturn = ReturnOf(hand, odds);
                played = SignsOf(hand, odds, insured);
            }
            ret = ReturnAfterPeek(playedReturn, insured, bj);
            signs = {(1 - bj) * played.win, (1 - bj) * played.push + (insured ? bj : 0),
                (1 - bj) * played.loss + (insured ? 0 : bj)};
            rowReturn[row] += chance * ret;
            rowChance[row] += chance;
        }
        result.Return += columnChance * chance * ret;
        result.Win += columnChance * chance * signs.win;
        result.Push += columnChance * chance * signs.push;
        result.Loss += columnChance * chance * signs.loss;
    });
    for (int row = 0; row < kPlayerRows; ++row) {
        result.RowReturn[row][column] = rowChance[row] > 0 ? rowReturn[row] / rowChance[row] : 0;
        result.RowChance[row][column] = columnChance * rowChance[row];
    }
}

} // namespace

PlayingTable PlayingTableOf(const GameState& gs) {
    PlayingTable table;
    table.Rules = {gs.DoubleDownRule, gs.DoubleOnSplits, gs.DealerSoft17, gs.InsuranceOn21};
    table.StrategyMatrix = gs.StrategyMatrix;
    table.InsuranceByRow = gs.InsuranceByRow;
    return table;
}

void PutPlayingTable(const PlayingTable& table, GameState& gs) {
    gs.DoubleDownRule = table.Rules.DoubleDownRule;
    gs.DoubleOnSplits = table.Rules.DoubleOnSplits;
    gs.DealerSoft17 = table.Rules.DealerSoft17;
    gs.InsuranceOn21 = table.Rules.InsuranceOn21;
    gs.StrategyMatrix = table.StrategyMatrix;
    gs.InsuranceByRow = table.InsuranceByRow;
}

ExactResult AnalyseStrategy(const PlayingTable& table) {
    ExactResult result;
    for (int column = 0; column < kDealerColumns; ++column)
        AnalyseColumn(table, column, result);
    return result;
}

double ColumnChance(int column) {
    return CardChance(UpValue(column));
}

double ColumnReturn(const PlayingTable& table, int column) {
    const int up = UpValue(column);
    const DealerOdds& dealer = DealerOddsFor(up, table.Rules.DealerSoft17 == 0);
    const ReturnValues values {StandOdds(dealer.Finals)};
    const ColumnPlay<ReturnValues> play(table, column, values);
    double sum = 0;
    ForEachOpening([&](int first, int second, bool pair, double chance) {
        if (IsBlackjack(first, second)) {
            sum += chance * BlackjackReturn(table.Rules, up, dealer.Blackjack);
            return;
        }
        const int row = OpeningRow(first, second);
        const double played = pair && Splits(play.Action(row))
            ? kMeanSplitHands * play.SplitHand(first)
            : play.TwoCards(first, second, false);
        sum += chance
            * ReturnAfterPeek(played, up == 1 && table.InsuranceByRow[row], dealer.Blackjack);
    });
    return sum;
}

double ExpectedReturn(const PlayingTable& table) {
    double sum = 0;
    for (int column = 0; column < kDealerColumns; ++column)
        sum += ColumnChance(column) * ColumnReturn(table, column);
    return sum;
}

} // namespace bj
