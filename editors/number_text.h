#pragma once

#include "store/betting_limits.h"

#include <QString>

namespace bj {

// The number at the start of the text (blanks, a sign, digits, a fraction), 0 when the
// text does not start with one.
double LeadingNumber(const QString& text);

// The number in its shortest decimal form: 25 for 25.00, 12.5 for 12.50.
QString ShortestNumber(double value);

// Two decimals with a true minus sign (U+2212); a value that rounds to zero has no sign.
QString SignedTwoDecimals(double value);

// The amount a box's text stands for (RoundedAmount), held to
// [-kLargestVariableAmount, kLargestVariableAmount].
double BoxAmount(const QString& text);

// A 16-bit count from its text as the user typed it, rounded half to even and held to
// [low, high]; text that is no number counts as 0.
int CountFromText(const QString& text, int low, int high);

} // namespace bj
