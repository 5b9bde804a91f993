#include "table/frm_main.h"

#include "engine/bet_sizing.h"
#include "engine/game_state.h"
#include "engine/shoe.h"
#include "shell/card_logo.h"
#include "shell/input_helpers.h"
#include "shell/window_services.h"
#include "table/frm_advanced_stats.h"
#include "table/play_speed.h"
#include "table/tray_icon.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <algorithm>

namespace bj {
namespace {

// "&Continue" shares Alt+C with the "&Configuation" menu, which play disables while the button
// shows. The menu bar still claims the key, so the toolkit hands each press, as ambiguous, to
// the menu bar or to the button in turn, and neither acts; the press continues the round.
class ContinueKey final : public QObject {
public:
    explicit ContinueKey(QPushButton* button)
        : QObject(button)
        , button_(button) { }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Shortcut || button_->isHidden() || !button_->isEnabled())
            return false;
        const auto* press = static_cast<QShortcutEvent*>(event);
        if (!press->isAmbiguous() || press->key() != QKeySequence::mnemonic(button_->text()))
            return false;
        button_->animateClick();
        return true;
    }

private:
    QPushButton* button_;
};

} // namespace

frmMain::frmMain(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent)
    , ctx_(ctx) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Black Jack"));
    if (windowIcon().isNull())
        setWindowIcon(ProgramIcon());
    QFont compact = font();
    compact.setPointSize(8);
    setFont(compact);

    BuildMenus();
    BuildSuitPictures();
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildTable(), 1);
    top->addWidget(BuildRunningStats());
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(4);
    bottom->addWidget(BuildHandTotals());
    bottom->addWidget(BuildPlayControls(), 1);
    bottom->addWidget(BuildButtons());
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    setCentralWidget(central);
    BindStatistics();

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setTimerType(Qt::PreciseTimer);
    Timer1_->setInterval(1000);
    connect(Timer1_, &QTimer::timeout, this, &frmMain::Timer1_Timer);

    connect(cmdDeal_, &QPushButton::clicked, this, &frmMain::cmdDeal_Click);
    connect(cmdStop_, &QPushButton::clicked, this, &frmMain::cmdStop_Click);
    connect(cmdNext_, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    auto* continueKey = new ContinueKey(cmdNext_);
    cmdNext_->installEventFilter(continueKey);
    menuBar()->installEventFilter(continueKey);
    connect(cmdReset_, &QPushButton::clicked, this, &frmMain::cmdReset_Click);
    connect(cmdConfiguration_, &QPushButton::clicked, this, &frmMain::cmdConfiguration_Click);
    connect(cmdPlayingStrat_, &QPushButton::clicked, this, &frmMain::cmdPlayingStrat_Click);
    connect(cmdAdvancedStats_, &QPushButton::clicked, this, &frmMain::cmdAdvancedStats_Click);
    connect(cmdMultipleSessions_, &QPushButton::clicked, this, &frmMain::cmdMultipleSessions_Click);
    connect(cmdQuit_, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);
    connect(chkSysTray_, &QCheckBox::clicked, this, &frmMain::chkSysTray_Click);
    connect(&TrayArea(), &NotificationArea::MouseMessage, this, &frmMain::Form_MouseMove);
    connect(&TrayArea(), &NotificationArea::AvailabilityChanged, this,
        &frmMain::TrayAvailabilityChanged);
    connect(sldHandsToPlay_, &QSlider::valueChanged, this, &frmMain::sldHandsToPlay_Change);
    connect(sldPlaySpeed_, &QSlider::valueChanged, this, &frmMain::sldPlaySpeed_Change);
    for (int i = 0; i < 2; ++i)
        // Turning an option on runs its step; a click on the option already on is no change.
        connect(optContinuousPlay_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optContinuousPlay_Click(i);
        });

    Form_Load();
}

frmMain::~frmMain() {
    if (ctx_.gs.TrayIconOn)
        RemoveTrayIcon(*this);
}

void frmMain::ShowBet(long long bet) {
    lblCurrentBet_->setText(QString::number(bet));
}

void frmMain::FocusDeal() {
    raise();
    activateWindow();
    cmdDeal_->setFocus();
}

void frmMain::StopTimer() {
    Timer1_->stop();
}

int frmMain::ProgressShown() const {
    return prbHandsToPlay_->value();
}

double frmMain::dblInsBet() const {
    return ctx_.gs.InsuranceResult.ToDouble();
}

void frmMain::Form_Load() {
    GameState& gs = ctx_.gs;
    resize(725, 565);
    CenterForm(this, true);
    SeedRandomFromClock(gs);
    gs.DecksInShoe = 1;
    MatchBackColors(this);
    HideCards();
    lblPlayersHand_->clear();
    lblDealersHand_->clear();

    ResetStatistics(gs);
    gs.StreakStart = true;
    gs.StartingBet = Currency::FromWhole(5);
    gs.HandsToPlay = gs.TableHandsToPlay = 1000;
    gs.CurrentBet = 5;
    RestartStatistics();
    ShowBet();

    // Continuous play is selected as its option selects it, but play does not start.
    {
        const QSignalBlocker quiet0(optContinuousPlay_[0]), quiet1(optContinuousPlay_[1]);
        optContinuousPlay_[1]->setChecked(false);
        optContinuousPlay_[0]->setChecked(true);
    }
    Timer1_->setInterval(ContinuousInterval(sldPlaySpeed_->value()));
    gs.ContinuousPlay = true;

    gs.WinStreakLength = gs.LoseStreakLength = 5;
    gs.WinningHandBets[1] = gs.LosingHandBets[1] = 10;
    BuildShoe(gs);

    chkSysTray_->setChecked(false);
    gs.TrayIconOn = false;
    ShowTrayAvailability(TrayArea().Available());
}

void frmMain::frmMainReset() {
    GameState& gs = ctx_.gs;
    SetPlayerCaption(QStringLiteral("Player"));
    shpUp_->hide();
    ResetStatistics(gs);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* advanced = qobject_cast<frmAdvancedStats*>(top))
            advanced->ShowStreakCounts();
    gs.CurrentBet = ResetBet(gs);
    gs.TableHandsToPlay = sldHandsToPlay_->value() * 10;
    gs.HandsToPlay = gs.TableHandsToPlay;
    RestartStatistics();
    ShowBet();
    lblAmountWonOnHand_->setText(QStringLiteral("0"));
    BuildShoe(gs);
    prbHandsToPlay_->setValue(0);
    HideCards();
    lblPlayersHand_->clear();
    lblDealersHand_->clear();
    update();
}

void frmMain::cmdReset_Click() {
    frmMainReset();
}

// Each time the table becomes the active window it takes the streak bets and the decks as
// the streak editor's boxes show them.
void frmMain::Form_Activate() {
    GameState& gs = ctx_.gs;
    if (gs.BettingType != kStreakBetting)
        return;
    QString winning[10], losing[10], decks;
    if (!ctx_.nav.ReadStreakEditorTexts(winning, losing, decks))
        return;
    for (int i = 1; i <= 10; ++i) {
        gs.WinningHandBets[i] = AmountValue(FormatAmount(winning[i - 1]));
        gs.LosingHandBets[i] = AmountValue(FormatAmount(losing[i - 1]));
    }
    // A shoe needs at least one deck; an empty or absurd box keeps the decks in use.
    const auto deckCount = RoundHalfEven(AmountValue(FormatAmount(decks)));
    if (deckCount >= 1 && deckCount <= 8)
        SetDecksInShoe(gs, static_cast<int>(deckCount));
}

bool frmMain::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        Form_Activate();
        // A disabled table takes no input, so a click on it hands the focus on to the window
        // in front of it.
        if (QWidget* front = isEnabled() ? nullptr : WindowInFrontOf(this))
            QTimer::singleShot(0, front, [front] { front->activateWindow(); });
    }
    return QMainWindow::event(e);
}

void frmMain::changeEvent(QEvent* e) {
    if (e->type() == QEvent::WindowStateChange)
        Form_Resize();
    if (e->type() == QEvent::EnabledChange && isEnabled() && focusBeforeDisabled_)
        focusBeforeDisabled_->setFocus();
    QMainWindow::changeEvent(e);
}

// Disabled behind a window that changes the game state, the table takes no input, the close
// of its frame included; a modal window blocks that close, the streak editor shown modeless
// does not.
void frmMain::closeEvent(QCloseEvent* e) {
    if (!isEnabled() && !unloading_) {
        e->ignore();
        return;
    }
    Unload();
    e->accept();
}

// The table's unload ends the program; a round paused at "&Continue" is let go first.
void frmMain::Unload() {
    if (unloading_)
        return;
    unloading_ = true;
    Timer1_->stop();
    cmdNext_->hide();
    if (ctx_.gs.TrayIconOn) {
        RemoveTrayIcon(*this);
        ctx_.gs.TrayIconOn = false;
    }
    if (ctx_.gs.BettingType == kStreakBetting)
        ctx_.nav.UnloadStreakEditor();
    ctx_.nav.QuitProgram();
}

// Disabling a window takes its focus away. Enabled again, the table gives it back to where it
// was, as the windows that leave the focus alone expect; those that move it to Deal do so after.
void frmMain::DisableBehind() {
    focusBeforeDisabled_ = focusWidget();
    setEnabled(false);
}

void frmMain::cmdConfiguration_Click() {
    DisableBehind();
    ctx_.nav.ShowBettingEditorModal();
}

void frmMain::mnuBet_Click() {
    DisableBehind();
    if (ctx_.gs.BettingType == kStreakBetting)
        ctx_.nav.ShowStreakEditorModeless();
    else
        ctx_.nav.ShowBettingEditorModal();
}

void frmMain::cmdPlayingStrat_Click() {
    ctx_.nav.ShowPlayingStrategyEditor();
}
void frmMain::mnuOptPlayStrategy_Click() {
    ctx_.nav.ShowPlayingStrategyEditor();
}

void frmMain::cmdAdvancedStats_Click() {
    DisableBehind();
    ctx_.nav.ShowAdvancedStatistics();
}

void frmMain::cmdMultipleSessions_Click() {
    DisableBehind();
    ctx_.gs.MultiSessionMode = true;
    ctx_.nav.ShowMultipleSessions();
}

void frmMain::cmdQuit_Click() {
    Unload();
}
void frmMain::mnuExit_Click() {
    Unload();
}
void frmMain::mnupopExit_Click() {
    Unload();
}
void frmMain::mnuAbout_Click() {
}

} // namespace bj
