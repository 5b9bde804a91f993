#include "table_fixture.h"

#include "engine/settlement.h"
#include "table/frm_advanced_stats.h"

#include <QPushButton>

using namespace bj;
using namespace bj::test;

class AdvancedStatsTest : public QObject {
    Q_OBJECT

private slots:
    void captionsAndRows();
    void totalsSumHandsInLongerStreaks();
    void streakLongerThan25CountsAtRow26WithItsRowNumber();
    void playedStreaksReachTheWindow();
    void resetStatisticsLeavesTheTable();
    void returnToGameGivesTheTableBack();
};

namespace {

QString Cell(const frmAdvancedStats& w, const char* array, int n) {
    return w.findChild<QLabel*>(QString("%1_%2").arg(array).arg(n))->text();
}

} // namespace

void AdvancedStatsTest::captionsAndRows() {
    Table t;
    frmAdvancedStats w(t.ctx);
    QCOMPARE(w.windowTitle(), QString("Advanced Statistics"));
    const char* captions[][2] = {{"Label13", "Winning Streak Data"},
        {"Label8", "Losing Streak Data"}, {"Label1_0", "No of times hand stopped at..."},
        {"Label3_1", "Total No of times hand stopped at..."}, {"Label11_1", "1"},
        {"Label11_25", "25"}, {"Label11_26", "More than 25"}, {"Label11_52", "More than 25"},
        {"Label14", "0000"}, {"Label15", "0000"}};
    for (const auto& c : captions)
        QCOMPARE(w.findChild<QLabel*>(c[0])->text(), QString(c[1]));
    QCOMPARE(w.findChild<QPushButton*>("cmdResetStatistics")->text(), QString("Reset Statistics"));
    QCOMPARE(w.findChild<QPushButton*>("cmdReturnToGame")->text(), QString("Return to Game"));
    for (const char* array :
        {"lblWinStreak", "lblPercentHandsWon", "lblLossStreak", "lblPercentHandsLost"})
        for (int n = 1; n <= 26; ++n)
            QCOMPARE(Cell(w, array, n), QString("0"));
}

void AdvancedStatsTest::totalsSumHandsInLongerStreaks() {
    Table t;
    frmAdvancedStats w(t.ctx);
    t.gs.StreakStopCounts[kWinning][3] = 1;
    t.gs.StreakStopCounts[kWinning][5] = 1;
    t.gs.StreakStopCounts[kLosing][2] = 3;
    w.show();
    QCOMPARE(Cell(w, "lblWinStreak", 3), QString("1"));
    QCOMPARE(Cell(w, "lblWinStreak", 5), QString("1"));
    QCOMPARE(Cell(w, "lblWinStreak", 4), QString("0"));
    for (int n = 1; n <= 26; ++n) {
        const QString expected = n <= 3 ? "8" : (n <= 5 ? "5" : "0");
        QCOMPARE(QString("%1:%2").arg(n).arg(Cell(w, "lblPercentHandsWon", n)),
            QString("%1:%2").arg(n).arg(expected));
    }
    QCOMPARE(Cell(w, "lblPercentHandsLost", 1), QString("6"));
    QCOMPARE(Cell(w, "lblPercentHandsLost", 3), QString("0"));
}

void AdvancedStatsTest::streakLongerThan25CountsAtRow26WithItsRowNumber() {
    Table t;
    frmAdvancedStats w(t.ctx);
    t.gs.CurrentBet = 5;
    for (int i = 0; i < 30; ++i)
        SettleWin(t.gs, false, false);
    SettleLoss(t.gs, false);
    w.Form_Activate();
    QCOMPARE(Cell(w, "lblWinStreak", 26), QString("1"));
    QCOMPARE(Cell(w, "lblPercentHandsWon", 26), QString("26"));
    QCOMPARE(Cell(w, "lblPercentHandsWon", 1), QString("26"));
}

void AdvancedStatsTest::playedStreaksReachTheWindow() {
    Table t;
    frmAdvancedStats w(t.ctx);
    t.PlayRound({10, 7, 10, 9}); // win
    t.PlayRound({10, 7, 10, 9}); // win
    t.PlayRound({10, 9, 10, 7}); // loss ends a winning streak of 2
    t.PlayRound({10, 7, 10, 9}); // win ends a losing streak of 1
    w.Form_Activate();
    QCOMPARE(Cell(w, "lblWinStreak", 2), QString("1"));
    QCOMPARE(Cell(w, "lblLossStreak", 1), QString("1"));
    QCOMPARE(Cell(w, "lblPercentHandsWon", 1), QString("2"));
}

void AdvancedStatsTest::resetStatisticsLeavesTheTable() {
    Table t;
    frmAdvancedStats w(t.ctx);
    t.PlayRound({10, 7, 10, 9});
    t.PlayRound({10, 9, 10, 7});
    w.Form_Activate();
    QCOMPARE(Cell(w, "lblWinStreak", 1), QString("1"));
    w.findChild<QPushButton*>("cmdResetStatistics")->click();
    QCOMPARE(Cell(w, "lblWinStreak", 1), QString("0"));
    QCOMPARE(Cell(w, "lblPercentHandsWon", 1), QString("0"));
    QCOMPARE(t.gs.StreakStopCounts[kWinning][1], 0);
    QCOMPARE(t.Text("lblMaxWin"), QString("1"));
    QCOMPARE(t.Text("lblTotalHandsLost"), QString("1"));
    QCOMPARE(t.gs.MaxWinStreak, 1);
}

void AdvancedStatsTest::returnToGameGivesTheTableBack() {
    Table t;
    frmAdvancedStats w(t.ctx);
    w.show();
    w.findChild<QPushButton*>("cmdReturnToGame")->click();
    QVERIFY(w.isHidden());
    QCOMPARE(t.nav.calls, QStringList({"SetTableEnabled 1", "FocusTableDeal", "StopTableTimer"}));
}

QTEST_MAIN(AdvancedStatsTest)
#include "advanced_stats_test.moc"
