#include "app/application.h"

#include "editors/instructions.h"
#include "editors/playing_editor.h"
#include "editors/streak_editor.h"
#include "editors/variable_editor.h"
#include "shell/window_services.h"
#include "simulator/frm_multiple_sessions.h"
#include "table/frm_advanced_stats.h"
#include "table/frm_main.h"

namespace bj {

QWidget* Application::OverTable(QWidget* window) {
    KeepInFrontOf(window, table_.get());
    return window;
}

void Application::ShowBettingEditorModal() {
    if (gs_.BettingType != kStreakBetting)
        ShowModal(OverTable(&VariableEditor()));
    else
        ShowModal(OverTable(&StreakEditor()));
}

void Application::ShowStreakEditorModeless() {
    ShowModeless(OverTable(&StreakEditor()));
}

// The table stays enabled behind it; opened from the multi-session window it stays in front of
// that one.
void Application::ShowPlayingStrategyEditor() {
    frmConfiguration& editor = PlayingEditor();
    KeepInFrontOf(
        &editor, multiSessions_ ? static_cast<QWidget*>(multiSessions_.get()) : table_.get());
    ShowModal(&editor);
}

void Application::ShowAdvancedStatistics() {
    ShowModal(OverTable(&AdvancedStatistics()));
}

// Each opening loads the window afresh; it is discarded once it has unloaded.
void Application::ShowMultipleSessions() {
    if (multiSessions_)
        return;
    multiSessions_ = std::make_unique<frmMultipleSessions>(ctx_);
    multiSessions_->strStrategy = multiSessionStrategy_;
    ShowModal(OverTable(multiSessions_.get()));
    multiSessions_.release()->deleteLater();
    ShowTableFigures();
}

// The simulator plays without drawing the table, which catches up as the run redraws.
void Application::ShowTableFigures() {
    if (table_)
        table_->ShowGameState();
}

void Application::ShowTableLastRound() {
    if (table_)
        table_->ShowLastRoundPlayed();
}

void Application::SetMultiSessionStrategyName(const QString& name) {
    multiSessionStrategy_ = name;
    if (multiSessions_)
        multiSessions_->strStrategy = name;
}

// The window is discarded when it unloads, so every opening starts from its load step.
void Application::ShowPlayingStrategiesInstr(bool fromMulti) {
    if (!instructions_)
        instructions_ = std::make_unique<frmPlayingStrategiesInstr>();
    if (fromMulti)
        instructions_->bolFromMulti = true;
    QWidget* owner = table_.get();
    if (playingEditor_ && playingEditor_->isVisible())
        owner = playingEditor_.get();
    else if (multiSessions_)
        owner = multiSessions_.get();
    KeepInFrontOf(instructions_.get(), owner);
    ShowModal(instructions_.get());
    instructions_.release()->deleteLater();
}

void Application::UnloadStreakEditor() {
    if (!streakEditor_)
        return;
    streakEditor_->hide();
    streakEditor_.release()->deleteLater();
}

void Application::QuitProgram() {
    if (gs_.BettingType == kStreakBetting)
        UnloadStreakEditor();
    if (advancedStats_) {
        advancedStats_->hide();
        advancedStats_.release()->deleteLater();
    }
    EndProgram(0);
}

bool Application::ReadStreakEditorTexts(QString winning[10], QString losing[10], QString& decks) {
    if (!streakEditor_)
        return false;
    streakEditor_->ReadStreakTexts(winning, losing, decks);
    return true;
}

void Application::SetTableEnabled(bool enabled) {
    if (table_)
        table_->setEnabled(enabled);
}

void Application::ShowTableBet(int bet) {
    if (table_)
        table_->ShowBet(bet);
}

void Application::FocusTableDeal() {
    if (table_)
        table_->FocusDeal();
}

void Application::StopTableTimer() {
    if (table_)
        table_->StopTimer();
}

int Application::TableProgress() const {
    return table_ ? table_->ProgressShown() : 0;
}

bool Application::MultiSessionOpen() const {
    return multiSessions_ && multiSessions_->bVisible;
}

void Application::SwitchBettingEditor() {
    ShowBettingEditorModal();
}

void Application::ResetTable() {
    if (table_)
        table_->frmMainReset();
}

} // namespace bj
