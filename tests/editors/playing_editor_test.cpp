#include "../table/fake_tray.h"
#include "../window_reach.h"
#include "editor_test_support.h"
#include "editors/playing_editor.h"
#include "editors/strategy_grid.h"
#include "editors/strategy_value.h"
#include "engine/shoe.h"
#include "shell/input_helpers.h"
#include "shell/scripted_file_dialogs.h"
#include "store/playing_strategies.h"
#include "store/playing_strategy_csv.h"
#include "table/frm_main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableWidget>
#include <sqlite3.h>
#include <sys/stat.h>

using namespace bj;
using namespace bj::test;

namespace {

constexpr int kHard20 = 24;
constexpr int kSeven = 4; // the dealer's 7: column 11 - 7

// Every strategy stored, as its name, Ref_No and action for a hard 20 against a 7.
QString Stored(StrategyDb& db) {
    QStringList stored;
    for (const NamedRef& entry : ListPlayingStrategies(db)) {
        const auto s = LoadPlayingStrategyRecord(db, entry.RefNo);
        stored << QString("%1#%2=%3")
                      .arg(QString::fromStdString(entry.Name))
                      .arg(entry.RefNo)
                      .arg(s->Actions[kHard20][kSeven]);
    }
    return stored.join(", ");
}

// The entry shown; the game state's Ref_No, name, that cell and whether it is marked changed;
// Save, Cancel, Create and Delete enabled (1) or not; the name box while it is shown.
QString Screen(const frmConfiguration& w, const GameState& gs) {
    const QString buttons = Enabled({w.cmdSave, w.cmdCancel, w.cmdAdd, w.cmdDelete});
    return QStringList {w.cboStrategy->currentText(), QString("ref%1").arg(gs.PlayingStrategyRefNo),
        "'" + QString::fromStdString(gs.PlayingStrategyName) + "'",
        QString("cell%1%2")
            .arg(gs.StrategyMatrix[kHard20][kSeven])
            .arg(gs.PlayingStrategyChanged ? "*" : ""),
        buttons, w.txtName->isHidden() ? "" : "naming:" + w.txtName->text()}
        .join(' ')
        .trimmed();
}

// The chart's cell for a hand against a DealerColumn (kDealerColumns: insurance).
QTableWidgetItem* Cell(const frmConfiguration& w, int row, int column) {
    auto* cells = w.grdStrategy->findChild<QTableWidget*>();
    return cells->item(row, column == kDealerColumns ? column : kDealerColumns - 1 - column);
}

// The strategy in force as the file would hold it.
std::string InForce(const GameState& gs) {
    return PlayingStrategyToCsv(PlayingStrategyFromGameState(gs));
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void Pick(QComboBox* list, const QString& text) {
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setCurrentIndex(index);
}

// Steps as a user takes them: "other" stores a second strategy "Other" from the default and
// shows it, "edit" makes a hard 20 stand against a 7, "new" presses Create New, "name:X" types
// X into the name box, "paste:X" sets it to X at once, "pick:X" chooses strategy X, "save",
// "cancel", "delete", "close" and "open" do what they say; "fail" makes the database refuse to
// write a strategy's last row, after the edited one, "lock" lets another connection hold the
// file, "damage" stores an action no list offers, "bracket" names strategy 2 "[default] copy",
// "vanish" deletes strategy 2 behind the window's back, "best" presses Best, "import:X"
// imports the stored default as strategy X.
void Run(EditorFixture& f, frmConfiguration& w, const QString& steps, sqlite3** other = nullptr) {
    using W = frmConfiguration;
    const std::map<QString, void (W::*)()> presses {{"new", &W::cmdAdd_Click},
        {"best", &W::cmdBest_Click}, {"save", &W::cmdSave_Click}, {"cancel", &W::cmdCancel_Click},
        {"delete", &W::cmdDelete_Click}, {"open", &W::show}};
    const std::map<QString, const char*> statements {
        {"fail",
            "CREATE TRIGGER refuse BEFORE UPDATE ON PlayersHand WHEN NEW.Ref_No = 25 "
            "BEGIN SELECT RAISE(ABORT, 'refused'); END"},
        {"bracket", "UPDATE PlayingStrategies SET Name = '[default] copy' WHERE Ref_No = 2"},
        {"damage",
            "UPDATE PlayersHand SET D7 = 9 WHERE Ref_No = 24 AND PlayingStrategyRef_No = 2"}};
    for (const QString& step : steps.split('|', Qt::SkipEmptyParts)) {
        const QString arg = step.section(':', 1);
        if (step == "other") {
            Run(f, w, "new|name:Other|save");
        } else if (presses.contains(step)) {
            (w.*presses.at(step))();
        } else if (statements.contains(step)) {
            Exec(f.db, statements.at(step));
        } else if (step == "edit") {
            w.cboPlayer->setCurrentIndex(kHard20);
            Pick(w.cboDealer[kSeven], "Stand");
        } else if (step.startsWith("import:")) {
            PlayingStrategy file = *LoadPlayingStrategyRecord(f.db, 1);
            file.Name = arg.toStdString();
            ScriptedFileDialogs dialogs;
            dialogs.answers = {f.folder.filePath("import.csv")};
            Write(dialogs.answers.front(), QByteArray::fromStdString(PlayingStrategyToCsv(file)));
            w.cmdImport_Click();
        } else if (step.startsWith("name:")) {
            TypeInto(w.txtName, arg);
        } else if (step.startsWith("paste:")) {
            w.txtName->setText(arg);
        } else if (step.startsWith("pick:")) {
            Pick(w.cboStrategy, arg);
        } else if (step == "close") {
            w.close();
        } else if (step == "lock") {
            QVERIFY(other);
            sqlite3_open(f.db.Path().c_str(), other);
            sqlite3_exec(*other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
        } else {
            QCOMPARE(step, QString("vanish"));
            DeletePlayingStrategy(f.db, 2);
        }
    }
}

const QString kAskReplaceOther
    = Msg("Do you wish to replace Other?", "Replace Other", MsgIcon::Question, MsgButtons::YesNo);
const QString kProtected = Msg("You may not save changes to the Default Playing Strategy.\nDo "
                               "you want to create another strategy to save you settings.",
    QString(), MsgIcon::Information, MsgButtons::YesNo);
const QString kEnterName
    = Msg("Please enter a playing strategy name.", "Enter Name", MsgIcon::Information);
QString SaveChangesTo(const QString& name) {
    return Msg(
        "Do you wish to save changes to " + name + "?", name, MsgIcon::None, MsgButtons::YesNo);
}
const QString kSaveOther = SaveChangesTo("Other");
// A database failure: the program's words, then the database's.
QString DatabaseError(const QString& what) {
    return Msg("The playing strategy " + what + "\n*", "Database Error", MsgIcon::Information);
}
const QString kOtherNotSaved = DatabaseError("Other could not be saved.");
const QString kNewName
    = Msg("Please enter the new name for this strategy.", "New Name", MsgIcon::Information);
const QString kOtherGone
    = Msg("Other is no longer in the database.", "No Strategy", MsgIcon::Information);

// Steps, answers, messages, stored strategies, the window afterwards.
using Scenario = std::tuple<QString, QList<MsgAnswer>, QStringList, QString, QString>;

const QStringList kPlain {"Hit", "Stand", "Double Down"};
const QStringList kPair
    = kPlain + QStringList {"Split or Hit", "Split or Stand", "Split or Double Down"};
const QStringList kAces = kPlain + QStringList {"Split & Take 1 Card"};

} // namespace

class PlayingEditorTest : public QObject, FreshWindow<frmConfiguration> {
    Q_OBJECT
private slots:
    void init() {
        Renew();
        LoadPlayingStrategy(f->db, 1, f->gs); // as start-up does
    }

    void listsEveryHandWithItsExampleAndActions() {
        const std::tuple<QString, QString, QStringList> rows[] {// hand, example, actions offered
            {"4", "2 - 2", kPair}, {"5", "2 - 3", kPlain}, {"6", "3 - 3 or 2 - 4", kPair},
            {"7", "2 - 5", kPlain}, {"8", "4 - 4 or 3 - 5", kPair}, {"9", "3 - 6", kPlain},
            {"10", "5 - 5 or 4 - 6", kPair}, {"11", "5 - 6", kPlain},
            {"12", "6 - 6 or 5 - 4 - 3", kPair}, {"Soft 12", "A - A", kAces},
            {"13", "J - 3", kPlain}, {"Soft 13", "A - 2", kPlain}, {"14", "7 - 7 or K - 4", kPair},
            {"Soft 14", "A - 3", kPlain}, {"15", "7 - 8 or 3 - 2 - Q", kPlain},
            {"Soft 15", "A - 4", kPlain}, {"16", "8 - 8 or K - 4 - 2", kPair},
            {"Soft 16", "A - 5", kPlain}, {"17", "J - 7 or 6 - 5 - 6", kPlain},
            {"Soft 17", "A - 6", kPlain}, {"18", "9 - 9 or K - 8", kPair},
            {"Soft 18", "A - 7", kPlain}, {"19", "9 - J or 3 - 5 - A", kPlain},
            {"Soft 19", "A - 8", kPlain}, {"20", "K - K or A - 4 - 5", kPair},
            {"Soft 20", "A - 9", kPlain}};
        w->show();
        QVERIFY(ListHasScrollBar(w->cboStrategy));
        QCOMPARE(w->cboPlayer->count(), kPlayerRows);
        for (int row = 0; row < kPlayerRows; ++row) {
            const auto& [hand, example, actions] = rows[row];
            w->cboPlayer->setCurrentIndex(row);
            QCOMPARE(w->cboPlayer->currentText(), hand);
            QCOMPARE(w->lblExample[1]->text(), example);
            for (QComboBox* list : w->cboDealer) {
                QCOMPARE(Entries(list), actions);
                // The seeded strategy hits even rows and stands on odd ones.
                QCOMPARE(list->currentData().toInt(), row % 2);
            }
        }
        QCOMPARE(
            w->findChild<QLabel*>("lblDealer_12")->text(), QString("Dealer has a 2 Showing :"));
        QCOMPARE(w->findChild<QLabel*>("lblDealer_5")->text(), QString("Dealer has a 9 Showing :"));
        QVERIFY(f->Shown().isEmpty() && w->cmdAdd->isEnabled() && !w->cmdDelete->isEnabled());
    }

    // A stored code that no list offers shows as the last entry and stays in force until edited.
    void everyEditIsInForceAtOnce() {
        f->gs.StrategyMatrix[1][0] = kSplitOrStand; // hard 5 cannot be split
        w->show();
        w->cboPlayer->setCurrentIndex(1);
        QCOMPARE(w->cboDealer[0]->currentText(), QString("Double Down"));
        QCOMPARE(int(f->gs.StrategyMatrix[1][0]), int(kSplitOrStand));
        QVERIFY(!w->cmdSave->isEnabled());
        // The user chooses the entry the list already shows.
        emit w->cboDealer[0]->activated(w->cboDealer[0]->currentIndex());
        QCOMPARE(int(f->gs.StrategyMatrix[1][0]), int(kDoubleDown));
        QVERIFY(w->cmdSave->isEnabled());
        Pick(w->cboDealer[0], "Hit");
        w->cboPlayer->setCurrentIndex(9);
        Pick(w->cboDealer[0], "Split & Take 1 Card");
        w->chkInsurance->setChecked(true);
        w->optSoft17[0]->setChecked(true);
        w->optDDHands[1]->setChecked(true);
        w->optPlayer21[2]->setChecked(true);
        w->chkDoubleOnSplit->setChecked(false);
        const GameState& gs = f->gs;
        QCOMPARE(QList<int>({gs.StrategyMatrix[1][0], gs.StrategyMatrix[9][0]}),
            QList<int>({kHit, kSplitOrHit}));
        QVERIFY(gs.InsuranceByRow[9] && !gs.DoubleOnSplits);
        QCOMPARE(QList<int>({gs.DealerSoft17, gs.DoubleDownRule, gs.InsuranceOn21}),
            QList<int>({0, 1, kPlayOutHand}));
        QCOMPARE(Screen(*w, gs), QString("Default ref1 'Default' cell0 1100"));
    }

    void editsAreSavedRefusedOrKept_data() {
        const QString first = "Default#1=0", both = first + ", Other#2=0",
                      saved = first + ", Other#2=1";
        const QString start = "Default ref1 'Default' cell0 0010",
                      otherSaved = "Other ref2 'Other' cell1 0011",
                      otherKept = "Other ref2 'Other' cell1 1100";
        const QStringList saveFirst {kSaveOther, kAskReplaceOther},
            notSaved {kSaveOther, kAskReplaceOther, kOtherNotSaved};
        const auto yes = MsgAnswer::Yes, no = MsgAnswer::No;
        NamedRows<Scenario>({
            {"a new strategy under a taken name is a second one", "new|name:Default|edit|save", {},
                {}, first + ", Default#2=1", "Default ref2 'Default' cell1 0011"},
            {"a name is asked for", "new|edit|save", {}, {kEnterName}, first,
                "Default ref0 '' cell1 1100 naming:"},
            {"the default refuses and offers a new one", "edit|save|name:Mine|save", {yes},
                {kProtected}, first + ", Mine#2=1", "Mine ref2 'Mine' cell1 0011"},
            {"the default refuses and keeps the edits unmarked", "edit|save", {no}, {kProtected},
                first, "Default ref1 'Default' cell1 0010"},
            {"replacing", "other|edit|save", {yes}, {kAskReplaceOther}, saved, otherSaved},
            {"not replacing asks for a name and inserts", "other|edit|save|name:Copy|save", {no},
                {kAskReplaceOther, kNewName}, both + ", Copy#3=1", "Copy ref3 'Copy' cell1 0011"},
            {"a quote is stored and read back",
                "new|name:O'Brien's|edit|save|cancel|pick:O'Brien's", {}, {},
                first + ", O'Brien's#2=1", "O'Brien's ref2 'O'Brien's' cell1 0011"},
            {"brackets cannot be typed", "new|name:[DEFAULT]|save", {}, {}, first + ", DEFAULT#2=0",
                "DEFAULT ref2 'DEFAULT' cell0 0011"},
            {"brackets are pasted away", "new|paste:[a]b", {}, {}, first,
                "Default ref0 'ab' cell0 1100 naming:ab"},
            {"a name the box cuts in a character is stored whole",
                "new|paste:a" + Emoji(30) + "|edit|save", {}, {},
                first + ", a" + Emoji(24) + "#2=1",
                "a" + Emoji(24) + " ref2 'a" + Emoji(24) + "' cell1 0011"},
            {"a best table is a new strategy to name", "best|name:Best|save", {}, {},
                first + ", Best#2=1", "Best ref2 'Best' cell1 0011"},
            {"delete on the first entry does nothing", "delete", {}, {}, first, start},
            {"delete asks nothing", "other|delete", {},
                {Msg("Other was successfully deleted.", "Success", MsgIcon::Information)}, first,
                start},
            {"cancel returns to the default", "other|edit|cancel", {}, {}, both, start},
            {"picking another saves first on yes", "other|edit|pick:Default", {yes, yes}, saveFirst,
                saved, start},
            {"picking another keeps the edits when the save is declined", "other|edit|pick:Default",
                {yes, no}, {kSaveOther, kAskReplaceOther, kNewName}, both,
                "Other ref0 'Other' cell1 1100 naming:Other"},
            {"the default refusing a save on a pick keeps the edits unsaved and the pick unloaded",
                "other|cancel|edit|pick:Other", {yes, no}, {SaveChangesTo("Default"), kProtected},
                both, "Default ref1 'Default' cell1 1100"},
            {"closing on the first entry asks nothing", "edit|close|open", {}, {}, first,
                "Default ref1 'Default' cell1 0010"},
            {"closing with no keeps the edits marked", "other|edit|close|open", {no}, {kSaveOther},
                both, "Other ref2 'Other' cell1* 1100"},
            {"closing an unnamed best table asks nothing and offers Save on the next opening",
                "other|best|close|open", {}, {}, both, "Default ref1 '' cell1* 1100"},
            {"closing an unnamed import asks nothing and offers Save on the next opening",
                "other|import:|close|open", {}, {}, both, "Default ref1 '' cell0* 1100"},
            {"closing a named new strategy on the first entry asks nothing and keeps it marked",
                "new|name:Mine|edit|close|open", {}, {}, first, "Default ref1 'Mine' cell1* 1100"},
            {"importing over edits saves them first on yes", "other|edit|import:Mine", {yes, yes},
                saveFirst, saved, "Other ref0 'Mine' cell0 1100 naming:Mine"},
            {"importing over edits drops them on no", "other|edit|import:Mine", {no}, {kSaveOther},
                both, "Other ref0 'Mine' cell0 1100 naming:Mine"},
            {"importing over edits whose save is refused keeps them", "other|fail|edit|import:Mine",
                {yes, yes}, notSaved, both, otherKept},
            {"a best table over edits saves them first on yes", "other|edit|best", {yes, yes},
                saveFirst, saved, "Other ref0 '' cell1 1100 naming:"},
            {"a best table over edits drops them on no", "other|edit|best", {no}, {kSaveOther},
                both, "Other ref0 '' cell1 1100 naming:"},
            {"closing a named import asks by its name", "other|import:Mine|close", {yes},
                {SaveChangesTo("Mine")}, both + ", Mine#3=0", "Mine ref3 'Mine' cell0 0011"},
            {"closing with yes saves", "other|edit|close", {yes, yes}, saveFirst, saved,
                otherSaved},
            {"a refused row leaves the stored strategy whole", "other|fail|edit|save", {yes},
                {kAskReplaceOther, kOtherNotSaved}, both, otherKept},
            {"a failed save on closing keeps the mark", "other|fail|edit|close|open", {yes, yes},
                notSaved, both, "Other ref2 'Other' cell1* 1100"},
            {"a locked file loses nothing", "new|name:Mine|edit|lock|save", {},
                {DatabaseError("could not be saved.")}, first,
                "Default ref0 'Mine' cell1 1100 naming:Mine"},
            {"a locked file on a pick keeps the shown strategy selected",
                "other|lock|pick:Default|delete", {},
                {DatabaseError("could not be read."), DatabaseError("Other could not be deleted.")},
                both, "Other ref2 'Other' cell0 0011"},
            {"a locked file on cancel keeps the edits", "other|edit|lock|cancel", {},
                {Msg("The list of playing strategies could not be read.\n*", "Database Error",
                    MsgIcon::Information)},
                both, otherKept},
            {"a locked file keeps a strategy from deletion", "other|lock|delete", {},
                {DatabaseError("Other could not be deleted.")}, both,
                "Other ref2 'Other' cell0 0011"},
            {"a strategy gone from the file is saved anew",
                "other|vanish|edit|save|name:Again|save", {yes},
                {kAskReplaceOther,
                    Msg("Other is no longer in the database. Please enter a name to save "
                        "these settings as a new strategy.",
                        "New Name", MsgIcon::Information)},
                first + ", Again#3=1", "Again ref3 'Again' cell1 0011"},
            {"a strategy gone from the file is told when picked, and the one shown stays",
                "other|cancel|vanish|pick:Other|delete", {}, {kOtherGone}, first, start},
            {"edits whose save was declined stay when the pick is gone",
                "other|cancel|edit|vanish|pick:Other", {no}, {SaveChangesTo("Default"), kOtherGone},
                first, "Default ref1 'Default' cell1 1100"},
            {"a bracketed default can be neither deleted nor saved over",
                "other|bracket|cancel|pick:[default] copy|delete|edit|save", {no}, {kProtected},
                first + ", [default] copy#2=0", "[default] copy ref2 '[default] copy' cell1 0010"},
            {"a corrected load is told", "other|damage|cancel|pick:Other", {},
                {Msg("The playing strategy \"Other\" holds values the program cannot use, "
                     "so they were corrected:\n\nthe action for 20 with the dealer showing 7 "
                     "was 9 and is now Split or Double Down\n\nThe file keeps the stored "
                     "values until you save the strategy.",
                    "Strategy Corrected", MsgIcon::Information)},
                first + ", Other#2=5", "Other ref2 'Other' cell5 0011"},
        });
    }
    void editsAreSavedRefusedOrKept() {
        const auto [steps, answers, messages, stored, screen] = Case<Scenario>();
        w->show();
        sqlite3* other = nullptr;
        f->messages.answers.assign(answers.begin(), answers.end());
        Run(*f, *w, steps, &other);
        QCOMPARE(f->Shown(messages), messages);
        if (other)
            sqlite3_close(other);
        QCOMPARE(Stored(f->db), stored);
        QCOMPARE(Screen(*w, f->gs), screen);
    }

    void everyCaptionIsAsWritten() {
        const QStringList captions {"frmConfiguration: Configuration for Black Jack",
            "Label1: Select the Playing Strategy to view :",
            "lblPlayerHand: Select the Player's Hand to view settings:", "lblExample_0: Example :",
            "fraDealer: Dealer's Face Card Values", "lblDealer_0: Dealer has an Ace Showing :",
            "lblDealer_1: Dealer has a 10 - King Showing :",
            "lblDealer_8: Dealer has a 6 Showing :", "chkInsurance: Insurance :",
            "frameHouseRules: House Rules",
            "fraPlayer21: If Player has 21 and Dealer has an Ace Up",
            "optPlayer21_0: Take Even Money", "optPlayer21_1: Take Insurance",
            "optPlayer21_2: Play Out Hand", "frameDoubleDown: Double Down",
            "frameDDHands: Player can Double Down on", "optDDHands_0: Any Hand",
            "optDDHands_1: 10 and 11 Only", "chkDoubleOnSplit: Player may Double Down on Splits.",
            "Frame3: Soft 17", "optSoft17_0: Dealer must Hit on Soft 17.",
            "optSoft17_1: Dealer must Stand on Soft 17.", "cmdAdd: &Create New Strategy",
            "cmdDelete: &Delete", "cmdSave: &Save", "cmdCancel: &Cancel",
            "cmdReturn: &Return to Game", "Command1: Playing Strategy &Instructions",
            "cmdBest: Best for these rules", "cmdImport: I&mport...", "cmdExport: E&xport..."};
        for (const QString& expected : captions) {
            const QString name = expected.section(": ", 0, 0);
            QObject* control = name == w->objectName() ? w.get() : w->findChild<QObject*>(name);
            QVERIFY2(control, qPrintable(name));
            QString shown;
            for (const char* property : {"text", "title", "windowTitle"})
                if (shown.isEmpty())
                    shown = control->property(property).toString();
            QCOMPARE(name + ": " + shown, expected);
        }
    }

    // Tab goes through the house rules as they stand, top to bottom, stopping at the chosen
    // option of each group: Space there never changes a rule.
    void houseRulesAreTabbedTopToBottom() {
        w->show();
        QStringList order;
        for (QWidget* at = w->chkInsurance->nextInFocusChain(); at != w->chkInsurance;
             at = at->nextInFocusChain())
            if (w->frameHouseRules->isAncestorOf(at) && (at->focusPolicy() & Qt::TabFocus))
                order << at->objectName();
        QCOMPARE(order,
            (QStringList {"optDDHands_0", "chkDoubleOnSplit", "optPlayer21_0", "optSoft17_1"}));
    }

    void helpOnF1_data() {
        CaseRows<QString>({
            {"cboStrategy", Msg("Name of the selected Playing Strategy.")},
            {"cboPlayer",
                Msg("The value for the PLAYER'S Total Hand. This \nvalue is for all the "
                    "cards that the player \nhas on the table.")},
            {"cboDealer_7",
                Msg("Select an option to use based on the \nPLAYERS Selected HAnd Value, and "
                    "the\nDEALERS Up Card [Indicated to the Left].\nFor more details on the "
                    "options, click on\nthe Playing Strategy Instructions below.")},
            {"chkInsurance", Msg("Take insurance for the Selected PLAYERS Hand.")},
            {"chkDoubleOnSplit", Msg("Select the House Rules for Doubling Down.")},
            {"optDDHands_1", Msg("Select the House Rules for Doubling Down.")},
            {"optPlayer21_2",
                Msg("Select the option to use if \nPLAYER has a Black Jack, and "
                    "\nDEALER has an Ace Up Card.")},
            {"optSoft17_0",
                Msg("Select the House Rules for the DEALERS action\nwhen he has a Soft 17.")},
        });
    }
    void helpOnF1() { CheckHelp(*f, *w); }

    // The usable area of a screen less a panel; whether the window takes its whole size, and
    // whether the chart shows every row; a widget style other than the usual one.
    void fitsTheScreen_data() {
        NamedRows<std::tuple<QSize, bool, bool, QString>>({
            {"1366 x 768", QSize(1366, 720), true, true, ""},
            {"1280 x 1024", QSize(1280, 976), true, true, ""},
            {"1280 x 1024, a style with taller rows", QSize(1280, 976), true, true, "windows"},
            {"too short: the chart scrolls", QSize(1366, 660), false, false, ""},
            {"too narrow: the window scrolls", QSize(1024, 720), false, true, ""},
            {"too narrow and short: both scroll", QSize(1024, 660), false, false, ""},
        });
    }
    void fitsTheScreen() {
        const auto [usable, wholeWindow, wholeChart, style]
            = Case<std::tuple<QSize, bool, bool, QString>>();
        const QString usual = QApplication::style()->name();
        const auto restore = qScopeGuard([&] {
            if (!style.isEmpty())
                QApplication::setStyle(usual);
        });
        if (!style.isEmpty()) {
            QApplication::setStyle(style);
            init();
        }
        w->show();
        w->FitWithin(usable);
        QVERIFY(QRect(QPoint(), usable - kFrameAllowance).contains(w->rect()));
        QCOMPARE(w->size() == w->sizeHint(), wholeWindow);
        auto* cells = w->grdStrategy->findChild<QTableWidget*>();
        QCOMPARE(cells->verticalScrollBar()->maximum() == 0, wholeChart);
        QList<QWidget*> controls {w->fraDealer, w->frameHouseRules, w->grdStrategy, w->cboStrategy,
            w->cboPlayer, w->lblExpectedReturn};
        for (QPushButton* button : w->findChildren<QPushButton*>())
            controls << button;
        CheckReachable(*w, controls);
        w->cboPlayer->setCurrentIndex(kPlayerRows - 1); // the chart shows the hand picked
        QVERIFY(cells->viewport()->rect().contains(
            cells->visualItemRect(Cell(*w, kPlayerRows - 1, 0))));
    }

    void theChartTheListsAndTheReturnMoveTogether() {
        QVERIFY(ShowActive(w.get()));
        const QString seeded = w->lblExpectedReturn->text();
        QCOMPARE(seeded, ExpectedReturnText(f->gs));
        auto* cells = w->grdStrategy->findChild<QTableWidget*>();
        cells->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), cells);
        emit w->grdStrategy->CellPicked(kHard20, kSeven, false); // a keyboard move only shows it
        QCOMPARE(w->cboPlayer->currentIndex(), kHard20);
        QCOMPARE(QApplication::focusWidget(), cells);
        emit w->grdStrategy->CellPicked(kHard20, kSeven, true);
        QTRY_COMPARE(QApplication::focusWidget(), w->cboDealer[kSeven]);
        QCOMPARE(Cell(*w, kHard20, kSeven)->text(), QString("H"));
        Pick(w->cboDealer[kSeven], "Stand");
        QCOMPARE(Cell(*w, kHard20, kSeven)->text(), QString("S"));
        QVERIFY(Cell(*w, kHard20, kSeven)->toolTip().startsWith("Hard 20 against 7: "));
        QVERIFY(w->lblExpectedReturn->text() != seeded);
        emit w->grdStrategy->CellPicked(2, kDealerColumns, true);
        QTRY_COMPARE(QApplication::focusWidget(), w->chkInsurance);
        w->chkInsurance->setChecked(true);
        QCOMPARE(Cell(*w, 2, kDealerColumns)->text(), QString("Y"));
        const QString edited = w->lblExpectedReturn->text();
        w->optSoft17[0]->setChecked(true);
        QCOMPARE(w->lblExpectedReturn->text(), ExpectedReturnText(f->gs));
        QVERIFY(w->lblExpectedReturn->text() != edited);
        w->cmdCancel_Click();
        QCOMPARE(
            Cell(*w, kHard20, kSeven)->text() + Cell(*w, 2, kDealerColumns)->text(), QString("H"));
        QCOMPARE(w->lblExpectedReturn->text(), seeded);
        GameState best = f->gs; // Best puts the best table in force as a new strategy to name
        FillBestTable(best);
        w->cmdBest_Click();
        QVERIFY(f->gs.StrategyMatrix == best.StrategyMatrix
            && f->gs.InsuranceByRow == best.InsuranceByRow);
        QCOMPARE(Cell(*w, kHard20, kSeven)->text(), QString("S"));
        QCOMPARE(w->lblExpectedReturn->text(), ExpectedReturnText(best));
        QCOMPARE(Screen(*w, f->gs), QString("Default ref0 '' cell1 1100 naming:"));
    }

    void importRefusesADamagedFileAndTakesAnExportedOne() {
        ScriptedFileDialogs dialogs;
        QTemporaryDir folder;
        const QString file = folder.filePath("mine.csv");
        w->show();
        Run(*f, *w, "new|name:[Mine]|edit");
        dialogs.answers = {file, folder.filePath("missing/x.csv"), file};
        w->cmdExport_Click();
        w->cmdExport_Click();
        const std::string exported = InForce(f->gs);
        w->cmdCancel_Click();
        const QString damaged = folder.filePath("damaged.csv");
        Write(damaged, QByteArray::fromStdString(exported).replace("\n20,", "\n20,9"));
        const QString pipe = folder.filePath("pipe.csv"); // would block the program in opening
        QCOMPARE(mkfifo(qPrintable(pipe), 0600), 0);
        dialogs.answers = {damaged, pipe, "/dev/zero", file};
        const std::string before = InForce(f->gs);
        for (int refused = 0; refused < 3; ++refused)
            w->cmdImport_Click();
        QCOMPARE(InForce(f->gs), before);
        QCOMPARE(Screen(*w, f->gs), QString("Default ref1 'Default' cell0 0010"));
        w->cmdImport_Click();
        QCOMPARE(InForce(f->gs), exported);
        QCOMPARE(Screen(*w, f->gs), QString("Default ref0 'Mine' cell1 1100 naming:Mine"));
        QCOMPARE(dialogs.asked,
            QStringList(
                {"Export Playing Strategy | Mine.csv", "Export Playing Strategy | Mine.csv"})
                + QStringList(4, "Import Playing Strategy"));
        QStringList told {Msg("The playing strategy could not be written to "
                                  + folder.filePath("missing/x.csv") + ":\n*",
                              "Export Playing Strategy", MsgIcon::Information),
            Msg("The file " + damaged + " was not imported:\nLine 26: *", "Import Playing Strategy",
                MsgIcon::Information)};
        for (const QString& other : {pipe, QString("/dev/zero")})
            told << Msg("The file " + other + " could not be read:\nit is not an ordinary file.",
                "Import Playing Strategy", MsgIcon::Information);
        QCOMPARE(f->Shown(told), told);
        w->cmdSave_Click();
        QCOMPARE(Stored(f->db), QString("Default#1=0, Mine#2=1"));
    }

    // Hard 20 against a 7 stands once edited, so it wins instead of hitting a 5 and busting.
    void theTablePlaysAnEditAtOnce() {
        FakeTray tray;
        f->gs.BettingType = kVariableBetting;
        f->gs.InitialBet = f->gs.MinimumBet = 5;
        f->gs.MaximumBet = 1000;
        frmMain table(f->ctx);
        w->show();
        Run(*f, *w, "edit");
        StackShoeRanks(f->gs, {10, 7, 10, 10, 5});
        table.cmdDeal_Click();
        table.Timer1_Timer();
        table.cmdStop_Click();
        QCOMPARE(QList<qint64>({f->gs.HandsWon, f->gs.HandsLost}), QList<qint64>({1, 0}));
    }
};

QTEST_MAIN(PlayingEditorTest)
#include "playing_editor_test.moc"
