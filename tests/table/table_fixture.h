#pragma once

#include "engine/game_state.h"
#include "engine/shoe.h"
#include "shell/navigation.h"
#include "table/frm_main.h"

#include <QEventLoop>
#include <QLabel>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <memory>

namespace bj::test {

// Records what the table asks of the rest of the program.
class StubNavigation final : public Navigation {
public:
    QStringList calls;
    bool streakEditorLoaded = false;
    QString winning[10], losing[10], decks;

    void ShowBettingEditorModal() override { calls << "ShowBettingEditorModal"; }
    void ShowStreakEditorModeless() override { calls << "ShowStreakEditorModeless"; }
    void ShowPlayingStrategyEditor() override { calls << "ShowPlayingStrategyEditor"; }
    void ShowAdvancedStatistics() override { calls << "ShowAdvancedStatistics"; }
    void ShowMultipleSessions() override { calls << "ShowMultipleSessions"; }
    void UnloadStreakEditor() override { calls << "UnloadStreakEditor"; }
    void QuitProgram() override { calls << "QuitProgram"; }
    bool ReadStreakEditorTexts(QString w[10], QString l[10], QString& d) override {
        if (!streakEditorLoaded)
            return false;
        for (int i = 0; i < 10; ++i) {
            w[i] = winning[i];
            l[i] = losing[i];
        }
        d = decks;
        return true;
    }
    void SetTableEnabled(bool enabled) override {
        calls << QString("SetTableEnabled %1").arg(enabled);
    }
    void ShowTableBet(int) override { }
    void FocusTableDeal() override { calls << "FocusTableDeal"; }
    void StopTableTimer() override { calls << "StopTableTimer"; }
    int TableProgress() const override { return 0; }
    bool MultiSessionOpen() const override { return false; }
    void SwitchBettingEditor() override { }
    void RefreshTable() override { }
};

// Hard 16 (a pair of eights) splits, hard 11 doubles, everything else stands; insurance
// on a hard 20; a flat bet of 5 that never moves.
inline void FillStrategy(GameState& gs) {
    for (auto& row : gs.StrategyMatrix)
        row.fill(kStand);
    gs.StrategyMatrix[16].fill(kSplitOrStand);
    gs.StrategyMatrix[7].fill(kDoubleDown);
    gs.InsuranceByRow.fill(false);
    gs.InsuranceByRow[24] = true;
    gs.InsuranceOn21 = kPlayOutHand;
    gs.DealerSoft17 = 1;
    gs.DoubleOnSplits = false;
    gs.BettingType = kVariableBetting;
    gs.InitialBet = 5;
    gs.MinimumBet = 1;
    gs.MaximumBet = 1000;
    gs.WinBet = gs.LoseBet = 0;
}

// Runs the event loop at full speed (QTest's waits sleep between rounds of events) until
// `done` holds or the time is up; returns whether it holds.
template <class Predicate> bool RunUntil(Predicate done, int timeoutMs = 30000) {
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (done())
            loop.quit();
    });
    check.start(5);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
    return done();
}

// A table window over its own game state.
struct Table {
    GameState gs;
    StubNavigation nav;
    AppContext ctx {gs, nullptr, nav};
    std::unique_ptr<frmMain> window;

    Table() {
        FillStrategy(gs);
        window = std::make_unique<frmMain>(ctx);
    }

    template <class T = QLabel> T* Find(const QString& name) const {
        T* control = window->findChild<T*>(name);
        if (!control)
            qWarning("no control %s", qPrintable(name));
        return control;
    }
    QString Text(const QString& label) const { return Find<QLabel>(label)->text(); }

    // One round through the window's own Deal, tick and Stop, without waiting for the timer.
    void PlayRound(std::initializer_list<int> ranks) {
        StackShoeRanks(gs, ranks);
        window->cmdDeal_Click();
        window->Timer1_Timer();
        window->cmdStop_Click();
    }
};

} // namespace bj::test
