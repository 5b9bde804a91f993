#include "engine/settlement.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace bj {
namespace {

TEST(Settlement, BlackjackOnTwentyFiveKeepsTheHalf) {
    GameState gs = test::FlatTable();
    gs.CurrentBet = 25;
    SettleWin(gs, true, false);
    EXPECT_EQ(gs.Bankroll, Currency::FromDouble(10037.5));
    EXPECT_EQ(gs.MaxBankroll, gs.Bankroll);
    EXPECT_EQ(gs.BlackjackAmountWon, Currency::FromDouble(37.5));
    EXPECT_EQ(gs.SessionEndBank, gs.Bankroll);
}

TEST(Settlement, InsuranceLostThenHandWonShowsTheNet) {
    GameState gs = test::FlatTable();
    gs.CurrentBet = 7;
    LoseInsuranceStake(gs);
    SettleWin(gs, false, true);
    EXPECT_EQ(gs.AmountWonOnHand, Currency::FromDouble(3.5));
    EXPECT_EQ(gs.InsuranceAmountWon, Currency::FromDouble(3.5));
    EXPECT_EQ(gs.InsuranceAmountLost, Currency::FromDouble(3.5));
    EXPECT_EQ(gs.Bankroll, Currency::FromDouble(10003.5));
    EXPECT_EQ(gs.MinBankroll, Currency::FromDouble(9996.5));
}

TEST(Settlement, DoubledAndSplitHandsAreCountedByKind) {
    GameState gs = test::FlatTable();
    gs.CurrentBet = 20;
    gs.DoubledThisHand = true;
    gs.SplitThisHand = true;
    SettleLoss(gs, false);
    EXPECT_EQ(gs.DoubledHandsLost, 1);
    EXPECT_EQ(gs.DoubledAmountLost, Currency::FromWhole(20));
    EXPECT_EQ(gs.SplitHandsLost, 1);
    EXPECT_EQ(gs.SplitAmountLost, Currency::FromWhole(20));
    EXPECT_EQ(gs.MinBankroll, Currency::FromWhole(9980));
}

TEST(Settlement, InsuredBlackjackAndEvenMoney) {
    GameState insured = test::FlatTable();
    SettleBlackjackInsured(insured, true);
    EXPECT_EQ(insured.Bankroll, Currency::FromWhole(10010));
    EXPECT_EQ(insured.BlackjacksWon, 1);
    EXPECT_EQ(insured.InsuredHandsWon, 1);

    GameState even = test::FlatTable();
    SettleEvenMoney(even);
    EXPECT_EQ(even.Bankroll, Currency::FromWhole(10010));
    EXPECT_EQ(even.EvenMoneyAmountWon, Currency::FromWhole(10));
    EXPECT_EQ(even.BlackjacksWon, 0);

    GameState won = test::FlatTable();
    SettleInsuranceWon(won);
    EXPECT_EQ(won.Bankroll, Currency::FromWhole(10000));
    EXPECT_EQ(won.HandsLost, 1);
    EXPECT_EQ(won.InsuredHandsLost, 1);
    EXPECT_EQ(won.AmountWonOnHand, Currency {});
}

} // namespace
} // namespace bj
