#include "app/application.h"

#include "editors/betting_type_chooser.h"
#include "editors/instructions.h"
#include "editors/playing_editor.h"
#include "editors/strategy_corrections.h"
#include "editors/streak_editor.h"
#include "editors/variable_editor.h"
#include "shell/control_hooks.h"
#include "shell/frmSplash.h"
#include "shell/message_box.h"
#include "shell/window_services.h"
#include "simulator/frm_multiple_sessions.h"
#include "store/playing_strategies.h"
#include "store/protected_defaults.h"
#include "table/frm_advanced_stats.h"
#include "table/frm_main.h"

#include <QApplication>
#include <QComboBox>
#include <QThread>

namespace bj {

Application::Application(QString databasePath)
    : databasePath_(std::move(databasePath))
    , ctx_ {gs_, nullptr, *this} {
    // The program ends when the table window unloads, never because some other window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallEnterPressesFocusedButton();
}

Application::~Application() = default;

bool Application::Start() {
    try {
        Splash();
        if (!OpenDatabase())
            return false;
        gs_.StreakListIndex = 0;
        gs_.VariableListIndex = 0;
        gs_.VariableStrategyLoaded = true;
        ShowSplash();
        if (ended_)
            return false;
        ShowModal(&BettingTypeChooser());
        if (ended_)
            return false;
        gs_.ReturnButtonCaption = "Start Game";
        LoadWindowsAndTable();
        EnterBettingEditor();
    } catch (const std::exception& failure) {
        EndOnFailure(failure);
    }
    return !ended_;
}

int Application::Run() {
    if (!ended_)
        QApplication::exec();
    return exitCode_;
}

bool Application::OpenDatabase() {
    try {
        db_.emplace(OpenStrategyDatabase(databasePath_.toStdString()));
    } catch (const StoreError& failure) {
        EndOnFailure(failure);
        return false;
    }
    ctx_.db = &*db_;
    return true;
}

void Application::ShowSplash() {
    ShowModal(&Splash());
    splash_.reset();
}

void Application::LoadWindowsAndTable() {
    if (gs_.BettingType != kStreakBetting)
        VariableEditor().Form_Load();
    else
        StreakEditor().Form_Load();
    Table();
    AdvancedStatistics();
    // The table first: a window manager keeps a window in front of another only once it
    // knows that other one.
    ShowModeless(&Table());
    Table().setEnabled(false);
    if (gs_.BettingType == kStreakBetting)
        ShowModeless(OverTable(&StreakEditor()));
    if (const auto playing = LoadPlayingStrategy(*db_, kDefaultRefNo, gs_))
        ReportCorrections(
            ctx_, "playing strategy", kDefaultRefNo, playing->Name, playing->Corrections, false);
    else
        Messages().Show(QStringLiteral("The default playing strategy is missing from \"%1\"; "
                                       "choose another playing strategy before playing.")
                            .arg(databasePath_),
            AppTitle(), MsgIcon::Information, MsgButtons::Ok);
    AdvancedStatistics().setEnabled(true);
    AdvancedStatistics().hide();
}

void Application::EnterBettingEditor() {
    if (gs_.BettingType != kStreakBetting) {
        ShowModal(OverTable(&VariableEditor()));
        return;
    }
    Configuration& editor = StreakEditor();
    if (editor.cboNames->count() > 0) {
        if (editor.cboNames->currentIndex() == 0)
            editor.cboNames_Click();
        else
            editor.cboNames->setCurrentIndex(0);
    }
    editor.raise();
    editor.activateWindow();
    editor.setFocus();
}

void Application::EndOnFailure(const std::exception& failure) {
    const auto* storeFailure = dynamic_cast<const StoreError*>(&failure);
    const QString what = QString::fromStdString(failure.what());
    const QString text = storeFailure
        ? what + QStringLiteral("\n\nThe program will now close.")
        : QStringLiteral(
            "An unexpected error stopped the program: %1\n\nThe program will now close.")
              .arg(what);
    Messages().Show(text, AppTitle(), MsgIcon::Information, MsgButtons::Ok);
    EndProgram(1);
}

void Application::EndProgram(int exitCode) {
    if (ended_)
        return;
    ended_ = true;
    exitCode_ = exitCode;
    // Ending is immediate: no window gets to ask its closing questions.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    // A run in play handles events without an event loop of its own; it stops at its next
    // check instead of playing on unseen.
    if (multiSessions_)
        multiSessions_->bCancelled = true;
    // Leaves every running event loop, nested modal shows included. With none running there
    // is nothing to leave, and asking anyway would make later loops return at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(exitCode);
}

frmSplash& Application::Splash() {
    if (!splash_)
        splash_ = std::make_unique<frmSplash>();
    return *splash_;
}

frmSelectBettingStrat& Application::BettingTypeChooser() {
    if (!chooser_)
        chooser_ = std::make_unique<frmSelectBettingStrat>(ctx_);
    return *chooser_;
}

Configuration& Application::StreakEditor() {
    if (!streakEditor_) {
        streakEditor_ = std::make_unique<Configuration>(ctx_);
        streakEditor_->SetChooser(&BettingTypeChooser());
    }
    return *streakEditor_;
}

frmVariableConfig& Application::VariableEditor() {
    if (!variableEditor_) {
        variableEditor_ = std::make_unique<frmVariableConfig>(ctx_);
        variableEditor_->SetChooser(&BettingTypeChooser());
    }
    return *variableEditor_;
}

frmMain& Application::Table() {
    if (!table_)
        table_ = std::make_unique<frmMain>(ctx_);
    return *table_;
}

frmAdvancedStats& Application::AdvancedStatistics() {
    if (!advancedStats_)
        advancedStats_ = std::make_unique<frmAdvancedStats>(ctx_);
    return *advancedStats_;
}

frmConfiguration& Application::PlayingEditor() {
    if (!playingEditor_)
        playingEditor_ = std::make_unique<frmConfiguration>(ctx_);
    return *playingEditor_;
}

} // namespace bj
