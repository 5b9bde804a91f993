#include "engine/best_table.h"

#include "engine/hand_rules.h"

namespace bj {

namespace {

// Columns DA, D10, D9 .. D2. H hit, S stand, D double or hit, d double or stand, P split or
// hit, Q split or stand. A row that may not double shows the play its double makes.
struct BasicRow {
    const char* s17;
    const char* h17; // nullptr: as s17
    const char* noDas; // nullptr: as with doubling after splits
};

constexpr BasicRow kBasic[kPlayerRows] = {
    {"HHHHPPPPPP", nullptr, "HHHHPPPPHH"}, // 4
    {"HHHHHHHHHH", nullptr, nullptr}, // 5
    {"HHHHPPPPPP", nullptr, "HHHHPPPPHH"}, // 6
    {"HHHHHHHHHH", nullptr, nullptr}, // 7
    {"HHHHHPPHHH", nullptr, "HHHHHHHHHH"}, // 8
    {"HHHHHDDDDH", nullptr, nullptr}, // 9
    {"HHDDDDDDDD", nullptr, nullptr}, // 10
    {"HDDDDDDDDD", "DDDDDDDDDD", nullptr}, // 11
    {"HHHHHQQQPP", nullptr, "HHHHHQQQPH"}, // 12
    {"PPPPPPPPPP", nullptr, nullptr}, // Soft 12
    {"HHHHHSSSSS", nullptr, nullptr}, // 13
    {"HHHHHDDHHH", nullptr, nullptr}, // Soft 13
    {"HHHHPQQQQQ", nullptr, "HHHHPQQQQQ"}, // 14
    {"HHHHHDDHHH", nullptr, nullptr}, // Soft 14
    {"HHHHHSSSSS", nullptr, nullptr}, // 15
    {"HHHHHDDDHH", nullptr, nullptr}, // Soft 15
    {"PPPPPQQQQQ", nullptr, nullptr}, // 16
    {"HHHHHDDDHH", nullptr, nullptr}, // Soft 16
    {"SSSSSSSSSS", nullptr, nullptr}, // 17
    {"HHHHHDDDDH", nullptr, nullptr}, // Soft 17
    {"SSQQSQQQQQ", nullptr, nullptr}, // 18
    {"HHHSSddddS", "HHHSSddddd", nullptr}, // Soft 18
    {"SSSSSSSSSS", nullptr, nullptr}, // 19
    {"SSSSSSSSSS", "SSSSSdSSSS", nullptr}, // Soft 19
    {"SSSSSSSSSS", nullptr, nullptr}, // 20
    {"SSSSSSSSSS", nullptr, nullptr}, // Soft 20
};

// Two-card totals of a row; only 10 and 11 may double under "10 and 11 Only".
bool RowMayDouble(int row, const HouseRules& rules) {
    return rules.DoubleDownRule == 0 || row == 6 || row == 7;
}

std::int8_t Code(char letter, int row, const HouseRules& rules) {
    switch (letter) {
    case 'S':
        return kStand;
    case 'D':
        return RowMayDouble(row, rules) ? kDoubleDown : kHit;
    case 'd':
        return RowMayDouble(row, rules) ? kDoubleDown : kStand;
    case 'P':
        return kSplitOrHit;
    case 'Q':
        return kSplitOrStand;
    default:
        return kHit;
    }
}

constexpr double kNoise = 1e-12; // smaller gains are rounding, and would let the search cycle

// Keeps `value` in `field` when it raises the column's return by more than rounding.
template <class T>
void TryChange(PlayingTable& table, int column, double& best, T& field, T value) {
    const T was = field;
    field = value;
    const double changed = ColumnReturn(table, column);
    if (changed > best + kNoise)
        best = changed;
    else
        field = was;
}

} // namespace

PlayingTable BasicStrategy(const HouseRules& rules) {
    PlayingTable table;
    table.Rules = rules;
    for (int row = 0; row < kPlayerRows; ++row) {
        const BasicRow& basic = kBasic[row];
        const char* codes = basic.s17;
        if (rules.DealerSoft17 == 0 && basic.h17)
            codes = basic.h17;
        if (!rules.DoubleOnSplits && basic.noDas)
            codes = basic.noDas;
        for (int column = 0; column < kDealerColumns; ++column)
            table.StrategyMatrix[row][column] = Code(codes[column], row, rules);
    }
    return table;
}

PlayingTable ImproveTable(PlayingTable table) {
    for (int column = 0; column < kDealerColumns; ++column) {
        double best = ColumnReturn(table, column);
        for (bool changed = true; changed;) {
            const double before = best;
            auto& matrix = table.StrategyMatrix;
            for (int row = 0; row < kPlayerRows; ++row)
                for (int code : OfferedActions(row))
                    TryChange(
                        table, column, best, matrix[row][column], static_cast<std::int8_t>(code));
            for (int row = 0; column == 0 && row < kPlayerRows; ++row)
                TryChange(
                    table, column, best, table.InsuranceByRow[row], !table.InsuranceByRow[row]);
            changed = best > before;
        }
    }
    return table;
}

PlayingTable BestTable(const HouseRules& rules) {
    return ImproveTable(BasicStrategy(rules));
}

} // namespace bj
