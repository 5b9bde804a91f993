#include "editor_test_support.h"
#include "shell/window_services.h"

#include <QPushButton>

using namespace bj;
using namespace bj::test;

class SelectBettingStratTest : public QObject, FreshWindow<frmSelectBettingStrat> {
    Q_OBJECT
private slots:
    void init() { Renew(); }

    void everyShowingStartsFromTheKindInForce_data() {
        QTest::addColumn<int>("bettingType");
        QTest::newRow("streak") << 0;
        QTest::newRow("variable") << 1;
    }
    void everyShowingStartsFromTheKindInForce() {
        QFETCH(int, bettingType);
        f->gs.BettingType = bettingType;
        w->show();
        QVERIFY(w->optStrategyType[bettingType]->isChecked());
        QVERIFY(!w->optStrategyType[1 - bettingType]->isChecked());
        w->cmdOK_Click();
        f->gs.BettingType = 1 - bettingType;
        w->show();
        QVERIFY(w->optStrategyType[1 - bettingType]->isChecked());
    }

    void clickChoosesAtOnceAndCloseKeepsIt_data() {
        QTest::addColumn<bool>("byOk");
        QTest::newRow("OK button") << true;
        QTest::newRow("close button") << false;
    }
    void clickChoosesAtOnceAndCloseKeepsIt() {
        QFETCH(bool, byOk);
        f->gs.BettingType = 1;
        QTimer::singleShot(0, w.get(), [&] {
            QTest::mouseClick(w->optStrategyType[0], Qt::LeftButton);
            QCOMPARE(f->gs.BettingType, 0);
            byOk ? QTest::mouseClick(w->cmdOK, Qt::LeftButton) : void(w->close());
        });
        ShowModal(w.get());
        QVERIFY(w->isHidden());
        QCOMPARE(f->gs.BettingType, 0);
    }

    void f1ExplainsEachOptionWithoutChoosingIt_data() {
        HelpRows({{"optStrategyType_0",
                      "This option is for Sequencial Betting.\nYou may change bet values based on "
                      "the nunmber\nof hands won or lost.",
                      "Use Streak Betting Strategy"},
            {"optStrategyType_1",
                "This option is for Variable Betting.\nYou may set the bet value to increment a "
                "certain\namount based on a win or loss.",
                "Use Variable Betting Strategy"}});
    }
    void f1ExplainsEachOptionWithoutChoosingIt() {
        CheckHelp(*f, *w);
        QCOMPARE(f->gs.BettingType, 0);
    }
};

QTEST_MAIN(SelectBettingStratTest)
#include "select_betting_strat_test.moc"
