#include "table_fixture.h"

#include "table/play_speed.h"
#include "table/stat_text.h"

#include <QAction>
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSystemTrayIcon>
#include <QTest>

using namespace bj;
using namespace bj::test;

class TableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsIdleWithItsCaptions() {
        Table t;
        const char* captions[][2]
            = {{"cmdNext", "&Continue"}, {"cmdMultipleSessions", "Multiple Session..."},
                {"chkSysTray", "Show in System Tray"}, {"mnuOptions", "&Configuation"},
                {"mnuBet", "&Betting Stratagy"}, {"mnuShowWar", "Show Black Jack"}};
        for (const auto& [name, caption] : captions) {
            const QObject* control = t.Find<QObject>(name);
            const char* property = control->inherits("QMenu") ? "title" : "text";
            QCOMPARE(QString(name) + "=" + control->property(property).toString(),
                QString(name) + "=" + caption);
        }
        QCOMPARE(t.window->windowTitle(), QString("Black Jack"));
        for (const char* name : {"imgDealer_1", "imgPlayer_1", "imgPlayer_11", "cmdNext", "shpUp"})
            QVERIFY2(t.Find<QWidget>(name)->isHidden(), name);
        QVERIFY(!t.Timer()->isActive() && t.gs.ContinuousPlay && !t.gs.TrayIconOn);
        QCOMPARE(t.Find<QProgressBar>("prbHandsToPlay")->value(), 0);
        QCOMPARE(t.gs.CardsLeft, 52);
    }

    // Every caption fits its control at the starting size, and the window need not grow.
    void fitsItsStartingSizeWithNothingClipped() {
        Table t;
        t.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
        QCOMPARE(t.window->size(), QSize(725, 565));
        QVERIFY(
            t.window->minimumSizeHint().boundedTo(QSize(725, 565)) == t.window->minimumSizeHint());
        for (QWidget* w : t.window->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (!w->isVisible() || name.startsWith("lblDealer_") || name.startsWith("lblPlayer")
                || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)))
                continue;
            QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(name));
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(name));
        }
    }

    // A disabled table greys its captions, the slider's muted note with them, but not its cards.
    void disabledTableGreysItsCaptionsNotItsCards() {
        Table t;
        t.window->show();
        t.PlayRound({10, 7, 1, 9});
        QVERIFY(t.Find("lblFineAdjust"));
        const auto look = [&] { // the card's picture and the darkest grey of the note
            const QImage note = t.Find("lblFineAdjust")->grab().toImage();
            int darkest = 255;
            for (int i = 0; i < note.width() * note.height(); ++i)
                darkest = std::min(darkest, qGray(note.pixel(i % note.width(), i / note.width())));
            return std::pair {t.Find("imgPlayer_1")->grab().toImage(), darkest};
        };
        const auto enabled = look();
        t.window->setEnabled(false);
        const auto disabled = look();
        QVERIFY(disabled.first == enabled.first && disabled.second > enabled.second + 32);
    }

    void speedAndHandsSliders() {
        Table t;
        QList<int> intervals;
        for (int speed = 2; speed <= 10; ++speed) {
            t.Find<QSlider>("sldPlaySpeed")->setValue(speed);
            intervals << t.Timer()->interval();
        }
        QCOMPARE(intervals, QList<int>({125, 83, 62, 50, 42, 36, 31, 28, 1}));
        // Continuous takes 500 / v ms, 62.5 rounding to the even neighbour, and starts play.
        QCOMPARE(ContinuousInterval(4), 125);
        QCOMPARE(ContinuousInterval(8), 62);
        t.Find<QSlider>("sldPlaySpeed")->setValue(6);
        t.Find<QRadioButton>("optContinuousPlay_1")->click();
        QVERIFY(!t.Timer()->isActive() && t.Timer()->interval() == 1);
        t.Find<QRadioButton>("optContinuousPlay_0")->click();
        QVERIFY(t.Timer()->isActive() && t.Timer()->interval() == 83);
        t.window->cmdStop_Click();
        t.Find<QSlider>("sldHandsToPlay")->setValue(37);
        QCOMPARE(t.gs.HandsToPlay + t.gs.TableHandsToPlay, 740);
        t.Expect({"lblHandsToPlay=370", "lblHandsProgress_1=185", "lblHandsProgress_2=370"});
        t.Find<QSlider>("sldHandsToPlay")->setValue(1);
        t.Expect({"lblHandsToPlay=10", "lblHandsProgress_1=5"});
    }

    void progressAndMoneyTexts() {
        QCOMPARE(HandsProgress(700, 1000), 30);
        QCOMPARE(HandsProgress(-1, 1000), 100);
        QCOMPARE(HandsProgress(5, 0), 100);
        QCOMPARE(HandsProgress(1500, 1000), 0);
        const std::pair<qint64, const char*> money[] = {{100000000, "10000"}, {125000, "12.5"},
            {-5000, "-0.5"}, {12345, "1.2345"}, {123456789000, "12345678.9"}};
        for (const auto& [units, text] : money)
            QCOMPARE(CurrencyText(Currency::FromUnits(units)), QString(text));
    }

    // Each button and menu item asks the program for its window; the table steps aside
    // for those that change the game state.
    void navigationAsksTheProgram() {
        const char* cases[][3] = {{"cmdConfiguration", "ShowBettingEditorModal", "off"},
            {"mnuBet", "ShowBettingEditorModal", "off"},
            {"cmdPlayingStrat", "ShowPlayingStrategyEditor", "on"},
            {"mnuOptPlayStrategy", "ShowPlayingStrategyEditor", "on"},
            {"cmdAdvancedStats", "ShowAdvancedStatistics", "off"},
            {"cmdMultipleSessions", "ShowMultipleSessions", "off"},
            {"cmdQuit", "QuitProgram", "on"}, {"mnuExit", "QuitProgram", "on"},
            {"mnupopExit", "QuitProgram", "on"}};
        for (const auto& [control, call, table] : cases) {
            Table t;
            Activate(t, control);
            QCOMPARE(t.nav.calls, QStringList {call});
            QCOMPARE(t.window->isEnabled() ? "on" : "off", table);
            QCOMPARE(t.gs.MultiSessionMode, QString(control) == "cmdMultipleSessions");
        }
        Table streak;
        streak.gs.BettingType = kStreakBetting;
        Activate(streak, "mnuBet");
        Activate(streak, "mnuExit");
        streak.window->close(); // the program closing the window does not quit twice
        QCOMPARE(streak.nav.calls,
            QStringList({"ShowStreakEditorModeless", "UnloadStreakEditor", "QuitProgram"}));
    }

    void activationReadsTheStreakEditor() {
        Table t;
        t.gs.BettingType = kStreakBetting;
        t.nav.streakEditorLoaded = true;
        for (int i = 0; i < 10; ++i) {
            t.nav.winning[i] = QString::number(10 * (i + 1));
            t.nav.losing[i] = QString::number(i + 1);
        }
        t.nav.winning[1] = ""; // an empty box is a bet of 0
        for (const char* decks : {"6", "", "9"}) {
            t.nav.decks = decks;
            t.window->Form_Activate();
            QCOMPARE(t.gs.DecksInShoe, 6); // a shoe without decks or of too many is never taken
        }
        QCOMPARE(t.gs.WinningHandBets[1], 10.0);
        QCOMPARE(t.gs.WinningHandBets[2], 0.0);
        QCOMPARE(t.gs.LosingHandBets[10], 10.0);
        t.gs.BettingType = kVariableBetting;
        t.nav.decks = "4";
        t.window->Form_Activate();
        QCOMPARE(t.gs.DecksInShoe, 6);
    }

    void trayBoxDoesNoHarmWithoutANotificationArea() {
        if (QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("a notification area is present");
        Table t;
        auto* box = t.Find<QCheckBox>("chkSysTray");
        box->setChecked(true);
        t.window->chkSysTray_Click();
        QVERIFY(!t.gs.TrayIconOn && !box->isChecked());
        t.window->showMinimized();
        QVERIFY(!t.window->isHidden());
    }

private:
    static void Activate(Table& t, const char* control) {
        if (auto* button = t.window->findChild<QPushButton*>(control))
            button->click();
        else
            t.Find<QAction>(control)->trigger();
    }
};

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
