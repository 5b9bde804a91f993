#include "table_fixture.h"

#include "engine/round.h"
#include "engine/settlement.h"
#include "shell/scripted_messages.h"
#include "table/frm_advanced_stats.h"

#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <utility>

using namespace bj;
using namespace bj::test;

namespace {

const QList<int> kSplitOfEights {10, 7, 8, 8, 10, 10};
using Shown = std::tuple<QList<int>, int, QString>;

// The table with its advanced statistics window.
struct Advanced : Table {
    frmAdvancedStats stats {ctx};
};

// The value a progress bar had when it was last painted.
struct PaintedValue : QObject {
    int value = -1;
    bool eventFilter(QObject* bar, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            value = static_cast<QProgressBar*>(bar)->value();
        return false;
    }
};

} // namespace

class TablePlayTest : public QObject {
    Q_OBJECT

private slots:
    // Dealer, dealer, player, player, then the draws; hands played; label=text, separated by ";".
    void roundShowsCardsTotalsAndAmounts_data() {
        CaseRows<Shown>({{"win",
                             {{10, 7, 10, 9}, 1,
                                 "lblDealer_1=10;lblDealer_2=7;lblPlayer_2=9;lblAmountWonOnHand=5;"
                                 "lblCurrentBankRoll=10005;lblPlayersHand=19;lblDealersHand=17;"
                                 "Label10=Player;lblTotalHandsWon=1;lblWinningStreak=1;"
                                 "lblMaxWin=1;lblMaxBankroll=10005;lblPushStreak=0"}},
            {"loss",
                {{10, 9, 10, 7}, 1,
                    "lblAmountWonOnHand=-5;lblCurrentBankRoll=9995;lblMinBankroll=9995;"
                    "lblPlayersHand=17;lblDealersHand=19;lblTotalHandsLost=1;lblLosingStreak=1;"
                    "lblMaxLos=1"}},
            {"push",
                {{10, 8, 10, 8}, 1,
                    "lblAmountWonOnHand=Tie;lblCurrentBankRoll=10000;lblTotalHandsTied=1;"
                    "lblPushStreak=1;lblWinningStreak=0"}},
            {"blackjack",
                {{10, 7, 12, 1}, 1,
                    "lblPlayer_1=Q;lblPlayer_2=A;lblAmountWonOnHand=7.5;lblCurrentBankRoll=10007.5;"
                    "lblBlackJacksWon=1;lblAmountWonOnWars=7.5;lblPlayersHand=21"}},
            {"insurance lost, then a push shows the insurance",
                {{9, 1, 10, 10}, 1,
                    "Label10=Player - Insurance;lblAmountWonOnHand=-2.5;lblCurrentBankRoll=9997.5;"
                    "lblInsAmtLost=2.5;lblTotalHandsTied=1"}},
            {"insurance won against a dealer blackjack",
                {{10, 1, 10, 10}, 1,
                    "Label10=Player - Insurance;lblAmountWonOnHand=0;lblCurrentBankRoll=10000;"
                    "lblInsHandsLost=1;lblTotalHandsLost=1"}},
            {"double down, the bet back to 5 after",
                {{10, 7, 6, 5, 10}, 1,
                    "lblPlayer_3=10;Label10=Player - Double Down;lblAmountWonOnHand=10;"
                    "lblCurrentBankRoll=10010;lblDblDnHandsWon=1;lblDblDnAmtWon=10;"
                    "lblCurrentBet=5;lblPlayersHand=21"}},
            {"split counts every hand",
                {kSplitOfEights, 2,
                    "Label10=Player split hand. 2 hands played;lblPlayersHand=18 18 ;"
                    "lblSplitHandsWon=2;lblSplitAmtWon=10;lblCurrentBankRoll=10010"}}});
    }
    void roundShowsCardsTotalsAndAmounts() {
        const auto [ranks, hands, shown] = Case<Shown>();
        Table t;
        t.PlayRound(ranks);
        t.Expect(shown.split(';'));
        QCOMPARE(t.gs.HandsToPlay, 1000 - hands);
        QCOMPARE(t.window->RoundsPlayed(), 1LL);
        QCOMPARE(t.Find("lblPlayersHand")->font().pointSize(), hands > 1 ? 10 : 18);
        QVERIFY(!t.Find<QWidget>("shpUp")->isHidden() && !t.Find("imgPlayer_1")->pixmap().isNull());
    }

    // "&Continue" shares Alt+C with the "&Configuation" menu, which play disables; one press
    // at each pause goes on.
    void altCContinuesAPausedRound() {
        Table t;
        QTimer poll;
        int presses = 0;
        t.PlayPaused(poll, kSplitOfEights, [&] {
            if (++presses > 4) // the key does nothing: the button lets the round end
                return t.Find<QPushButton>("cmdNext")->click();
            QTest::keyClick(t.window.get(), Qt::Key_C, Qt::AltModifier);
            poll.stop();
            QTimer::singleShot(300, &poll, [&poll] { poll.start(10); });
        });
        QTRY_COMPARE(t.window->RoundsPlayed(), 1LL);
        QCOMPARE(presses, 2);
        t.window->cmdStop_Click();
        QTest::keyClick(t.window.get(), Qt::Key_C, Qt::AltModifier); // idle: the menu's again
        QTRY_VERIFY(t.Find<QMenu>("mnuOptions")->isVisible());
        t.Find<QMenu>("mnuOptions")->close();
    }

    // A multi-session run plays its rounds without the table; its last one is then shown as
    // the table shows a round it plays, but for the captions, which the run does not keep, and
    // only the last hand of a split.
    void lastRoundOfARunIsShownAsTheTableShowsIt_data() { roundShowsCardsTotalsAndAmounts_data(); }
    void lastRoundOfARunIsShownAsTheTableShowsIt() {
        const auto [ranks, hands, shown] = Case<Shown>();
        if (hands > 1)
            QSKIP("a split round shows its last hand alone");
        Table t;
        StackRanks(t.gs, ranks);
        t.gs.HandsToPlay = 1;
        PlaySessionRounds(t.gs, nullptr, 1);
        t.window->ShowGameState();
        t.window->ShowLastRoundPlayed();
        QStringList felt = shown.split(';');
        felt.removeIf([](const QString& pair) { return pair.startsWith("Label10="); });
        t.Expect(felt);
    }

    void singleHandPausesAtContinueWhereStopAndCloseLetTheRoundEnd() {
        Table t;
        QStringList pauses;
        QTimer poll;
        t.PlayPaused(poll, kSplitOfEights, [&] {
            QTest::qWait(30); // the 1 ms timer keeps ticking meanwhile
            pauses << QString::asprintf("%s, rounds %lld, hands %d, focus on %s",
                qPrintable(t.Text("Label10")), t.window->RoundsPlayed(), t.gs.HandsToPlay,
                qPrintable(t.window->focusWidget()->objectName()));
            QTest::keyClick(t.window->focusWidget(), Qt::Key_Space);
            // Not on Quit Game, the next control that takes the focus.
            QCOMPARE(t.window->focusWidget(), t.Find<QPushButton>("cmdStop"));
        });
        QTRY_COMPARE(t.window->RoundsPlayed(), 1LL);
        QTest::qWait(30);
        QCOMPARE(pauses, QStringList(2, "Player - Split, rounds 0, hands 1000, focus on cmdNext"));
        QCOMPARE(t.window->RoundsPlayed(), 1LL);
        QCOMPARE(t.gs.HandsToPlay, 998);
        auto* deal = t.Find<QPushButton>("cmdDeal");
        QVERIFY(deal->isEnabled() && deal->text() == "Deal Next");
        QCOMPARE(t.window->focusWidget(), deal); // so that Enter deals the next one
        QVERIFY(!t.Find<QPushButton>("cmdReset")->isEnabled() && !t.Timer()->isActive());

        // Stop during a pause gives back what cannot disturb the round, the rest at its end:
        // Reset in the pause would zero the figures the round then counts its hand into.
        auto* sessions = t.Find<QPushButton>("cmdMultipleSessions");
        poll.disconnect();
        t.PlayPaused(poll, kSplitOfEights, [&] {
            if (t.Timer()->isActive()) {
                t.Find<QPushButton>("cmdStop")->click();
                QVERIFY(!t.Find<QPushButton>("cmdReset")->isEnabled());
                QVERIFY(t.Find<QSlider>("sldHandsToPlay")->isEnabled() && !sessions->isEnabled());
            }
            t.Find<QPushButton>("cmdNext")->click();
        });
        QTRY_COMPARE(t.window->RoundsPlayed(), 2LL);
        QVERIFY(!t.Timer()->isActive() && sessions->isEnabled() && deal->isEnabled());
        QVERIFY(t.Find<QPushButton>("cmdReset")->isEnabled());
        QCOMPARE(deal->text(), QString("Deal")); // idle again

        // Continuous play chosen after a Stop in a pause takes back the slider.
        poll.disconnect();
        t.PlayPaused(poll, kSplitOfEights, [&] {
            poll.stop();
            t.Find<QPushButton>("cmdStop")->click();
            t.Find<QRadioButton>("optContinuousPlay_0")->click();
            t.Find<QPushButton>("cmdNext")->click();
        });
        QTRY_VERIFY(t.window->RoundsPlayed() >= 4);
        QVERIFY(t.Timer()->isActive() && !t.Find<QPushButton>("cmdReset")->isEnabled());
        QVERIFY(!t.Find<QSlider>("sldHandsToPlay")->isEnabled());
        t.window->cmdStop_Click();

        // Single Hand chosen back in the same pause: the round ends between single hands.
        poll.disconnect();
        bool changedModes = false;
        t.PlayPaused(poll, kSplitOfEights, [&] {
            if (!std::exchange(changedModes, true)) {
                t.Find<QPushButton>("cmdStop")->click();
                t.Find<QRadioButton>("optContinuousPlay_0")->click();
                t.Find<QRadioButton>("optContinuousPlay_1")->click();
            }
            t.Find<QPushButton>("cmdNext")->click();
        });
        QTRY_VERIFY(deal->isEnabled());
        QCOMPARE(deal->text(), QString("Deal Next"));
        QVERIFY(!t.Find<QPushButton>("cmdReset")->isEnabled() && !t.Timer()->isActive());
        t.window->cmdStop_Click();

        // Closing during a pause lets the round end and quits once.
        poll.disconnect();
        const long long before = t.window->RoundsPlayed();
        t.PlayPaused(poll, kSplitOfEights, [&] { t.window->close(); });
        QVERIFY(RunUntil([&] { return t.window->RoundsPlayed() == before + 1; }, 5000));
        QCOMPARE(t.nav.calls, QStringList {"QuitProgram"});
        QCOMPARE(t.Text("Label10"), QString("Player split hand. 2 hands played"));
        QVERIFY(!t.Timer()->isActive());
    }

    // Under the player's cards each played split hand stays in small with its total, and
    // with its result once settled, until the next round clears the table.
    void splitHandsKeptInARowAndInTheCaption() {
        Table t;
        t.gs.DoubleOnSplits = true;
        auto row = [&] { return t.Find<QWidget>("splitHands")->toolTip(); };
        QStringList atPauses;
        QTimer poll;
        // Eights split, the first hand splits again, doubles on 8 3 into 20; then 14 and 17.
        t.PlayPaused(poll, {13, 7, 8, 8, 8, 3, 9, 6, 9}, [&] {
            atPauses << row();
            t.Find<QPushButton>("cmdNext")->click();
        });
        QVERIFY(RunUntil([&] { return t.window->RoundsPlayed() == 1; }, 5000));
        QCOMPARE(atPauses, QStringList({"", "", "8 3 9: 20, doubled\n8 6: 14\n8 9: 17"}));
        QCOMPARE(row(), QString("8 3 9: 20, doubled, won\n8 6: 14, lost\n8 9: 17, push"));
        t.Expect({"Label10=Player split hand. 3 hands played", "lblPlayersHand=20 14 17 "});
        poll.stop();
        t.window->optContinuousPlay_Click(0); // no more pauses
        t.window->cmdStop_Click();
        t.PlayRound({10, 7, 10, 9});
        QCOMPARE(row(), QString());
        t.PlayRound(kSplitOfEights);
        QCOMPARE(row(), QString("8 10: 18, won\n8 10: 18, won"));
        t.window->frmMainReset();
        QCOMPARE(row(), QString());

        // Three split hands doubled make the player's caption long; it is drawn smaller, not cut.
        QStringList unfit;
        poll.disconnect();
        const long long before = t.window->RoundsPlayed();
        t.PlayPaused(poll, {13, 7, 8, 8, 8, 3, 10, 3, 10, 3, 10}, [&] {
            const QLabel* caption = t.Find("Label10");
            const int width = QFontMetrics(caption->font()).horizontalAdvance(caption->text());
            if (width > caption->width())
                unfit
                    << QString("%1: %2 > %3").arg(caption->text()).arg(width).arg(caption->width());
            t.Find<QPushButton>("cmdNext")->click();
        });
        QVERIFY(RunUntil([&] { return t.window->RoundsPlayed() == before + 1; }, 5000));
        QCOMPARE(t.gs.DoubledHandsWon + t.gs.SplitHandsWon, 3 + 3);
        QVERIFY2(unfit.isEmpty(), qPrintable(unfit.join(" | ")));
        poll.stop();
    }

    void stopAfter300Of1000ThenDealPlaysTheRestOrOneRound() {
        Table t;
        t.gs.StrategyMatrix[16].fill(kStand); // one hand per round
        t.gs.InsuranceByRow.fill(false);
        t.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
        PaintedValue painted;
        t.Find<QProgressBar>("prbHandsToPlay")->installEventFilter(&painted);
        t.Find<QSlider>("sldPlaySpeed")->setValue(10);
        t.window->cmdDeal_Click();
        for (int i = 0; i < 300; ++i)
            t.window->Timer1_Timer();
        t.Find<QPushButton>("cmdStop")->click();
        QCOMPARE(t.gs.HandsToPlay, 700);
        QCOMPARE(t.Find<QProgressBar>("prbHandsToPlay")->value(), 30);
        QTRY_COMPARE(painted.value, 30); // also when the last step was 1 %
        t.Find<QPushButton>("cmdDeal")->click();
        QVERIFY(RunUntil([&] { return !t.Timer()->isActive(); }));
        QCOMPARE(t.window->RoundsPlayed(), 1000LL);
        QCOMPARE(t.gs.HandsWon + t.gs.HandsLost + t.gs.TiedHands, 1000);
        QCOMPARE(t.Find<QProgressBar>("prbHandsToPlay")->value(), 100);
        QVERIFY(t.Find<QPushButton>("cmdReset")->isEnabled());
        t.window->cmdDeal_Click(); // a finished run starts over
        QCOMPARE(t.gs.HandsToPlay, 1000);
        t.window->cmdStop_Click();

        // The hands slider at zero plays one round.
        t.Find<QSlider>("sldHandsToPlay")->setValue(0);
        t.Find<QPushButton>("cmdDeal")->click();
        QTRY_VERIFY(!t.Timer()->isActive());
        QTest::qWait(20);
        QCOMPARE(t.window->RoundsPlayed(), 1001LL);
        QVERIFY(t.Find<QPushButton>("cmdDeal")->isEnabled()
            && t.Find<QSlider>("sldHandsToPlay")->isEnabled());
        QCOMPARE(t.Find<QProgressBar>("prbHandsToPlay")->value(), 100);
    }

    void runningCaptionRewrittenRestartsFromItsText() {
        Table t;
        t.PlayRound({10, 7, 6, 5, 10});
        t.Find("lblDblDnHandsWon")->setText("abc");
        t.Find("lblInsAmtLost")->setText("12.5");
        t.PlayRound({10, 7, 6, 5, 10});
        t.Expect({"lblDblDnHandsWon=1", "lblInsAmtLost=12.5"}); // no addition to the second yet
        QCOMPARE(t.gs.DoubledHandsWon, 2); // the statistic itself is untouched
        t.PlayRound({9, 1, 10, 10});
        t.Expect({"lblInsAmtLost=15"});
    }

    // Row n's total counts the hands inside streaks of length n or more; a streak longer
    // than 25 ends at row 26 and counts 26 hands.
    void advancedTotalsSumHandsInLongerStreaks() {
        Advanced a;
        a.gs.CurrentBet = 5;
        for (int i = 0; i < 30; ++i)
            SettleWin(a.gs, false, false);
        SettleLoss(a.gs, false);
        a.gs.StreakStopCounts[kWinning][3] = 1;
        a.gs.StreakStopCounts[kWinning][5] = 1;
        a.gs.StreakStopCounts[kLosing][2] = 3;
        a.stats.show();
        QStringList cells {"lblWinStreak_3=1", "lblWinStreak_4=0", "lblWinStreak_26=1",
            "lblPercentHandsLost_1=6", "lblPercentHandsLost_3=0"};
        for (int n = 1; n <= 26; ++n)
            cells << QString("lblPercentHandsWon_%1=%2").arg(n).arg(n <= 3 ? 34 : n <= 5 ? 31 : 26);
        a.Expect(cells, &a.stats);
    }

    // Played streaks reach the advanced statistics, whose reset clears only them; the
    // table's Reset clears every statistic.
    void playedStreaksAndTheResets() {
        Advanced a;
        a.Find<QSlider>("sldHandsToPlay")->setValue(1);
        a.PlayRound({10, 7, 10, 9}); // win
        a.PlayRound({10, 7, 10, 9}); // win
        a.PlayRound({10, 9, 10, 7}); // loss ends a winning streak of 2
        a.PlayRound({10, 7, 10, 9}); // win ends a losing streak of 1
        a.stats.Form_Activate();
        a.Expect({"lblWinStreak_2=1", "lblLossStreak_1=1", "lblPercentHandsWon_1=2"}, &a.stats);
        a.stats.findChild<QPushButton*>("cmdResetStatistics")->click();
        a.Expect({"lblWinStreak_2=0", "lblPercentHandsWon_1=0"}, &a.stats);
        QCOMPARE(a.gs.StreakStopCounts[kWinning][2], 0);
        a.Expect({"lblMaxWin=2", "lblTotalHandsLost=1"});

        for (const QList<int>& round :
            {kSplitOfEights, QList<int> {9, 1, 10, 10}, QList<int> {10, 7, 6, 5, 10}})
            a.PlayRound(round);
        a.gs.StreakStopCounts[kWinning][3] = 4;
        a.stats.Form_Activate();
        QVERIFY(a.Find<QProgressBar>("prbHandsToPlay")->value() > 0);
        a.Find<QPushButton>("cmdReset")->click();
        a.Expect({"lblTotalHandsTied=0", "lblInsHandsWon=0", "lblInsAmtLost=0", "lblInsHandsLost=0",
            "lblInsAmtWon=0", "lblAmtWonEvenMoney=0", "lblTotalHandsWon=0", "lblDblDnHandsWon=0",
            "lblDblDnAmtWon=0", "lblSplitHandsWon=0", "lblSplitAmtWon=0", "lblDblDnHandsLost=0",
            "lblDblDnAmtLost=0", "lblSplitHandsLost=0", "lblSplitAmtLost=0", "lblTotalHandsLost=0",
            "lblBlackJacksWon=0", "lblAmountWonOnWars=0", "lblPushStreak=0", "lblWinningStreak=0",
            "lblLosingStreak=0", "lblMaxWin=0", "lblMaxLos=0", "lblAmountWonOnHand=0",
            "lblCurrentBankRoll=10000", "lblMaxBankroll=10000", "lblMinBankroll=10000",
            "lblCurrentBet=5", "Label10=Player", "lblPlayersHand="});
        QVERIFY(a.Find<QWidget>("shpUp")->isHidden() && a.Find("imgPlayer_1")->isHidden());
        QVERIFY(a.Find<QProgressBar>("prbHandsToPlay")->value() == 0 && a.gs.HandsToPlay == 10
            && a.gs.CardsLeft == 52);
        a.Expect({"lblWinStreak_3=0", "lblPercentHandsWon_1=0"}, &a.stats);
        a.PlayRound({10, 7, 10, 9}); // counts from the fresh values
        a.Expect({"lblTotalHandsWon=1", "lblSplitHandsWon=0"});
    }

    // By its button, by its frame, by Enter with another button focused, by Space as it opens
    // with the focus on its way back, or by Escape.
    void returnToGameGivesTheTableBack_data() {
        CaseRows<QString>({{"button", "button"}, {"frame", "frame"}, {"Enter", "Enter"},
            {"Space as it opens", "Space"}, {"Escape", "Escape"}});
    }
    void returnToGameGivesTheTableBack() {
        const QString how = Case<QString>();
        Advanced a;
        a.gs.StreakStopCounts[kWinning][3] = 1;
        a.stats.show();
        if (how == "Space" || how == "Escape") {
            a.stats.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&a.stats));
            QTest::keyClick(
                QApplication::focusWidget(), how == "Space" ? Qt::Key_Space : Qt::Key_Escape);
        } else if (how == "button")
            a.stats.findChild<QPushButton*>("cmdReturnToGame")->click();
        else if (how == "frame")
            QVERIFY(a.stats.close());
        else
            QTest::keyClick(a.stats.findChild<QPushButton*>("cmdResetStatistics"), Qt::Key_Return);
        QVERIFY(a.stats.isHidden());
        QCOMPARE(
            a.nav.calls, QStringList({"SetTableEnabled 1", "FocusTableDeal", "StopTableTimer"}));
        QCOMPARE(a.gs.StreakStopCounts[kWinning][3], 1);
    }

    // Money past what the bankroll can hold stops play as a finished run does, and says why.
    void overflowStopsPlayAndSaysWhy() {
        Table t;
        ScriptedMessages messages;
        int rounds = 0;
        t.window->SetRoundPlayer([&](GameState& gs, TableObserver& table) {
            const int hands = PlayRound(gs, table);
            if (++rounds == 3)
                throw CurrencyOverflow("The bankroll has grown past 922,337,203,685,477.");
            return hands;
        });
        t.Find<QSlider>("sldPlaySpeed")->setValue(10);
        t.Find<QPushButton>("cmdDeal")->click();
        QVERIFY(RunUntil([&] { return !messages.shown.empty(); }, 5000));
        QCOMPARE(
            messages.Texts(), QStringList {"The bankroll has grown past 922,337,203,685,477."});
        QVERIFY(messages.shown[0].icon == MsgIcon::Information && rounds == 3);
        QVERIFY(!t.Timer()->isActive() && !t.window->RoundInProgress());
        QVERIFY(t.Find<QWidget>("cmdReset")->isEnabled() && t.Text("cmdDeal") == "Deal");
        t.window->cmdDeal_Click(); // play goes on
        t.window->Timer1_Timer();
        QCOMPARE(t.window->RoundsPlayed(), 3LL);
    }
};

QTEST_MAIN(TablePlayTest)
#include "table_play_test.moc"
