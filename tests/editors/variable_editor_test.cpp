#include "editor_test_support.h"
#include "editors/variable_editor.h"
#include "store/betting_strategies.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>

using namespace bj;
using namespace bj::test;

namespace {

// What the window shows: the entry selected; the initial, maximum, minimum, flat win and flat
// loss amounts; which limit options are checked; the add/subtract choices; Save, Cancel,
// Create and Delete enabled (1) or not; and "naming" while the name box is shown.
QString Screen(const frmVariableConfig& w) {
    const auto checked = [](const auto& pair) {
        return QString("%1%2").arg(pair[0]->isChecked()).arg(pair[1]->isChecked());
    };
    return QStringList {w.cboStartegy->currentText(), w.txtInitialBet->text(), w.txtMaxBet->text(),
        w.txtMinBet->text(), w.txtFlatAddWin->text(), w.txtFlatAddLose->text(),
        "max" + checked(w.optMaxBet), "min" + checked(w.optMinBet), w.cboFWAddSub->currentText(),
        w.cboFLAddSub->currentText(), Enabled({w.cmdSave, w.cmdCancel, w.cmdAdd, w.cmdDelete}),
        w.txtStrategy->isHidden() ? "" : "naming:" + w.txtStrategy->text()}
        .join(' ')
        .trimmed();
}

// The same as the game state holds it, and whether it is the stored strategy.
QString Fields(const GameState& gs) {
    return QString::asprintf("%g %g %g %g %g max%d min%d win%d lose%d %s ref%lld", gs.InitialBet,
        gs.MaximumBet, gs.MinimumBet, gs.WinBet, gs.LoseBet, gs.MaintainMax, gs.MaintainMin,
        gs.WinAddSub, gs.LoseAddSub, gs.VariableStrategyLoaded ? "stored" : "unsaved",
        static_cast<long long>(gs.VariableBetRefNo));
}

// Table progress, multi-session window open, initial bet typed, table calls, bet.
using Return = std::tuple<int, bool, QString, QStringList, int>;
// Box, text typed, text shown after leaving it, amount in the game state.
using Leaving = std::tuple<QString, QString, QString, double>;

// The strategies stored, each as its name and initial bet.
QString Stored(StrategyDb& db) {
    QStringList stored;
    try {
        for (const NamedRef& entry : ListVariableStrategies(db))
            stored << QString::fromStdString(entry.Name) + " "
                    + QString::number(LoadVariableStrategy(db, entry.RefNo)->InitialBet);
    } catch (const StoreError&) {
        return "unreadable";
    }
    return stored.join(", ");
}

// Pastes over the whole text, which no key filter sees.
void PasteInto(QLineEdit* box, const QString& text) {
    QApplication::clipboard()->setText(text);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// Does what the user and the world do, step by step: "initial:N" types N as the initial bet,
// "win:N" and "lose:N" paste N as the flat amounts,
// "new:NAME" starts a new strategy called NAME, "save", "cancel" and "delete" press their
// buttons, "reload" loads the selected entry again, "pick:N" selects entry N, "vanish" deletes
// the selected strategy behind the window's back ("vanish-when-asked": while the next message
// is on screen), "unlisted" leaves the list as a file that could not be read when the window
// opened leaves it, "drop" breaks the database.
void Run(EditorFixture& f, frmVariableConfig& w, const QString& steps) {
    for (const QString& step : steps.split('|')) {
        const QString arg = step.section(':', 1);
        if (step.startsWith("initial:")) {
            TypeInto(w.txtInitialBet, arg);
        } else if (step.startsWith("win:")) {
            PasteInto(w.txtFlatAddWin, arg);
        } else if (step.startsWith("lose:")) {
            PasteInto(w.txtFlatAddLose, arg);
        } else if (step.startsWith("new:")) {
            w.cmdAdd_Click();
            w.txtStrategy->setText(arg);
        } else if (step == "save") {
            w.cmdSave_Click();
        } else if (step == "cancel") {
            w.cmdCancel_Click();
        } else if (step == "delete") {
            w.cmdDelete_Click();
        } else if (step == "reload") {
            w.cboStartegy_Click();
        } else if (step.startsWith("pick:")) {
            w.cboStartegy->setCurrentIndex(arg.toInt());
        } else if (step == "vanish") {
            DeleteVariableStrategy(f.db, w.cboStartegy->currentData().toInt());
        } else if (step == "vanish-when-asked") {
            f.messages.onShow = [&f, refNo = w.cboStartegy->currentData().toInt()](
                                    auto&) { DeleteVariableStrategy(f.db, refNo); };
        } else if (step == "unlisted") {
            w.cboStartegy->clear();
        } else {
            QCOMPARE(step, QString("drop"));
            Exec(f.db, "DROP TABLE VariableBet");
        }
    }
}

// Entry selected, steps, answers given, messages shown, the window and the stored strategies
// afterwards.
using Scenario = std::tuple<int, QString, QList<MsgAnswer>, QStringList, QString, QString>;

const QString kDefault = "Default 10.00 50.00 5.00 10.00 10.00 max10 min10 Add Add 0010";
const QString kSteady = "Steady 11.00 60.00 2.00 0.00 0.00 max01 min10 Add Subtract 0011";
const QString kBoth = "Default 10, Steady 11";
const QString kDefaultFields = "10 50 5 10 10 max0 min0 win0 lose0 stored ref1";
const QStringList kStarted {"SetTableEnabled 1", "ShowTableBet 10", "SetTableEnabled 1"};

using Negative = std::tuple<QString, QString, double>; // refusal, mended text, flat amounts

} // namespace

class VariableEditorTest : public QObject, FreshWindow<frmVariableConfig> {
    Q_OBJECT
private slots:
    void init() { Renew(); }

    void returnHandsTheInitialBetToTheTable_data() {
        NamedRows<Return>({{"start game", 0, false, "10.00", kStarted, 10},
            {"half rounds to even", 0, false, "12.50",
                {"SetTableEnabled 1", "ShowTableBet 12", "SetTableEnabled 1"}, 12},
            {"during play", 40, false, "10.00", {"SetTableEnabled 1", "SetTableEnabled 1"}, 35},
            {"multi-session window open", 0, true, "10.00", {"ShowTableBet 10"}, 10}});
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
        QVERIFY(ListHasScrollBar(w->cboStartegy));
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

    // Neither the return button nor the window's frame lets a negative amount into play; once
    // mended (to 0 where that is an amount), the window returns.
    void aNegativeAmountKeepsTheWindowOpen_data() {
        CaseRows<Negative>(
            {{"txtFlatAddWin", {"Cannot have a negative amount for a winning hand.", "0", 10}},
                {"txtFlatAddLose", {"Cannot have a negative amount for a losing hand.", "0", 10}},
                {"txtInitialBet", {"Cannot have a negative initial bet.", "10", 20}},
                {"txtMinBet", {"Cannot have a negative minimum bet.", "0", 20}},
                {"txtMaxBet", {"Cannot have a negative maximum bet.", "0", 20}}});
    }
    void aNegativeAmountKeepsTheWindowOpen() {
        const auto [text, mended, flatAmounts] = Case<Negative>();
        auto* box = w->findChild<QLineEdit*>(QTest::currentDataTag());
        const QString refusal = Msg(text, "Start Game", MsgIcon::Information);
        w->show();
        PasteInto(box, "-5");
        QTest::mouseClick(w->cmdReturn, Qt::LeftButton);
        QVERIFY(!w->close());
        QCOMPARE(f->Shown(), (QStringList {refusal, refusal}));
        QVERIFY(w->isVisible() && f->nav.calls.isEmpty() && w->focusWidget() == box);
        QCOMPARE(w->cmdReturn->text(), QString("Start Game"));
        PasteInto(box, mended);
        QVERIFY(w->close());
        QCOMPARE(f->nav.calls, kStarted);
        QCOMPARE(f->gs.WinBet + f->gs.LoseBet, flatAmounts);
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
        w->txtMinBet->home(false);
        QTest::keyClick(w->txtMinBet, Qt::Key_Delete); // no character typed, an edit all the same
        QCOMPARE(Screen(*w), "Default 10.00 50.00 .00 10.00 10.00 max10 min10 Add Add 1100");
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
        QCOMPARE(Fields(f->gs), QString("10 80 5 10 3 max1 min1 win1 lose1 unsaved ref1"));
        w->close(); // as the return button does
        QCOMPARE(f->nav.calls, kStarted);
        w->show();
        QCOMPARE(
            Screen(*w), "Default 10.00 80.00 5.00 10.00 3.00 max01 min01 Subtract Subtract 1100");
        w->cmdCancel_Click();
        QCOMPARE(Screen(*w), kDefault);
        QCOMPARE(Fields(f->gs), kDefaultFields);
    }

    // However often the editor opens, the corrected strategy is told once.
    void aCorrectedStrategyIsShownAndToldOnce() {
        Exec(f->db, "UPDATE VariableBet SET MaximumBet = 5e9");
        for (int opened = 0; opened < 2; ++opened) {
            w->show();
            w->close();
        }
        QCOMPARE(f->Shown(),
            QStringList {Msg("The variable betting strategy \"Default\" holds values the "
                             "program cannot use, so they were corrected:\n\nthe maximum bet "
                             "was 5000000000 and is now 1000000000\n\nThe file keeps the stored "
                             "values; save the strategy under another name to keep these.",
                "Strategy Corrected", MsgIcon::Information)});
        QCOMPARE(w->txtMaxBet->text(), QString("1000000000.00"));
    }

    // An exact half cent is shown rounded up, and play takes the amount the box shows.
    void storedHalfCentsPlayAsShown() {
        Exec(f->db,
            "UPDATE VariableBet SET InitialBet = 10.125, MaximumBet = 50.875, WinBet = 0.375");
        w->show();
        QCOMPARE(
            QStringList({w->txtInitialBet->text(), w->txtMaxBet->text(), w->txtFlatAddWin->text()})
                .join(' '),
            QString("10.13 50.88 0.38"));
        QCOMPARE(std::tuple(f->gs.InitialBet, f->gs.MaximumBet, f->gs.WinBet),
            std::tuple(10.13, 50.88, 0.38));
    }

    void leavingABoxShowsTwoDecimals_data() {
        NamedRows<Leaving>({{"empty maximum", "txtMaxBet", "", "0.00", 0},
            {"grouped maximum", "txtMaxBet", "1234", "1,234.00", 1234},
            {"empty flat win", "txtFlatAddWin", "", "0.00", 0},
            {"empty initial", "txtInitialBet", "", "0.00", 0},
            {"initial without grouping", "txtInitialBet", "2500", "2500.00", 2500},
            {"absurd minimum", "txtMinBet", QString(40, '9'), "1,000,000,000.00", 1e9},
            {"more digits than a double holds", "txtMaxBet", QString(400, '9'), "1,000,000,000.00",
                1e9}});
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
    // deleting ask first; a strategy that has vanished or a database that fails is reported
    // and loses nothing.
    void savingAndDeleting_data() {
        const auto question = [](const QString& text, const QString& title) {
            return Msg(text, title, MsgIcon::Question, MsgButtons::YesNo);
        };
        const QString createNew = question("You may not change the default settings.\nWould you "
                                           "like to save these settings under\nanother name?",
            "Create New?");
        const QString replace = question("Do you wish to replace Steady?", "Replace Steady");
        const QString remove = question("Are you sure you wish to delete Steady?", "Delete Steady");
        const auto info = [](const QString& text, const QString& title) {
            return QStringList {Msg(text, title, MsgIcon::Information)};
        };
        const QString newName
            = Msg("Please enter the name of the new strategy.", "New Name", MsgIcon::Information);
        const QStringList tooSmall
            = info("Cannot have an initial bet below 0.01.", "Save Strategy");
        const auto yes = MsgAnswer::Yes, no = MsgAnswer::No;
        // The default's and Steady's amounts past the initial bet, and their choices.
        const QString defaults = " 50.00 5.00 10.00 10.00 max10 min10 Add Add ",
                      steady = " 60.00 2.00 0.00 0.00 max01 min10 Add Subtract ";
        const QString lost = "Steady 40" + steady + "1100 naming:Lost?";
        NamedRows<Scenario>({
            {"default: name it", 0, "initial:30|save", {yes}, {createNew},
                "Default 30" + defaults + "1100 naming:", kBoth},
            {"default: discard", 0, "initial:30|save", {no}, {createNew}, kDefault, kBoth},
            {"no name", 0, "new:   |save", {},
                info("Please enter a betting strategy name.", "Enter Name"),
                "Default 10.00" + defaults + "1100 naming:", kBoth},
            {"create", 0, "new:  Climb  |initial:20|save", {}, {},
                "Climb 20.00" + defaults + "0011", kBoth + ", Climb 20"},
            {"replace", 1, "initial:30|save", {yes}, {replace}, "Steady 30.00" + steady + "0011",
                "Default 10, Steady 30"},
            {"do not replace", 1, "initial:30|save", {no}, {replace, newName},
                "Steady 30" + steady + "1100 naming:", kBoth},
            {"do not replace one just created: its name is not kept in the box", 0,
                "new:Climb|save|initial:30|save", {no},
                {question("Do you wish to replace Climb?", "Replace Climb"), newName},
                "Climb 30" + defaults + "1100 naming:", kBoth + ", Climb 10"},
            {"create under a name the box cuts in a character", 0, "new:a" + Emoji(40) + "|save",
                {}, {}, "a" + Emoji(39) + " 10.00" + defaults + "0011",
                kBoth + ", a" + Emoji(39) + " 10"},
            {"create with no initial bet", 0, "new:Climb|initial:00|save", {}, tooSmall,
                "Default 00" + defaults + "1100 naming:Climb", kBoth},
            {"replace with no initial bet", 1, "initial:0|save", {}, tooSmall,
                "Steady 0" + steady + "1100", kBoth},
            {"create with a negative flat win", 0, "new:Climb|win:-5|save", {},
                info("Cannot have a negative amount for a winning hand.", "Save Strategy"),
                "Default 10.00 50.00 5.00 -5 10.00 max10 min10 Add Add 1100 naming:Climb", kBoth},
            {"replace with a negative flat loss", 1, "lose:-0.5|save", {},
                info("Cannot have a negative amount for a losing hand.", "Save Strategy"),
                "Steady 11.00 60.00 2.00 0.00 -0.5 max01 min10 Add Subtract 1100", kBoth},
            {"replace with flat bets", 1, "win:0|lose:-0.001|save", {yes}, {replace}, kSteady,
                kBoth},
            {"delete", 1, "delete", {yes}, {remove}, kDefault, "Default 10"},
            {"do not delete", 1, "delete", {no}, {remove}, kSteady, kBoth},
            {"delete the default", 0, "delete", {yes}, {}, kDefault, kBoth},
            {"delete a vanished one", 1, "vanish|delete", {},
                info("Couldn't find strategy 'Steady'.", "No Match"), kDefault, "Default 10"},
            {"reload a vanished one", 1, "vanish|reload", {},
                info("Couldn't find Variable Strategy.", "No Strategy"), kSteady, "Default 10"},
            {"pick one that cannot be read: the list stays on the one shown", 1, "drop|pick:0", {},
                info("The betting strategies could not be read.\n*", "Database Error"), kSteady,
                "unreadable"},
            {"save a vanished one", 1, "initial:30|vanish|save", {},
                info("The strategy doesn't exist. Would you like to create it?", "No Match"),
                "Steady 30" + steady + "1100 naming:", "Default 10"},
            {"replace one that vanishes while asked", 1, "initial:30|vanish-when-asked|save", {yes},
                {replace,
                    Msg("The strategy doesn't exist. Would you like to create it?", "No Match",
                        MsgIcon::Information)},
                "Steady 30" + steady + "1100 naming:", "Default 10"},
            {"cancel after a list the file could not give", 1, "unlisted|initial:30|cancel", {}, {},
                kSteady, kBoth},
            {"replace after a list the file could not give", 1, "unlisted|initial:30|save", {yes},
                {replace}, "Steady 30.00" + steady + "0011", "Default 10, Steady 30"},
            {"cancel while the list still cannot be read: the edits stay", 1,
                "unlisted|initial:30|drop|cancel", {},
                info("The betting strategies could not be read.\n*", "Database Error"),
                "30" + steady + "1100", "unreadable"},
            {"save fails", 1, "drop|new:Lost?|initial:40|save", {}, info("Error # *", "Error"),
                lost, "unreadable"},
            {"delete fails", 1, "drop|new:Lost?|initial:40|delete", {},
                info("The strategy Steady could not be deleted.\n*", "Database Error"), lost,
                "unreadable"},
        });
    }
    void savingAndDeleting() {
        const auto [position, steps, answers, messages, screen, stored] = Case<Scenario>();
        AppendVariableStrategy(f->db,
            {.Name = "Steady",
                .InitialBet = 11,
                .MaximumBet = 60,
                .MinimumBet = 2,
                .MaintainMax = 1,
                .LoseAddSub = 1});
        w->show();
        w->cboStartegy->setCurrentIndex(position);
        f->messages.answers.assign(answers.begin(), answers.end());
        Run(*f, *w, steps);
        QCOMPARE(f->Shown(messages), messages);
        QCOMPARE(Screen(*w), screen);
        QCOMPARE(Stored(f->db), stored);
        if (messages.join(' ').contains("Cannot have")) { // the refused amount, ready to retype
            auto* box = qobject_cast<QLineEdit*>(w->focusWidget());
            QVERIFY(box && box->selectedText() == box->text());
        }
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
