#include "engine/best_table.h"
#include "engine/exact_dealer.h"
#include "engine/hand_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

namespace bj {
namespace {

constexpr double kBlackjack = 8.0 / 169.0; // ace and a ten-valued card, either order
constexpr double kAce = 1.0 / 13.0;

int RowTotal(int row) {
    return row <= 7 ? row + 4 : 12 + (row - 8) / 2;
}
bool RowSoft(int row) {
    return row >= 8 && row % 2 == 1;
}

PlayingTable Table(HouseRules rules, const std::function<int(int row, int column)>& code) {
    PlayingTable table;
    table.Rules = rules;
    for (int row = 0; row < kPlayerRows; ++row)
        for (int column = 0; column < kDealerColumns; ++column)
            table.StrategyMatrix[row][column] = static_cast<std::int8_t>(code(row, column));
    return table;
}

PlayingTable AlwaysStand(HouseRules rules = {0, false, 1, kPlayOutHand}) {
    return Table(rules, [](int, int) { return kStand; });
}

// Hits below 17 and stands from 17 on, hitting a two-card soft 17 when the dealer does.
PlayingTable MimicTheDealer(int dealerSoft17) {
    return Table({0, false, dealerSoft17, kPlayOutHand}, [=](int row, int) {
        const bool hitsSoft17 = RowSoft(row) && RowTotal(row) == 17 && dealerSoft17 == 0;
        return RowTotal(row) < 17 || hitsSoft17 ? kHit : kStand;
    });
}

PlayingTable SeededDefault() {
    PlayingTable table = Table({0, true, 1, kTakeEvenMoney}, [](int row, int) { return row % 2; });
    for (int row = 0; row < kPlayerRows; ++row)
        table.InsuranceByRow[row] = row % 2 == 1;
    return table;
}

double DealerBust(bool hitsSoft17) {
    double bust = 0;
    for (int up = 1; up <= kCardValues; ++up) {
        const DealerOdds& odds = DealerOddsFor(up, hitsSoft17);
        bust += CardChance(up) * (1 - odds.Blackjack) * odds.Finals[kDealerBust];
    }
    return bust;
}

TEST(ExactAnalysis, KnownAnswers) {
    // Mimicking the dealer: player and dealer end on the same distribution, so all evens out
    // except both busting (the player loses) and the player's blackjack (paid 3 to 2): the
    // return is b(1-b)/2 - q^2, q the dealer's bust chance, 0.281593 (S17) or 0.284103 (H17)
    // as the always-standing answer confirms the dealer's odds. A win below 0: not known.
    const std::tuple<const char*, PlayingTable, double, double, double, double> cases[] = {
        {"always stand", AlwaysStand(), -0.1604, 0.3842, 0.0487, 0.5671},
        {"mimic the dealer, S17", MimicTheDealer(1), -0.0567, -1, 0, 0},
        {"mimic the dealer, H17", MimicTheDealer(0), -0.0582, -1, 0, 0},
    };
    for (const auto& [name, table, ret, win, push, loss] : cases) {
        SCOPED_TRACE(name);
        const ExactResult result = AnalyseStrategy(table);
        EXPECT_NEAR(result.Return, ret, 5e-5);
        EXPECT_NEAR(result.Win + result.Push + result.Loss, 1, 1e-12);
        if (win >= 0) {
            EXPECT_NEAR(result.Win, win, 5e-5);
            EXPECT_NEAR(result.Push, push, 5e-5);
            EXPECT_NEAR(result.Loss, loss, 5e-5);
        }
    }
}

TEST(ExactAnalysis, DerivedByHandExactly) {
    for (int soft17 : {0, 1}) {
        const double q = DealerBust(soft17 == 0);
        const ExactResult mimic = AnalyseStrategy(MimicTheDealer(soft17));
        EXPECT_NEAR(mimic.Return, kBlackjack * (1 - kBlackjack) / 2 - q * q, 1e-12);
        EXPECT_NEAR(mimic.Loss - mimic.Win, q * q, 1e-12) << "only both busting breaks the tie";
    }
    // Insuring every hand and taking even money against an ace costs 1/13 x 1/2 of a bet
    // against each ace.
    const double stand = ExpectedReturn(AlwaysStand());
    PlayingTable insured = AlwaysStand({0, false, 1, kTakeEvenMoney});
    insured.InsuranceByRow.fill(true);
    EXPECT_NEAR(ExpectedReturn(insured), stand - 1.0 / 338, 1e-12);

    // A blackjack against an ace: even money and insurance pay one bet, playing out 1.5 x 9/13.
    const double evenMoney = ExpectedReturn(AlwaysStand({0, false, 1, kTakeEvenMoney}));
    EXPECT_NEAR(ExpectedReturn(AlwaysStand({0, false, 1, kTakeInsurance})), evenMoney, 1e-15);
    EXPECT_NEAR(stand - evenMoney, kAce * kBlackjack * (1.5 * 9 / 13 - 1), 1e-15);

    // Insuring one row costs the stake's expectation -1/26 on that row's hands against an ace.
    const ExactResult base = AnalyseStrategy(AlwaysStand());
    for (int row : {0, 9, 16, 24, 25}) {
        PlayingTable one = AlwaysStand();
        one.InsuranceByRow[row] = true;
        EXPECT_NEAR(ExpectedReturn(one), base.Return - base.RowChance[row][0] / 26, 1e-15)
            << "row " << row;
    }
}

// Standing total t against the dealer's final hand given no blackjack.
double StandReturn(const DealerOdds& odds, int t) {
    double value = odds.Finals[kDealerBust];
    for (int d = 0; d <= 21; ++d)
        value += d < t ? odds.Finals[d] : d > t ? -odds.Finals[d] : 0;
    return value;
}

// Splitting aces instead of standing on them: each split ace takes one card other than an
// ace and stands, an ace and a ten making 21 paid one bet; another ace splits again, so a
// round holds 2 + R hands, R the re-splits among 2 + 2R second cards: 24/11 on average.
TEST(ExactAnalysis, SplitAcesDerivedByHand) {
    PlayingTable split = AlwaysStand();
    split.StrategyMatrix[9].fill(kSplitOrHit);
    double gain = 0;
    for (int column = 0; column < kDealerColumns; ++column) {
        const int up = column == 0 ? 1 : 11 - column;
        const DealerOdds& odds = DealerOddsFor(up, false);
        double hand = 0;
        for (int card = 2; card <= kCardValues; ++card)
            hand += CardChance(card) / (12.0 / 13) * StandReturn(odds, 11 + card);
        gain += CardChance(up) * (1 - odds.Blackjack) * (24.0 / 11 * hand - StandReturn(odds, 12));
    }
    EXPECT_NEAR(ExpectedReturn(split) - ExpectedReturn(AlwaysStand()), gain / 169, 1e-15);
}

TEST(ExactAnalysis, RowTableAddsUpToTheRound) {
    const ExactResult stand = AnalyseStrategy(AlwaysStand());
    double chance = 0, sum = 0;
    for (int row = 0; row < kPlayerRows; ++row) {
        for (int column = 0; column < kDealerColumns; ++column) {
            chance += stand.RowChance[row][column];
            sum += stand.RowChance[row][column] * stand.RowReturn[row][column];
        }
    }
    EXPECT_NEAR(chance, 1 - kBlackjack, 1e-15);
    // Played out, a blackjack pays 3 to 2 unless the dealer has one too (chance 8/169).
    EXPECT_NEAR(sum + kBlackjack * 1.5 * (1 - kBlackjack), stand.Return, 1e-15);
    // Standing on 12 to 16 wins exactly when the dealer busts; a ten up peeks first.
    const DealerOdds& six = DealerOddsFor(6, false);
    const DealerOdds& ten = DealerOddsFor(10, false);
    for (int row : {8, 10, 12, 14, 16}) {
        EXPECT_NEAR(stand.RowReturn[row][5], 2 * six.Finals[kDealerBust] - 1, 1e-15);
        EXPECT_NEAR(stand.RowReturn[row][1],
            -ten.Blackjack + (1 - ten.Blackjack) * (2 * ten.Finals[kDealerBust] - 1), 1e-15);
    }
}

// Codes that name the same play must give the same value, and codes that differ must not.
TEST(ExactAnalysis, EquivalentCodes) {
    const PlayingTable base = SeededDefault();
    const struct {
        const char* name;
        HouseRules rules;
        std::function<int(int row, int code)> change;
        bool same;
    } cases[] = {
        {"without a pair, Split or X is X", base.Rules,
            [](int row, int code) { return row % 2 == 1 && row != 9 ? code + 3 : code; }, true},
        {"10 and 11 Only: Double Down hits elsewhere", {1, true, 1, kTakeEvenMoney},
            [](int row, int code) { return row != 6 && row != 7 && code == kHit ? 2 : code; },
            true},
        {"10 and 11 Only: but doubles 10", {1, true, 1, kTakeEvenMoney},
            [](int row, int code) { return row == 6 ? 2 : code; }, false},
        {"a pair of eights splits", base.Rules,
            [](int row, int code) { return row == 16 ? 3 : code; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PlayingTable before = base;
        before.Rules = c.rules;
        PlayingTable after = before;
        for (int row = 0; row < kPlayerRows; ++row)
            for (auto& code : after.StrategyMatrix[row])
                code = static_cast<std::int8_t>(c.change(row, code));
        const double gap = ExpectedReturn(after) - ExpectedReturn(before);
        if (c.same)
            EXPECT_NEAR(gap, 0, 1e-15);
        else
            EXPECT_GT(std::abs(gap), 1e-4);
    }
}

TEST(ExactAnalysis, QuickReturnIsTheFullOne) {
    const HouseRules h17 {1, false, 0, kTakeInsurance};
    for (const PlayingTable& table : {SeededDefault(), BasicStrategy(h17), MimicTheDealer(0)})
        EXPECT_NEAR(ExpectedReturn(table), AnalyseStrategy(table).Return, 1e-14);
}

TEST(BestTable, NoOfferedChangeImprovesIt) {
    for (const HouseRules rules :
        {HouseRules {0, true, 1, kTakeEvenMoney}, HouseRules {1, false, 0, kPlayOutHand}}) {
        const PlayingTable best = BestTable(rules);
        const double value = ExpectedReturn(best);
        EXPECT_GE(value, ExpectedReturn(BasicStrategy(rules)));
        for (int row = 0; row < kPlayerRows; ++row) {
            EXPECT_FALSE(best.InsuranceByRow[row]) << "insurance loses 1/26 of a bet";
            for (int column = 0; column < kDealerColumns; ++column) {
                const auto& offered = OfferedActions(row);
                const int shown = best.StrategyMatrix[row][column];
                EXPECT_NE(std::find(offered.begin(), offered.end(), shown), offered.end());
                // Under "10 and 11 Only" a double elsewhere plays as a hit, and shows as one.
                const bool doubles = shown == kDoubleDown || shown == kSplitOrDouble;
                EXPECT_FALSE(rules.DoubleDownRule == 1 && row != 6 && row != 7 && doubles)
                    << "row " << row << " column " << column;
                for (int code : offered) {
                    PlayingTable changed = best;
                    changed.StrategyMatrix[row][column] = static_cast<std::int8_t>(code);
                    EXPECT_LE(ColumnReturn(changed, column), ColumnReturn(best, column) + 1e-12)
                        << "row " << row << " column " << column << " code " << code;
                }
            }
        }
    }
}

TEST(BestTable, EditorOffersTheSplitCodesOnPairsOnly) {
    for (int row = 0; row < kPlayerRows; ++row) {
        const bool pair = row == 9 || (!RowSoft(row) && RowTotal(row) % 2 == 0);
        const std::size_t expected = row == 9 ? 4 : pair ? 6 : 3;
        EXPECT_EQ(OfferedActions(row).size(), expected) << "row " << row;
    }
}

} // namespace
} // namespace bj
