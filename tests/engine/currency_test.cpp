#include "engine/currency.h"
#include "engine/multi_session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <tuple>

namespace bj {
namespace {

TEST(Currency, RoundsHalvesToEven) {
    const std::tuple<double, std::int64_t> cases[]
        = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {12.5, 12}, {-2.5, -2}, {2.4999, 2}, {83.3333, 83}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(RoundHalfEven(in), out) << in;
}

TEST(Currency, KeepsFourDecimalsExactly) {
    EXPECT_EQ(Currency::FromDouble(0.5 / 8).Units(), 625);
    EXPECT_EQ(Currency::FromDouble(-12.34567).Units(), -123457);
}

constexpr std::int64_t kMaxUnits = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMinUnits = std::numeric_limits<std::int64_t>::min();

TEST(Currency, EverySumAndProductPastTheLimitThrowsInsteadOfWrapping) {
    const Currency top = Currency::FromUnits(kMaxUnits);
    const Currency bottom = Currency::FromUnits(kMinUnits);
    const Currency unit = Currency::FromUnits(1);
    const std::tuple<const char*, std::function<void()>, bool> cases[] = {
        {"sum", [&] { (void)(top + unit); }, false},
        {"difference", [&] { (void)(bottom - unit); }, true},
        {"difference of the extremes", [&] { (void)(top - bottom); }, false},
        {"negation", [&] { (void)-bottom; }, false},
        {"+=", [&] { (void)(Currency(top) += unit); }, false},
        {"-=", [&] { (void)(Currency(bottom) -= unit); }, true},
        {"whole units", [] { (void)Currency::FromWhole(kMaxUnits / 10000 + 1); }, false},
        {"a bet", [] { (void)Bet(-(kMaxUnits / 10000) - 2); }, true},
        {"half a bet", [] { (void)HalfBet(kMaxUnits / 10000 + 1); }, false},
        {"a blackjack's payout", [] { (void)BlackjackPayout(kMaxUnits / 30000 + 1); }, false},
        {"a huge double", [] { (void)Currency::FromDouble(1e15); }, false},
        {"a huge negative double", [] { (void)Currency::FromDouble(-1e15); }, true},
        {"not a number", [] { (void)Currency::FromDouble(std::nan("")); }, true},
    };
    for (const auto& [what, overflow, negative] : cases) {
        try {
            overflow();
            ADD_FAILURE() << what << " did not throw";
        } catch (const CurrencyOverflow& e) {
            const std::string expected = std::string("The bankroll has grown past ")
                + (negative ? "-" : "") + "922,337,203,685,477.58";
            EXPECT_EQ(std::string(e.what()).rfind(expected, 0), 0u) << what << ": " << e.what();
        }
    }
    Currency c = top - unit;
    c += unit;
    EXPECT_EQ(c, top) << "the limit itself is reachable";
    EXPECT_EQ(Bet(kMaxUnits / 10000).Units(), kMaxUnits / 10000 * 10000);
    EXPECT_EQ(Currency::FromDouble(-9e14).Units(), -9'000'000'000'000'000'000);
}

TEST(HandsToTime, CountsTwentySecondsAHand) {
    const std::tuple<std::int64_t, const char*> cases[] = {{0, "00:01"}, {1, "00:01"}, {2, "00:01"},
        {180, "01:00"}, {195, "01:05"}, {4320, "24:00"}, {300000, "1666:40"}};
    for (const auto& [hands, text] : cases)
        EXPECT_EQ(HandsToTime(hands), text) << hands;
}

} // namespace
} // namespace bj
