#pragma once

#include "engine/game_state.h"
#include "shell/navigation.h"
#include "store/strategy_db.h"

#include <QString>

class QWidget;

#include <exception>
#include <memory>
#include <optional>

namespace bj {

class Configuration;
class frmAdvancedStats;
class frmConfiguration;
class frmMain;
class frmMultipleSessions;
class frmPlayingStrategiesInstr;
class frmSelectBettingStrat;
class frmSplash;
class frmVariableConfig;

// The program: owns the game state, the strategy database and the one instance of every
// window, runs the entry routine and carries out the moves between windows.
class Application final : public Navigation {
public:
    explicit Application(QString databasePath);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The entry routine. False when the program ended, or could not start, on the way;
    // ExitCode() then says how.
    bool Start();
    // Runs on window events until the program ends; the exit code.
    int Run();
    bool Ended() const { return ended_; }
    int ExitCode() const { return exitCode_; }

    // Tells the user what went wrong, in plain words, and ends the program with a failure
    // code. For failures that reach the top without being handled where they arose.
    void EndOnFailure(const std::exception& failure);

    GameState& State() { return gs_; }
    StrategyDb* Database() { return db_ ? &*db_ : nullptr; }

    // Each window is created and loaded when first asked for and kept until unloaded.
    frmSplash& Splash();
    frmSelectBettingStrat& BettingTypeChooser();
    Configuration& StreakEditor();
    frmVariableConfig& VariableEditor();
    frmMain& Table();
    frmAdvancedStats& AdvancedStatistics();
    frmConfiguration& PlayingEditor();
    // Whether the window is loaded now, without loading it.
    bool StreakEditorLoaded() const { return streakEditor_ != nullptr; }
    bool TableLoaded() const { return table_ != nullptr; }

    // Navigation.
    void ShowBettingEditorModal() override;
    void ShowStreakEditorModeless() override;
    void ShowPlayingStrategyEditor() override;
    void ShowAdvancedStatistics() override;
    void ShowMultipleSessions() override;
    void UnloadStreakEditor() override;
    void QuitProgram() override;
    bool ReadStreakEditorTexts(QString winning[10], QString losing[10], QString& decks) override;
    void SetTableEnabled(bool enabled) override;
    void ShowTableBet(int bet) override;
    void FocusTableDeal() override;
    void StopTableTimer() override;
    int TableProgress() const override;
    bool MultiSessionOpen() const override;
    void SwitchBettingEditor() override;
    void ShowTableFigures() override;
    void ShowTableLastRound() override;
    void ResetTable() override;
    void ShowPlayingStrategiesInstr(bool fromMulti) override;
    void SetMultiSessionStrategyName(const QString& name) override;
    // The multi-session window while it is open, else null.

private:
    bool OpenDatabase();
    void ShowSplash();
    void LoadWindowsAndTable();
    void EnterBettingEditor();
    void EndProgram(int exitCode);
    // Every window the table opens stays in front of it.
    QWidget* OverTable(QWidget* window);

    QString databasePath_;
    GameState gs_;
    std::optional<StrategyDb> db_;
    AppContext ctx_;
    bool ended_ = false;
    int exitCode_ = 0;

    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<frmSelectBettingStrat> chooser_;
    std::unique_ptr<Configuration> streakEditor_;
    std::unique_ptr<frmVariableConfig> variableEditor_;
    std::unique_ptr<frmMain> table_;
    std::unique_ptr<frmAdvancedStats> advancedStats_;
    std::unique_ptr<frmMultipleSessions> multiSessions_;
    std::unique_ptr<frmConfiguration> playingEditor_;
    std::unique_ptr<frmPlayingStrategiesInstr> instructions_;
    QString multiSessionStrategy_; // strStrategy, kept while the window is closed
};

} // namespace bj
