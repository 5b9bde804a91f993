#pragma once

#include "../engine/engine_fixture.h"
#include "../qt_case_rows.h"
#include "../recording_navigation.h"
#include "engine/game_state.h"
#include "fake_tray.h"
#include "table/frm_main.h"

#include <QEventLoop>
#include <QLabel>
#include <QList>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

namespace bj::test {

using StubNavigation = RecordingNavigation; // the name the benchmarks use

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
    FakeTray tray; // a desktop without a notification area until a test says otherwise
    GameState gs;
    RecordingNavigation nav;
    AppContext ctx {gs, nullptr, nav};
    std::unique_ptr<frmMain> window;

    Table() {
        FillStrategy(gs);
        window = std::make_unique<frmMain>(ctx);
    }

    template <class T = QLabel> T* Find(const QString& name) const {
        return window->findChild<T*>(name);
    }
    // The text of a label, button or action, or the title of a menu.
    QString Text(const QString& name, const QWidget* in = nullptr) const {
        const QObject* shown = (in ? in : window.get())->findChild<QObject*>(name);
        return !shown ? QString("<no such control>")
                      : shown->property(shown->inherits("QMenu") ? "title" : "text").toString();
    }
    QTimer* Timer() const { return Find<QTimer>("Timer1"); }
    // Compares the controls of the table, or of the window given, with "name=text" pairs, naming
    // the one that differs.
    void Expect(const QStringList& pairs, const QWidget* in = nullptr) const {
        for (const QString& pair : pairs) {
            const QString name = pair.section('=', 0, 0);
            QCOMPARE(name + "=" + Text(name, in), pair);
        }
    }

    // Deals in single-hand mode; `onPause` runs while the round waits at "&Continue".
    void PlayPaused(QTimer& poll, const QList<int>& ranks, std::function<void()> onPause) {
        window->show();
        window->optContinuousPlay_Click(1);
        StackRanks(gs, ranks);
        QObject::connect(&poll, &QTimer::timeout, [next = Find<QWidget>("cmdNext"), onPause] {
            if (!next->isHidden())
                onPause();
        });
        poll.start(10);
        window->cmdDeal_Click();
    }
    // One round through the window's own Deal, tick and Stop, without waiting for the timer.
    void PlayRound(const QList<int>& ranks) {
        StackRanks(gs, ranks);
        window->cmdDeal_Click();
        window->Timer1_Timer();
        window->cmdStop_Click();
    }
};

} // namespace bj::test
