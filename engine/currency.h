#pragma once

#include <cmath>
#include <compare>
#include <cstdint>
#include <stdexcept>

namespace bj {

// Money past what Currency can hold: the run stops rather than let an amount wrap.
class CurrencyOverflow : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

// Rounds to the nearest whole number, halves to the even neighbour.
inline std::int64_t RoundHalfEven(double x) {
    return static_cast<std::int64_t>(std::nearbyint(x));
}

// Money as a whole count of 1/10,000 units, so bankroll arithmetic is exact.
class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency FromUnits(std::int64_t units) { return Currency(units); }
    static constexpr Currency FromWhole(std::int64_t whole) { return Currency(whole * kScale); }
    static Currency FromDouble(double amount) { return Currency(RoundHalfEven(amount * kScale)); }

    constexpr std::int64_t Units() const { return units_; }
    constexpr double ToDouble() const { return static_cast<double>(units_) / kScale; }

    constexpr Currency operator+(Currency o) const { return Currency(units_ + o.units_); }
    constexpr Currency operator-(Currency o) const { return Currency(units_ - o.units_); }
    constexpr Currency operator-() const { return Currency(-units_); }
    constexpr Currency& operator+=(Currency o) {
        units_ += o.units_;
        return *this;
    }
    constexpr Currency& operator-=(Currency o) {
        units_ -= o.units_;
        return *this;
    }
    constexpr auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(std::int64_t units)
        : units_(units) { }
    std::int64_t units_ = 0;
};

// Whole-unit bets and their halves and one-and-a-halves, computed exactly.
constexpr Currency Bet(std::int64_t bet) {
    return Currency::FromWhole(bet);
}
constexpr Currency HalfBet(std::int64_t bet) {
    return Currency::FromUnits(bet * Currency::kScale / 2);
}
constexpr Currency BlackjackPayout(std::int64_t bet) {
    return Currency::FromUnits(bet * Currency::kScale * 3 / 2);
}

} // namespace bj
