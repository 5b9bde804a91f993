#include "engine/currency.h"
#include "engine/multi_session.h"

#include <gtest/gtest.h>

namespace bj {
namespace {

TEST(Currency, RoundsHalvesToEven) {
    const struct {
        double in;
        std::int64_t out;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {12.5, 12}, {-2.5, -2}, {2.4999, 2}, {83.3333, 83}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

TEST(Currency, KeepsFourDecimalsExactly) {
    EXPECT_EQ(Currency::FromDouble(0.5 / 8).Units(), 625);
    EXPECT_EQ(Currency::FromDouble(-12.34567).Units(), -123457);
    EXPECT_EQ(BlackjackPayout(25), Currency::FromDouble(37.5));
    EXPECT_EQ(HalfBet(5), Currency::FromDouble(2.5));
    EXPECT_DOUBLE_EQ((Currency::FromWhole(10000) - HalfBet(7)).ToDouble(), 9996.5);
}

TEST(HandsToTime, CountsTwentySecondsAHand) {
    const struct {
        std::int64_t hands;
        const char* text;
    } cases[] = {{0, "00:01"}, {1, "00:01"}, {2, "00:01"}, {180, "01:00"}, {195, "01:05"},
        {4320, "24:00"}, {300000, "1666:40"}};
    for (const auto& c : cases)
        EXPECT_EQ(HandsToTime(c.hands), c.text) << c.hands;
}

} // namespace
} // namespace bj
