#pragma once

#include "engine/table_observer.h"
#include "shell/navigation.h"
#include "table/stat_text.h"
#include "table/table_geometry.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <stdexcept>
#include <vector>

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QTimer;

namespace bj {

class frmAdvancedStats;
class SplitHandsRow;

// The table: plays one round per tick of Timer1 through the engine and shows it.
class frmMain final : public QMainWindow, private TableObserver {
    Q_OBJECT

public:
    explicit frmMain(AppContext& ctx, QWidget* parent = nullptr);
    ~frmMain() override;

    void frmMainReset();
    // The statistics and the bet as the game state holds them, after another window played.
    void ShowGameState();
    // The last round another window played on the game state, as it ended.
    void ShowLastRoundPlayed();
    // The round's insurance or even-money result.
    double dblInsBet() const;
    // Rounds played since the window was loaded.
    long long RoundsPlayed() const { return roundsPlayed_; }
    bool RoundInProgress() const { return roundInProgress_; }
    // What other windows do to the table.
    void ShowBet(long long bet);
    void FocusDeal();
    void StopTimer();
    int ProgressShown() const; // prbHandsToPlay's value, 0 before any hand of a deal
    // What plays one round: the engine's round unless a test puts another in its place.
    using RoundPlayer = std::function<int(GameState&, TableObserver&)>;
    void SetRoundPlayer(RoundPlayer player) { playRound_ = std::move(player); }

    // Handlers, public so that the program and tests can drive the window as a user would.
    void cmdDeal_Click();
    void cmdStop_Click();
    void cmdNext_Click();
    void cmdReset_Click();
    void optContinuousPlay_Click(int index);
    void sldHandsToPlay_Change();
    void sldPlaySpeed_Change();
    void Timer1_Timer();
    void chkSysTray_Click();
    void Form_Activate();
    void Form_Resize();
    // The notification-area icon's mouse messages (TrayMouseMessage numbers).
    void Form_MouseMove(int message);

    void cmdConfiguration_Click();
    void mnuBet_Click();
    void cmdPlayingStrat_Click();
    void mnuOptPlayStrategy_Click();
    void cmdAdvancedStats_Click();
    void cmdMultipleSessions_Click();
    void cmdQuit_Click();
    void mnuExit_Click();
    void mnupopExit_Click();
    void mnuAbout_Click();
    void mnuShowWar_Click();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Load step and layout.
    void Form_Load();
    void BuildMenus();
    void BuildSuitPictures();
    QWidget* BuildTable();
    void BuildCardPlaces(QWidget* felt, int who, std::array<QWidget*, 12>& places,
        std::array<QLabel*, 12>& images, std::array<QLabel*, 12>& faces);
    void LayOutTable();
    void ScaleCards(const TableGeometry& geometry);
    QWidget* BuildRunningStats();
    QWidget* BuildHandTotals();
    QWidget* BuildPlayControls();
    QWidget* BuildButtons();
    QLabel* ValueLabel(const char* name, const QString& text);
    QGroupBox* StatGroup(
        const QString& title, const std::vector<std::pair<QString, QLabel*>>& rows);
    void BindStatistics();

    // Statistics display.
    void ShowStatistics();
    void RestartStatistics();
    void ShowAmountOnHand();
    void ShowBet();

    // Play.
    void HideCards();
    void SetPlayerCaption(const QString& text);
    void ShowCard(int who, int position);
    void EnableIdleControls(bool enabled);
    void EndOfTick();
    void ShowHandsProgress();
    void GoIdle();
    void StartPlay();
    void StopOnOverflow(const std::overflow_error& overflow);
    void Unload();
    void DisableBehind();

    // Notification area.
    void ShowTrayAvailability(bool available);
    void TrayAvailabilityChanged(bool available);
    void HideToTray();

    // What the round shows.
    void TableCleared() override;
    void CardShown(int who, int position) override;
    void CardHidden(int who, int position) override;
    void InsuranceTaken() override;
    void DoubledDown() override;
    void SplitStarted() override;
    void SplitHandDoubled() override;
    void SplitHandPlayed(int handIndex, int playerTotal) override;
    void SplitHandsPlayed() override;
    void BetChanged() override;
    void HandSettled() override;
    void HandPushed() override;
    void HandEnded(int handIndex, int playerTotal) override;
    void SplitRoundEnded(int hands) override;
    void ShowSplitHandResult(int handIndex);
    void WaitForContinue() override;

    AppContext& ctx_;

    // Card places, index 1..11; picCard_ 1..4 are the suit pictures, cardFaces_ the same at
    // the size the cards are shown.
    QWidget* felt_ = nullptr;
    TableTexts tableTexts_ {};
    int cardStep_ = kSmallestCardStep;
    std::array<QWidget*, 12> dealerPlaces_ {};
    std::array<QWidget*, 12> playerPlaces_ {};
    std::array<std::array<int, 12>, 3> shownSuits_ {}; // [who][position]
    std::array<QLabel*, 12> imgDealer_ {};
    std::array<QLabel*, 12> lblDealer_ {};
    std::array<QLabel*, 12> imgPlayer_ {};
    std::array<QLabel*, 12> lblPlayer_ {};
    std::array<QLabel*, 5> picCard_ {};
    std::array<QPixmap, 5> cardFaces_ {};
    QFrame* shpUp_ = nullptr;
    QLabel* lblUpCard_ = nullptr;
    QLabel* Label9_ = nullptr;
    QLabel* Label10_ = nullptr;
    QLabel* lblDealersHand_ = nullptr;
    QLabel* lblPlayersHand_ = nullptr;
    SplitHandsRow* splitRow_ = nullptr;
    // The split round's counters before its next hand is settled, and whether the hand
    // being played has been doubled.
    std::int64_t splitWonBefore_ = 0;
    std::int64_t splitLostBefore_ = 0;
    bool splitHandDoubled_ = false;

    // Statistics.
    QLabel* lblCurrentBankRoll_ = nullptr;
    QLabel* lblMaxBankroll_ = nullptr;
    QLabel* lblMinBankroll_ = nullptr;
    QLabel* lblCurrentBet_ = nullptr;
    QLabel* lblWinningStreak_ = nullptr;
    QLabel* lblLosingStreak_ = nullptr;
    QLabel* lblMaxWin_ = nullptr;
    QLabel* lblMaxLos_ = nullptr;
    QLabel* lblAmountWonOnHand_ = nullptr;
    QLabel* lblPushStreak_ = nullptr;
    QLabel* lblAmtWonEvenMoney_ = nullptr;
    QTabWidget* SSTab1_ = nullptr;
    QLabel* lblTotalHandsWon_ = nullptr;
    QLabel* lblTotalHandsLost_ = nullptr;
    QLabel* lblTotalHandsTied_ = nullptr;
    QLabel* lblBlackJacksWon_ = nullptr;
    QLabel* lblAmountWonOnWars_ = nullptr;
    QLabel* lblSplitHandsWon_ = nullptr;
    QLabel* lblSplitHandsLost_ = nullptr;
    QLabel* lblSplitAmtWon_ = nullptr;
    QLabel* lblSplitAmtLost_ = nullptr;
    QLabel* lblDblDnHandsWon_ = nullptr;
    QLabel* lblDblDnHandsLost_ = nullptr;
    QLabel* lblDblDnAmtWon_ = nullptr;
    QLabel* lblDblDnAmtLost_ = nullptr;
    QLabel* lblInsHandsWon_ = nullptr;
    QLabel* lblInsHandsLost_ = nullptr;
    QLabel* lblInsAmtWon_ = nullptr;
    QLabel* lblInsAmtLost_ = nullptr;

    enum Stat {
        kBankroll,
        kMaxBankroll,
        kMinBankroll,
        kWinStreak,
        kLoseStreak,
        kMaxWin,
        kMaxLose,
        kHandsWon,
        kHandsLost,
        kHandsTied,
        kBlackjacks,
        kBlackjackAmount,
        kPushStreak,
        kSplitWon,
        kSplitLost,
        kSplitAmountWon,
        kSplitAmountLost,
        kDoubledWon,
        kDoubledLost,
        kDoubledAmountWon,
        kDoubledAmountLost,
        kInsuredWon,
        kInsuredLost,
        kInsuranceAmountWon,
        kInsuranceAmountLost,
        kEvenMoney,
        kStatCount
    };
    std::array<StatLabel, kStatCount> stats_ {};
    std::array<std::int64_t, kStatCount> StatValues() const;

    // Play controls.
    QSlider* sldHandsToPlay_ = nullptr;
    QLabel* lblHandsToPlay_ = nullptr;
    QProgressBar* prbHandsToPlay_ = nullptr;
    std::array<QLabel*, 3> lblHandsProgress_ {};
    QSlider* sldPlaySpeed_ = nullptr;
    std::array<QRadioButton*, 2> optContinuousPlay_ {};
    QPushButton* cmdDeal_ = nullptr;
    QPushButton* cmdStop_ = nullptr;
    QPushButton* cmdNext_ = nullptr;
    QPushButton* cmdReset_ = nullptr;
    QPushButton* cmdConfiguration_ = nullptr;
    QPushButton* cmdPlayingStrat_ = nullptr;
    QPushButton* cmdAdvancedStats_ = nullptr;
    QPushButton* cmdMultipleSessions_ = nullptr;
    QPushButton* cmdQuit_ = nullptr;
    QCheckBox* chkSysTray_ = nullptr;
    QTimer* Timer1_ = nullptr;

    // Menus.
    QMenu* mnuGame_ = nullptr;
    QMenu* mnuOptions_ = nullptr;
    QMenu* mnuPopUp_ = nullptr;

    RoundPlayer playRound_;
    bool roundInProgress_ = false;
    bool stopDuringRound_ = false;
    bool unloading_ = false;
    bool hiddenToTray_ = false;
    long long roundsPlayed_ = 0;
    QPointer<QWidget> focusBeforeDisabled_;
};

} // namespace bj
