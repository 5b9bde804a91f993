#include "editors/playing_editor.h"

#include "editors/strategy_corrections.h"
#include "editors/strategy_grid.h"
#include "editors/strategy_list.h"
#include "editors/strategy_value.h"
#include "engine/exact_analysis.h"
#include "engine/hand_rules.h"
#include "shell/input_helpers.h"
#include "shell/message_box.h"
#include "store/playing_strategies.h"
#include "store/protected_defaults.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace bj {

namespace {

constexpr std::array<const char*, kPlayerRows> kHandExamples {"2 - 2", "2 - 3", "3 - 3 or 2 - 4",
    "2 - 5", "4 - 4 or 3 - 5", "3 - 6", "5 - 5 or 4 - 6", "5 - 6", "6 - 6 or 5 - 4 - 3", "A - A",
    "J - 3", "A - 2", "7 - 7 or K - 4", "A - 3", "7 - 8 or 3 - 2 - Q", "A - 4",
    "8 - 8 or K - 4 - 2", "A - 5", "J - 7 or 6 - 5 - 6", "A - 6", "9 - 9 or K - 8", "A - 7",
    "9 - J or 3 - 5 - A", "A - 8", "K - K or A - 4 - 5", "A - 9"};

template <std::size_t N> void CheckOption(const std::array<QRadioButton*, N>& options, int value) {
    options[static_cast<std::size_t>(std::clamp(value, 0, int(N) - 1))]->setChecked(true);
}

} // namespace

frmConfiguration::frmConfiguration(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , ctx_(ctx) {
    setObjectName("frmConfiguration");
    setWindowTitle("Configuration for Black Jack");
    BuildControls();
    HookEvents();
    layout()->activate(); // the window takes its size now, so that centring sees it
}

void frmConfiguration::Form_Load() {
    GameState& gs = ctx_.gs;
    FillStrategyList();
    FillPlayerHandList();
    FitOnScreen(this, sizeHint());
    CenterForm(this);
    MatchBackColors(this);
    if (gs.PlayingStrategyRefNo < 1)
        gs.PlayingStrategyRefNo = kDefaultRefNo;
    cboPlayer->setCurrentIndex(0);
    SelectStrategyEntry(FindItemData(cboStrategy, gs.PlayingStrategyRefNo));
    ShowHouseRules();
    txtName->blockSignals(true);
    txtName->clear();
    txtName->blockSignals(false);
    SetEditButtons(gs.PlayingStrategyChanged, false);
    bNamingNew = false;
    shownRefNo_ = gs.PlayingStrategyRefNo;
    ShowWholeStrategy();
    loaded_ = true;
}

int frmConfiguration::SelectedRow() const {
    return cboPlayer->currentIndex();
}

bool frmConfiguration::SelectedIsProtected() const {
    const int index = cboStrategy->currentIndex();
    return cboStrategy->currentText().contains("[DEFAULT]", Qt::CaseInsensitive)
        || (index >= 0 && IsProtectedDefault(cboStrategy->itemData(index).toLongLong()));
}

// The entry is selected as the window's own doing: the strategy is not reloaded.
void frmConfiguration::SelectStrategyEntry(int index) {
    const bool filling = bFillingLists;
    bFillingLists = true;
    cboStrategy->setCurrentIndex(index);
    bFillingLists = filling;
}

void frmConfiguration::SetNameBox(const QString& text) {
    txtName->setText(text);
    ctx_.gs.PlayingStrategyName = NameFromBox(txtName->text()).toStdString();
}

void frmConfiguration::ShowHouseRules() {
    const GameState& gs = ctx_.gs;
    bLoadingRules = true;
    CheckOption(optSoft17, gs.DealerSoft17);
    CheckOption(optDDHands, gs.DoubleDownRule);
    CheckOption(optPlayer21, gs.InsuranceOn21);
    chkDoubleOnSplit->setChecked(gs.DoubleOnSplits);
    bLoadingRules = false;
}

void frmConfiguration::SetEditButtons(bool changed, bool naming) {
    cmdSave->setEnabled(changed);
    cmdCancel->setEnabled(changed);
    cmdAdd->setEnabled(!changed);
    cmdDelete->setEnabled(!changed && !SelectedIsProtected());
    txtName->setVisible(naming);
    if (naming)
        txtName->raise();
}

// An edit keeps the name box as it is, so a name being asked for is not hidden by it.
void frmConfiguration::MarkChanged() {
    SetEditButtons(true, !txtName->isHidden());
}

void frmConfiguration::FillPlayerHandList() {
    cboPlayer->blockSignals(true);
    cboPlayer->clear();
    for (int row = 0; row < kPlayerRows; ++row)
        cboPlayer->addItem(QString::fromStdString(PlayerHandText(row)));
    cboPlayer->setCurrentIndex(-1);
    cboPlayer->blockSignals(false);
    for (int row = 0; row < kPlayerRows; ++row)
        HandExamples[row] = kHandExamples[row];
}

void frmConfiguration::FillActionList(QComboBox* list, int row) {
    list->clear();
    for (const int code : OfferedActions(row))
        list->addItem(ActionName(row, code), code);
}

void frmConfiguration::cboPlayer_Click() {
    const int row = SelectedRow();
    if (row < 0)
        return;
    const GameState& gs = ctx_.gs;
    lblExample[1]->setText(HandExamples[row]);
    bFillingLists = true;
    for (QComboBox* list : cboDealer)
        FillActionList(list, row);
    bFillingLists = false;
    bShowingRow = true;
    for (int i = 0; i < kDealerColumns; ++i)
        cboDealer[i]->setCurrentIndex(FindItemData(cboDealer[i], gs.StrategyMatrix[row][i]));
    chkInsurance->setChecked(gs.InsuranceByRow[row]);
    bShowingRow = false;
    grdStrategy->SetCurrent(row, shownColumn_);
}

// The chart picks through the lists, which then make the edits. Only a click hands the focus
// to the cell's list: after a keyboard move the next arrow key must move on, not edit.
void frmConfiguration::grdStrategy_CellPicked(int row, int column, bool byClick) {
    shownColumn_ = column;
    if (cboPlayer->currentIndex() != row)
        cboPlayer->setCurrentIndex(row);
    grdStrategy->SetCurrent(row, column);
    if (!byClick)
        return;
    if (column < kDealerColumns)
        cboDealer[column]->setFocus();
    else
        chkInsurance->setFocus();
}

void frmConfiguration::ShowValue() {
    lblExpectedReturn->setText(ExpectedReturnText(ctx_.gs));
    const ExactResult values = AnalyseStrategy(PlayingTableOf(ctx_.gs));
    grdStrategy->SetRowValues(&values);
}

void frmConfiguration::ShowWholeStrategy() {
    grdStrategy->RefreshAll();
    ShowValue();
}

// Showing a row writes nothing: a stored code the list does not offer stays in force (and
// on the table) until the user picks another.
void frmConfiguration::cboDealer_Click(int index) {
    if (bFillingLists || bShowingRow)
        return;
    MarkChanged();
    const int row = SelectedRow();
    if (row < 0)
        return;
    const QComboBox* list = cboDealer[index];
    ctx_.gs.StrategyMatrix[row][index]
        = static_cast<std::int8_t>(list->currentIndex() < 0 ? 0 : list->currentData().toInt());
    shownColumn_ = index;
    grdStrategy->RefreshCell(row, index);
    grdStrategy->SetCurrent(row, index);
    ShowValue();
}

bool frmConfiguration::ShownCodeDiffers(int column) const {
    const int row = SelectedRow();
    const QComboBox* list = cboDealer[column];
    return row >= 0 && list->currentIndex() >= 0
        && list->currentData().toInt() != ctx_.gs.StrategyMatrix[row][column];
}

void frmConfiguration::chkInsurance_Click() {
    const int row = SelectedRow();
    if (bShowingRow || row < 0)
        return;
    MarkChanged();
    ctx_.gs.InsuranceByRow[row] = chkInsurance->isChecked();
    grdStrategy->RefreshCell(row, kDealerColumns);
    ShowValue();
}

void frmConfiguration::chkDoubleOnSplit_Click() {
    ctx_.gs.DoubleOnSplits = chkDoubleOnSplit->isChecked();
    RulesChanged();
}

void frmConfiguration::optDDHands_Click(int index) {
    ctx_.gs.DoubleDownRule = index;
    RulesChanged();
}

void frmConfiguration::optPlayer21_Click(int index) {
    ctx_.gs.InsuranceOn21 = index;
    RulesChanged();
}

void frmConfiguration::optSoft17_Click(int index) {
    ctx_.gs.DealerSoft17 = index;
    RulesChanged();
}

void frmConfiguration::RulesChanged() {
    if (bLoadingRules)
        return;
    MarkChanged();
    ShowValue();
}

// Brackets are refused when pasted too: only the program names a protected "[DEFAULT]".
void frmConfiguration::txtName_Change() {
    QString text = txtName->text();
    if (text.contains('[') || text.contains(']')) {
        const int cursor = txtName->cursorPosition();
        const int before
            = static_cast<int>(text.left(cursor).count('[') + text.left(cursor).count(']'));
        text.remove('[').remove(']');
        txtName->blockSignals(true);
        txtName->setText(text);
        txtName->setCursorPosition(cursor - before);
        txtName->blockSignals(false);
    }
    ctx_.gs.PlayingStrategyName = NameFromBox(text).toStdString();
}

bool frmConfiguration::ShowPlayingStrategy(std::int64_t refNo) {
    std::optional<PlayingStrategy> loaded;
    try {
        loaded = LoadPlayingStrategy(*ctx_.db, refNo, ctx_.gs);
    } catch (const StoreError& error) {
        ReportStoreFailure("The playing strategy could not be read.", error);
        // The list goes back to the strategy still shown, which Save and Delete act on.
        SelectStrategyEntry(FindItemData(cboStrategy, shownRefNo_));
        return false;
    }
    if (!loaded) {
        // Deleted behind the window, by another copy of the program say. Emptying the strategy
        // in play would leave the table playing all hits under the gone strategy's name.
        const int entry = FindItemData(cboStrategy, refNo);
        Messages().Show((entry < 0 ? QString("The strategy") : cboStrategy->itemText(entry))
                + " is no longer in the database.",
            "No Strategy", MsgIcon::Information, MsgButtons::Ok);
        FillStrategyList();
        SelectStrategyEntry(FindItemData(cboStrategy, shownRefNo_));
        return false;
    }
    SelectStrategyEntry(FindItemData(cboStrategy, refNo));
    shownRefNo_ = refNo;
    ShowHouseRules();
    if (cboPlayer->currentIndex() == 0)
        cboPlayer_Click();
    else
        cboPlayer->setCurrentIndex(0);
    ShowWholeStrategy();
    ReportCorrections(ctx_, "playing strategy", refNo, loaded->Name, loaded->Corrections,
        !IsProtectedDefault(refNo));
    return true;
}

// The window shows the emptied strategy, so that what it shows is what the table plays.
void frmConfiguration::ClearPlayingStrategy() {
    GameState& gs = ctx_.gs;
    gs.PlayingStrategyRefNo = 0;
    gs.PlayingStrategyName.clear();
    gs.PlayingStrategyChanged = false;
    gs.DealerSoft17 = 0;
    gs.DoubleDownRule = 0;
    gs.DoubleOnSplits = false;
    for (auto& row : gs.StrategyMatrix)
        row.fill(kHit);
    gs.InsuranceByRow.fill(false);
    ShowHouseRules();
    cboPlayer_Click();
    ShowWholeStrategy();
}

// Edits about to be replaced are offered for saving, under the entry they were made in, and
// never dropped for want of a name or a writable file: false when the save was wanted and did
// not go through, so the edits stay and the next replacement asks again.
bool frmConfiguration::SaveEditsFirst() {
    if (!cmdSave->isEnabled()
        || !ConfirmSaveChanges(QString::fromStdString(ctx_.gs.PlayingStrategyName)))
        return true;
    SelectStrategyEntry(FindItemData(cboStrategy, shownRefNo_));
    if (SaveChanges())
        return true;
    MarkChanged();
    return false;
}

void frmConfiguration::cboStrategy_Click() {
    if (!loaded_ || bFillingLists)
        return;
    const std::int64_t picked = cboStrategy->currentData().toLongLong();
    if (!SaveEditsFirst())
        return;
    if (cboStrategy->currentData().toLongLong() != picked)
        SelectStrategyEntry(FindItemData(cboStrategy, picked));
    if (cboStrategy->currentIndex() < 0)
        ClearPlayingStrategy();
    else if (!ShowPlayingStrategy(cboStrategy->currentData().toLongLong()))
        return;
    bNamingNew = false;
    SetEditButtons(false, false);
}

void frmConfiguration::cmdAdd_Click() {
    bNamingNew = true;
    SetNameBox(QString());
    ShowPlayingStrategy(kDefaultRefNo);
    ctx_.gs.PlayingStrategyRefNo = 0;
    ctx_.gs.PlayingStrategyName.clear();
    cboPlayer_Click();
    SetEditButtons(true, true);
    txtName->setFocus();
}

void frmConfiguration::Command1_Click() {
    ctx_.nav.ShowPlayingStrategiesInstr(false);
}

void frmConfiguration::cmdReturn_Click() {
    close();
}

// A save that did not go through keeps the mark, so the next opening offers Save again.
// A new strategy (Create New, Best, an import) that closing does not ask about, having no
// name yet or the first entry under its name box, stays in force and is marked the same way.
void frmConfiguration::Form_QueryUnload() {
    if (!cmdSave->isEnabled())
        return;
    GameState& gs = ctx_.gs;
    const bool unnamed = TrimText(QString::fromStdString(gs.PlayingStrategyName)).isEmpty();
    const bool onFirst = cboStrategy->currentIndex() == 0;
    if (gs.PlayingStrategyRefNo == 0 && (unnamed || onFirst)) {
        gs.PlayingStrategyChanged = true;
        return;
    }
    if (onFirst)
        return;
    if (ConfirmSaveChanges(QString::fromStdString(gs.PlayingStrategyName)))
        gs.PlayingStrategyChanged = !SaveChanges();
    else
        gs.PlayingStrategyChanged = true;
}

void frmConfiguration::showEvent(QShowEvent* event) {
    if (!loaded_)
        Form_Load();
    QWidget::showEvent(event);
}

void frmConfiguration::closeEvent(QCloseEvent* event) {
    if (loaded_) {
        Form_QueryUnload();
        loaded_ = false;
    }
    QWidget::closeEvent(event);
}

} // namespace bj
