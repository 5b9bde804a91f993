#include "engine/currency.h"

#include <string>

namespace bj {

namespace {

// The limits of 64-bit ten-thousandths, to two decimals.
std::string Limit(bool negative) {
    return negative ? "-922,337,203,685,477.58" : "922,337,203,685,477.58";
}

} // namespace

void ThrowCurrencyOverflow(bool negative) {
    const std::string limit = Limit(negative);
    throw CurrencyOverflow("The bankroll has grown past " + limit
        + ", the limit of what the bankroll and its totals (such as the amount won on blackjacks) "
          "can hold; the run stops.");
}

void ThrowTotalOverflow(const char* name, bool negative) {
    throw CurrencyOverflow(std::string("The ") + name + " has grown past "
        + (negative ? "-92,233,720,368,547,758.08" : "92,233,720,368,547,758.07")
        + ", the limit of what it can hold; the run stops.");
}

} // namespace bj
