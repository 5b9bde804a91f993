#pragma once

#include "engine/game_state.h"
#include "shell/navigation.h"
#include "shell/scripted_messages.h"
#include "store/strategy_db.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <vector>

class QLineEdit;

namespace bj::test {

// A table window and application that only record what the editors ask of them.
class StubNavigation final : public Navigation {
public:
    void ShowBettingEditorModal() override { }
    void ShowStreakEditorModeless() override { }
    void ShowPlayingStrategyEditor() override { }
    void ShowAdvancedStatistics() override { }
    void ShowMultipleSessions() override { }
    void UnloadStreakEditor() override { }
    void QuitProgram() override { }
    bool ReadStreakEditorTexts(QString[10], QString[10], QString&) override { return false; }

    void SetTableEnabled(bool enabled) override { calls << QString("enabled %1").arg(enabled); }
    void ShowTableBet(int bet) override { calls << QString("bet %1").arg(bet); }
    void FocusTableDeal() override { calls << "focus deal"; }
    void StopTableTimer() override { calls << "stop timer"; }
    int TableProgress() const override { return progress; }
    bool MultiSessionOpen() const override { return multiSessionOpen; }
    void SwitchBettingEditor() override { calls << "switch editor"; }
    void RefreshTable() override { }

    QStringList calls;
    int progress = 0;
    bool multiSessionOpen = false;
};

// A freshly seeded database in a folder of its own, the game state as start-up leaves it,
// and every message recorded.
struct EditorFixture {
    EditorFixture();

    QTemporaryDir folder;
    StrategyDb db;
    GameState gs;
    StubNavigation nav;
    AppContext ctx {gs, &db, nav};
    ScriptedMessages messages;
};

// Types into the box as a user would, key by key.
void TypeInto(QLineEdit* box, const QString& text);
// Shows the window and waits until it is the active one, so focus can be checked.
bool ShowActive(QWidget* window);

} // namespace bj::test
