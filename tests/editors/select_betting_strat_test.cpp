#include "editor_test_support.h"
#include "shell/window_services.h"

#include <QPushButton>

using namespace bj;
using namespace bj::test;

class SelectBettingStratTest : public QObject, FreshWindow<frmSelectBettingStrat> {
    Q_OBJECT
private slots:
    void init() { Renew(); }

    // Each showing starts from the kind in force, whatever was clicked before; a click chooses
    // at once and OK, Enter and the close button all keep the choice.
    void clickChoosesAtOnceAndOkOrCloseKeepsIt() {
        for (const auto& [inForce, how] :
            {std::pair {1, QString("OK")}, {1, QString("close")}, {0, QString("Enter")}}) {
            f->gs.BettingType = inForce;
            bool startsFromIt = false, ended = false;
            int chosenAtOnce = -1;
            QTimer::singleShot(0, w.get(), [&, inForce = inForce, how = how] {
                startsFromIt = w->optStrategyType[inForce]->isChecked()
                    && !w->optStrategyType[1 - inForce]->isChecked();
                QTest::mouseClick(w->optStrategyType[1 - inForce], Qt::LeftButton);
                chosenAtOnce = f->gs.BettingType;
                if (how == "OK")
                    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
                else if (how == "Enter")
                    QTest::keyClick(w->optStrategyType[1 - inForce], Qt::Key_Return);
                else
                    w->close();
                ended = w->isHidden();
                w->hide(); // so that a window left open fails the check, not the run
            });
            ShowModal(w.get());
            QVERIFY(startsFromIt && ended);
            QCOMPARE(chosenAtOnce, 1 - inForce);
            QCOMPARE(f->gs.BettingType, 1 - inForce);
        }
    }

    // Without CustomizeWindowHint the window manager picks the frame's buttons, minimise too;
    // some managers offer maximise on any window that may grow.
    void offersCloseButNoMinimiseOrMaximise() {
        const Qt::WindowFlags frame = Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint;
        QCOMPARE(w->windowFlags()
                & (frame | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
            frame);
        w->show();
        QCOMPARE(w->maximumSize(), w->minimumSize());
        w->hide();
    }

    void f1ExplainsEachOptionWithoutChoosingIt_data() {
        CaseRows<QString>({{"optStrategyType_0",
                               Msg("This option is for Sequencial Betting.\nYou may change bet "
                                   "values based on the nunmber\nof hands won or lost.",
                                   "Use Streak Betting Strategy")},
            {"optStrategyType_1",
                Msg("This option is for Variable Betting.\nYou may set the bet value to increment "
                    "a certain\namount based on a win or loss.",
                    "Use Variable Betting Strategy")}});
    }
    void f1ExplainsEachOptionWithoutChoosingIt() {
        const int other = QString(QTest::currentDataTag()).endsWith("_0") ? 1 : 0;
        f->gs.BettingType = other;
        CheckHelp(*f, *w);
        QCOMPARE(f->gs.BettingType, other);
    }
};

QTEST_MAIN(SelectBettingStratTest)
#include "select_betting_strat_test.moc"
