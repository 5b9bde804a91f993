#include "table/frm_main.h"

#include "engine/game_state.h"

#include <QLabel>

namespace bj {
namespace {

std::int64_t Units(Currency amount) {
    return amount.Units();
}
// Running counts are kept in currency units so that a caption read back as, say, 2.5 goes
// on as 3.5, the way a caption that stored its own value always did.
std::int64_t CountUnits(std::int64_t count) {
    return count * Currency::kScale;
}

} // namespace

void frmMain::BindStatistics() {
    using Form = StatLabel::Form;
    struct Binding {
        Stat stat;
        QLabel* label;
        Form form;
        bool running;
    };
    const Binding bindings[] = {
        {kBankroll, lblCurrentBankRoll_, Form::Money, false},
        {kMaxBankroll, lblMaxBankroll_, Form::Money, false},
        {kMinBankroll, lblMinBankroll_, Form::Money, false},
        {kWinStreak, lblWinningStreak_, Form::Whole, false},
        {kLoseStreak, lblLosingStreak_, Form::Whole, false},
        {kMaxWin, lblMaxWin_, Form::Whole, false},
        {kMaxLose, lblMaxLos_, Form::Whole, false},
        {kHandsWon, lblTotalHandsWon_, Form::Whole, false},
        {kHandsLost, lblTotalHandsLost_, Form::Whole, false},
        {kHandsTied, lblTotalHandsTied_, Form::Whole, false},
        {kBlackjacks, lblBlackJacksWon_, Form::Whole, false},
        {kBlackjackAmount, lblAmountWonOnWars_, Form::Money, false},
        {kPushStreak, lblPushStreak_, Form::Money, true},
        {kSplitWon, lblSplitHandsWon_, Form::Money, true},
        {kSplitLost, lblSplitHandsLost_, Form::Money, true},
        {kSplitAmountWon, lblSplitAmtWon_, Form::Money, true},
        {kSplitAmountLost, lblSplitAmtLost_, Form::Money, true},
        {kDoubledWon, lblDblDnHandsWon_, Form::Money, true},
        {kDoubledLost, lblDblDnHandsLost_, Form::Money, true},
        {kDoubledAmountWon, lblDblDnAmtWon_, Form::Money, true},
        {kDoubledAmountLost, lblDblDnAmtLost_, Form::Money, true},
        {kInsuredWon, lblInsHandsWon_, Form::Money, true},
        {kInsuredLost, lblInsHandsLost_, Form::Money, true},
        {kInsuranceAmountWon, lblInsAmtWon_, Form::Money, true},
        {kInsuranceAmountLost, lblInsAmtLost_, Form::Money, true},
        {kEvenMoney, lblAmtWonEvenMoney_, Form::Money, true},
    };
    for (const Binding& b : bindings)
        stats_[b.stat] = StatLabel(b.label, b.form, b.running);
}

std::array<std::int64_t, frmMain::kStatCount> frmMain::StatValues() const {
    const GameState& gs = ctx_.gs;
    std::array<std::int64_t, kStatCount> v {};
    v[kBankroll] = Units(gs.Bankroll);
    v[kMaxBankroll] = Units(gs.MaxBankroll);
    v[kMinBankroll] = Units(gs.MinBankroll);
    v[kWinStreak] = gs.WinStreak;
    v[kLoseStreak] = gs.LoseStreak;
    v[kMaxWin] = gs.MaxWinStreak;
    v[kMaxLose] = gs.MaxLoseStreak;
    v[kHandsWon] = gs.HandsWon;
    v[kHandsLost] = gs.HandsLost;
    v[kHandsTied] = gs.TiedHands;
    v[kBlackjacks] = gs.BlackjacksWon;
    v[kBlackjackAmount] = Units(gs.BlackjackAmountWon);
    v[kPushStreak] = CountUnits(gs.PushStreak);
    v[kSplitWon] = CountUnits(gs.SplitHandsWon);
    v[kSplitLost] = CountUnits(gs.SplitHandsLost);
    v[kSplitAmountWon] = Units(gs.SplitAmountWon);
    v[kSplitAmountLost] = Units(gs.SplitAmountLost);
    v[kDoubledWon] = CountUnits(gs.DoubledHandsWon);
    v[kDoubledLost] = CountUnits(gs.DoubledHandsLost);
    v[kDoubledAmountWon] = Units(gs.DoubledAmountWon);
    v[kDoubledAmountLost] = Units(gs.DoubledAmountLost);
    v[kInsuredWon] = CountUnits(gs.InsuredHandsWon);
    v[kInsuredLost] = CountUnits(gs.InsuredHandsLost);
    v[kInsuranceAmountWon] = Units(gs.InsuranceAmountWon);
    v[kInsuranceAmountLost] = Units(gs.InsuranceAmountLost);
    v[kEvenMoney] = Units(gs.EvenMoneyAmountWon);
    return v;
}

void frmMain::ShowStatistics() {
    const auto values = StatValues();
    for (int i = 0; i < kStatCount; ++i)
        stats_[i].Show(values[i]);
}

// Every statistics label back to its start text, for load and Reset.
void frmMain::RestartStatistics() {
    const auto values = StatValues();
    for (int i = 0; i < kStatCount; ++i) {
        const bool money = i == kBankroll || i == kMaxBankroll || i == kMinBankroll;
        stats_[i].Restart(
            money ? CurrencyText(Currency::FromUnits(values[i])) : QStringLiteral("0"), values[i]);
    }
}

void frmMain::ShowGameState() {
    ShowStatistics();
    ShowBet();
}

void frmMain::ShowAmountOnHand() {
    lblAmountWonOnHand_->setText(CurrencyText(ctx_.gs.AmountWonOnHand));
}

void frmMain::ShowBet() {
    lblCurrentBet_->setText(WholeText(ctx_.gs.CurrentBet));
}

} // namespace bj
