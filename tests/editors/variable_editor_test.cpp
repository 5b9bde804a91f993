#include "editor_test_support.h"
#include "editors/frm_select_betting_strat.h"
#include "editors/frm_variable_config.h"
#include "store/betting_strategies.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <sqlite3.h>

using namespace bj;
using namespace bj::test;

namespace {

VariableStrategy Named(const std::string& name, double initial) {
    VariableStrategy s;
    s.Name = name;
    s.InitialBet = initial;
    s.MaximumBet = 100;
    s.MinimumBet = 2;
    s.WinBet = 3;
    s.LoseBet = 4;
    s.LoseAddSub = 1;
    s.MaintainMin = 1;
    return s;
}

QStringList Amounts(const frmVariableConfig& w) {
    return {w.txtInitialBet->text(), w.txtMaxBet->text(), w.txtMinBet->text(),
        w.txtFlatAddWin->text(), w.txtFlatAddLose->text()};
}

// Save, Cancel, Create, Delete: which are enabled.
QString Buttons(const frmVariableConfig& w) {
    QString state;
    for (const QPushButton* b : {w.cmdSave, w.cmdCancel, w.cmdAdd, w.cmdDelete})
        state += b->isEnabled() ? '1' : '0';
    return state;
}

const QString kNotEditing = "0010";
const QString kEditing = "1100";

} // namespace

class VariableEditorTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheSeededDefault() {
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        QCOMPARE(w.windowTitle(), QString("Variable Betting Configuration"));
        QCOMPARE(w.cboStartegy->count(), 1);
        QCOMPARE(w.cboStartegy->currentText(), QString("Default"));
        QCOMPARE(Amounts(w), (QStringList {"10.00", "50.00", "5.00", "10.00", "10.00"}));
        QVERIFY(w.optMaxBet[0]->isChecked());
        QVERIFY(w.optMinBet[0]->isChecked());
        QCOMPARE(w.cboFWAddSub->currentText(), QString("Add"));
        QCOMPARE(Buttons(w), kNotEditing);
        QVERIFY(w.txtStrategy->isHidden());
        QCOMPARE(w.cmdReturn->text(), QString("Start Game"));
        QCOMPARE(f.gs.InitialBet, 10.0);
        QCOMPARE(f.gs.MaximumBet, 50.0);
        QVERIFY(f.gs.VariableStrategyLoaded);
        QCOMPARE(f.gs.VariableBetRefNo, 1);
        QCOMPARE(w.VariableBetName(), QString("Default"));
    }

    void startGameHandsTheInitialBetToTheTable() {
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        QTest::mouseClick(w.cmdReturn, Qt::LeftButton);
        QVERIFY(w.isHidden());
        QCOMPARE(f.nav.calls, (QStringList {"enabled 1", "bet 10", "enabled 1"}));
        QCOMPARE(f.gs.StartingBet, Currency::FromWhole(10));
        QCOMPARE(f.gs.CurrentBet, 10);
        QCOMPARE(f.gs.ReturnButtonCaption, std::string("Return to game"));
        w.show();
        QCOMPARE(w.cmdReturn->text(), QString("Return to game"));
    }

    void returnDuringPlayKeepsTheBet() {
        EditorFixture f;
        f.nav.progress = 40;
        f.gs.CurrentBet = 35;
        frmVariableConfig w(f.ctx);
        w.show();
        w.cmdReturn_Click();
        QCOMPARE(f.nav.calls, (QStringList {"enabled 1", "enabled 1"}));
        QCOMPARE(f.gs.CurrentBet, 35);
    }

    void returnLeavesTheTableToAnOpenMultiSessionWindow() {
        EditorFixture f;
        f.nav.multiSessionOpen = true;
        frmVariableConfig w(f.ctx);
        w.show();
        w.cmdReturn_Click();
        QCOMPARE(f.nav.calls, QStringList {"bet 10"});
        QVERIFY(w.isHidden());
    }

    void halfInitialBetRoundsToEven() {
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        w.txtInitialBet->setText("12.50");
        w.cmdReturn_Click();
        QCOMPARE(f.gs.StartingBet, Currency::FromDouble(12.5));
        QCOMPARE(f.gs.CurrentBet, 12);
    }

    void typedDigitStartsEditing_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("text");
        QTest::newRow("digit") << "txtMaxBet"
                               << "7" << kEditing << "50.007";
        QTest::newRow("letter") << "txtMaxBet"
                                << "a" << kNotEditing << "50.00";
        QTest::newRow("point") << "txtMinBet"
                               << "." << kNotEditing << "5.00";
        QTest::newRow("backspace") << "txtFlatAddWin"
                                   << "\b" << kEditing << "10.0";
    }
    void typedDigitStartsEditing() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, buttons);
        QFETCH(QString, text);
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        auto* edit = w.findChild<QLineEdit*>(box);
        edit->deselect();
        edit->end(false);
        if (typed == "\b")
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), text);
        QCOMPARE(Buttons(w), buttons);
        QCOMPARE(f.gs.VariableStrategyLoaded, buttons == kNotEditing);
    }

    void editsGoIntoTheGameStateAtOnce() {
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        TypeInto(w.txtMaxBet, "80");
        TypeInto(w.txtFlatAddLose, "3");
        w.cboFWAddSub->setCurrentIndex(1);
        w.optMaxBet[1]->setChecked(true);
        w.optMinBet[1]->setChecked(true);
        QCOMPARE(f.gs.MaximumBet, 80.0);
        QCOMPARE(f.gs.LoseBet, 3.0);
        QCOMPARE(f.gs.WinAddSub, 1);
        QCOMPARE(f.gs.MaintainMax, 1);
        QCOMPARE(f.gs.MaintainMin, 1);
        QVERIFY(!f.gs.VariableStrategyLoaded);
        QCOMPARE(Buttons(w), kEditing);
    }

    void leavingABoxShowsTwoDecimals_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("value");
        QTest::newRow("empty maximum") << "txtMaxBet"
                                       << ""
                                       << "0.00" << 0.0;
        QTest::newRow("grouped maximum") << "txtMaxBet"
                                         << "1234"
                                         << "1,234.00" << 1234.0;
        QTest::newRow("empty flat win") << "txtFlatAddWin"
                                        << ""
                                        << "0.00" << 0.0;
        QTest::newRow("empty initial") << "txtInitialBet"
                                       << ""
                                       << "0.00" << 0.0;
        QTest::newRow("initial without grouping") << "txtInitialBet"
                                                  << "2500"
                                                  << "2500.00" << 2500.0;
        QTest::newRow("absurd minimum")
            << "txtMinBet" << QString(40, '9') << "1,000,000,000.00" << 1e9;
    }
    void leavingABoxShowsTwoDecimals() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(double, value);
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        QVERIFY(ShowActive(&w));
        auto* edit = w.findChild<QLineEdit*>(box);
        edit->setFocus();
        TypeInto(edit, typed);
        w.cboStartegy->setFocus();
        QCOMPARE(edit->text(), shown);
        const std::map<QString, double*> fields {{"txtMaxBet", &f.gs.MaximumBet},
            {"txtMinBet", &f.gs.MinimumBet}, {"txtInitialBet", &f.gs.InitialBet},
            {"txtFlatAddWin", &f.gs.WinBet}};
        QCOMPARE(*fields.at(box), value);
    }

    void cancelRestoresTheStoredValues() {
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        TypeInto(w.txtInitialBet, "25");
        w.optMaxBet[1]->setChecked(true);
        w.cboFLAddSub->setCurrentIndex(1);
        w.cmdCancel_Click();
        QCOMPARE(Amounts(w), (QStringList {"10.00", "50.00", "5.00", "10.00", "10.00"}));
        QVERIFY(w.optMaxBet[0]->isChecked());
        QCOMPARE(w.cboFLAddSub->currentIndex(), 0);
        QCOMPARE(f.gs.InitialBet, 10.0);
        QCOMPARE(f.gs.MaintainMax, 0);
        QCOMPARE(f.gs.LoseAddSub, 0);
        QVERIFY(f.gs.VariableStrategyLoaded);
        QCOMPARE(Buttons(w), kNotEditing);
    }

    void unsavedEditsSurviveClosingAndReopening() {
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        TypeInto(w.txtMaxBet, "75");
        w.optMinBet[1]->setChecked(true);
        w.cmdReturn_Click();
        QVERIFY(w.isHidden());
        w.show();
        QCOMPARE(w.txtMaxBet->text(), QString("75.00"));
        QVERIFY(w.optMinBet[1]->isChecked());
        QCOMPARE(Buttons(w), kEditing);
        QCOMPARE(f.gs.MaximumBet, 75.0);
        w.cmdCancel_Click();
        QCOMPARE(w.txtMaxBet->text(), QString("50.00"));
    }

    void createANewStrategy() {
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        w.cmdAdd_Click();
        QVERIFY(!w.txtStrategy->isHidden());
        QCOMPARE(Buttons(w), kEditing);
        w.txtStrategy->setText("  Climb  ");
        TypeInto(w.txtInitialBet, "20");
        w.optMaxBet[1]->setChecked(true);
        w.cboFWAddSub->setCurrentIndex(1);
        w.cmdSave_Click();
        QVERIFY(f.messages.shown.empty());
        QCOMPARE(w.cboStartegy->count(), 2);
        QCOMPARE(w.cboStartegy->currentText(), QString("Climb"));
        QCOMPARE(f.gs.VariableListIndex, 1);
        QCOMPARE(Buttons(w), QString("0011"));
        QVERIFY(w.txtStrategy->isHidden());
        const auto stored = LoadVariableStrategy(f.db, 2);
        QVERIFY(stored.has_value());
        QCOMPARE(stored->Name, std::string("Climb"));
        QCOMPARE(stored->InitialBet, 20.0);
        QCOMPARE(stored->MaintainMax, 1);
        QCOMPARE(stored->WinAddSub, 1);
        QCOMPARE(stored->MaximumBet, 50.0);
    }

    void saveRefusesAnEmptyName() {
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        w.cmdAdd_Click();
        w.txtStrategy->setText("   ");
        w.cmdSave_Click();
        QCOMPARE(f.messages.Texts(), QStringList {"Please enter a betting strategy name."});
        QCOMPARE(f.messages.shown[0].title, QString("Enter Name"));
        QCOMPARE(f.messages.shown[0].icon, MsgIcon::Information);
        QCOMPARE(ListVariableStrategies(f.db).size(), size_t(1));
        QCOMPARE(Buttons(w), kEditing);
    }

    void theDefaultIsNeverOverwritten_data() {
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("yes: name it") << MsgAnswer::Yes;
        QTest::newRow("no: discard") << MsgAnswer::No;
    }
    void theDefaultIsNeverOverwritten() {
        QFETCH(MsgAnswer, answer);
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        TypeInto(w.txtMaxBet, "90");
        f.messages.answers = {answer};
        w.cmdSave_Click();
        QCOMPARE(f.messages.Texts(),
            QStringList {"You may not change the default settings.\n"
                         "Would you like to save these settings under\nanother name?"});
        QCOMPARE(f.messages.shown[0].title, QString("Create New?"));
        QCOMPARE(f.messages.shown[0].icon, MsgIcon::Question);
        QCOMPARE(LoadVariableStrategy(f.db, 1)->MaximumBet, 50.0);
        if (answer == MsgAnswer::Yes) {
            QVERIFY(!w.txtStrategy->isHidden());
            QCOMPARE(Buttons(w), kEditing);
            QCOMPARE(f.gs.MaximumBet, 90.0);
        } else {
            QCOMPARE(w.txtMaxBet->text(), QString("50.00"));
            QCOMPARE(f.gs.MaximumBet, 50.0);
            QCOMPARE(Buttons(w), kNotEditing);
        }
    }

    void replaceAStoredStrategy_data() {
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("yes") << MsgAnswer::Yes;
        QTest::newRow("no") << MsgAnswer::No;
    }
    void replaceAStoredStrategy() {
        QFETCH(MsgAnswer, answer);
        EditorFixture f;
        AppendVariableStrategy(f.db, Named("Steady", 15));
        f.gs.VariableListIndex = 1;
        frmVariableConfig w(f.ctx);
        w.show();
        QCOMPARE(w.txtInitialBet->text(), QString("15.00"));
        QVERIFY(w.optMinBet[1]->isChecked());
        TypeInto(w.txtInitialBet, "30");
        f.messages.answers = {answer};
        w.cmdSave_Click();
        QCOMPARE(f.messages.shown[0].text, QString("Do you wish to replace Steady?"));
        QCOMPARE(f.messages.shown[0].title, QString("Replace Steady"));
        if (answer == MsgAnswer::Yes) {
            QCOMPARE(f.messages.shown.size(), size_t(1));
            QCOMPARE(LoadVariableStrategy(f.db, 2)->InitialBet, 30.0);
            QCOMPARE(w.cboStartegy->currentText(), QString("Steady"));
            QCOMPARE(Buttons(w), QString("0011"));
        } else {
            QCOMPARE(
                f.messages.shown.at(1).text, QString("Please enter the name of the new strategy."));
            QCOMPARE(f.messages.shown.at(1).title, QString("New Name"));
            QCOMPARE(LoadVariableStrategy(f.db, 2)->InitialBet, 15.0);
            QCOMPARE(w.txtInitialBet->text(), QString("30"));
            QVERIFY(!w.txtStrategy->isHidden());
            QVERIFY(w.cmdSave->isEnabled());
        }
    }

    void deleteAsksAndSelectsTheEntryBefore_data() {
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("selected");
        QTest::newRow("yes") << MsgAnswer::Yes << 2 << "A";
        QTest::newRow("no") << MsgAnswer::No << 3 << "B";
    }
    void deleteAsksAndSelectsTheEntryBefore() {
        QFETCH(MsgAnswer, answer);
        QFETCH(int, left);
        QFETCH(QString, selected);
        EditorFixture f;
        AppendVariableStrategy(f.db, Named("A", 11));
        AppendVariableStrategy(f.db, Named("B", 12));
        frmVariableConfig w(f.ctx);
        w.show();
        w.cboStartegy->setCurrentIndex(2);
        QVERIFY(w.cmdDelete->isEnabled());
        f.messages.answers = {answer};
        w.cmdDelete_Click();
        QCOMPARE(f.messages.Texts(), QStringList {"Are you sure you wish to delete B?"});
        QCOMPARE(f.messages.shown[0].title, QString("Delete B"));
        QCOMPARE(f.messages.shown[0].icon, MsgIcon::Question);
        QCOMPARE(int(ListVariableStrategies(f.db).size()), left);
        QCOMPARE(w.cboStartegy->currentText(), selected);
        QCOMPARE(w.txtInitialBet->text(), selected == "A" ? QString("11.00") : QString("12.00"));
    }

    void theDefaultCannotBeDeleted() {
        EditorFixture f;
        AppendVariableStrategy(f.db, Named("A", 11));
        frmVariableConfig w(f.ctx);
        w.show();
        QVERIFY(!w.cmdDelete->isEnabled());
        w.cboStartegy->setCurrentIndex(1);
        QVERIFY(w.cmdDelete->isEnabled());
        w.cboStartegy->setCurrentIndex(0);
        QVERIFY(!w.cmdDelete->isEnabled());
        w.cmdDelete_Click();
        QVERIFY(f.messages.shown.empty());
        QCOMPARE(ListVariableStrategies(f.db).size(), size_t(2));
    }

    void aVanishedStrategyIsReported() {
        EditorFixture f;
        AppendVariableStrategy(f.db, Named("Gone", 11));
        frmVariableConfig w(f.ctx);
        w.show();
        w.cboStartegy->setCurrentIndex(1);
        DeleteVariableStrategy(f.db, 2);
        w.cmdDelete_Click();
        QCOMPARE(f.messages.Texts(), QStringList {"Couldn't find strategy 'Gone'."});
        QCOMPARE(f.messages.shown[0].title, QString("No Match"));
        f.messages.shown.clear();
        w.cboStartegy->setCurrentIndex(-1);
        w.cboStartegy->addItem("Gone", 2);
        w.cboStartegy->setCurrentIndex(1);
        QCOMPARE(f.messages.Texts(), QStringList {"Couldn't find Variable Strategy."});
        QCOMPARE(f.messages.shown[0].title, QString("No Strategy"));
    }

    void savingAVanishedStrategyCreatesNothing() {
        EditorFixture f;
        AppendVariableStrategy(f.db, Named("Gone", 11));
        frmVariableConfig w(f.ctx);
        w.show();
        w.cboStartegy->setCurrentIndex(1);
        TypeInto(w.txtMinBet, "3");
        DeleteVariableStrategy(f.db, 2);
        w.cmdSave_Click();
        QCOMPARE(f.messages.Texts(),
            QStringList {"The strategy doesn't exist. Would you like to create it?"});
        QCOMPARE(f.messages.shown[0].title, QString("No Match"));
        QCOMPARE(f.messages.shown[0].buttons, MsgButtons::Ok);
        QCOMPARE(ListVariableStrategies(f.db).size(), size_t(1));
        QCOMPARE(w.cboStartegy->currentText(), QString("Default"));
        QCOMPARE(f.gs.MinimumBet, 5.0);
        QCOMPARE(Buttons(w), kNotEditing);
    }

    void saveFailureIsReportedAndKeepsTheEdits() {
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        w.cmdAdd_Click();
        w.txtStrategy->setText("Lost?");
        TypeInto(w.txtInitialBet, "40");
        sqlite3_exec(f.db.Handle(), "DROP TABLE VariableBet", nullptr, nullptr, nullptr);
        w.cmdSave_Click();
        QCOMPARE(f.messages.shown.size(), size_t(1));
        QVERIFY(f.messages.shown[0].text.startsWith("Error # "));
        QVERIFY(f.messages.shown[0].text.endsWith("."));
        QVERIFY(!f.messages.shown[0].text.endsWith(".."));
        QCOMPARE(f.messages.shown[0].title, QString("Error"));
        QCOMPARE(w.txtStrategy->text(), QString("Lost?"));
        QCOMPARE(f.gs.InitialBet, 40.0);
        QCOMPARE(Buttons(w), kEditing);
    }

    void deleteFailureIsReportedAndKeepsTheList() {
        EditorFixture f;
        AppendVariableStrategy(f.db, Named("A", 11));
        frmVariableConfig w(f.ctx);
        w.show();
        w.cboStartegy->setCurrentIndex(1);
        sqlite3_exec(f.db.Handle(), "DROP TABLE VariableBet", nullptr, nullptr, nullptr);
        w.cmdDelete_Click();
        QCOMPARE(f.messages.shown.size(), size_t(1));
        QVERIFY(f.messages.shown[0].text.startsWith("The strategy A could not be deleted.\n"));
        QCOMPARE(f.messages.shown[0].title, QString("Database Error"));
        QCOMPARE(w.cboStartegy->count(), 2);
        QCOMPARE(f.gs.VariableListIndex, 1);
    }

    void changeBettingSwitchesOnlyToTheOtherKind_data() {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("switched");
        QTest::newRow("streak") << 0 << true;
        QTest::newRow("variable again") << 1 << false;
    }
    void changeBettingSwitchesOnlyToTheOtherKind() {
        QFETCH(int, chosen);
        QFETCH(bool, switched);
        EditorFixture f;
        f.gs.BettingType = 1;
        frmVariableConfig w(f.ctx);
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

    void closingTheWindowEnablesTheTable() {
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        w.close();
        QCOMPARE(f.nav.calls, QStringList {"enabled 1"});
    }

    void helpTexts_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("list") << "cboStartegy"
                              << "Name of the Betting Strategy.";
        QTest::newRow("name") << "txtStrategy"
                              << "Name of the Betting Strategy.";
        QTest::newRow("initial") << "txtInitialBet"
                                 << "The Initial Bet for the game.";
        QTest::newRow("max") << "txtMaxBet"
                             << "The Maximum Bet Amount.";
        QTest::newRow("min") << "txtMinBet"
                             << "The Minimum Bet Amount.";
        QTest::newRow("max option") << "optMaxBet_1"
                                    << "The action for when maximum bet is reached.";
        QTest::newRow("min option") << "optMinBet_0"
                                    << "The action for when minimum bet is reached.";
        QTest::newRow("win list") << "cboFWAddSub"
                                  << "Select Add or Subtract the amount when winning.";
        QTest::newRow("win box") << "txtFlatAddWin"
                                 << "Select Add or Subtract the amount when winning.";
        QTest::newRow("lose list") << "cboFLAddSub"
                                   << "Select Add or Subtract the amount when losing.";
        QTest::newRow("lose box") << "txtFlatAddLose"
                                  << "Select Add or Subtract the amount when losing.";
    }
    void helpTexts() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        QTest::keyClick(w.findChild<QWidget*>(control), Qt::Key_F1);
        QCOMPARE(f.messages.Texts(), QStringList {text});
        QCOMPARE(f.messages.shown[0].icon, MsgIcon::None);
        QCOMPARE(f.messages.shown[0].buttons, MsgButtons::Ok);
        QCOMPARE(Buttons(w), kNotEditing);
    }

    void rightClickOnTheInitialBetExplainsIt() {
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        w.show();
        QTest::mouseClick(w.txtInitialBet, Qt::RightButton);
        QCOMPARE(f.messages.Texts(),
            QStringList {"This is the bet that you will start your game with."});
        QCOMPARE(f.messages.shown[0].title, QString("Initial Bet"));
        QCOMPARE(f.messages.shown[0].icon, MsgIcon::None);
    }

    void captions() {
        EditorFixture f;
        frmVariableConfig w(f.ctx);
        const std::map<QString, QString> captions {{"cmdAdd", "&Create New Strategy"},
            {"cmdSave", "&Save"}, {"cmdCancel", "&Cancel"}, {"cmdDelete", "&Delete"},
            {"cmdChange", "Change Betting"}};
        for (const auto& [name, caption] : captions)
            QCOMPARE(w.findChild<QPushButton*>(name)->text(), caption);
        QCOMPARE(w.findChild<QRadioButton*>("optMinBet_0")->text(), QString("Maintain Min Bet"));
        QCOMPARE(w.findChild<QRadioButton*>("optMaxBet_0")->text(), QString("Maintain Max Bet"));
        QCOMPARE(w.findChild<QRadioButton*>("optMaxBet_1")->text(), QString("Use Initial Bet"));
        QCOMPARE(w.cboFLAddSub->itemText(1), QString("Subtract"));
    }
};

QTEST_MAIN(VariableEditorTest)
#include "variable_editor_test.moc"
