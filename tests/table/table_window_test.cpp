#include "table_fixture.h"

#include "engine/bet_sizing.h"
#include "table/frm_advanced_stats.h"
#include "table/play_speed.h"
#include "table/stat_text.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>

using namespace bj;
using namespace bj::test;

class TableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirCaptions_data();
    void controlsCarryTheirCaptions();
    void menusCarryTheirCaptions();
    void startsIdleWithTheLoadValues();
    void fitsItsStartingSizeWithNothingClipped();
    void speedSliderIntervals_data();
    void speedSliderIntervals();
    void continuousIntervalIsHalfAsFast();
    void handsSliderSetsTheCountAndScale();
    void progressStaysOnTheBar();
    void currencyText_data();
    void currencyText();
    void resetClearsEveryStatistic();
    void resetWithVariableBettingRoundsTheInitialBetHalfToEven();
    void navigationDisablesTheTableAndAsksTheProgram();
    void quitUnloadsTheStreakEditorFirst();
    void activationReadsTheStreakEditor();
    void trayBoxDoesNoHarmWithoutANotificationArea();
};

void TableWindowTest::controlsCarryTheirCaptions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const char* rows[][2] = {{"cmdDeal", "Deal"}, {"cmdStop", "Stop"}, {"cmdNext", "&Continue"},
        {"cmdReset", "Reset"}, {"cmdConfiguration", "Betting Strategy..."},
        {"cmdPlayingStrat", "Playing Strategy..."}, {"cmdAdvancedStats", "Advanced Statistics..."},
        {"cmdMultipleSessions", "Multiple Session..."}, {"cmdQuit", "Quit Game"},
        {"chkSysTray", "Show in System Tray"}, {"optContinuousPlay_0", "Continuous"},
        {"optContinuousPlay_1", "Single Hand"}, {"lblUpCard", "Up Card"}, {"Label9", "Dealer"},
        {"Label10", "Player"}, {"lblCurrentBankRoll", "10000"}, {"lblHandsToPlay", "1000"},
        {"lblHandsProgress_0", "0"}, {"lblHandsProgress_1", "500"}, {"lblHandsProgress_2", "1000"}};
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString(row[0]) << QString(row[1]);
}

void TableWindowTest::controlsCarryTheirCaptions() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    Table t;
    QWidget* control = t.Find<QWidget>(name);
    QVERIFY(control);
    QString text;
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        text = button->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        text = label->text();
    QCOMPARE(text, caption);
}

void TableWindowTest::menusCarryTheirCaptions() {
    Table t;
    QCOMPARE(t.window->windowTitle(), QString("Black Jack"));
    QCOMPARE(t.Find<QMenu>("mnuGame")->title(), QString("&Game"));
    QCOMPARE(t.Find<QMenu>("mnuOptions")->title(), QString("&Configuation"));
    QCOMPARE(t.Find<QMenu>("mnuPopUp")->title(), QString("Popup"));
    const char* items[][2] = {{"mnuAbout", "&About"}, {"mnuExit", "E&xit"},
        {"mnuBet", "&Betting Stratagy"}, {"mnuOptPlayStrategy", "&Playing Strategies"},
        {"mnuShowWar", "Show Black Jack"}, {"mnupopExit", "Exit"}};
    for (const auto& item : items)
        QCOMPARE(t.Find<QAction>(item[0])->text(), QString(item[1]));
    QVERIFY(t.Find<QAction>("mnuGameSep0")->isSeparator());
    QVERIFY(t.Find<QAction>("mnuSep0")->isSeparator());
    QStringList pages;
    auto* tabs = t.Find<QTabWidget>("SSTab1");
    for (int i = 0; i < tabs->count(); ++i)
        pages << tabs->tabText(i);
    QCOMPARE(pages, QStringList({"Hands", "Splits", "Dbl Down", "Insurance"}));
    for (int suit = 1; suit <= 4; ++suit)
        QCOMPARE(t.Find(QString("picCard_%1").arg(suit))->pixmap().size(), QSize(101, 158));
}

void TableWindowTest::startsIdleWithTheLoadValues() {
    Table t;
    for (int k = 1; k <= 11; ++k)
        for (const char* who : {"Dealer", "Player"})
            QVERIFY(t.Find(QString("img%1_%2").arg(who).arg(k))->isHidden());
    QCOMPARE(t.Text("lblCurrentBet"), QString("5"));
    QCOMPARE(t.Find<QProgressBar>("prbHandsToPlay")->value(), 0);
    QVERIFY(t.Find<QRadioButton>("optContinuousPlay_0")->isChecked());
    QVERIFY(!t.window->findChild<QTimer*>("Timer1")->isActive());
    QVERIFY(t.Find<QWidget>("cmdNext")->isHidden());
    QVERIFY(t.Find<QWidget>("shpUp")->isHidden());
    QCOMPARE(t.gs.DecksInShoe, 1);
    QCOMPARE(t.gs.CardsLeft, 52);
    QCOMPARE(t.gs.HandsToPlay, 1000);
    QVERIFY(t.gs.ContinuousPlay);
    QVERIFY(!t.gs.TrayIconOn);
}

// Every caption fits its control at the starting size, and the window need not grow.
void TableWindowTest::fitsItsStartingSizeWithNothingClipped() {
    Table t;
    t.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
    QCOMPARE(t.window->size(), QSize(725, 565));
    const QSize least = t.window->minimumSizeHint();
    QVERIFY2(least.width() <= 725 && least.height() <= 565,
        qPrintable(QString("%1x%2").arg(least.width()).arg(least.height())));
    for (QWidget* w : t.window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().startsWith("lblDealer_")
            || w->objectName().startsWith("lblPlayer_") || w->objectName() == "lblPlayersHand")
            continue;
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) {
            QVERIFY2(w->width() >= w->minimumSizeHint().width(),
                qPrintable(w->objectName() + " / " + w->metaObject()->className()));
            const QRect inParent = w->geometry();
            QVERIFY2(w->parentWidget()->rect().contains(inParent), qPrintable(w->objectName()));
        }
    }
}

void TableWindowTest::speedSliderIntervals_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    const int table[][2]
        = {{2, 125}, {3, 83}, {4, 62}, {5, 50}, {6, 42}, {7, 36}, {8, 31}, {9, 28}, {10, 1}};
    for (const auto& row : table)
        QTest::addRow("v=%d", row[0]) << row[0] << row[1];
}

void TableWindowTest::speedSliderIntervals() {
    QFETCH(int, speed);
    QFETCH(int, interval);
    Table t;
    auto* slider = t.Find<QSlider>("sldPlaySpeed");
    slider->setValue(speed == 6 ? 7 : 6);
    slider->setValue(speed);
    QCOMPARE(t.window->findChild<QTimer*>("Timer1")->interval(), interval);
}

void TableWindowTest::continuousIntervalIsHalfAsFast() {
    QCOMPARE(ContinuousInterval(6), 83);
    QCOMPARE(ContinuousInterval(4), 125);
    QCOMPARE(ContinuousInterval(8), 62); // 62.5 rounds to the even neighbour
    QCOMPARE(ContinuousInterval(10), 50);
}

void TableWindowTest::handsSliderSetsTheCountAndScale() {
    Table t;
    auto* slider = t.Find<QSlider>("sldHandsToPlay");
    slider->setValue(1);
    QCOMPARE(t.gs.HandsToPlay, 10);
    QCOMPARE(t.gs.TableHandsToPlay, 10);
    QCOMPARE(t.Text("lblHandsToPlay"), QString("10"));
    QCOMPARE(t.Text("lblHandsProgress_1"), QString("5"));
    QCOMPARE(t.Text("lblHandsProgress_2"), QString("10"));
    slider->setValue(37);
    QCOMPARE(t.Text("lblHandsProgress_1"), QString("185"));
}

void TableWindowTest::progressStaysOnTheBar() {
    QCOMPARE(HandsProgress(700, 1000), 30);
    QCOMPARE(HandsProgress(1000, 1000), 0);
    QCOMPARE(HandsProgress(-1, 1000), 100);
    QCOMPARE(HandsProgress(5, 0), 100);
    QCOMPARE(HandsProgress(1500, 1000), 0);
}

void TableWindowTest::currencyText_data() {
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << qint64(100000000) << "10000";
    QTest::newRow("half") << qint64(125000) << "12.5";
    QTest::newRow("negative half") << qint64(-5000) << "-0.5";
    QTest::newRow("four decimals") << qint64(12345) << "1.2345";
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("large") << qint64(123456789000) << "12345678.9";
}

void TableWindowTest::currencyText() {
    QFETCH(qint64, units);
    QFETCH(QString, text);
    QCOMPARE(CurrencyText(Currency::FromUnits(units)), text);
}

void TableWindowTest::resetClearsEveryStatistic() {
    Table t;
    frmAdvancedStats advanced(t.ctx);
    t.PlayRound({10, 9, 10, 7});
    t.PlayRound({10, 7, 8, 8, 10, 10});
    t.gs.StreakStopCounts[kWinning][3] = 4;
    advanced.Form_Activate();
    t.Find<QSlider>("sldHandsToPlay")->setValue(1);
    t.window->cmdDeal_Click();
    t.window->Timer1_Timer();
    t.window->cmdStop_Click();
    QVERIFY(t.Find<QProgressBar>("prbHandsToPlay")->value() > 0);

    t.Find<QPushButton>("cmdReset")->click();
    const char* zeroes[] = {"lblTotalHandsTied", "lblInsHandsWon", "lblInsAmtLost",
        "lblInsHandsLost", "lblInsAmtWon", "lblAmtWonEvenMoney", "lblTotalHandsWon",
        "lblDblDnHandsWon", "lblDblDnAmtWon", "lblSplitHandsWon", "lblSplitAmtWon",
        "lblDblDnHandsLost", "lblDblDnAmtLost", "lblSplitHandsLost", "lblSplitAmtLost",
        "lblTotalHandsLost", "lblBlackJacksWon", "lblAmountWonOnWars", "lblPushStreak",
        "lblWinningStreak", "lblLosingStreak", "lblMaxWin", "lblMaxLos", "lblAmountWonOnHand"};
    for (const char* name : zeroes)
        QCOMPARE(QString(name) + "=" + t.Text(name), QString(name) + "=0");
    QCOMPARE(t.Text("lblCurrentBankRoll"), QString("10000"));
    QCOMPARE(t.Text("lblMaxBankroll"), QString("10000"));
    QCOMPARE(t.Text("lblMinBankroll"), QString("10000"));
    QCOMPARE(t.Text("lblCurrentBet"), QString("5"));
    QCOMPARE(t.Text("Label10"), QString("Player"));
    QCOMPARE(t.Text("lblPlayersHand"), QString());
    QVERIFY(t.Find<QWidget>("shpUp")->isHidden());
    QVERIFY(t.Find("imgPlayer_1")->isHidden());
    QCOMPARE(t.Find<QProgressBar>("prbHandsToPlay")->value(), 0);
    QCOMPARE(t.gs.HandsToPlay, 10);
    QCOMPARE(t.gs.CardsLeft, 52);
    QCOMPARE(t.gs.StreakStopCounts[kWinning][3], 0);
    QCOMPARE(advanced.findChild<QLabel*>("lblWinStreak_3")->text(), QString("0"));
    QCOMPARE(advanced.findChild<QLabel*>("lblPercentHandsWon_1")->text(), QString("0"));
    // The next round counts from the fresh values.
    t.PlayRound({10, 7, 10, 9});
    QCOMPARE(t.Text("lblTotalHandsWon"), QString("1"));
    QCOMPARE(t.Text("lblSplitHandsWon"), QString("0"));
}

void TableWindowTest::resetWithVariableBettingRoundsTheInitialBetHalfToEven() {
    Table t;
    t.gs.InitialBet = 12.5;
    t.window->frmMainReset();
    QCOMPARE(t.Text("lblCurrentBet"), QString("12"));
    t.gs.BettingType = kStreakBetting;
    t.gs.StartingBet = Currency::FromWhole(7);
    t.window->frmMainReset();
    QCOMPARE(t.gs.CurrentBet, ResetBet(t.gs));
}

void TableWindowTest::navigationDisablesTheTableAndAsksTheProgram() {
    struct Case {
        void (frmMain::*handler)();
        const char* call;
        bool disables;
    };
    const Case cases[] = {{&frmMain::cmdConfiguration_Click, "ShowBettingEditorModal", true},
        {&frmMain::cmdPlayingStrat_Click, "ShowPlayingStrategyEditor", false},
        {&frmMain::mnuOptPlayStrategy_Click, "ShowPlayingStrategyEditor", false},
        {&frmMain::cmdAdvancedStats_Click, "ShowAdvancedStatistics", true},
        {&frmMain::cmdMultipleSessions_Click, "ShowMultipleSessions", true},
        {&frmMain::mnuBet_Click, "ShowBettingEditorModal", true}};
    for (const Case& c : cases) {
        Table t;
        (t.window.get()->*c.handler)();
        QCOMPARE(t.nav.calls, QStringList {c.call});
        QCOMPARE(t.window->isEnabled(), !c.disables);
    }
    Table streak;
    streak.gs.BettingType = kStreakBetting;
    streak.window->mnuBet_Click();
    QCOMPARE(streak.nav.calls, QStringList {"ShowStreakEditorModeless"});
    Table sessions;
    sessions.window->cmdMultipleSessions_Click();
    QVERIFY(sessions.gs.MultiSessionMode);
    Table about;
    about.window->mnuAbout_Click();
    QVERIFY(about.nav.calls.isEmpty());
}

void TableWindowTest::quitUnloadsTheStreakEditorFirst() {
    Table streak;
    streak.gs.BettingType = kStreakBetting;
    streak.Find<QPushButton>("cmdQuit")->click();
    QCOMPARE(streak.nav.calls, QStringList({"UnloadStreakEditor", "QuitProgram"}));
    streak.window->close(); // the program closing the window does not quit twice
    QCOMPARE(streak.nav.calls.size(), 2);

    Table variable;
    variable.window->mnuExit_Click();
    QCOMPARE(variable.nav.calls, QStringList {"QuitProgram"});
}

void TableWindowTest::activationReadsTheStreakEditor() {
    Table t;
    t.gs.BettingType = kStreakBetting;
    t.nav.streakEditorLoaded = true;
    for (int i = 0; i < 10; ++i) {
        t.nav.winning[i] = QString::number(10 * (i + 1));
        t.nav.losing[i] = QString::number(i + 1);
    }
    t.nav.winning[1] = ""; // an empty box is a bet of 0
    t.nav.decks = "6";
    t.window->Form_Activate();
    QCOMPARE(t.gs.WinningHandBets[1], 10.0);
    QCOMPARE(t.gs.WinningHandBets[2], 0.0);
    QCOMPARE(t.gs.LosingHandBets[10], 10.0);
    QCOMPARE(t.gs.DecksInShoe, 6);
    t.nav.decks = "";
    t.window->Form_Activate();
    QCOMPARE(t.gs.DecksInShoe, 6); // a shoe without decks is never taken

    Table variable;
    variable.nav.streakEditorLoaded = true;
    variable.nav.decks = "4";
    variable.window->Form_Activate();
    QCOMPARE(variable.gs.DecksInShoe, 1);
}

void TableWindowTest::trayBoxDoesNoHarmWithoutANotificationArea() {
    Table t;
    auto* box = t.Find<QCheckBox>("chkSysTray");
    QVERIFY(!box->isChecked());
    box->setChecked(true);
    t.window->chkSysTray_Click();
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        QVERIFY(!t.gs.TrayIconOn);
        QVERIFY(!box->isChecked());
        t.window->showMinimized();
        QVERIFY(!t.window->isHidden());
    }
}

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
