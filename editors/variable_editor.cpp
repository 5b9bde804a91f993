#include "editors/variable_editor.h"

#include "editors/betting_type_chooser.h"
#include "editors/number_text.h"
#include "editors/strategy_list.h"
#include "editors/variable_records.h"
#include "engine/bet_sizing.h"
#include "engine/game_state.h"
#include "shell/input_helpers.h"
#include "shell/message_box.h"
#include "shell/window_services.h"
#include "store/protected_defaults.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace bj {

frmVariableConfig::frmVariableConfig(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , ctx_(ctx) {
    setObjectName("frmVariableConfig");
    setWindowTitle("Variable Betting Configuration");
    BuildControls();
    HookEvents();
    resize(6900 / 15, sizeHint().height());
}

void frmVariableConfig::Form_Load() {
    loaded_ = true;
    bLoading = true;
    CenterForm(this);
    cmdReturn->setText(QString::fromStdString(ctx_.gs.ReturnButtonCaption));
    FillVariableStrategyList(ctx_, cboStartegy);
    SetEditMode(!ctx_.gs.VariableStrategyLoaded, false);
    bLoading = false;
}

void frmVariableConfig::Form_Unload() {
    if (!ctx_.nav.MultiSessionOpen())
        ctx_.nav.SetTableEnabled(true);
}

void frmVariableConfig::SetEditMode(bool editing, bool showName) {
    cmdSave->setEnabled(editing);
    cmdCancel->setEnabled(editing);
    ctx_.gs.VariableStrategyLoaded = !editing;
    cmdAdd->setEnabled(!editing);
    const int position = cboStartegy->currentIndex();
    const bool deletable
        = position > 0 && !IsProtectedDefault(cboStartegy->itemData(position).toLongLong());
    cmdDelete->setEnabled(!editing && deletable);
    txtStrategy->setVisible(showName);
    if (showName)
        txtStrategy->raise();
}

void frmVariableConfig::cboStartegy_Click() {
    const int position = cboStartegy->currentIndex();
    if (position < 0)
        return;
    const std::int64_t refNo = cboStartegy->itemData(position).toLongLong();
    bLoading = true;
    if (ctx_.gs.VariableStrategyLoaded && !LoadVariableStrategy(ctx_, refNo, *this)) {
        ReturnToPreviousEntry(cboStartegy, ctx_.gs.VariableListIndex);
        ctx_.gs.VariableBetRefNo = cboStartegy->currentData().toLongLong();
        bLoading = false;
        return;
    }
    if (!ctx_.gs.VariableStrategyLoaded)
        ShowUnsavedValues();
    ctx_.gs.VariableListIndex = position;
    variableBetName_ = cboStartegy->itemText(position);
    ctx_.gs.VariableBetName = variableBetName_.toStdString();
    ctx_.gs.VariableBetRefNo = refNo;
    bLoading = false;
}

void frmVariableConfig::ShowUnsavedValues() {
    const GameState& gs = ctx_.gs;
    txtInitialBet->setText(FormatAmount(gs.InitialBet));
    txtMaxBet->setText(FormatAmount(gs.MaximumBet));
    txtMinBet->setText(FormatAmount(gs.MinimumBet));
    txtFlatAddWin->setText(FormatAmount(gs.WinBet));
    txtFlatAddLose->setText(FormatAmount(gs.LoseBet));
    optMaxBet[gs.MaintainMax ? 1 : 0]->setChecked(true);
    optMinBet[gs.MaintainMin ? 1 : 0]->setChecked(true);
    cboFWAddSub->setCurrentIndex(gs.WinAddSub ? 1 : 0);
    cboFLAddSub->setCurrentIndex(gs.LoseAddSub ? 1 : 0);
}

// A change that only reformats the amount is not an edit.
void frmVariableConfig::SetAmount(double& field, QLineEdit* box, bool marksUnsaved) {
    const double value = BoxAmount(box->text());
    if (marksUnsaved && value != field)
        ctx_.gs.VariableStrategyLoaded = false;
    field = value;
}

void frmVariableConfig::txtInitialBet_Change() {
    SetAmount(ctx_.gs.InitialBet, txtInitialBet, true);
}
void frmVariableConfig::txtMaxBet_Change() {
    SetAmount(ctx_.gs.MaximumBet, txtMaxBet, true);
}
void frmVariableConfig::txtMinBet_Change() {
    SetAmount(ctx_.gs.MinimumBet, txtMinBet, true);
}
void frmVariableConfig::txtFlatAddWin_Change() {
    SetAmount(ctx_.gs.WinBet, txtFlatAddWin, false);
}
void frmVariableConfig::txtFlatAddLose_Change() {
    SetAmount(ctx_.gs.LoseBet, txtFlatAddLose, false);
}

void frmVariableConfig::AmountBox_KeyPress(int keyCode) {
    if (!cmdSave->isEnabled() && !bLoading)
        SetEditMode(DigitKeyFilter(keyCode) != 0, false);
}

void frmVariableConfig::cboFWAddSub_Click() {
    if (!cmdSave->isEnabled() && !bLoading)
        SetEditMode(true, false);
    ctx_.gs.WinAddSub = static_cast<std::uint8_t>(std::max(cboFWAddSub->currentIndex(), 0));
}

void frmVariableConfig::cboFLAddSub_Click() {
    if (!cmdSave->isEnabled() && !bLoading)
        SetEditMode(true, false);
    ctx_.gs.LoseAddSub = static_cast<std::uint8_t>(std::max(cboFLAddSub->currentIndex(), 0));
}

void frmVariableConfig::optMaxBet_Click(int index) {
    if (!cmdSave->isEnabled() && !bLoading)
        SetEditMode(true, false);
    ctx_.gs.MaintainMax = static_cast<std::uint8_t>(index);
}

void frmVariableConfig::optMinBet_Click(int index) {
    if (!cmdSave->isEnabled() && !bLoading)
        SetEditMode(true, false);
    ctx_.gs.MaintainMin = static_cast<std::uint8_t>(index);
}

// Grouped the way the amount reader takes it back, whatever the regional settings.
void frmVariableConfig::AmountBox_LostFocus(QLineEdit* box) {
    static const QLocale grouping(QLocale::English, QLocale::UnitedStates);
    box->setText(grouping.toString(BoxAmount(box->text()), 'f', 2));
}

void frmVariableConfig::txtInitialBet_Validate() {
    txtInitialBet->setText(FormatAmount(BoxAmount(txtInitialBet->text())));
}

void frmVariableConfig::txtInitialBet_MouseDown(Qt::MouseButton button) {
    if (button == Qt::RightButton)
        Messages().Show("This is the bet that you will start your game with.", "Initial Bet",
            MsgIcon::None, MsgButtons::Ok);
}

void frmVariableConfig::AskForNewName() {
    SetEditMode(true, true);
    txtStrategy->clear();
    txtStrategy->setFocus();
}

void frmVariableConfig::cmdAdd_Click() {
    AskForNewName();
}

// A list read again selects, and so loads, the stored strategy itself.
void frmVariableConfig::cmdCancel_Click() {
    SetEditMode(false, false);
    if (cboStartegy->count() > 0)
        cboStartegy_Click();
    else if (!ListStrategies())
        SetEditMode(true, false); // nothing to go back to yet: the edits stay in force
}

// A list the file could not give when the window opened is read again, on the strategy the
// game holds, before an action that needs it; false while it still cannot be read.
bool frmVariableConfig::ListStrategies() {
    if (cboStartegy->count() > 0)
        return true;
    const std::int64_t refNo = ctx_.gs.VariableBetRefNo;
    FillVariableStrategyList(ctx_, cboStartegy);
    SelectListEntry(cboStartegy, FindItemData(cboStartegy, refNo));
    return cboStartegy->count() > 0;
}

void frmVariableConfig::SetChooser(frmSelectBettingStrat* chooser) {
    chooser_ = chooser;
}

void frmVariableConfig::cmdChange_Click() {
    if (!chooser_)
        chooser_ = new frmSelectBettingStrat(ctx_, this);
    ShowModal(chooser_);
    if (ctx_.gs.BettingType != kStreakBetting)
        return;
    // The table stays disabled: the streak editor comes up in this one's place.
    Unload(false);
    ctx_.nav.SwitchBettingEditor();
}

// Below 0 an amount works against the player: bets fall below nothing and lost hands pay.
// True when one was refused; its box then has the focus.
bool frmVariableConfig::RefuseNegativeAmount(const QString& title) {
    const std::pair<QLineEdit*, const char*> amounts[]
        = {{txtInitialBet, "Cannot have a negative initial bet."},
            {txtMinBet, "Cannot have a negative minimum bet."},
            {txtMaxBet, "Cannot have a negative maximum bet."},
            {txtFlatAddWin, "Cannot have a negative amount for a winning hand."},
            {txtFlatAddLose, "Cannot have a negative amount for a losing hand."}};
    for (const auto& [box, refusal] : amounts) {
        if (BoxAmount(box->text()) >= 0)
            continue;
        RefuseEntry(box, refusal, title);
        return true;
    }
    return false;
}

void frmVariableConfig::cmdReturn_Click() {
    if (RefuseNegativeAmount(cmdReturn->text().remove('&')))
        return;
    GameState& gs = ctx_.gs;
    gs.ReturnButtonCaption = "Return to game";
    if (!ctx_.nav.MultiSessionOpen())
        ctx_.nav.SetTableEnabled(true);
    if (ctx_.nav.TableProgress() == 0) {
        const double first = std::clamp(
            LeadingNumber(txtInitialBet->text()), -kLargestVariableAmount, kLargestVariableAmount);
        SetStartingBet(gs, Currency::FromDouble(first));
        ctx_.nav.ShowTableBet(gs.CurrentBet);
    }
    Unload(true);
}

void frmVariableConfig::Unload(bool enableTable) {
    loaded_ = false;
    if (enableTable)
        Form_Unload();
    hide();
}

void frmVariableConfig::showEvent(QShowEvent* event) {
    if (!loaded_)
        Form_Load();
    QWidget::showEvent(event);
}

// Closing the window by its frame acts as its return button, so the table gets its first bet.
void frmVariableConfig::closeEvent(QCloseEvent* event) {
    if (loaded_)
        cmdReturn_Click();
    if (loaded_) // the return was refused: the window stays for the amount to be mended
        event->ignore();
    else
        QWidget::closeEvent(event);
}

} // namespace bj
