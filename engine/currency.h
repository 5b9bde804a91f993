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

// Out of line and cold, so every checked sum costs one rarely taken branch.
[[noreturn]] void ThrowCurrencyOverflow(bool negative);
[[noreturn]] void ThrowTotalOverflow(const char* name, bool negative);

// Rounds to the nearest whole number, halves to the even neighbour (the default rounding
// mode); one instruction where errno is not kept for math functions.
inline std::int64_t RoundHalfEven(double x) {
    return std::llrint(x);
}

constexpr std::int64_t CheckedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) [[unlikely]]
        ThrowCurrencyOverflow(b < 0);
    return sum;
}
constexpr std::int64_t CheckedSub(std::int64_t a, std::int64_t b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) [[unlikely]]
        ThrowCurrencyOverflow(b > 0);
    return difference;
}
constexpr std::int64_t CheckedMul(std::int64_t a, std::int64_t b) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product)) [[unlikely]]
        ThrowCurrencyOverflow((a < 0) != (b < 0));
    return product;
}

// Money as a whole count of 1/10,000 units, so bankroll arithmetic is exact. Every sum,
// difference and product is checked and throws CurrencyOverflow instead of wrapping.
class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency FromUnits(std::int64_t units) { return Currency(units); }
    static constexpr Currency FromWhole(std::int64_t whole) {
        return Currency(CheckedMul(whole, kScale));
    }
    static Currency FromDouble(double amount) {
        const double units = std::nearbyint(amount * kScale);
        // Also refuses NaN, which no comparison lets through.
        if (!(units >= -0x1p63 && units < 0x1p63)) [[unlikely]]
            ThrowCurrencyOverflow(!(units >= 0));
        return Currency(static_cast<std::int64_t>(units));
    }

    constexpr std::int64_t Units() const { return units_; }
    constexpr double ToDouble() const { return static_cast<double>(units_) / kScale; }

    constexpr Currency operator+(Currency o) const {
        return Currency(CheckedAdd(units_, o.units_));
    }
    constexpr Currency operator-(Currency o) const {
        return Currency(CheckedSub(units_, o.units_));
    }
    constexpr Currency operator-() const { return Currency(CheckedSub(0, units_)); }
    constexpr Currency& operator+=(Currency o) {
        units_ = CheckedAdd(units_, o.units_);
        return *this;
    }
    constexpr Currency& operator-=(Currency o) {
        units_ = CheckedSub(units_, o.units_);
        return *this;
    }
    constexpr auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(std::int64_t units)
        : units_(units) { }
    std::int64_t units_ = 0;
};

// Money to whole cents, halves to even, without passing through floating point: as every
// window and report shows it.
constexpr std::int64_t RoundedCents(Currency amount) {
    constexpr std::int64_t step = Currency::kScale / 100;
    const std::int64_t units = amount.Units();
    std::int64_t cents = units / step;
    const std::int64_t rest = units % step;
    const std::int64_t twice = (rest < 0 ? -rest : rest) * 2;
    if (twice > step || (twice == step && cents % 2 != 0))
        cents += rest > 0 ? 1 : -1;
    return cents;
}

// Stakes are whole bets or halves of one, so the totals of stakes count cents: exactly, and
// with a hundred times the room of Currency. A total of stakes outgrows every figure of play,
// and must not be the one that stops it. A bet is at most twice a 32-bit amount, so its cents
// need no check; their totals do.
constexpr std::int64_t BetCents(std::int64_t bet) {
    return bet * 100;
}
constexpr std::int64_t HalfBetCents(std::int64_t bet) {
    return bet * 50;
}

// Adds cents to a total of stakes; an overflow names that total, since it is not the
// bankroll that grew.
inline void AddToStakeTotal(std::int64_t& total, std::int64_t cents, const char* name) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(total, cents, &sum)) [[unlikely]]
        ThrowTotalOverflow(name, cents < 0);
    total = sum;
}

// Whole-unit bets and their halves and one-and-a-halves, computed exactly.
constexpr Currency Bet(std::int64_t bet) {
    return Currency::FromWhole(bet);
}
constexpr Currency HalfBet(std::int64_t bet) {
    return Currency::FromUnits(CheckedMul(bet, Currency::kScale) / 2);
}
constexpr Currency BlackjackPayout(std::int64_t bet) {
    return Currency::FromUnits(CheckedMul(bet, Currency::kScale * 3) / 2);
}

} // namespace bj
