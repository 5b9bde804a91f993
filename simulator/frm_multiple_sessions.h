#pragma once

#include "engine/multi_session.h"
#include "shell/navigation.h"
#include "simulator/redraw_budget.h"
#include "simulator/session_results.h"
#include "simulator/wager_tally.h"

#include <QWidget>

#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace bj {

class FailureCatcher;
class ResultsModel;
class RunChart;
class RunSummary;

// "Multiple Session Simulation": plays sessions back to back through the engine's run and
// lists one result row per session, with totals, a chart and a summary of the run.
class frmMultipleSessions : public QWidget {
    Q_OBJECT
public:
    explicit frmMultipleSessions(AppContext& ctx, QWidget* parent = nullptr);
    ~frmMultipleSessions() override;

    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void cmdRun_Click();
    void cmdCancel_Click();
    void cmdReset_Click();
    void cmdReturntoGame_Click();
    void cmdConfig_Click();
    void cmdPlayingConfig_Click();
    void cmdHourlyStats_Click();
    void cmdInfo_Click();
    void cmdExport_Click();
    void txtNoHands_Change();
    void txtSeq_Change();
    void AmountBox_LostFocus(QLineEdit* box);
    void txtPercent_LostFocus();

    const SessionResults& Results() const { return results_; }
    const WagerTally& Rounds() const { return tally_; }
    bool Running() const { return running_; }
    // Test seam: the clock a run's rhythm of yields is measured by, read every
    // `roundsPerClockRead` rounds.
    void SetRunClock(RunClock clock, int roundsPerClockRead);

    // Read and written by other windows.
    bool bCancelled = false;
    bool bVisible = false;
    QString strStrategy;

    QLineEdit* txtPlayingStrategy = nullptr;
    QPushButton* cmdPlayingConfig = nullptr;
    QLineEdit* txtStrategy = nullptr;
    QPushButton* cmdConfig = nullptr;
    QLabel* lblStartingBank = nullptr;
    QLineEdit* txtWinBetAmt = nullptr;
    QLineEdit* txtLseBetAmt = nullptr;
    QLineEdit* txtPercent = nullptr;
    QLabel* lblPercent = nullptr;
    QLineEdit* txtNoHands = nullptr;
    QLineEdit* txtSeq = nullptr;
    QTableView* grdMain = nullptr;
    QGroupBox* fraTotal = nullptr;
    QLabel* lblTotalBank = nullptr;
    QLabel* lblTotalTime = nullptr;
    QProgressBar* prbHandsPlayed = nullptr;
    QPushButton* cmdRun = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdHourlyStats = nullptr;
    QPushButton* cmdInfo = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdReturnToGame = nullptr;
    RunChart* chart = nullptr;
    RunSummary* summary = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildInputs();
    QWidget* BuildLegend();
    QWidget* BuildButtons();
    QWidget* BuildTotals();
    void HookEvents();

    std::optional<MultiSessionInputs> CheckedInputs();
    void StartRun();
    MultiSessionHooks RunHooks();
    void ShowProgress();
    void FinishRun();
    void FailRun(const std::exception& failure);
    void ShowRunFigures();
    void WidenColumnsToLastRow();
    void EndRunButtons(bool completed);
    void EmptyResults();
    void SetZeroInputs();
    void ReadStopAmounts(MultiSessionInputs& inputs) const;
    void StopAmount_Change();
    void Unload();

    AppContext& ctx_;
    SessionResults results_;
    WagerTally tally_;
    ResultsModel* model_ = nullptr;
    std::int64_t SessionCount = 0;
    std::int64_t runSessions_ = 0; // the count the run under way took at its start
    std::int32_t HandsPerSession = 0;
    bool running_ = false;
    bool closeAfterRun_ = false;
    bool unloading_ = false;
    bool loaded_ = false;
    // The stop amounts the two boxes show, read when they change rather than per session.
    std::optional<Currency> maxWinEntry_, maxLossEntry_;
    RedrawBudget redraw_;
    FailureCatcher* failures_ = nullptr; // while a run processes events
    RunClock runClock_;
    int roundsPerClockRead_ = 64;
};

} // namespace bj
