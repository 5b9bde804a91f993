#include "table_fixture.h"

#include "engine/round.h"

#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include <functional>

using namespace bj;
using namespace bj::test;

class TablePlayTest : public QObject {
    Q_OBJECT

private slots:
    void roundShowsCardsTotalsAndAmounts_data();
    void roundShowsCardsTotalsAndAmounts();
    void cardsShowRankOnEveryPlace();
    void doubledBetShowsDuringRoundAndHalvesAfter();
    void splitRoundCountsEveryHand();
    void singleHandPausesAtContinueAndNeverStartsASecondRound();
    void stopDuringPauseKeepsNavigationUntilRoundEnds();
    void stopAfter300Of1000ThenDealPlaysTheRest();
    void handsSliderAtZeroPlaysOneRound();
    void runningCaptionRewrittenRestartsFromItsText();
    void continuousWhileIdleStartsPlay();
    void closingDuringAPauseLetsTheRoundEndAndQuitsOnce();
};

void TablePlayTest::roundShowsCardsTotalsAndAmounts_data() {
    QTest::addColumn<QList<int>>("ranks");
    QTest::addColumn<QStringList>("shown"); // label=text pairs
    QTest::newRow("win") << QList<int> {10, 7, 10, 9}
                         << QStringList {"lblAmountWonOnHand=5", "lblCurrentBankRoll=10005",
                                "lblPlayersHand=19", "lblDealersHand=17", "Label10=Player",
                                "lblTotalHandsWon=1", "lblWinningStreak=1", "lblMaxWin=1",
                                "lblMaxBankroll=10005", "lblPushStreak=0"};
    QTest::newRow("loss") << QList<int> {10, 9, 10, 7}
                          << QStringList {"lblAmountWonOnHand=-5", "lblCurrentBankRoll=9995",
                                 "lblMinBankroll=9995", "lblPlayersHand=17", "lblDealersHand=19",
                                 "lblTotalHandsLost=1", "lblLosingStreak=1", "lblMaxLos=1"};
    QTest::newRow("push") << QList<int> {10, 8, 10, 8}
                          << QStringList {"lblAmountWonOnHand=Tie", "lblCurrentBankRoll=10000",
                                 "lblTotalHandsTied=1", "lblPushStreak=1", "lblWinningStreak=0"};
    QTest::newRow("blackjack") << QList<int> {10, 7, 1, 13}
                               << QStringList {"lblAmountWonOnHand=7.5",
                                      "lblCurrentBankRoll=10007.5", "lblBlackJacksWon=1",
                                      "lblAmountWonOnWars=7.5", "lblPlayersHand=21"};
    QTest::newRow("insurance lost, then a push shows the insurance")
        << QList<int> {9, 1, 10, 10}
        << QStringList {"Label10=Player - Insurance", "lblAmountWonOnHand=-2.5",
               "lblCurrentBankRoll=9997.5", "lblInsAmtLost=2.5", "lblTotalHandsTied=1"};
    QTest::newRow("insurance won against a dealer blackjack")
        << QList<int> {10, 1, 10, 10}
        << QStringList {"Label10=Player - Insurance", "lblAmountWonOnHand=0",
               "lblCurrentBankRoll=10000", "lblInsHandsLost=1", "lblTotalHandsLost=1"};
    QTest::newRow("double down") << QList<int> {10, 7, 6, 5, 10}
                                 << QStringList {"Label10=Player - Double Down",
                                        "lblAmountWonOnHand=10", "lblCurrentBankRoll=10010",
                                        "lblDblDnHandsWon=1", "lblDblDnAmtWon=10",
                                        "lblCurrentBet=5", "lblPlayersHand=21"};
}

void TablePlayTest::roundShowsCardsTotalsAndAmounts() {
    QFETCH(QList<int>, ranks);
    QFETCH(QStringList, shown);
    Table t;
    std::vector<Card> stacked;
    for (int rank : ranks)
        stacked.push_back({static_cast<std::uint8_t>(rank), kSpades});
    t.gs.StackedCards.assign(stacked.rbegin(), stacked.rend());
    t.window->cmdDeal_Click();
    t.window->Timer1_Timer();
    t.window->cmdStop_Click();
    for (const QString& pair : shown) {
        const QString name = pair.section('=', 0, 0);
        QCOMPARE(name + "=" + t.Text(name), pair);
    }
}

void TablePlayTest::cardsShowRankOnEveryPlace() {
    Table t;
    t.PlayRound({10, 7, 12, 1}); // player holds Q-A: a natural against 17
    QCOMPARE(t.Text("lblDealer_1"), QString("10"));
    QCOMPARE(t.Text("lblDealer_2"), QString("7"));
    QCOMPARE(t.Text("lblPlayer_1"), QString("Q"));
    QCOMPARE(t.Text("lblPlayer_2"), QString("A"));
    for (const char* name : {"imgDealer_1", "imgDealer_2", "imgPlayer_1", "imgPlayer_2",
             "lblPlayer_1", "lblPlayer_2", "shpUp"})
        QVERIFY2(!t.Find<QWidget>(name)->isHidden(), name);
    QVERIFY(t.Find("imgDealer_3")->isHidden());
    QVERIFY(t.Find("imgPlayer_3")->isHidden());
    QVERIFY(!t.Find("imgPlayer_1")->pixmap().isNull());
}

// Calls back whenever the watched widget is shown.
class ShowSpy final : public QObject {
public:
    ShowSpy(QWidget* watched, std::function<void()> onShow)
        : onShow_(std::move(onShow)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent)
            onShow_();
        return false;
    }

private:
    std::function<void()> onShow_;
};

void TablePlayTest::doubledBetShowsDuringRoundAndHalvesAfter() {
    Table t;
    QString betWhileDoubling;
    ShowSpy spy(t.Find("imgPlayer_3"), [&] { betWhileDoubling = t.Text("lblCurrentBet"); });
    t.PlayRound({10, 7, 6, 5, 10});
    QCOMPARE(betWhileDoubling, QString("10"));
    QCOMPARE(t.Text("lblCurrentBet"), QString("5"));
    QCOMPARE(t.gs.CurrentBet, 5);
}

void TablePlayTest::splitRoundCountsEveryHand() {
    Table t;
    const int before = t.gs.HandsToPlay;
    t.PlayRound({10, 7, 8, 8, 10, 10});
    QCOMPARE(t.gs.HandsToPlay, before - 2);
    QCOMPARE(t.Text("Label10"), QString("Player split hand. 2 hands played"));
    QCOMPARE(t.Text("lblPlayersHand"), QString("18 18 "));
    QCOMPARE(t.Find("lblPlayersHand")->font().pointSize(), 10);
    QCOMPARE(t.Text("lblSplitHandsWon"), QString("2"));
    QCOMPARE(t.Text("lblSplitAmtWon"), QString("10"));
    QCOMPARE(t.Text("lblCurrentBankRoll"), QString("10010"));
    QCOMPARE(t.window->RoundsPlayed(), 1LL);
}

void TablePlayTest::singleHandPausesAtContinueAndNeverStartsASecondRound() {
    Table t;
    t.window->show();
    t.window->optContinuousPlay_Click(1);
    StackShoeRanks(t.gs, {10, 7, 8, 8, 10, 10});
    const int before = t.gs.HandsToPlay;
    QStringList pauses;
    auto* next = t.Find<QPushButton>("cmdNext");
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (next->isHidden())
            return;
        // Paused: the 1 ms timer keeps ticking but no second round may start.
        QTest::qWait(30);
        pauses << t.Text("Label10") + QString(" rounds=%1").arg(t.window->RoundsPlayed());
        QCOMPARE(t.gs.HandsToPlay, before);
        next->click();
    });
    poll.start(10);
    t.window->cmdDeal_Click();
    QTRY_COMPARE(t.window->RoundsPlayed(), 1LL);
    QTest::qWait(30);
    QCOMPARE(pauses, QStringList({"Player - Split rounds=0", "Player - Split rounds=0"}));
    QCOMPARE(t.window->RoundsPlayed(), 1LL);
    QCOMPARE(t.gs.HandsToPlay, before - 2);
    auto* deal = t.Find<QPushButton>("cmdDeal");
    QCOMPARE(deal->text(), QString("Deal Next"));
    QVERIFY(deal->isEnabled());
    QVERIFY(!t.Find<QPushButton>("cmdReset")->isEnabled());
    QVERIFY(!t.window->findChild<QTimer*>("Timer1")->isActive());
}

void TablePlayTest::stopDuringPauseKeepsNavigationUntilRoundEnds() {
    Table t;
    t.window->show();
    t.window->optContinuousPlay_Click(1);
    StackShoeRanks(t.gs, {10, 7, 8, 8, 10, 10});
    auto* next = t.Find<QPushButton>("cmdNext");
    auto* sessions = t.Find<QPushButton>("cmdMultipleSessions");
    bool stoppedInPause = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (next->isHidden())
            return;
        if (!stoppedInPause) {
            t.Find<QPushButton>("cmdStop")->click();
            stoppedInPause = true;
            QVERIFY(t.Find<QPushButton>("cmdReset")->isEnabled());
            QVERIFY(t.Find<QSlider>("sldHandsToPlay")->isEnabled());
            QVERIFY(!sessions->isEnabled());
        }
        next->click();
    });
    poll.start(10);
    t.window->cmdDeal_Click();
    QTRY_COMPARE(t.window->RoundsPlayed(), 1LL);
    QVERIFY(stoppedInPause);
    QVERIFY(sessions->isEnabled());
    QVERIFY(t.Find<QPushButton>("cmdDeal")->isEnabled());
}

void TablePlayTest::stopAfter300Of1000ThenDealPlaysTheRest() {
    Table t;
    t.gs.StrategyMatrix[16].fill(kStand); // one hand per round
    t.gs.StrategyMatrix[7].fill(kStand);
    t.gs.InsuranceByRow.fill(false);
    t.window->show();
    t.Find<QSlider>("sldPlaySpeed")->setValue(10);
    QCOMPARE(t.window->findChild<QTimer*>("Timer1")->interval(), 1);
    t.window->cmdDeal_Click();
    for (int i = 0; i < 300; ++i)
        t.window->Timer1_Timer();
    t.Find<QPushButton>("cmdStop")->click();
    QCOMPARE(t.gs.HandsToPlay, 700);
    QCOMPARE(t.Find<QProgressBar>("prbHandsToPlay")->value(), 30);
    QVERIFY(t.Find<QPushButton>("cmdDeal")->isEnabled());

    t.Find<QPushButton>("cmdDeal")->click();
    QVERIFY(RunUntil([&] { return !t.window->findChild<QTimer*>("Timer1")->isActive(); }));
    QCOMPARE(t.window->RoundsPlayed(), 1000LL);
    QCOMPARE(t.gs.HandsWon + t.gs.HandsLost + t.gs.TiedHands, 1000);
    QCOMPARE(t.Find<QProgressBar>("prbHandsToPlay")->value(), 100);
    QVERIFY(t.Find<QPushButton>("cmdReset")->isEnabled());
}

void TablePlayTest::handsSliderAtZeroPlaysOneRound() {
    Table t;
    t.window->show();
    t.Find<QSlider>("sldHandsToPlay")->setValue(0);
    QCOMPARE(t.Text("lblHandsToPlay"), QString("0"));
    t.Find<QPushButton>("cmdDeal")->click();
    QTRY_VERIFY(!t.window->findChild<QTimer*>("Timer1")->isActive());
    QTest::qWait(20);
    QCOMPARE(t.window->RoundsPlayed(), 1LL);
    for (const char* name : {"cmdDeal", "cmdReset", "cmdConfiguration", "cmdPlayingStrat",
             "cmdAdvancedStats", "cmdMultipleSessions"})
        QVERIFY2(t.Find<QPushButton>(name)->isEnabled(), name);
    QVERIFY(t.Find<QSlider>("sldHandsToPlay")->isEnabled());
    QCOMPARE(t.Find<QProgressBar>("prbHandsToPlay")->value(), 100);
}

void TablePlayTest::runningCaptionRewrittenRestartsFromItsText() {
    Table t;
    t.PlayRound({10, 7, 6, 5, 10});
    QCOMPARE(t.Text("lblDblDnHandsWon"), QString("1"));
    t.Find("lblDblDnHandsWon")->setText("abc");
    t.Find("lblInsAmtLost")->setText("12.5");
    t.PlayRound({10, 7, 6, 5, 10});
    QCOMPARE(t.Text("lblDblDnHandsWon"), QString("1"));
    QCOMPARE(t.gs.DoubledHandsWon, 2); // the statistic itself is untouched
    QCOMPARE(t.Text("lblInsAmtLost"), QString("12.5")); // no addition yet
    t.PlayRound({9, 1, 10, 10});
    QCOMPARE(t.Text("lblInsAmtLost"), QString("15"));
}

void TablePlayTest::continuousWhileIdleStartsPlay() {
    Table t;
    auto* timer = t.window->findChild<QTimer*>("Timer1");
    t.window->optContinuousPlay_Click(1);
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 1);
    t.Find<QRadioButton>("optContinuousPlay_0")->click();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 83);
    t.window->cmdStop_Click();
}

void TablePlayTest::closingDuringAPauseLetsTheRoundEndAndQuitsOnce() {
    Table t;
    t.window->show();
    t.window->optContinuousPlay_Click(1);
    StackShoeRanks(t.gs, {10, 7, 8, 8, 10, 10});
    auto* next = t.Find<QPushButton>("cmdNext");
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!next->isHidden())
            t.window->close();
    });
    poll.start(10);
    t.window->cmdDeal_Click();
    QVERIFY(RunUntil([&] { return t.window->RoundsPlayed() == 1; }, 5000));
    QCOMPARE(t.nav.calls, QStringList {"QuitProgram"});
    QCOMPARE(t.Text("Label10"), QString("Player split hand. 2 hands played"));
    QVERIFY(!t.window->findChild<QTimer*>("Timer1")->isActive());
}

QTEST_MAIN(TablePlayTest)
#include "table_play_test.moc"
