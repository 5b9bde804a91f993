#include "simulator/frm_multiple_sessions.h"

#include "engine/game_state.h"
#include "shell/failure_catcher.h"
#include "shell/message_box.h"
#include "shell/window_services.h"
#include "simulator/amount_text.h"
#include "simulator/result_columns.h"
#include "simulator/results_model.h"
#include "simulator/run_chart.h"
#include "simulator/run_summary.h"
#include "store/store_error.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

#include <new>
#include <stdexcept>

namespace bj {
namespace {

// The numbers the run-time error messages carry: the toolkit's own for overflow and for
// memory, the store's kind of failure for the database.
int ErrorNumber(const std::exception& failure) {
    if (const auto* store = dynamic_cast<const StoreError*>(&failure))
        return static_cast<int>(store->Problem);
    if (dynamic_cast<const std::overflow_error*>(&failure))
        return 6;
    if (dynamic_cast<const std::bad_alloc*>(&failure))
        return 7;
    return 5;
}

QString ErrorDescription(const std::exception& failure) {
    if (dynamic_cast<const std::bad_alloc*>(&failure))
        return QStringLiteral("Out of memory");
    return QString::fromUtf8(failure.what()).trimmed();
}

} // namespace

void frmMultipleSessions::cmdRun_Click() {
    if (running_)
        return;
    const std::optional<MultiSessionInputs> inputs = CheckedInputs();
    if (!inputs)
        return;
    StartRun();
    runSessions_ = inputs->Sessions;
    FailureCatcher handlerFailures;
    failures_ = &handlerFailures;
    try {
        // One session at a time on this thread, not the parallel runner: a hands-per-session
        // count typed during a run applies to the session in play from its next round, which
        // sessions played ahead on other threads could not honour.
        RunMultiSession(ctx_.gs, *inputs, RunHooks());
        FinishRun();
    } catch (const std::exception& failure) {
        FailRun(failure);
    }
    failures_ = nullptr;
    running_ = false;
    if (closeAfterRun_) {
        closeAfterRun_ = false;
        cmdReturntoGame_Click();
    }
}

void frmMultipleSessions::StartRun() {
    running_ = true;
    EmptyResults();
    for (QPushButton* button : {cmdRun, cmdReset, cmdReturnToGame})
        button->setEnabled(false);
    cmdCancel->setEnabled(true);
    ctx_.nav.ShowTableBet(static_cast<int>(ctx_.gs.CurrentBet));
    bCancelled = false;
    lblTotalBank->clear();
    lblTotalTime->clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    redraw_.Start();
    tally_.Start(ctx_.gs);
}

MultiSessionHooks frmMultipleSessions::RunHooks() {
    MultiSessionHooks hooks;
    hooks.Cancelled = [this] {
        tally_.Observe(ctx_.gs);
        return bCancelled;
    };
    hooks.RowDone = [this](const SessionRow& row) {
        tally_.SessionDone(ctx_.gs);
        results_.Add(row);
    };
    hooks.BeforeSession = [this](MultiSessionInputs& inputs) { ReadStopAmounts(inputs); };
    hooks.ProcessEvents = [this] {
        const auto start = RedrawBudget::Clock::now();
        const bool redraw = redraw_.Due();
        if (redraw)
            ShowProgress();
        ProcessPendingEvents();
        redraw_.Spent(RedrawBudget::Clock::now() - start, redraw);
        failures_->RethrowCaught();
    };
    hooks.Clock = runClock_;
    hooks.RoundsPerClockRead = roundsPerClockRead_;
    return hooks;
}

// The grid, the progress bar and the summary catch up once per slice of play.
void frmMultipleSessions::ShowProgress() {
    model_->Flush();
    WidenColumnsToLastRow();
    const std::int64_t done = results_.Count();
    // The bar would repaint at once; drawn with the rest it costs nothing extra.
    prbHandsPlayed->setUpdatesEnabled(false);
    prbHandsPlayed->setValue(
        runSessions_ > 0 ? static_cast<int>(prbHandsPlayed->maximum() * done / runSessions_) : 0);
    prbHandsPlayed->setUpdatesEnabled(true);
    summary->Show(results_, tally_);
    ctx_.nav.ShowTableFigures();
}

// A failed run stops inside a round, which the table is not shown.
void frmMultipleSessions::FinishRun() {
    ShowRunFigures();
    if (results_.TotalHands() > 0)
        ctx_.nav.ShowTableLastRound();
    lblTotalTime->setText(QString::fromStdString(HandsToTime(results_.TotalHands())));
    const std::int64_t n = results_.Count();
    lblTotalBank->setText(
        n < 1 ? DollarAmount(Currency {}) : ResultCellText(results_, n - 1, kColTotalWonLost));
    lblStartingBank->setText(DollarAmount(ctx_.gs.Bankroll));
    EndRunButtons(true);
}

// A failure inside the run ends it: the rows so far stay, and Reset waits for a run that
// completes. The next run starts from the bankroll as it stands, so the label its first row
// counts from shows that bankroll.
void frmMultipleSessions::FailRun(const std::exception& failure) {
    ShowRunFigures();
    lblStartingBank->setText(DollarAmount(ctx_.gs.Bankroll));
    EndRunButtons(false);
    Messages().Show(
        QString("Error # %1, %2").arg(ErrorNumber(failure)).arg(ErrorDescription(failure)),
        QString(), MsgIcon::Information, MsgButtons::Ok);
}

void frmMultipleSessions::ShowRunFigures() {
    model_->Flush();
    WidenColumnsToLastRow();
    summary->Show(results_, tally_);
    chart->Show(results_);
    ctx_.nav.ShowTableFigures();
}

// The columns start wide enough for amounts below 100 million. A run past that widens them to
// its latest row, which in a long drift holds the widest figures, rather than cut off digits.
void frmMultipleSessions::WidenColumnsToLastRow() {
    const std::int64_t n = results_.Count();
    if (n < 1)
        return;
    const QFontMetrics metrics = grdMain->fontMetrics();
    for (int c = 0; c < kResultColumns; ++c) {
        const int needed = metrics.horizontalAdvance(ResultCellText(results_, n - 1, c)) + 12;
        if (needed > grdMain->columnWidth(c))
            grdMain->setColumnWidth(c, needed);
    }
}

void frmMultipleSessions::EndRunButtons(bool completed) {
    prbHandsPlayed->setValue(0);
    cmdRun->setEnabled(true);
    cmdReturnToGame->setEnabled(true);
    cmdReset->setEnabled(completed);
    cmdCancel->setEnabled(false);
    if (completed)
        cmdRun->setFocus();
    QApplication::restoreOverrideCursor();
}

} // namespace bj
