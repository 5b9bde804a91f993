#include "editor_test_support.h"
#include "editors/configuration.h"
#include "editors/frm_select_betting_strat.h"
#include "store/betting_strategies.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <sqlite3.h>

using namespace bj;
using namespace bj::test;

namespace {

StreakStrategy Short(const std::string& name) {
    StreakStrategy s;
    s.Name = name;
    s.DecksInShoe = 2;
    s.WinningSeqLength = 3;
    s.LosingSeqLength = 2;
    s.WinningHand = {25, 50, 75};
    s.LosingHand = {15, 30};
    return s;
}

QStringList Texts(const std::array<QLineEdit*, kSequenceBoxes>& boxes) {
    QStringList texts;
    for (QLineEdit* box : boxes)
        texts << (box->isHidden() ? "-" : box->text());
    return texts;
}

QStringList Entries(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

} // namespace

class StreakEditorTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheSeededDefault() {
        EditorFixture f;
        Configuration w(f.ctx);
        w.Form_Load();
        QCOMPARE(w.windowTitle(), QString("Game Configuration"));
        QCOMPARE(Entries(w.cboNames), QStringList {"Default"});
        QCOMPARE(w.cmdReturntoGame->text(), QString("Start Game"));
        const QStringList seeded {"5", "10", "20", "30", "40", "-", "-", "-", "-", "-"};
        QCOMPARE(Texts(w.txtWinningBetSeq), seeded);
        QCOMPARE(Texts(w.txtLosingBetSeq), seeded);
        QCOMPARE(w.cmbDecksInShoe->currentText(), QString("1"));
        QCOMPARE(w.cmbLengthWinningBetSeq->currentText(), QString("5"));
        QCOMPARE(f.gs.WinStreakLength, 5);
        QCOMPARE(f.gs.LoseStreakLength, 5);
        QVERIFY(!w.cmdDelete->isEnabled());
        QVERIFY(w.fraNew->isHidden());
        QVERIFY(f.messages.shown.empty());
    }

    void startGameHandsTheFirstBetToTheTable() {
        EditorFixture f;
        Configuration w(f.ctx);
        w.show();
        QCOMPARE(w.findChild<QPushButton*>("cmdReturntoGame")->text(), QString("Start Game"));
        QTest::mouseClick(w.cmdReturntoGame, Qt::LeftButton);
        QVERIFY(w.isHidden());
        QCOMPARE(f.nav.calls, (QStringList {"bet 5", "enabled 1", "focus deal", "stop timer"}));
        QCOMPARE(f.gs.StartingBet, Currency::FromWhole(5));
        QCOMPARE(f.gs.CurrentBet, 5);
        QVERIFY(f.gs.StreakStart);
        QCOMPARE(f.gs.WinningHandBets[4], 30.0);
        QCOMPARE(f.gs.LosingHandBets[10], 5.0);
        QCOMPARE(f.gs.ReturnButtonCaption, std::string("Return to Game"));
        w.show();
        QCOMPARE(w.cmdReturntoGame->text(), QString("Return to Game"));
    }

    void returnTakesTheFirstWinningBet() {
        EditorFixture f;
        Configuration w(f.ctx);
        w.Form_Load();
        TypeInto(w.txtWinningBetSeq[0], "25");
        w.cmdReturntoGame_Click();
        QCOMPARE(f.gs.StartingBet, Currency::FromWhole(25));
        QCOMPARE(f.gs.CurrentBet, 25);
        QCOMPARE(f.nav.calls.first(), QString("bet 25"));
    }

    void returnLeavesTheTableToAnOpenMultiSessionWindow() {
        EditorFixture f;
        f.nav.multiSessionOpen = true;
        Configuration w(f.ctx);
        w.show();
        w.cmdReturntoGame_Click();
        QVERIFY(w.isHidden());
        QVERIFY(f.nav.calls.isEmpty());
    }

    void zeroBetBlocksTheReturn_data() {
        QTest::addColumn<bool>("winning");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("length");
        QTest::newRow("empty winning box 2") << true << 2 << ""
                                             << "5";
        QTest::newRow("zero losing box 1") << false << 1 << "0"
                                           << "5";
        QTest::newRow("pasted letters") << true << 3 << "x7"
                                        << "5";
        QTest::newRow("hidden winning box 7") << true << 7 << ""
                                              << "3";
        QTest::newRow("hidden losing box 10") << false << 10 << ""
                                              << "1";
    }
    void zeroBetBlocksTheReturn() {
        QFETCH(bool, winning);
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, length);
        EditorFixture f;
        Configuration w(f.ctx);
        QVERIFY(ShowActive(&w));
        QLineEdit* target = (winning ? w.txtWinningBetSeq : w.txtLosingBetSeq)[box - 1];
        target->setText(typed);
        (winning ? w.cmbLengthWinningBetSeq : w.cmbLengthLosingBetSeq)->setCurrentText(length);
        w.cmdReturntoGame_Click();
        QCOMPARE(f.messages.Texts(), QStringList {"Cannot have a zero dollar bet."});
        QCOMPARE(f.messages.shown[0].icon, MsgIcon::Information);
        QVERIFY(w.isVisible());
        QVERIFY(f.nav.calls.isEmpty());
        QCOMPARE(target->text(), QString("0"));
        QVERIFY(!target->isHidden());
        QVERIFY(target->hasFocus());
    }

    void returnShowsEveryBetInShortestForm() {
        EditorFixture f;
        Configuration w(f.ctx);
        w.Form_Load();
        w.txtWinningBetSeq[1]->setText("007");
        w.txtLosingBetSeq[8]->setText("12.50");
        w.cmdReturntoGame_Click();
        QCOMPARE(w.txtWinningBetSeq[1]->text(), QString("7"));
        QCOMPARE(w.txtLosingBetSeq[8]->text(), QString("12.5"));
        QCOMPARE(f.gs.LosingHandBets[9], 12.5);
    }

    void decksAreHeldBetweenOneAndEight_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("decks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("12") << "12" << 8 << "8";
        QTest::newRow("3") << "3" << 3 << "3";
        QTest::newRow("8") << "8" << 8 << "8";
        QTest::newRow("0") << "0" << 1 << "1";
        QTest::newRow("empty") << "" << 1 << "1";
        QTest::newRow("letters") << "abc" << 1 << "1";
    }
    void decksAreHeldBetweenOneAndEight() {
        QFETCH(QString, typed);
        QFETCH(int, decks);
        QFETCH(QString, shown);
        EditorFixture f;
        Configuration w(f.ctx);
        QVERIFY(ShowActive(&w));
        w.cmbDecksInShoe->setFocus();
        w.cmbDecksInShoe->setEditText(typed);
        w.txtWinningBetSeq[0]->setFocus(); // leaving the box
        QCOMPARE(w.cmbDecksInShoe->currentText(), shown);
        QCOMPARE(f.gs.DecksInShoe, decks);
        QCOMPARE(f.gs.Shoe.size(), size_t(decks * 52));
    }

    void lengthsHideAndShowBoxes_data() {
        QTest::addColumn<bool>("winning");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("shownAfterLeaving");
        QTest::newRow("winning 3") << true << "3" << 3 << "3";
        QTest::newRow("winning 10") << true << "10" << 10 << "10";
        QTest::newRow("winning 12") << true << "12" << 10 << "10";
        QTest::newRow("losing 1") << false << "1" << 1 << "1";
        QTest::newRow("losing 0") << false << "0" << 1 << "1";
        QTest::newRow("losing empty") << false << "" << 1 << "1";
    }
    void lengthsHideAndShowBoxes() {
        QFETCH(bool, winning);
        QFETCH(QString, typed);
        QFETCH(int, length);
        QFETCH(QString, shownAfterLeaving);
        EditorFixture f;
        Configuration w(f.ctx);
        QVERIFY(ShowActive(&w));
        QComboBox* combo = winning ? w.cmbLengthWinningBetSeq : w.cmbLengthLosingBetSeq;
        const auto& boxes = winning ? w.txtWinningBetSeq : w.txtLosingBetSeq;
        const QString hiddenText = boxes[kSequenceBoxes - 1]->text();
        combo->setFocus();
        combo->setEditText(typed);
        QCOMPARE(winning ? f.gs.WinStreakLength : f.gs.LoseStreakLength, length);
        for (int i = 0; i < kSequenceBoxes; ++i)
            QCOMPARE(boxes[i]->isHidden(), i >= length);
        QCOMPARE(boxes[kSequenceBoxes - 1]->text(), hiddenText);
        w.cboNames->setFocus();
        QCOMPARE(combo->currentText(), shownAfterLeaving);
    }

    void createSaveAndLoadAStrategy() {
        EditorFixture f;
        Configuration w(f.ctx);
        w.Form_Load();
        w.cmdNew_Click();
        QVERIFY(!w.fraNew->isHidden());
        w.cmbLengthWinningBetSeq->setCurrentText("3");
        w.cmbDecksInShoe->setCurrentText("4");
        w.txtWinningBetSeq[0]->setText("25");
        TypeInto(w.txtName, "Three; up");
        QCOMPARE(w.txtName->text(), QString("Three up"));
        w.cmdSave_Click();
        QVERIFY(f.messages.shown.empty());
        QCOMPARE(Entries(w.cboNames), (QStringList {"Default", "Three up"}));
        QCOMPARE(w.SelectedStrategyName(), QString("Three up"));
        QCOMPARE(f.gs.StreakListIndex, 1);
        QVERIFY(w.fraNew->isHidden());
        QVERIFY(w.txtName->text().isEmpty());
        QVERIFY(w.cmdDelete->isEnabled());

        const auto stored = LoadStreakStrategy(f.db, 2);
        QVERIFY(stored.has_value());
        QCOMPARE(stored->Name, std::string("Three up"));
        QCOMPARE(stored->DecksInShoe, 4);
        QCOMPARE(stored->WinningSeqLength, 3);
        QCOMPARE(stored->WinningHand[0], std::optional<double>(25));
        QCOMPARE(stored->WinningHand[3], std::optional<double>());
        QCOMPARE(stored->LosingHand[4], std::optional<double>(40));

        w.cboNames->setCurrentIndex(0);
        QCOMPARE(
            Texts(w.txtWinningBetSeq).mid(0, 6), (QStringList {"5", "10", "20", "30", "40", "-"}));
        w.cboNames->setCurrentIndex(1);
        QCOMPARE(Texts(w.txtWinningBetSeq).mid(0, 4), (QStringList {"25", "10", "20", "-"}));
        QCOMPARE(f.gs.DecksInShoe, 4);
        QCOMPARE(f.gs.WinStreakLength, 3);
    }

    void boxesPastTheSequenceCarryItsLastBet() {
        EditorFixture f;
        AppendStreakStrategy(f.db, Short("A"));
        Configuration w(f.ctx);
        w.Form_Load();
        QCOMPARE(w.txtWinningBetSeq[7]->text(), QString("5")); // stored in the seed
        w.cboNames->setCurrentIndex(1);
        QCOMPARE(w.txtWinningBetSeq[3]->text(), QString("75"));
        QCOMPARE(w.txtLosingBetSeq[9]->text(), QString("30"));
        w.cmdReturntoGame_Click();
        QVERIFY(f.messages.shown.empty());
        QCOMPARE(f.gs.CurrentBet, 25);
    }

    void aSecondStrategyOfTheSameNameIsTheOneSelected() {
        EditorFixture f;
        AppendStreakStrategy(f.db, Short("Twin"));
        Configuration w(f.ctx);
        w.Form_Load();
        w.cmdNew_Click();
        w.txtName->setText("Twin");
        w.cmdSave_Click();
        QCOMPARE(w.cboNames->currentIndex(), 2);
        QCOMPARE(w.cboNames->currentData().toInt(), 3);
    }

    void saveRefusals_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("bet");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty name") << ""
                                    << "5"
                                    << "Please enter a Strategy name before you save.";
        QTest::newRow("blank name") << "   "
                                    << "5"
                                    << "Please enter a Strategy name before you save.";
        QTest::newRow("empty bet") << "Mine"
                                   << ""
                                   << "Please enter a whole dollar bet in every box of the "
                                      "sequence before you save.";
        QTest::newRow("bet too large") << "Mine"
                                       << "99999"
                                       << "Please enter a whole dollar bet in every box of the "
                                          "sequence before you save.";
    }
    void saveRefusals() {
        QFETCH(QString, name);
        QFETCH(QString, bet);
        QFETCH(QString, message);
        EditorFixture f;
        Configuration w(f.ctx);
        w.Form_Load();
        w.cmdNew_Click();
        w.txtName->setText(name);
        w.txtLosingBetSeq[2]->setText(bet);
        w.cmdSave_Click();
        QCOMPARE(f.messages.Texts(), QStringList {message});
        QCOMPARE(ListStreakStrategies(f.db).size(), size_t(1));
        QVERIFY(!w.fraNew->isHidden());
        QCOMPARE(w.txtName->text(), name);
    }

    void cancelPutsTheNameAway() {
        EditorFixture f;
        Configuration w(f.ctx);
        w.Form_Load();
        w.cmdNew_Click();
        w.txtName->setText("Half typed");
        w.cmdCancel_Click();
        QVERIFY(w.fraNew->isHidden());
        QVERIFY(w.txtName->text().isEmpty());
        QCOMPARE(ListStreakStrategies(f.db).size(), size_t(1));
    }

    void deleteAsksAndSelectsTheNeighbour_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("selected");
        QTest::newRow("middle, yes")
            << 1 << MsgAnswer::Yes << QStringList {"Default", "B", "C"} << "B";
        QTest::newRow("last, yes")
            << 3 << MsgAnswer::Yes << QStringList {"Default", "A", "B"} << "B";
        QTest::newRow("no") << 2 << MsgAnswer::No << QStringList {"Default", "A", "B", "C"} << "B";
    }
    void deleteAsksAndSelectsTheNeighbour() {
        QFETCH(int, position);
        QFETCH(MsgAnswer, answer);
        QFETCH(QStringList, left);
        QFETCH(QString, selected);
        EditorFixture f;
        for (const char* name : {"A", "B", "C"})
            AppendStreakStrategy(f.db, Short(name));
        Configuration w(f.ctx);
        w.Form_Load();
        w.cboNames->setCurrentIndex(position);
        const QString name = w.cboNames->currentText();
        f.messages.answers = {answer};
        w.cmdDelete_Click();
        QCOMPARE(f.messages.Texts(), QStringList {"Are you sure you wish to delete " + name + "?"});
        QCOMPARE(f.messages.shown[0].title, QString());
        QCOMPARE(f.messages.shown[0].buttons, MsgButtons::YesNo);
        QCOMPARE(f.messages.shown[0].icon, MsgIcon::Question);
        QCOMPARE(Entries(w.cboNames), left);
        QCOMPARE(w.SelectedStrategyName(), selected);
    }

    void theDefaultCannotBeDeleted() {
        EditorFixture f;
        AppendStreakStrategy(f.db, Short("A"));
        Configuration w(f.ctx);
        w.Form_Load();
        QVERIFY(!w.cmdDelete->isEnabled());
        w.cboNames->setCurrentIndex(1);
        QVERIFY(w.cmdDelete->isEnabled());
        w.cboNames->setCurrentIndex(0);
        QVERIFY(!w.cmdDelete->isEnabled());
        f.messages.answers = {MsgAnswer::Yes};
        w.cmdDelete_Click();
        QVERIFY(f.messages.shown.empty());
        QCOMPARE(ListStreakStrategies(f.db).size(), size_t(2));
    }

    void databaseFailuresAreReportedAndLoseNothing_data() {
        QTest::addColumn<bool>("deleting");
        QTest::newRow("save") << false;
        QTest::newRow("delete") << true;
    }
    void databaseFailuresAreReportedAndLoseNothing() {
        QFETCH(bool, deleting);
        EditorFixture f;
        AppendStreakStrategy(f.db, Short("A"));
        Configuration w(f.ctx);
        w.Form_Load();
        w.cboNames->setCurrentIndex(1);
        sqlite3_exec(f.db.Handle(), "DROP TABLE BettingStrategies", nullptr, nullptr, nullptr);
        if (deleting) {
            f.messages.answers = {MsgAnswer::Yes};
            w.cmdDelete_Click();
        } else {
            w.cmdNew_Click();
            w.txtName->setText("Kept");
            w.cmdSave_Click();
            QCOMPARE(w.txtName->text(), QString("Kept"));
        }
        QCOMPARE(f.messages.shown.back().title, QString("Database Error"));
        QCOMPARE(f.gs.StreakListIndex, 1);
        QCOMPARE(w.cboNames->count(), 2);
    }

    void changeBettingSwitchesOnlyToTheOtherKind_data() {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("switched");
        QTest::newRow("variable") << 1 << true;
        QTest::newRow("streak again") << 0 << false;
    }
    void changeBettingSwitchesOnlyToTheOtherKind() {
        QFETCH(int, chosen);
        QFETCH(bool, switched);
        EditorFixture f;
        Configuration w(f.ctx);
        frmSelectBettingStrat chooser(f.ctx);
        w.SetChooser(&chooser);
        w.show();
        QTimer::singleShot(0, &chooser, [&] {
            QTest::mouseClick(chooser.optStrategyType[chosen], Qt::LeftButton);
            QTest::mouseClick(chooser.cmdOK, Qt::LeftButton);
        });
        w.cmdChange_Click();
        QCOMPARE(f.gs.BettingType, chosen);
        QCOMPARE(w.isHidden(), switched);
        QCOMPARE(f.nav.calls, switched ? QStringList {"switch editor"} : QStringList());
    }

    void closingTheWindowReturnsToTheGame() {
        EditorFixture f;
        Configuration w(f.ctx);
        w.show();
        w.txtWinningBetSeq[0]->setText("");
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(f.messages.Texts(), QStringList {"Cannot have a zero dollar bet."});
        w.txtWinningBetSeq[0]->setText("15");
        QVERIFY(w.close());
        QCOMPARE(f.nav.calls.first(), QString("bet 15"));
        QCOMPARE(f.nav.calls.at(1), QString("enabled 1"));
    }

    void programEndClosesWithoutReturning() {
        EditorFixture f;
        Configuration w(f.ctx);
        w.show();
        w.Unload();
        QVERIFY(w.isHidden());
        QVERIFY(f.nav.calls.isEmpty());
    }

    void helpTexts_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        const QString winningBox = "The amount to bet for the specified sequence. The amount\n"
                                   "entered for the last visible sequence will continue\n"
                                   "for any sequence above that number. The amount entered\n"
                                   "for the FIRST winning sequence bet will be used for the "
                                   "Initial Bet.";
        const QString losingBox = "The amount to bet for the specified sequence. The amount\n"
                                  "entered for the last visible sequence will continue\n"
                                  "for any sequence above that number.";
        QTest::newRow("cboNames") << "cboNames"
                                  << "Name of Betting Strategy.";
        QTest::newRow("txtName") << "txtName"
                                 << "Name of the Betting Strategy.";
        QTest::newRow("decks") << "cmbDecksInShoe"
                               << "Total number of Decks in Shoe.";
        QTest::newRow("winning length")
            << "cmbLengthWinningBetSeq"
            << "Total number of Winning Sequences for placing bets.\n"
               "The amount entered for the last visible Winning \n"
               "Winning Sequence will continue for any sequences\nabove that number.";
        QTest::newRow("losing length")
            << "cmbLengthLosingBetSeq"
            << "Total number of Losing Sequences for placing bets.\n"
               "The amount entered for the last visible Losing \n"
               "Losing Sequence will continue for any sequences\nabove that number.";
        QTest::newRow("winning box 1") << "txtWinningBetSeq_1" << winningBox;
        QTest::newRow("winning box 10") << "txtWinningBetSeq_10" << winningBox;
        QTest::newRow("losing box 4") << "txtLosingBetSeq_4" << losingBox;
    }
    void helpTexts() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        EditorFixture f;
        Configuration w(f.ctx);
        w.Form_Load();
        auto* target = w.findChild<QWidget*>(control);
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key_F1);
        QCOMPARE(f.messages.Texts(), QStringList {text});
        QCOMPARE(f.messages.shown[0].icon, MsgIcon::None);
        QCOMPARE(f.messages.shown[0].buttons, MsgButtons::Ok);
    }

    void betBoxesTakeDigitsOnly() {
        EditorFixture f;
        Configuration w(f.ctx);
        w.Form_Load();
        TypeInto(w.txtLosingBetSeq[0], "1a.2-5");
        QCOMPARE(w.txtLosingBetSeq[0]->text(), QString("125"));
    }

    void captionsAndTips() {
        EditorFixture f;
        Configuration w(f.ctx);
        QCOMPARE(w.cmdNew->text(), QString("Create New Strategy"));
        QCOMPARE(w.cmdNew->toolTip(), QString("Create a new Sequence Betting Strategy"));
        QCOMPARE(w.cmdDelete->toolTip(), QString("Delete selected Sequence Betting Strategy"));
        QCOMPARE(w.cmdChange->text(), QString("Change Betting"));
        QCOMPARE(w.cmdReturntoGame->toolTip(), QString("Go to Main Screen"));
        QCOMPARE(w.cmdSave->toolTip(), QString("Save Stategy"));
        QCOMPARE(w.txtWinningBetSeq[0]->toolTip(),
            QString("Enter the amount you want to bet after winning 1 hand."));
        QCOMPARE(w.findChild<QLineEdit*>("txtLosingBetSeq_9")->toolTip(),
            QString("Enter the amount you want to bet after losing 9 consecutive hands."));
        QCOMPARE(w.cmbDecksInShoe->count(), 5);
        QCOMPARE(w.cmbLengthLosingBetSeq->itemText(9), QString("10"));
    }

    void theTableReadsTheBoxesAsTyped() {
        EditorFixture f;
        Configuration w(f.ctx);
        w.Form_Load();
        w.txtWinningBetSeq[9]->setText("");
        QString winning[kSequenceBoxes], losing[kSequenceBoxes], decks;
        w.ReadStreakTexts(winning, losing, decks);
        QCOMPARE(winning[0], QString("5"));
        QCOMPARE(winning[9], QString());
        QCOMPARE(losing[4], QString("40"));
        QCOMPARE(decks, QString("1"));
    }
};

QTEST_MAIN(StreakEditorTest)
#include "streak_editor_test.moc"
