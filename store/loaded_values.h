#pragma once

#include "store/statement.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bj {

// The values a stored number may take to be used as it is.
struct Limits {
    double Low = 0, High = 0;
    bool Whole = true; // a fraction is rounded, halves to even
    std::vector<std::string_view> Names {}; // what the values Low, Low + 1, ... stand for
    // For a choice the rules test only against Low: any other value reads as High, so a value
    // past the choices (-1, as other writers store yes) plays as it always would have.
    bool OthersAreHigh = false;
};

// One stored row read with every value put within its limits; each change is noted in plain
// words, the row itself is left as it is.
class CheckedRow {
public:
    CheckedRow(const Statement& row, std::vector<std::string>& corrections)
        : row_(row)
        , corrections_(corrections) { }
    // Null reads as 0, noted only when 0 lies outside the limits. A whole number is taken
    // to the cent before it is rounded.
    double Number(int column, const Limits& limits, const std::string& what);
    // 1 for any whole number but 0, since other writers store yes as -1; 0 for 0, Null or
    // text. Only values other than 0, 1 and -1 are noted.
    int YesNo(int column, const std::string& what);
    void Note(std::string correction) { corrections_.push_back(std::move(correction)); }

private:
    const Statement& row_;
    std::vector<std::string>& corrections_;
};

// The first `shown` corrections joined by `separator`, then how many more there are.
std::string CorrectionsText(const std::vector<std::string>& corrections, std::string_view separator,
    std::size_t shown = 10);

} // namespace bj
