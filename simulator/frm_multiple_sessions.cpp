#include "simulator/frm_multiple_sessions.h"

#include "engine/game_state.h"
#include "shell/input_helpers.h"
#include "shell/window_services.h"
#include "simulator/amount_text.h"
#include "simulator/frm_hourly_stats.h"
#include "simulator/results_export.h"
#include "simulator/results_model.h"
#include "simulator/run_chart.h"
#include "simulator/run_summary.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

namespace bj {

frmMultipleSessions::frmMultipleSessions(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , ctx_(ctx) {
    setObjectName(QStringLiteral("frmMultipleSessions"));
    setWindowTitle(QStringLiteral("Multiple Session Simulation"));
    results_.Clear(ctx_.gs.Bankroll);
    model_ = new ResultsModel(results_, this);
    BuildControls();
    HookEvents();
    Form_Load();
}

frmMultipleSessions::~frmMultipleSessions() = default;

void frmMultipleSessions::Form_Load() {
    loaded_ = true;
    bVisible = true;
    FitOnScreen(this, size());
    CenterForm(this);
    MatchBackColors(this);
    EmptyResults();
    prbHandsPlayed->setValue(0);
    lblStartingBank->setText(DollarAmount(ctx_.gs.Bankroll));
    cmdRun->setEnabled(false);
    cmdCancel->setEnabled(false);
}

// Runs on the first showing and whenever one of this window's own windows hands back to it.
// In the middle of a run the entries stay as they are, so that looking at the hourly table
// or an editor does not change the sessions still to come.
void frmMultipleSessions::Form_Activate() {
    const GameState& gs = ctx_.gs;
    txtStrategy->setText(gs.BettingType != kStreakBetting
            ? QString::fromStdString(gs.VariableBetName)
            : strStrategy);
    txtPlayingStrategy->setText(QString::fromStdString(gs.PlayingStrategyName));
    if (running_)
        return;
    SetZeroInputs();
    ctx_.gs.HandsToPlay = HandsPerSession;
    cmdRun->setFocus();
}

void frmMultipleSessions::Form_Unload() {
    bVisible = false;
    ctx_.nav.SetTableEnabled(true);
    ctx_.gs.MultiSessionMode = false;
    bCancelled = false;
}

void frmMultipleSessions::showEvent(QShowEvent* event) {
    if (!loaded_)
        Form_Load();
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

// Closing the window by its frame returns to the game; during a run it cancels the run
// first and closes once the run has ended.
void frmMultipleSessions::closeEvent(QCloseEvent* event) {
    if (unloading_) {
        event->accept();
        return;
    }
    event->ignore();
    if (running_) {
        bCancelled = true;
        closeAfterRun_ = true;
        return;
    }
    cmdReturntoGame_Click();
}

void frmMultipleSessions::Unload() {
    unloading_ = true;
    close();
    unloading_ = false;
    loaded_ = false;
    Form_Unload();
}

void frmMultipleSessions::cmdReturntoGame_Click() {
    GameState& gs = ctx_.gs;
    gs.HandsToPlay = gs.TableHandsToPlay;
    ctx_.nav.SetTableEnabled(true);
    ctx_.nav.StopTableTimer();
    Unload();
    // As from the other windows that give the table back, the keyboard can deal at once.
    ctx_.nav.FocusTableDeal();
}

void frmMultipleSessions::cmdCancel_Click() {
    bCancelled = true;
}

void frmMultipleSessions::cmdReset_Click() {
    ctx_.nav.ResetTable();
    lblStartingBank->setText(DollarAmount(ctx_.gs.Bankroll));
    SetZeroInputs();
    SessionCount = 0;
    lblTotalBank->setText(QStringLiteral("0.00"));
    lblTotalTime->setText(QStringLiteral("00:00"));
    EmptyResults();
    ctx_.gs.HandsToPlay = 0;
}

void frmMultipleSessions::cmdConfig_Click() {
    ctx_.nav.ShowBettingEditorModal();
    Form_Activate();
}

// Coming back from the editor activates this window again, as from the other windows.
void frmMultipleSessions::cmdPlayingConfig_Click() {
    ctx_.nav.ShowPlayingStrategyEditor();
    txtPlayingStrategy->setText(QString::fromStdString(ctx_.gs.PlayingStrategyName));
    Form_Activate();
}

void frmMultipleSessions::cmdHourlyStats_Click() {
    frmHourlyStats hourly(results_, lblTotalTime->text(), lblTotalBank->text(), this);
    ShowModal(&hourly);
    Form_Activate();
}

void frmMultipleSessions::cmdInfo_Click() {
    ctx_.nav.ShowPlayingStrategiesInstr(true);
    Form_Activate();
}

void frmMultipleSessions::cmdExport_Click() {
    ExportResults(this, results_);
}

void frmMultipleSessions::EmptyResults() {
    results_.Clear(ctx_.gs.Bankroll);
    tally_.Clear();
    model_->Emptied();
    if (summary)
        summary->Show(results_, tally_);
    if (chart)
        chart->Show(results_);
}

void frmMultipleSessions::SetRunClock(RunClock clock, int roundsPerClockRead) {
    runClock_ = std::move(clock);
    roundsPerClockRead_ = roundsPerClockRead;
}

} // namespace bj
