#pragma once

#include "store/strategy_records.h"

#include <optional>
#include <string>
#include <string_view>

namespace bj {

// A playing strategy as RFC 4180 CSV text, to move strategies between databases, people and
// spreadsheets. Written with CRLF; read with LF or CRLF, with or without a UTF-8 byte order
// mark, and with blank lines only at the end. Line by line:
//   1       Hand,A,10,9,8,7,6,5,4,3,2,Insurance
//   2 .. 27 one row per hand in the editor's order, "4" .. "11", "12", "Soft 12" .. "20",
//           "Soft 20": the hand, its action code against the dealer's A, 10, 9 .. 2
//           (0 Hit, 1 Stand, 2 Double Down, 3 Split or Hit / on Soft 12 Split & Take 1 Card,
//           4 Split or Stand, 5 Split or Double Down), then 1 when the hand takes insurance
//           against an ace, else 0
//   28      DoubleDownRule,0|1   0 any hand, 1 ten and eleven only
//   29      DoubleOnSplits,0|1
//   30      DealerSoft17,0|1     0 the dealer hits soft 17, 1 stands
//   31      InsuranceOn21,0|1|2  with a blackjack against an ace: take even money, take
//                                insurance, play out the hand
//   32      Name,<the name>      in double quotes when it holds a comma, a quote or a line break
// A row takes only the codes the editor offers it. A stored code that a row does not offer is
// written as the offered code that plays alike (3, 4, 5 on a hand that cannot split as 0, 1, 2;
// 4 and 5 on Soft 12 as 3), so every written file reads back.
// The name is UTF-8 of at most 50 characters as the name boxes count them (an emoji or another
// character beyond U+FFFF counts as two), so within the database's limit, without "[" or "]": the
// brackets mark the program's protected strategies, which a file may not make. Such a name is
// refused rather than altered, so that an import never renames anything unasked.

std::string PlayingStrategyToCsv(const PlayingStrategy& strategy);

struct PlayingStrategyCsv {
    std::optional<PlayingStrategy> Strategy; // RefNo 0; absent when the text is refused
    std::string Error; // "Line 7: ..." in plain words
};

PlayingStrategyCsv PlayingStrategyFromCsv(std::string_view text);

} // namespace bj
