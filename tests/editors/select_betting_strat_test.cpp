#include "editor_test_support.h"
#include "editors/frm_select_betting_strat.h"
#include "shell/window_services.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace bj;
using namespace bj::test;

class SelectBettingStratTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheWindowAsDesigned() {
        EditorFixture f;
        frmSelectBettingStrat w(f.ctx);
        QCOMPARE(w.windowTitle(), QString("Select Betting Strategy"));
        QCOMPARE(w.findChild<QRadioButton*>("optStrategyType_0")->text(),
            QString("Use Streak Betting Strategy"));
        QCOMPARE(w.findChild<QRadioButton*>("optStrategyType_1")->text(),
            QString("Use Variable Betting Strategy"));
        QCOMPARE(w.findChild<QPushButton*>("cmdOK")->text(), QString("&OK"));
        QVERIFY(w.findChildren<QLabel*>().first()->text()
            == "Click on an item & hit F1 for description");
    }

    void loadSelectsTheKindInForce_data() {
        QTest::addColumn<int>("bettingType");
        QTest::newRow("streak") << 0;
        QTest::newRow("variable") << 1;
    }
    void loadSelectsTheKindInForce() {
        QFETCH(int, bettingType);
        EditorFixture f;
        f.gs.BettingType = bettingType;
        frmSelectBettingStrat w(f.ctx);
        w.show();
        QVERIFY(w.optStrategyType[bettingType]->isChecked());
        QVERIFY(!w.optStrategyType[1 - bettingType]->isChecked());
        QCOMPARE(f.gs.BettingType, bettingType);
    }

    void clickChoosesAtOnceAndCloseKeepsIt_data() {
        QTest::addColumn<bool>("byOk");
        QTest::newRow("OK button") << true;
        QTest::newRow("close button") << false;
    }
    void clickChoosesAtOnceAndCloseKeepsIt() {
        QFETCH(bool, byOk);
        EditorFixture f;
        f.gs.BettingType = 1;
        frmSelectBettingStrat w(f.ctx);
        QTimer::singleShot(0, &w, [&] {
            QTest::mouseClick(w.optStrategyType[0], Qt::LeftButton);
            QCOMPARE(f.gs.BettingType, 0);
            byOk ? QTest::mouseClick(w.cmdOK, Qt::LeftButton) : void(w.close());
        });
        ShowModal(&w);
        QVERIFY(w.isHidden());
        QCOMPARE(f.gs.BettingType, 0);
    }

    void eachShowingStartsFromTheKindInForce() {
        EditorFixture f;
        frmSelectBettingStrat w(f.ctx);
        w.show();
        w.cmdOK_Click();
        f.gs.BettingType = 1;
        w.show();
        QVERIFY(w.optStrategyType[1]->isChecked());
    }

    void f1ExplainsEachOption_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("streak") << 0
                                << "This option is for Sequencial Betting.\n"
                                   "You may change bet values based on the nunmber\n"
                                   "of hands won or lost."
                                << "Use Streak Betting Strategy";
        QTest::newRow("variable") << 1
                                  << "This option is for Variable Betting.\n"
                                     "You may set the bet value to increment a certain\n"
                                     "amount based on a win or loss."
                                  << "Use Variable Betting Strategy";
    }
    void f1ExplainsEachOption() {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QString, title);
        EditorFixture f;
        frmSelectBettingStrat w(f.ctx);
        w.show();
        const int before = f.gs.BettingType;
        QTest::keyClick(w.optStrategyType[index], Qt::Key_F1);
        QCOMPARE(f.messages.shown.size(), size_t(1));
        QCOMPARE(f.messages.shown[0].text, text);
        QCOMPARE(f.messages.shown[0].title, title);
        QCOMPARE(f.messages.shown[0].icon, MsgIcon::None);
        QCOMPARE(f.messages.shown[0].buttons, MsgButtons::Ok);
        QCOMPARE(f.gs.BettingType, before);
    }
};

QTEST_MAIN(SelectBettingStratTest)
#include "select_betting_strat_test.moc"
