#include "../window_reach.h"
#include "simulator_fixture.h"

#include "simulator/frm_hourly_stats.h"

#include "app/guarded_application.h"
#include "simulator/amount_text.h"
#include "simulator/run_chart.h"
#include "simulator/run_summary.h"
#include "store/store_error.h"

#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>

#include <chrono>

using namespace bj;
using namespace bj::test;

namespace {

const QList<int> kWin {10, 7, 10, 9}, kLoss {10, 9, 10, 7}, kPush {10, 8, 10, 8};

QString ColourName(const QColor& c) {
    return c == QColor(0, 0, 0)  ? "black"
        : c == QColor(0, 0, 255) ? "blue"
        : c == QColor(255, 0, 0) ? "red"
                                 : c.name();
}

// Every row as "cell|cell|...", with the colours of the last three columns after it.
QStringList Grid(const Simulator& s) {
    QStringList rows;
    for (int r = 0; r < s.Rows(); ++r) {
        QStringList colours;
        for (int c : {kColTotal, kColWonLost, kColTotalWonLost})
            colours << ColourName(s.Colour(r, c));
        rows << s.RowTexts(r).join('|') + " " + colours.join('/');
    }
    return rows;
}

// Entries (win, loss, percent, hands, sessions), cards, rows, the run's total.
using EdgeCase = std::tuple<QString, QList<int>, QStringList, QString>;
// Box (0 win, 1 loss, 2 percent, 3 hands, 4 sessions), text typed, what follows.
using BoxCase = std::tuple<int, QString, QString>;
// Box, text typed, text kept, text on leaving the box.
using Keys = std::tuple<int, QString, QString, QString>;

} // namespace

class SimulatorWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Zero entries, Run ready and the grid's headers; its columns then widen for huge amounts.
    void opensReadyAndWidensColumnsForHugeAmounts() {
        Simulator s;
        QCOMPARE(QStringList({s.w->windowTitle(), s.w->lblStartingBank->text(),
                     s.w->txtStrategy->text(), s.w->txtPlayingStrategy->text()}),
            QStringList({"Multiple Session Simulation", "$10,000.00", "Flat Ten", "Stand Always"}));
        QCOMPARE(s.Entries(), QStringList({"0.00", "0.00", "0", "0", "0"}));
        QVERIFY(s.w->cmdRun->isEnabled() && !s.w->cmdCancel->isEnabled());
        QCOMPARE(s.gs.HandsToPlay, 0);
        s.gs.Bankroll = Currency::FromWhole(-123'456'789'012);
        s.Run("0 0 0 1 1");
        const QFontMetrics metrics = s.w->grdMain->fontMetrics();
        QStringList headers;
        for (int c = 0; c < kResultColumns; ++c) {
            headers << s.w->grdMain->model()->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(s.w->grdMain->columnWidth(c) > metrics.horizontalAdvance(s.Cell(0, c)),
                qPrintable(s.Cell(0, c)));
        }
        QCOMPARE(headers,
            QStringList({"", "Max. Winning Amt", "Max. Losing Amt", "Hands Played", "Time (HH:MM)",
                "Total", "Won/Lost", "Total Won/Lost"}));
    }

    // A screen with a panel keeps the buttons and the totals row on the screen, where a
    // narrow one scrolls to them; the button column shows whole without scrolling on each,
    // and no screen scrolls sideways: a narrow one puts the run summary in one column.
    void fitsTheScreen_data() {
        CaseRows<QSize>({{"1366 x 768 with a panel", QSize(1366, 720)},
            {"1280 x 1024", QSize(1280, 976)}, {"1024 x 768 with a panel", QSize(1024, 720)}});
    }
    void fitsTheScreen() {
        const QSize usable = Case<QSize>();
        Simulator s;
        frmMultipleSessions* w = s.w.get(); // shown already
        FitWithin(w, QSize(1300, 760), usable);
        QVERIFY2(QRect(QPoint(), usable - kFrameAllowance).contains(w->rect()),
            qPrintable(QString("%1 x %2").arg(w->width()).arg(w->height())));
        for (QWidget* button : {w->cmdRun, w->cmdCancel, w->cmdReset, w->cmdHourlyStats, w->cmdInfo,
                 w->cmdExport, w->cmdReturnToGame})
            QVERIFY2(button->visibleRegion() == QRegion(button->rect()),
                qPrintable(button->objectName()));
        QList<QWidget*> controls {
            w->grdMain, w->chart, w->summary, w->prbHandsPlayed, w->lblTotalTime};
        for (QPushButton* button : w->findChildren<QPushButton*>())
            controls << button;
        CheckReachable(*w, controls);
        QCOMPARE(w->findChild<QScrollArea*>()->horizontalScrollBar()->maximum(), 0);
        const RunSummary& summary = *w->summary;
        const bool sideBySide = usable.width() > 1024;
        QTRY_COMPARE(summary.lblAmountWagered->x() > summary.lblEndedWin->x(), sideBySide);
        QCOMPARE(summary.lblAmountWagered->y() > summary.lblMeanPerSession->y(), !sideBySide);
    }

    // Tab goes from the last box to the button column, from it on to the grid, and leaves a
    // table of results rather than walking its cells: the charts and the window's scroll area
    // take no keys, so Tab goes on to the first box. Typing in a table searches nothing (a
    // search reads every row). The hourly window goes back on Escape or Return from its table.
    void keysCrossTheButtonsAndLeaveTheTables() {
        Simulator s;
        s.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.w.get()));
        s.Run("10 10 0 5 3");
        const auto tab = [](QWidget* from) {
            from->setFocus();
            QTest::keyClick(from, Qt::Key_Tab);
            return QApplication::focusWidget();
        };
        const auto typedMoves = [](QAbstractItemView* table) {
            table->setCurrentIndex(table->model()->index(0, 0));
            QTest::keyClick(table, Qt::Key_3);
            return table->currentIndex().row() != 0;
        };
        QCOMPARE(tab(s.w->txtSeq), s.w->cmdRun);
        QCOMPARE(tab(s.w->cmdReturnToGame), s.w->grdMain);
        QVERIFY(!typedMoves(s.w->grdMain));
        s.w->grdMain->setCurrentIndex(s.w->grdMain->model()->index(0, 1));
        QCOMPARE(tab(s.w->grdMain), s.w->txtPlayingStrategy);
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            frmHourlyStats hourly(s.w->Results(), "00:10", "-$5.00");
            hourly.show();
            hourly.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&hourly));
            QVERIFY(!typedMoves(hourly.grdHourlyStats));
            QVERIFY(tab(hourly.grdHourlyStats) != hourly.grdHourlyStats);
            hourly.grdHourlyStats->setFocus();
            QTest::keyClick(hourly.grdHourlyStats, key);
            QVERIFY(!hourly.isVisible());
        }
    }

    void runEdgeCases_data() {
        CaseRows<EdgeCase>({{"no sessions", {"0 0 0 10 0", {}, {}, "$0.00"}},
            {"max losing 0 stops below the start, as a loss",
                {"1000 0 0 9 1", kWin + kLoss + kPush + kLoss,
                    {"1|10.00|-10.00|4|00:01|9,990.00|-10.00|-10.00 red/red/red"}, "-10.00"}},
            {"max winning 0, bail-out 0: a first win stops, as a win",
                {"0 1000 0 9 1", kPush + kWin,
                    {"1|10.00|0.00|2|00:01|10,010.00|10.00|10.00 blue/blue/blue"}, "10.00"}},
            {"max winning 0: a first loss gives it all back, as a win",
                {"0 1000 0 9 1", kLoss,
                    {"1|0.00|-10.00|1|00:01|9,990.00|-10.00|-10.00 blue/red/red"}, "-10.00"}},
            {"bail-out 100 stops back at the start",
                {"10 1000 100 9 1", kWin + kWin + kLoss + kLoss,
                    {"1|20.00|0.00|4|00:01|10,000.00|0.00|0.00 blue/blue/blue"}, "0.00"}},
            {"no hands per session",
                {"1000 1000 0 0 2", {},
                    QStringList({"1|0.00|0.00|0|00:01|10,000.00|0.00|0.00 blue/blue/blue",
                        "2|0.00|0.00|0|00:01|10,000.00|0.00|0.00 blue/blue/blue"}),
                    "0.00"}},
            {"played through, then a loss in the next session",
                {"1000 5 0 2 2", kWin + kPush + kLoss + kLoss,
                    {"1|10.00|0.00|2|00:01|10,010.00|10.00|10.00 black/blue/blue",
                        "2|0.00|-10.00|1|00:01|10,000.00|-10.00|0.00 red/red/blue"},
                    "0.00"}}});
    }
    void runEdgeCases() {
        const auto [entries, cards, rows, total] = Case<EdgeCase>();
        Simulator s;
        StackRanks(s.gs, cards);
        s.Run(entries);
        QCOMPARE(Grid(s), rows);
        QCOMPARE(QStringList({s.w->lblTotalBank->text(), s.w->lblTotalTime->text()}),
            QStringList({total, "00:01"}));
        QCOMPARE(s.w->lblStartingBank->text(),
            s.Rows() ? "$" + s.Cell(s.Rows() - 1, kColTotal) : QString("$10,000.00"));
        QVERIFY(s.w->cmdRun->isEnabled() && s.w->cmdReset->isEnabled()
            && s.w->cmdReturnToGame->isEnabled() && !s.w->cmdCancel->isEnabled()
            && s.w->prbHandsPlayed->value() == 0 && s.messages.shown.empty()
            && s.nav.calls.contains("ShowTableBet 10"));
    }

    // Nothing is played and nothing shown so far is lost.
    void refusedEntries_data() {
        const QString bailOut
            = "Bail Out Percent | Please enter a Bail Out Percent between 0 and 100";
        const QString hands
            = "Hands to Play | Please enter a number of hands to play between 0 and 32,767";
        CaseRows<BoxCase>({{"bail-out 101", {2, "101", bailOut}},
            {"32,768 hands", {3, "32768", hands}},
            {"hands past the range of a double", {3, QString(400, '9'), hands}},
            {"2,147,483,648 sessions",
                {4, "2147483648",
                    "Times to Play | Please enter a number of times to play between 0 and "
                    "2,147,483,647"}},
            {"more sessions than the list holds",
                {4, "20000001",
                    "Times to Play | The results list holds at most 20,000,000 sessions. Please "
                    "enter a number of times to play between 0 and 20,000,000"}},
            {"a winning amount too large",
                {0, "10000000000000",
                    "Max Winning Amount | Please enter a Max Winning Amount between 0.00 and "
                    "1,000,000,000,000.00"}},
            {"a losing amount past the range of a double",
                {1, QString(400, '9'),
                    "Max Losing Amount | Please enter a Max Losing Amount between 0.00 and "
                    "1,000,000,000,000.00"}},
            {"a bail-out past the range of a double", {2, QString(400, '9'), bailOut}}});
    }
    void refusedEntries() {
        const auto [box, typed, message] = Case<BoxCase>();
        Simulator s;
        s.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.w.get()));
        s.Run("1000 1000 0 5 1");
        const QStringList before = s.RowTexts(0);
        const Currency bank = s.gs.Bankroll;
        QStringList entries {"1000", "1000", "0", "5", "1"};
        entries[box] = typed;
        s.Run(entries.join(' '));
        QVERIFY(s.messages.shown.size() == 1 && s.messages.shown[0].icon == MsgIcon::Information);
        QCOMPARE(s.messages.shown[0].title + " | " + s.messages.shown[0].text, message);
        QCOMPARE(QApplication::focusWidget(), s.Boxes()[box]);
        // Selected, so that what is typed next replaces it, wherever the focus was.
        QCOMPARE(s.Boxes()[box]->selectedText(), s.Boxes()[box]->text());
        QVERIFY(s.Rows() == 1 && s.RowTexts(0) == before && s.gs.Bankroll == bank);
        QVERIFY(s.w->cmdRun->isEnabled() && s.w->cmdReset->isEnabled());
    }

    void keysThatPassAndFormats_data() {
        CaseRows<Keys>({{"winning amount", {0, "12.5a-,", "12.5", "12.50"}},
            {"grouped on leaving", {0, "1234.5", "1234.5", "1,234.50"}},
            {"losing amount", {1, "x3.25", "3.25", "3.25"}},
            {"percent", {2, "1.0%", "10", "10.00"}}, {"hands", {3, "-5e0", "50", "50"}},
            {"sessions", {4, "1,000", "1000", "1000"}}});
    }
    void keysThatPassAndFormats() {
        const auto [box, typed, kept, leaving] = Case<Keys>();
        Simulator s;
        QLineEdit* b = s.Boxes()[box];
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Backspace);
        QTest::keyClicks(b, typed);
        // A message such as F1's help takes the focus and gives it back: the box is neither
        // left nor entered, so typing goes on from where it was.
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(b, &away);
        QApplication::sendEvent(b, &back);
        QCOMPARE(b->text() + " | " + b->selectedText(), kept + " | ");
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(b, &leave);
        QCOMPARE(b->text(), leaving);
        if (box == 3)
            QCOMPARE(s.gs.HandsToPlay, 50);
    }

    void helpTexts_data() {
        CaseRows<QString>({{"txtWinBetAmt",
                               "This is the Winning Amount when you wish to stop.\nIf you enter a "
                               "Bail Out Percent, then the game\nwill continue to play until you "
                               "have lost the\npercentage of your winnings that you indicated."},
            {"txtLseBetAmt", "This is the Losing Amount when you wish to stop."},
            {"txtPercent",
                "This is the percentage where if you hit your\nMax Winning Amount, you wish to "
                "keep playing\nuntil you have lost the specified percentage\nof your winnings.\n"
                "i.e.\nMax Winning Amount = $100.00\nBail Out Percent = 10%\nIf your Winning "
                "Amount climbs to $110.00, then\nyou will stop playing after you lose $11.00"},
            {"txtNoHands", "Number of Hands to Play per session."},
            {"txtSeq", "Number of sessions to play."}});
    }
    void helpTexts() {
        const QString help = Case<QString>();
        Simulator s;
        QTest::keyClick(s.w->findChild<QLineEdit*>(QTest::currentDataTag()), Qt::Key_F1);
        QCOMPARE(s.messages.Texts(), QStringList {help});
        QVERIFY(s.messages.shown[0].icon == MsgIcon::None
            && s.messages.shown[0].buttons == MsgButtons::Ok);
    }

    // The engine finishes the round under way; a push leaves the session unsettled, which
    // counts as stopped.
    void cancelDuringTheFirstRound_data() {
        CaseRows<std::pair<QList<int>, QString>>(
            {{"won", {kWin, "1|10.00|0.00|1|00:01|10,010.00|10.00|10.00 black/blue/blue"}},
                {"pushed", {kPush, "1|0.00|0.00|1|00:01|10,000.00|0.00|0.00 blue/blue/blue"}}});
    }
    void cancelDuringTheFirstRound() {
        const auto [round, row] = Case<std::pair<QList<int>, QString>>();
        Simulator s;
        using namespace std::chrono_literals;
        s.w->SetRunClock([&s] { return s.gs.SessionHandsPlayed >= 1 ? 1s : 0s; }, 1);
        StackRanks(s.gs, round);
        s.Enter("1000", "1000", "0", "500", "5");
        QTimer::singleShot(0, s.w->cmdCancel, &QPushButton::click);
        s.w->cmdRun_Click();
        QCOMPARE(Grid(s), QStringList {row});
        QVERIFY(!s.w->Running() && s.w->cmdReset->isEnabled());
    }

    // Deal stays off, the count of sessions stays, the hands and stop amounts apply at once
    // or from the next session.
    void typingDuringARun() {
        Simulator s;
        std::int64_t clock = 0;
        s.w->SetRunClock([&clock] { return std::chrono::milliseconds(clock += 20); }, 1);
        s.Enter("1000", "1000", "0", "100", "4");
        bool dealDuringRun = false;
        QTimer::singleShot(0, s.w.get(), [&] {
            s.Enter("1000", "1000", "0", "2", "9");
            dealDuringRun = s.w->cmdRun->isEnabled();
        });
        s.w->cmdRun_Click();
        QVERIFY(!dealDuringRun);
        QCOMPARE(s.Rows(), 4);
        QVERIFY(s.Cell(0, kColHands).toInt() <= 3 && s.Cell(3, kColHands).toInt() <= 3);
    }

    // A second run goes on from where the first ended; an editor hands the window back with
    // zero entries and the grid kept; Reset clears it all.
    void runsInARowEditorsThenReset() {
        Simulator s;
        s.Run("100 100 0 50 3");
        const QString firstEnd = s.Cell(2, kColTotal);
        s.Run("100 100 0 50 2");
        const double start
            = AmountValue(s.Cell(0, kColTotal)) - AmountValue(s.Cell(0, kColWonLost));
        QCOMPARE(start, AmountValue(firstEnd));
        QCOMPARE(s.Cell(0, kColWonLost), s.Cell(0, kColTotalWonLost));

        const QStringList rows = Grid(s);
        s.Enter("5", "6", "7", "8", "9");
        s.nav.onBettingEditor = [&s] { s.gs.VariableBetName = "Other"; };
        s.w->cmdConfig_Click();
        QCOMPARE(s.Entries(), QStringList({"0.00", "0.00", "0", "0", "0"}));
        QCOMPARE(s.w->txtStrategy->text(), QString("Other"));
        QCOMPARE(Grid(s), rows);
        QCOMPARE(s.gs.HandsToPlay, 0);

        s.gs.BettingType = kStreakBetting;
        s.w->strStrategy = "Streaky";
        s.w->cmdInfo_Click();
        QCOMPARE(s.w->txtStrategy->text(), QString("Streaky"));
        s.Enter("5", "6", "7", "8", "9");
        s.gs.PlayingStrategyName = "Edited";
        s.w->cmdPlayingConfig_Click();
        QVERIFY(s.nav.calls.contains("ShowPlayingStrategyEditor"));
        QCOMPARE(s.w->txtPlayingStrategy->text(), QString("Edited"));
        QCOMPARE(s.w->txtSeq->text(), QString("0")); // back from the editor as from the others

        s.Enter("5", "6", "7", "8", "9");
        s.w->cmdReset_Click();
        QVERIFY(s.nav.calls.contains("ResetTable"));
        QCOMPARE(s.Rows(), 0);
        QCOMPARE(QStringList({s.w->lblStartingBank->text(), s.w->lblTotalBank->text(),
                     s.w->lblTotalTime->text(), s.w->txtSeq->text()}),
            QStringList({"$10,000.00", "0.00", "00:00", "0"}));
        QCOMPARE(s.gs.HandsToPlay, 0);
    }

    // A failure inside the engine, or in a handler that runs while the run processes events,
    // keeps the rows so far and brings the buttons back, Reset only once a run completes.
    void failureInsideARun_data() {
        CaseRows<std::pair<bool, QString>>({{"bankroll overflow in the engine",
                                                {false,
                                                    "Error # 6, The bankroll has grown past "
                                                    "922,337,203,685,477.58."}},
            {"database error in a handler",
                {true, "Error # 4, Cannot read the strategy database: the file is locked."}}});
    }
    void failureInsideARun() {
        const auto [inHandler, message] = Case<std::pair<bool, QString>>();
        Simulator s;
        bool thrown = false;
        s.w->SetRunClock(
            [&] {
                if (s.w->Results().Count() < 2 || thrown)
                    return std::chrono::nanoseconds(0);
                thrown = true;
                if (!inHandler)
                    throw CurrencyOverflow("The bankroll has grown past 922,337,203,685,477.58.");
                QTimer::singleShot(0, [] {
                    throw StoreError(StoreProblem::Locked, "BlkJack.mdb",
                        "Cannot read the strategy database: the file is locked.");
                });
                return std::chrono::nanoseconds(std::chrono::seconds(1));
            },
            1);
        s.Run("1000 1000 0 20 5");
        QCOMPARE(s.Rows(), 2);
        QCOMPARE(s.messages.Texts(), QStringList {message});
        QVERIFY(!s.nav.calls.contains("ShowTableLastRound")); // it stopped inside a round
        // Under the program's own title.
        QVERIFY(s.messages.shown[0].icon == MsgIcon::Information
            && s.messages.shown[0].title.isEmpty());
        QVERIFY(s.w->cmdRun->isEnabled() && s.w->cmdReturnToGame->isEnabled()
            && !s.w->cmdCancel->isEnabled() && !s.w->cmdReset->isEnabled());
        QVERIFY(!s.w->Running() && s.w->prbHandsPlayed->value() == 0);
        // The next run counts its first row from the bankroll the two rows left.
        QVERIFY(s.gs.Bankroll != Currency::FromWhole(kStartingBankroll));
        QCOMPARE(s.w->lblStartingBank->text(), DollarAmount(s.gs.Bankroll));
    }

    void returnToGameAndClosingDuringARun() {
        Simulator s;
        s.gs.TableHandsToPlay = 700;
        s.w->cmdReturntoGame_Click();
        QVERIFY(!s.w->isVisible() && !s.w->bVisible && !s.gs.MultiSessionMode);
        QCOMPARE(s.gs.HandsToPlay, 700);
        QVERIFY(
            s.nav.calls.contains("SetTableEnabled 1") && s.nav.calls.contains("StopTableTimer"));
        QCOMPARE(s.nav.calls.last(), QString("FocusTableDeal"));

        Simulator t;
        t.Enter("100000", "100000", "0", "30000", "1000");
        QTimer::singleShot(0, t.w.get(), [&t] { t.w->close(); });
        t.w->cmdRun_Click();
        QVERIFY(t.Rows() >= 1 && t.Rows() < 1000);
        QVERIFY(!t.w->isVisible() && !t.gs.MultiSessionMode);
        QCOMPARE(t.gs.HandsToPlay, t.gs.TableHandsToPlay);
    }

    // The multi-session text, then the playing-strategy text for the editor that opens the
    // window next, as its unload clears the mode.
    void informationThenTheEditorsInstructions() {
        Simulator s;
        s.w->cmdInfo_Click();
        QVERIFY(!s.nav.instructions->bolFromMulti);
        s.nav.ShowPlayingStrategiesInstr(false);
        QCOMPARE(s.nav.shownInstructions,
            QStringList({"Information on Multiple Session... | " + MultipleSessionInformation()
                    + " | &Return to Multiple Session screen...",
                "Instructions for setting Playing Strategy | " + PlayingStrategyInstructions()
                    + " | &Return to Playing Strategies screen..."}));
        const QStringList lines = PlayingStrategyInstructions().split('\n');
        QCOMPARE(lines.size(), 30); // 29 lines, each ending in a line break
        QCOMPARE(lines[7],
            QString("       Displays the selected ACTION for if the DEALER has that specific card "
                    "showing."));
        QVERIFY(!PlayingStrategyInstructions().contains("Split or Double Down")
            && !PlayingStrategyInstructions().contains("Take 1 Card"));
        QVERIFY(MultipleSessionInformation().startsWith(
                    "The Multiple Session screen is implemented for speed. The game")
            && MultipleSessionInformation().endsWith("then the time would be 1 hour."));
    }
};

// The program's own event guard, which hands a handler's failure to the run under way.
int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    SimulatorWindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "simulator_window_test.moc"
