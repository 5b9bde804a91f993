#include "tools/bjsim/sim_options.h"
#include "tools/bjsim/sim_report.h"

#include <gtest/gtest.h>

namespace bj::sim {
namespace {

TEST(BjsimOptions, DefaultsAreStreakOneOfAThousandHandsWithoutStopRules) {
    const SimOptions o = ParseOptions({});
    EXPECT_EQ(o.PlayingRef, 1);
    EXPECT_FALSE(o.Variable);
    EXPECT_EQ(o.BettingRef, 1);
    EXPECT_EQ(o.Sessions, 1);
    EXPECT_EQ(o.HandsPerSession, 1000);
    EXPECT_FALSE(o.StopRules());
    EXPECT_FALSE(o.Seed || o.Decks);
    EXPECT_EQ(o.Format, OutputFormat::Table);
}

TEST(BjsimOptions, ValuesInBothSpellings) {
    const SimOptions o = ParseOptions(
        {"--variable=3", "--max-loss", "99.505", "--seed=18446744073709551615", "--json"});
    EXPECT_TRUE(o.Variable);
    EXPECT_EQ(o.BettingRef, 3);
    EXPECT_EQ(o.MaxLoss, Currency::FromDouble(99.5)); // shown to the cent, halves to even
    EXPECT_EQ(o.Seed, 18446744073709551615ull);
    EXPECT_TRUE(o.StopRules());
    EXPECT_EQ(o.Format, OutputFormat::Json);
}

struct MoneyCase {
    std::int64_t Units;
    std::string Plain, Grouped;
};
class BjsimMoney : public ::testing::TestWithParam<MoneyCase> { };
TEST_P(BjsimMoney, TwoDecimalsHalvesToEven) {
    const Currency amount = Currency::FromUnits(GetParam().Units);
    EXPECT_EQ(MoneyText(amount, false), GetParam().Plain);
    EXPECT_EQ(MoneyText(amount, true), GetParam().Grouped);
}
INSTANTIATE_TEST_SUITE_P(Tools, BjsimMoney,
    ::testing::Values(MoneyCase {0, "0.00", "0.00"}, MoneyCase {25, "0.00", "0.00"},
        MoneyCase {150, "0.02", "0.02"}, MoneyCase {-50, "0.00", "0.00"},
        MoneyCase {-12345678900, "-1234567.89", "-1,234,567.89"},
        MoneyCase {10000000, "1000.00", "1,000.00"}, MoneyCase {9999999, "1000.00", "1,000.00"}));

} // namespace
} // namespace bj::sim
