#pragma once

#include "../engine/engine_fixture.h"
#include "../qt_case_rows.h"
#include "../recording_navigation.h"
#include "editors/instructions.h"
#include "engine/bet_sizing.h"
#include "engine/game_state.h"
#include "engine/shoe.h"
#include "shell/input_helpers.h"
#include "shell/scripted_messages.h"
#include "shell/window_services.h"
#include "simulator/frm_multiple_sessions.h"
#include "simulator/result_columns.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

namespace bj::test {

// The table window and application as the simulator sees them: what it asks is recorded,
// and the instructions window is the real one, one instance discarded on unload.
class StubNavigation final : public RecordingNavigation {
public:
    explicit StubNavigation(GameState& gs)
        : gs_(gs) { }

    // What the table's reset does to the game state.
    void ResetTable() override {
        calls << "ResetTable";
        ResetStatistics(gs_);
        gs_.CurrentBet = ResetBet(gs_);
        gs_.HandsToPlay = gs_.TableHandsToPlay;
        BuildShoe(gs_);
    }
    void ShowPlayingStrategiesInstr(bool fromMulti) override {
        if (!instructions)
            instructions = std::make_unique<frmPlayingStrategiesInstr>();
        if (fromMulti)
            instructions->bolFromMulti = true;
        if (leaveInstructionsOpen)
            return ShowModal(instructions.get());
        QTimer::singleShot(0, instructions.get(), [this] {
            shownInstructions << instructions->windowTitle() + " | " + instructions->Label1->text()
                    + " | " + instructions->Command1->text();
            instructions->Command1->click();
        });
        ShowModal(instructions.get());
    }

    void ShowTableFigures() override { tableBankrolls << gs_.Bankroll; }

    QStringList shownInstructions;
    QList<Currency> tableBankrolls; // as the table was shown them
    bool leaveInstructionsOpen = false; // else recorded and closed as soon as shown
    std::unique_ptr<frmPlayingStrategiesInstr> instructions;

private:
    GameState& gs_;
};

// A simulator window as the table opens it, over its own game state.
struct Simulator {
    GameState gs;
    StubNavigation nav {gs};
    AppContext ctx {gs, nullptr, nav};
    ScriptedMessages messages;
    std::unique_ptr<frmMultipleSessions> w;

    // Stands on everything, never insures, a flat bet of 10 that never steps, one deck.
    Simulator() {
        gs = FlatTable(1);
        SeedRandom(gs, 42);
        gs.VariableBetName = "Flat Ten";
        gs.PlayingStrategyName = "Stand Always";
        gs.MultiSessionMode = true;
        w = std::make_unique<frmMultipleSessions>(ctx);
        w->show();
    }

    std::array<QLineEdit*, 5> Boxes() const {
        return {w->txtWinBetAmt, w->txtLseBetAmt, w->txtPercent, w->txtNoHands, w->txtSeq};
    }
    QStringList Entries() const {
        QStringList texts;
        for (const QLineEdit* box : Boxes())
            texts << box->text();
        return texts;
    }
    // Types the entries key by key, as a user would, leaving each box as a user does.
    void Enter(const QString& win, const QString& loss, const QString& percent,
        const QString& hands, const QString& sessions) {
        const QString texts[] = {win, loss, percent, hands, sessions};
        for (int i = 0; i < 5; ++i) {
            QLineEdit* box = Boxes()[i];
            box->setFocus();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, texts[i]);
            QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(box, &leave);
        }
    }
    // Enters the five entries, given in one text separated by spaces, and runs.
    void Run(const QString& entries) {
        const QStringList e = entries.split(' ');
        Enter(e[0], e[1], e[2], e[3], e[4]);
        w->cmdRun_Click();
    }

    int Rows() const { return w->grdMain->model()->rowCount(); }
    QString Cell(int row, int column) const {
        return w->grdMain->model()->index(row, column).data().toString();
    }
    QStringList RowTexts(int row) const {
        QStringList texts;
        for (int c = 0; c < kResultColumns; ++c)
            texts << Cell(row, c);
        return texts;
    }
    QColor Colour(int row, int column) const {
        return w->grdMain->model()->index(row, column).data(Qt::ForegroundRole).value<QColor>();
    }
};

} // namespace bj::test
