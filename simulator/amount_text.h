#pragma once

#include "engine/currency.h"

#include <QString>

#include <cstdint>

namespace bj {

// Money in the grid's form "###,##0.00": grouped thousands, two decimals, "-" when negative.
QString GridAmount(Currency amount);
// A count of cents in the grid's form.
QString GridCents(std::int64_t cents);
// Money as a spreadsheet reads it: "-1234.50", no grouping.
QString PlainAmount(Currency amount);
// The same with a dollar sign, "$##,##0.00": "$10,000.00", "-$5.00".
QString DollarAmount(Currency amount);
// A figure that is not whole money (an hourly average) in the form "#,##0.00", or with other
// decimals; one that rounds to zero shows without a sign.
QString GroupedFigure(double value, int decimals = 2);
// A count with grouped thousands.
QString GroupedCount(std::int64_t count);
QString DollarFigure(double value);

} // namespace bj
