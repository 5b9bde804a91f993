#include "engine/currency.h"

#include <string>

namespace bj {

void ThrowCurrencyOverflow(bool negative) {
    // The limits of 64-bit ten-thousandths, to two decimals.
    const std::string limit = negative ? "-922,337,203,685,477.58" : "922,337,203,685,477.58";
    throw CurrencyOverflow("The bankroll has grown past " + limit
        + ", the limit of what the bankroll and its totals (such as the amount wagered) can "
          "hold; the run stops.");
}

} // namespace bj
