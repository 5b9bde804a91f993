#pragma once

#include <QString>

#include <set>
#include <string>

namespace bj {

struct GameState;
class StrategyDb;

// How windows reach one another without including each other: the application object
// owns the single instance of every window and implements this. Tests may stub it.
class Navigation {
public:
    virtual ~Navigation() = default;

    // Opened from the table window.
    virtual void ShowBettingEditorModal() = 0; // by BettingType
    virtual void ShowStreakEditorModeless() = 0;
    virtual void ShowPlayingStrategyEditor() = 0;
    virtual void ShowAdvancedStatistics() = 0;
    virtual void ShowMultipleSessions() = 0;
    virtual void UnloadStreakEditor() = 0;
    virtual void QuitProgram() = 0;
    // The table's activation step: the streak editor's bet and deck texts, box i at [i-1].
    virtual bool ReadStreakEditorTexts(QString winning[10], QString losing[10], QString& decks) = 0;

    // The table window as the other windows see it.
    virtual void SetTableEnabled(bool enabled) = 0;
    virtual void ShowTableBet(int bet) = 0; // lblCurrentBet
    virtual void FocusTableDeal() = 0;
    virtual void StopTableTimer() = 0;
    virtual int TableProgress() const = 0; // prbHandsToPlay value
    virtual bool MultiSessionOpen() const = 0;

    // The betting editors switching to each other after "Change Betting".
    virtual void SwitchBettingEditor() = 0;

    // The multi-session window's wants; a program without that window has none of them.
    virtual void ResetTable() { } // frmMainReset
    // The table's figures shown as they stand, as a run behind it goes on.
    virtual void ShowTableFigures() { }
    // The run's last round on the table, once the run has played one.
    virtual void ShowTableLastRound() { }
    // The instructions window, in its multi-session mode or the playing strategy mode.
    virtual void ShowPlayingStrategiesInstr(bool fromMulti) { (void)fromMulti; }
    // The streak editor's return names its strategy to the multi-session window.
    virtual void SetMultiSessionStrategyName(const QString& name) { (void)name; }
};

// What every window is built with.
struct AppContext {
    GameState& gs;
    StrategyDb* db; // null only in window tests that touch no stored strategy
    Navigation& nav;
    std::set<std::string> correctionsShown {}; // so each is told once a run
};

} // namespace bj
