#include "editor_test_support.h"
#include "editors/frm_variable_config.h"
#include "store/betting_strategies.h"

#include <QComboBox>
#include <QPushButton>
#include <sqlite3.h>

using namespace bj;
using namespace bj::test;

namespace {

// What the window shows: the entry selected; the initial, maximum, minimum, flat win and flat
// loss amounts; which limit options are checked; the add/subtract choices; Save, Cancel,
// Create and Delete enabled (1) or not; and "naming" while the name box is shown.
QString Screen(const frmVariableConfig& w) {
    QString buttons;
    for (const QPushButton* b : {w.cmdSave, w.cmdCancel, w.cmdAdd, w.cmdDelete})
        buttons += b->isEnabled() ? '1' : '0';
    const auto checked = [](const auto& pair) {
        return QString("%1%2").arg(pair[0]->isChecked()).arg(pair[1]->isChecked());
    };
    return QStringList {w.cboStartegy->currentText(), w.txtInitialBet->text(), w.txtMaxBet->text(),
        w.txtMinBet->text(), w.txtFlatAddWin->text(), w.txtFlatAddLose->text(),
        "max" + checked(w.optMaxBet), "min" + checked(w.optMinBet), w.cboFWAddSub->currentText(),
        w.cboFLAddSub->currentText(), buttons, w.txtStrategy->isHidden() ? "" : "naming"}
        .join(' ')
        .trimmed();
}

// The same as the game state holds it, and whether it is the stored strategy.
QString Fields(const GameState& gs) {
    return QString::asprintf("%g %g %g %g %g max%d min%d win%d lose%d %s", gs.InitialBet,
        gs.MaximumBet, gs.MinimumBet, gs.WinBet, gs.LoseBet, gs.MaintainMax, gs.MaintainMin,
        gs.WinAddSub, gs.LoseAddSub, gs.VariableStrategyLoaded ? "stored" : "unsaved");
}

// Table progress, multi-session window open, initial bet typed, table calls, bet.
using Return = std::tuple<int, bool, QString, QStringList, int>;
// Box, text typed, text shown after leaving it, amount in the game state.
using Leaving = std::tuple<QString, QString, QString, double>;

VariableStrategy Named(const std::string& name) {
    return {.Name = name,
        .InitialBet = 11,
        .MaximumBet = 100,
        .MinimumBet = 2,
        .MaintainMin = 1,
        .LoseAddSub = 1,
        .WinBet = 3,
        .LoseBet = 4};
}

const QString kDefault = "Default 10.00 50.00 5.00 10.00 10.00 max10 min10 Add Add 0010";
const QString kDefaultFields = "10 50 5 10 10 max0 min0 win0 lose0 stored";

} // namespace

class VariableEditorTest : public QObject, FreshWindow<frmVariableConfig> {
    Q_OBJECT
private slots:
    void init() { Renew(); }

    void returnHandsTheInitialBetToTheTable_data() {
        const QStringList started {"enabled 1", "bet 10", "enabled 1"};
        CaseRows<Return>({{"start game", {0, false, "10.00", started, 10}},
            {"half rounds to even", {0, false, "12.50", {"enabled 1", "bet 12", "enabled 1"}, 12}},
            {"during play", {40, false, "10.00", {"enabled 1", "enabled 1"}, 35}},
            {"multi-session window open", {0, true, "10.00", {"bet 10"}, 10}}});
    }
    void returnHandsTheInitialBetToTheTable() {
        const auto [progress, multiSession, initial, calls, bet] = Case<Return>();
        f->nav.progress = progress;
        f->nav.multiSessionOpen = multiSession;
        f->gs.CurrentBet = 35;
        w->show();
        QCOMPARE(Screen(*w), kDefault);
        QCOMPARE(Fields(f->gs), kDefaultFields);
        QCOMPARE(w->VariableBetName() + " " + w->cmdReturn->text(), "Default Start Game");
        w->txtInitialBet->setText(initial);
        QTest::mouseClick(w->cmdReturn, Qt::LeftButton);
        QVERIFY(w->isHidden());
        QCOMPARE(f->nav.calls, calls);
        QCOMPARE(f->gs.CurrentBet, bet);
        if (progress == 0)
            QCOMPARE(f->gs.StartingBet, Currency::FromDouble(initial.toDouble()));
        w->show();
        QCOMPARE(w->cmdReturn->text(), QString("Return to game"));
    }

    void unsavedEditsSurviveClosingUntilCancelRestoresTheStoredValues() {
        w->show();
        QTest::mouseClick(w->txtInitialBet, Qt::RightButton);
        QCOMPARE(f->Shown(),
            QStringList {
                Msg("This is the bet that you will start your game with.", "Initial Bet")});
        w->txtMaxBet->end(false);
        QTest::keyClicks(w->txtMaxBet, "a."); // refused, and not an edit
        QCOMPARE(Screen(*w), kDefault);
        QTest::keyClicks(w->txtMaxBet, "7");
        QCOMPARE(Screen(*w), "Default 10.00 50.007 5.00 10.00 10.00 max10 min10 Add Add 1100");
        w->cmdCancel_Click();
        w->txtFlatAddWin->end(false);
        QTest::keyClick(w->txtFlatAddWin, Qt::Key_Backspace);
        QCOMPARE(Screen(*w), "Default 10.00 50.00 5.00 10.0 10.00 max10 min10 Add Add 1100");
        TypeInto(w->txtMaxBet, "80");
        TypeInto(w->txtFlatAddLose, "3");
        w->cboFWAddSub->setCurrentIndex(1);
        w->cboFLAddSub->setCurrentIndex(1);
        w->optMaxBet[1]->setChecked(true);
        w->optMinBet[1]->setChecked(true);
        QCOMPARE(Fields(f->gs), QString("10 80 5 10 3 max1 min1 win1 lose1 unsaved"));
        w->close();
        QCOMPARE(f->nav.calls, QStringList {"enabled 1"});
        w->show();
        QCOMPARE(
            Screen(*w), "Default 10.00 80.00 5.00 10.00 3.00 max01 min01 Subtract Subtract 1100");
        w->cmdCancel_Click();
        QCOMPARE(Screen(*w), kDefault);
        QCOMPARE(Fields(f->gs), kDefaultFields);
    }

    void leavingABoxShowsTwoDecimals_data() {
        CaseRows<Leaving>({{"empty maximum", {"txtMaxBet", "", "0.00", 0}},
            {"grouped maximum", {"txtMaxBet", "1234", "1,234.00", 1234}},
            {"empty flat win", {"txtFlatAddWin", "", "0.00", 0}},
            {"empty initial", {"txtInitialBet", "", "0.00", 0}},
            {"initial without grouping", {"txtInitialBet", "2500", "2500.00", 2500}},
            {"absurd minimum", {"txtMinBet", QString(40, '9'), "1,000,000,000.00", 1e9}}});
    }
    void leavingABoxShowsTwoDecimals() {
        const auto [box, typed, shown, value] = Case<Leaving>();
        QVERIFY(ShowActive(w.get()));
        auto* edit = w->findChild<QLineEdit*>(box);
        edit->setFocus();
        TypeInto(edit, typed);
        w->cboStartegy->setFocus();
        QCOMPARE(edit->text(), shown);
        const std::map<QString, double> fields {{"txtMaxBet", f->gs.MaximumBet},
            {"txtMinBet", f->gs.MinimumBet}, {"txtInitialBet", f->gs.InitialBet},
            {"txtFlatAddWin", f->gs.WinBet}};
        QCOMPARE(fields.at(box), value);
    }

    // The default is never overwritten nor deleted; a new strategy needs a name; replacing and
    // deleting ask first.
    void createReplaceAndDelete() {
        w->show();
        TypeInto(w->txtMaxBet, "90");
        f->messages.answers = {MsgAnswer::No, MsgAnswer::Yes};
        w->cmdSave_Click();
        QCOMPARE(Screen(*w), kDefault);
        TypeInto(w->txtMaxBet, "90");
        w->optMaxBet[1]->setChecked(true);
        w->cmdSave_Click();
        QCOMPARE(Screen(*w), "Default 10.00 90 5.00 10.00 10.00 max01 min10 Add Add 1100 naming");
        w->txtStrategy->setText("   ");
        w->cmdSave_Click();
        w->txtStrategy->setText("  Climb  ");
        w->cmdSave_Click();
        QCOMPARE(Screen(*w), "Climb 10.00 90.00 5.00 10.00 10.00 max01 min10 Add Add 0011");
        QCOMPARE(f->gs.VariableListIndex, 1);
        QCOMPARE(LoadVariableStrategy(f->db, 1)->MaximumBet, 50.0);
        QCOMPARE(LoadVariableStrategy(f->db, 2)->MaintainMax, 1);
        TypeInto(w->txtInitialBet, "30");
        f->messages.answers = {MsgAnswer::No};
        w->cmdSave_Click();
        QCOMPARE(Screen(*w), "Climb 30 90.00 5.00 10.00 10.00 max01 min10 Add Add 1100 naming");
        w->cmdCancel_Click();
        QCOMPARE(Screen(*w), "Climb 10.00 90.00 5.00 10.00 10.00 max01 min10 Add Add 0011");
        TypeInto(w->txtInitialBet, "30");
        f->messages.answers = {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Yes};
        w->cmdSave_Click();
        QCOMPARE(LoadVariableStrategy(f->db, 2)->InitialBet, 30.0);
        w->cmdDelete_Click();
        QCOMPARE(w->cboStartegy->currentText(), QString("Climb"));
        w->cmdDelete_Click();
        QCOMPARE(Screen(*w), kDefault);
        w->cmdDelete_Click();
        QCOMPARE(ListVariableStrategies(f->db).size(), size_t(1));
        const auto question = [](const QString& text, const QString& title) {
            return Msg(text, title, MsgIcon::Question, MsgButtons::YesNo);
        };
        const QString createNew = question("You may not change the default settings.\nWould you "
                                           "like to save these settings under\nanother name?",
            "Create New?");
        const QString replace = question("Do you wish to replace Climb?", "Replace Climb");
        const QString remove = question("Are you sure you wish to delete Climb?", "Delete Climb");
        QCOMPARE(f->Shown(),
            (QStringList {createNew, createNew,
                Msg("Please enter a betting strategy name.", "Enter Name", MsgIcon::Information),
                replace,
                Msg("Please enter the name of the new strategy.", "New Name", MsgIcon::Information),
                replace, remove, remove}));
    }

    void aVanishedStrategyIsReportedAndNothingIsCreated() {
        AppendVariableStrategy(f->db, Named("Gone"));
        w->show();
        w->cboStartegy->setCurrentIndex(1);
        DeleteVariableStrategy(f->db, 2);
        w->cmdDelete_Click();
        w->cboStartegy->setCurrentIndex(-1);
        w->cboStartegy->addItem("Gone", 2);
        w->cboStartegy->setCurrentIndex(1);
        TypeInto(w->txtMinBet, "3");
        w->cmdSave_Click();
        QCOMPARE(f->Shown(),
            (QStringList {Msg("Couldn't find strategy 'Gone'.", "No Match", MsgIcon::Information),
                Msg("Couldn't find Variable Strategy.", "No Strategy", MsgIcon::Information),
                Msg("The strategy doesn't exist. Would you like to create it?", "No Match",
                    MsgIcon::Information)}));
        QCOMPARE(ListVariableStrategies(f->db).size(), size_t(1));
        QCOMPARE(Screen(*w), kDefault);
        QCOMPARE(Fields(f->gs), kDefaultFields);
    }

    void databaseFailuresAreReportedAndKeepTheEdits_data() {
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<QString>("start");
        QTest::newRow("save") << false << Msg("Error # ", "Error", MsgIcon::Information);
        QTest::newRow("delete") << true
                                << Msg("The strategy Kept could not be deleted.\n",
                                       "Database Error", MsgIcon::Information);
    }
    void databaseFailuresAreReportedAndKeepTheEdits() {
        QFETCH(bool, deleting);
        QFETCH(QString, start);
        AppendVariableStrategy(f->db, Named("Kept"));
        w->show();
        w->cboStartegy->setCurrentIndex(1);
        w->cmdAdd_Click();
        w->txtStrategy->setText("Lost?");
        TypeInto(w->txtInitialBet, "40");
        sqlite3_exec(f->db.Handle(), "DROP TABLE VariableBet", nullptr, nullptr, nullptr);
        deleting ? w->cmdDelete_Click() : w->cmdSave_Click();
        QCOMPARE(f->Shown().size(), 1);
        QVERIFY(f->Shown()[0].startsWith(start));
        QVERIFY(deleting || (f->Shown()[0].endsWith(".") && !f->Shown()[0].endsWith("..")));
        QCOMPARE(w->txtStrategy->text(), QString("Lost?"));
        QCOMPARE(Screen(*w), "Kept 40 100.00 2.00 3.00 4.00 max10 min01 Add Subtract 1100 naming");
        QCOMPARE(w->cboStartegy->count(), 2);
        QCOMPARE(f->gs.VariableListIndex, 1);
    }

    void changeBettingSwitchesOnlyToTheOtherKind() {
        f->gs.BettingType = 1;
        CheckChangeBetting(*f, *w);
    }

    void helpTexts_data() {
        CaseRows<QString>({{"cboStartegy", Msg("Name of the Betting Strategy.")},
            {"txtStrategy", Msg("Name of the Betting Strategy.")},
            {"txtInitialBet", Msg("The Initial Bet for the game.")},
            {"txtMaxBet", Msg("The Maximum Bet Amount.")},
            {"txtMinBet", Msg("The Minimum Bet Amount.")},
            {"optMaxBet_1", Msg("The action for when maximum bet is reached.")},
            {"optMinBet_0", Msg("The action for when minimum bet is reached.")},
            {"cboFWAddSub", Msg("Select Add or Subtract the amount when winning.")},
            {"txtFlatAddWin", Msg("Select Add or Subtract the amount when winning.")},
            {"cboFLAddSub", Msg("Select Add or Subtract the amount when losing.")},
            {"txtFlatAddLose", Msg("Select Add or Subtract the amount when losing.")}});
    }
    void helpTexts() {
        CheckHelp(*f, *w);
        QCOMPARE(Screen(*w), kDefault); // no edit begun
    }
};

QTEST_MAIN(VariableEditorTest)
#include "variable_editor_test.moc"
