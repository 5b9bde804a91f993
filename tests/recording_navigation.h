#pragma once

#include "shell/navigation.h"

#include <QStringList>

#include <algorithm>
#include <functional>

namespace bj::test {

// The rest of the program as a window under test sees it: every request is recorded by its
// name, with the value it carries, and the table's answers are fields a test sets.
class RecordingNavigation : public Navigation {
public:
    void ShowBettingEditorModal() override {
        calls << "ShowBettingEditorModal";
        if (onBettingEditor)
            onBettingEditor();
    }
    void ShowStreakEditorModeless() override { calls << "ShowStreakEditorModeless"; }
    void ShowPlayingStrategyEditor() override { calls << "ShowPlayingStrategyEditor"; }
    void ShowAdvancedStatistics() override { calls << "ShowAdvancedStatistics"; }
    void ShowMultipleSessions() override { calls << "ShowMultipleSessions"; }
    void UnloadStreakEditor() override { calls << "UnloadStreakEditor"; }
    void QuitProgram() override {
        calls << "QuitProgram";
        if (onQuit)
            onQuit();
    }
    bool ReadStreakEditorTexts(QString w[10], QString l[10], QString& d) override {
        std::copy(winning, winning + 10, w);
        std::copy(losing, losing + 10, l);
        d = decks;
        return streakEditorLoaded;
    }
    void SetTableEnabled(bool enabled) override {
        calls << QString("SetTableEnabled %1").arg(enabled);
    }
    void ShowTableBet(int bet) override { calls << QString("ShowTableBet %1").arg(bet); }
    void FocusTableDeal() override { calls << "FocusTableDeal"; }
    void StopTableTimer() override { calls << "StopTableTimer"; }
    int TableProgress() const override { return progress; }
    bool MultiSessionOpen() const override { return multiSessionOpen; }
    void SwitchBettingEditor() override { calls << "SwitchBettingEditor"; }
    void ShowTableLastRound() override { calls << "ShowTableLastRound"; }

    QStringList calls;
    int progress = 0;
    bool multiSessionOpen = false;
    bool streakEditorLoaded = false;
    QString winning[10], losing[10], decks;
    std::function<void()> onBettingEditor, onQuit;
};

} // namespace bj::test
