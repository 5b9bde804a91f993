#include "editor_test_support.h"
#include "editors/streak_editor.h"
#include "store/betting_strategies.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>

using namespace bj;
using namespace bj::test;

namespace {

const QString kZeroBet = Msg("Cannot have a zero dollar bet.", QString(), MsgIcon::Information);
const QString kBetAboveLimit = "Cannot have a bet above 32,767.";

// Winning side?, box, text, length, the box's text afterwards, the message.
using BadBet = std::tuple<bool, int, QString, QString, QString, QString>;
using Count = std::tuple<QString, QString, int>; // combo, text typed, count held
using Refusal = std::tuple<QString, QString, QString>; // name, losing box 3, message
// position, answer, left, chosen, keys from 2147483647 on, deleted behind the window first
using Deletion = std::tuple<int, MsgAnswer, QStringList, QString, bool, bool>;

// Two decks; winning bets 25, 50, 75; losing bets 15, 30.
StreakStrategy Short(const std::string& name) {
    return {0, name, 2, 3, 2, {25, 50, 75}, {15, 30}};
}

// The boxes' texts, "-" for a hidden box.
QStringList Texts(const std::array<QLineEdit*, kSequenceBoxes>& boxes) {
    QStringList texts;
    for (QLineEdit* box : boxes)
        texts << (box->isHidden() ? "-" : box->text());
    return texts;
}

} // namespace

class StreakEditorTest : public QObject, FreshWindow<Configuration> {
    Q_OBJECT
private slots:
    void init() { Renew(); }

    void startGameHandsTheSeededDefaultToTheTable() {
        w->show();
        QVERIFY(w->screen()->availableGeometry().contains(w->geometry()));
        QCOMPARE(Entries(w->cboNames), QStringList {"Default"});
        QVERIFY(ListHasScrollBar(w->cboNames));
        const QStringList seeded {"5", "10", "20", "30", "40", "-", "-", "-", "-", "-"};
        QCOMPARE(Texts(w->txtWinningBetSeq) + Texts(w->txtLosingBetSeq), seeded + seeded);
        QCOMPARE(w->cmdReturntoGame->text(), QString("Start Game"));
        QTest::mouseClick(w->cmdReturntoGame, Qt::LeftButton);
        QVERIFY(w->isHidden());
        QCOMPARE(f->nav.calls,
            (QStringList {
                "ShowTableBet 5", "SetTableEnabled 1", "FocusTableDeal", "StopTableTimer"}));
        QCOMPARE(f->gs.StartingBet, Currency::FromWhole(5));
        QVERIFY(f->gs.StreakStart);
        QCOMPARE(f->gs.WinningHandBets[4], 30.0);
        QCOMPARE(f->gs.LosingHandBets[10], 5.0);
        w->show();
        QCOMPARE(w->cmdReturntoGame->text(), QString("Return to Game"));
    }

    void returnAndCloseReadEveryBoxInShortestForm() {
        w->show();
        TypeInto(w->txtWinningBetSeq[0], "025");
        w->txtLosingBetSeq[8]->setText("12.50");
        QString winning[kSequenceBoxes], losing[kSequenceBoxes], decks;
        w->ReadStreakTexts(winning, losing, decks); // as the table reads them
        QCOMPARE((QStringList {winning[0], losing[8], decks}), (QStringList {"025", "12.50", "1"}));
        f->nav.multiSessionOpen = true;
        w->cmdReturntoGame_Click(); // the multi-session window keeps the table
        QVERIFY(w->isHidden() && f->nav.calls.isEmpty());
        QCOMPARE(w->txtWinningBetSeq[0]->text() + " " + w->txtLosingBetSeq[8]->text(), "25 12.5");
        QCOMPARE(f->gs.LosingHandBets[9], 12.5);
        QCOMPARE(f->gs.CurrentBet, 25);
        f->nav.multiSessionOpen = false;
        w->show();
        w->txtWinningBetSeq[0]->setText("");
        QVERIFY(!w->close());
        QCOMPARE(f->Shown(), QStringList {kZeroBet});
        w->txtWinningBetSeq[0]->setText("15");
        QVERIFY(w->close());
        QCOMPARE(f->nav.calls.mid(0, 2), (QStringList {"ShowTableBet 15", "SetTableEnabled 1"}));
        f->nav.calls.clear();
        w->show();
        w->txtWinningBetSeq[0]->setText("16");
        QTest::keyClick(w->txtLosingBetSeq[0], Qt::Key_Return); // Enter presses Start Game
        QVERIFY(w->isHidden());
        QCOMPARE(f->nav.calls.mid(0, 2), (QStringList {"ShowTableBet 16", "SetTableEnabled 1"}));
        f->nav.calls.clear();
        w->show();
        w->Unload(); // program end
        QVERIFY(w->isHidden() && f->nav.calls.isEmpty());
    }

    void badBetBlocksTheReturnAndLeadsToTheBox_data() {
        const QString tooLarge = Msg(kBetAboveLimit, QString(), MsgIcon::Information);
        NamedRows<BadBet>({{"empty winning box 2", true, 2, "", "5", "0", kZeroBet},
            {"zero losing box 1", false, 1, "0", "5", "0", kZeroBet},
            {"pasted letters", true, 3, "x7", "5", "0", kZeroBet},
            {"a pasted fraction that rounds to no bet", true, 1, "0.5", "5", "0.5", kZeroBet},
            {"hidden winning box 7", true, 7, "", "3", "0", kZeroBet},
            {"hidden losing box 10", false, 10, "", "1", "0", kZeroBet},
            {"winning box 4 above the limit", true, 4, "40000", "5", "40000", tooLarge},
            {"six pasted digits kept whole", true, 2, "250000", "5", "250000", tooLarge},
            {"a round number kept in digits", false, 3, "100000", "5", "100000", tooLarge},
            {"hidden losing box 8 above the limit", false, 8, "32768", "2", "32768", tooLarge},
            {"more digits than a double holds", true, 1, QString(400, '9'), "5", QString(400, '9'),
                tooLarge}});
    }
    void badBetBlocksTheReturnAndLeadsToTheBox() {
        const auto [winning, box, typed, length, shown, message] = Case<BadBet>();
        QVERIFY(ShowActive(w.get()));
        QLineEdit* target = (winning ? w->txtWinningBetSeq : w->txtLosingBetSeq)[box - 1];
        target->setText(typed);
        (winning ? w->cmbLengthWinningBetSeq : w->cmbLengthLosingBetSeq)->setCurrentText(length);
        w->cmdReturntoGame_Click();
        QCOMPARE(f->Shown(), QStringList {message});
        QVERIFY(w->isVisible() && f->nav.calls.isEmpty());
        QCOMPARE(target->text(), shown);
        QVERIFY(target->isVisible() && target->hasFocus());
    }

    // Decks above 8 become 8, counts below 1 become 1, and lengths hide the boxes past them.
    void countsAreHeldInRange_data() {
        const QString decks = "cmbDecksInShoe", winning = "cmbLengthWinningBetSeq",
                      losing = "cmbLengthLosingBetSeq";
        NamedRows<Count>({{"12 decks", decks, "12", 8}, {"3 decks", decks, "3", 3},
            {"0 decks", decks, "0", 1}, {"no decks", decks, "", 1},
            {"letters for decks", decks, "abc", 1}, {"3 winning", winning, "3", 3},
            {"12 winning", winning, "12", 10}, {"1 losing", losing, "1", 1},
            {"0 losing", losing, "0", 1}, {"no losing", losing, "", 1},
            {"more digits than a double holds", decks, QString(400, '9'), 8}});
    }
    void countsAreHeldInRange() {
        const auto [combo, typed, count] = Case<Count>();
        QVERIFY(ShowActive(w.get()));
        auto* box = w->findChild<QComboBox*>(combo);
        const QString hiddenText = w->txtLosingBetSeq[9]->text();
        box->setFocus();
        box->setEditText(typed);
        for (int i = 0; i < kSequenceBoxes; ++i) { // while the box still has the focus
            QCOMPARE(w->txtWinningBetSeq[i]->isHidden(), i >= f->gs.WinStreakLength);
            QCOMPARE(w->txtLosingBetSeq[i]->isHidden(), i >= f->gs.LoseStreakLength);
        }
        QCOMPARE(w->txtLosingBetSeq[9]->text(), hiddenText);
        w->cboNames->setFocus();
        QCOMPARE(box->currentText(), QString::number(count));
        const std::map<QString, int> counts {{"cmbDecksInShoe", f->gs.DecksInShoe},
            {"cmbLengthWinningBetSeq", f->gs.WinStreakLength},
            {"cmbLengthLosingBetSeq", f->gs.LoseStreakLength}};
        QCOMPARE(counts.at(combo), count);
        if (box == w->cmbDecksInShoe)
            QCOMPARE(f->gs.Shoe.size(), size_t(count * 52));
    }

    // Tab runs along the winning row, then the losing row, in reading order with the rest.
    void tabFollowsTheReadingOrder_data() {
        QStringList rows;
        for (const char* row : {"txtWinningBetSeq_", "txtLosingBetSeq_"})
            for (int i = 1; i <= kSequenceBoxes; ++i)
                rows << row + QString::number(i);
        const QStringList lengths {
            "cmbDecksInShoe", "cmbLengthWinningBetSeq", "cmbLengthLosingBetSeq"};
        const QStringList buttons {"cmdNew", "cmdChange", "cmdReturntoGame"};
        CaseRows<QStringList>({{"choosing", QStringList {"cboNames"} + lengths + rows + buttons},
            {"naming",
                QStringList {"cboNames", "txtName", "cmdSave", "cmdCancel"} + lengths + rows
                    + buttons}});
    }
    void tabFollowsTheReadingOrder() {
        const QStringList expected = Case<QStringList>();
        QVERIFY(ShowActive(w.get()));
        w->cmbLengthWinningBetSeq->setCurrentText("10");
        w->cmbLengthLosingBetSeq->setCurrentText("10");
        if (expected.contains("txtName"))
            w->cmdNew_Click();
        w->cboNames->setFocus();
        QStringList visited {w->focusWidget()->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
            visited << w->focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void createSaveAndLoad() {
        AppendStreakStrategy(f->db, Short("Three up"));
        w->show();
        const int height = w->height();
        w->cboNames->setCurrentIndex(1);
        // Boxes past the sequence carry its last bet.
        QCOMPARE(w->txtWinningBetSeq[3]->text() + w->txtLosingBetSeq[9]->text(), "7530");
        w->cmdNew_Click();
        w->cmbDecksInShoe->setCurrentText("4");
        TypeInto(w->txtWinningBetSeq[1], "2a.0-"); // digits only
        TypeInto(w->txtName, "Three; up");
        QTest::keyClick(w->txtName, Qt::Key_Return); // saves, and does not start the game
        QVERIFY(f->messages.shown.empty() && f->nav.calls.isEmpty() && w->isVisible());
        QTRY_COMPARE(w->height(), height); // no gap where the name was
        // The new strategy is selected and loaded, not the older one of the same name.
        QCOMPARE(Entries(w->cboNames), (QStringList {"Default", "Three up", "Three up"}));
        QCOMPARE(w->cboNames->currentData().toInt(), 3);
        QCOMPARE(f->gs.StreakListIndex, 2);
        QVERIFY(w->fraNew->isHidden() && w->txtName->text().isEmpty());
        const auto stored = LoadStreakStrategy(f->db, 3);
        QVERIFY(stored.has_value());
        QCOMPARE(stored->WinningHand[1], std::optional<double>(20));
        QCOMPARE(stored->WinningHand[3], std::optional<double>());
        w->cboNames->setCurrentIndex(0);
        w->cboNames->setCurrentIndex(2);
        QCOMPARE(Texts(w->txtWinningBetSeq).mid(0, 4), (QStringList {"25", "20", "75", "-"}));
        QCOMPARE(f->gs.DecksInShoe, 4);
        w->cmdNew_Click();
        w->txtName->setText("a" + Emoji(30)); // the box keeps half of the 25th emoji
        w->cmdSave_Click();
        QCOMPARE(w->cboNames->currentText(), "a" + Emoji(24));
        QCOMPARE(LoadStreakStrategy(f->db, 4)->Name, ("a" + Emoji(24)).toStdString());
    }

    void saveRefusalsStoreNothingAndCancelPutsTheNameAway_data() {
        const QString noName
            = Msg("Please enter a Strategy name before you save.", QString(), MsgIcon::Exclamation);
        const QString badBet
            = Msg("Please enter a whole dollar bet in every box of the sequence before you save.",
                "Save Strategy", MsgIcon::Information);
        NamedRows<Refusal>({{"no name", "", "5", noName}, {"blank name", "   ", "5", noName},
            {"empty bet", "Mine", "", badBet},
            {"zero bet", "Mine", "00",
                Msg("Cannot have a zero dollar bet.", "Save Strategy", MsgIcon::Information)},
            {"bet too large", "Mine", "32768",
                Msg(kBetAboveLimit, "Save Strategy", MsgIcon::Information)},
            {"bet of more digits than any number holds", "Mine", QString(30, '9'),
                Msg(kBetAboveLimit, "Save Strategy", MsgIcon::Information)}});
    }
    void saveRefusalsStoreNothingAndCancelPutsTheNameAway() {
        const auto [name, bet, message] = Case<Refusal>();
        w->show();
        const int height = w->height();
        w->cmdNew_Click();
        QTRY_VERIFY(w->height() > height);
        w->txtName->setText(name);
        w->txtLosingBetSeq[2]->setText(bet);
        w->cmdSave_Click();
        QCOMPARE(f->Shown(), QStringList {message});
        QCOMPARE(ListStreakStrategies(f->db).size(), size_t(1));
        QCOMPARE(w->txtName->text(), name);
        w->cmdCancel_Click();
        QVERIFY(w->fraNew->isHidden() && w->txtName->text().isEmpty());
        QTRY_COMPARE(w->height(), height);
    }

    // The default can be neither deleted nor offered for deletion.
    void deleteAsksAndSelectsTheNeighbour_data() {
        const QStringList all {"Default", "A", "B", "C"};
        NamedRows<Deletion>(
            {{"middle, yes", 1, MsgAnswer::Yes, {"Default", "B", "C"}, "B", false, false},
                {"last, yes", 3, MsgAnswer::Yes, {"Default", "A", "B"}, "B", false, false},
                {"no", 2, MsgAnswer::No, all, "B", false, false},
                {"default", 0, MsgAnswer::Yes, all, "Default", false, false},
                {"keys past 32 bits", 2, MsgAnswer::Yes, {"Default", "A", "C"}, "C", true, false},
                {"gone already: the list shows it", 1, MsgAnswer::Yes, {"Default", "B", "C"}, "B",
                    false, true}});
    }
    void deleteAsksAndSelectsTheNeighbour() {
        const auto [position, answer, left, selected, wideKeys, vanished] = Case<Deletion>();
        if (wideKeys)
            Exec(f->db,
                "INSERT INTO BettingStrategies (Ref_No) VALUES (2147483646); DELETE FROM "
                "BettingStrategies WHERE Ref_No = 2147483646");
        for (const char* name : {"A", "B", "C"})
            AppendStreakStrategy(f->db, Short(name));
        w->Form_Load();
        w->cboNames->setCurrentIndex(position);
        QCOMPARE(w->cmdDelete->isEnabled(), position != 0);
        const QString asked = "Are you sure you wish to delete " + w->cboNames->currentText() + "?";
        if (vanished)
            DeleteStreakStrategy(f->db, w->cboNames->currentData().toLongLong());
        f->messages.answers = {answer};
        w->cmdDelete_Click();
        QCOMPARE(f->Shown(),
            position ? QStringList {Msg(asked, QString(), MsgIcon::Question, MsgButtons::YesNo)}
                     : QStringList());
        QCOMPARE(Entries(w->cboNames), left);
        QCOMPARE(w->SelectedStrategyName(), selected);
    }

    // The action; the start of the message.
    void databaseFailuresAreReportedAndLoseNothing_data() {
        NamedRows<std::pair<QString, QString>>(
            {{"save", "save", "The strategy could not be saved.\n"},
                {"delete", "delete", "The strategy A could not be deleted.\n"},
                {"a pick keeps the strategy shown", "pick",
                    "The betting strategy could not be read.\n"}});
    }
    void databaseFailuresAreReportedAndLoseNothing() {
        const auto [action, what] = Case<std::pair<QString, QString>>();
        AppendStreakStrategy(f->db, Short("A"));
        w->Form_Load();
        w->cboNames->setCurrentIndex(1);
        Exec(f->db, "DROP TABLE BettingStrategies");
        f->messages.answers = {MsgAnswer::Yes};
        if (action == "pick") {
            w->cboNames->setCurrentIndex(0);
        } else {
            w->cmdNew_Click();
            w->txtName->setText("Kept");
            action == "delete" ? w->cmdDelete_Click() : w->cmdSave_Click();
            QCOMPARE(w->txtName->text(), QString("Kept"));
        }
        QVERIFY(f->Shown().back().startsWith(Msg(what, "Database Error", MsgIcon::Information)));
        QCOMPARE(f->gs.StreakListIndex, 1);
        QCOMPARE(w->cboNames->count(), 2);
        QCOMPARE(w->SelectedStrategyName(), QString("A"));
        QCOMPARE(Texts(w->txtWinningBetSeq).mid(0, 4), (QStringList {"25", "50", "75", "-"}));
    }

    void changeBettingSwitchesOnlyToTheOtherKind() {
        w->show();
        w->cmdNew_Click();
        w->txtName->setText("half typed");
        CheckChangeBetting(*f, *w);
        w->show(); // loaded anew: no new strategy is being named
        QVERIFY(w->fraNew->isHidden() && w->txtName->text().isEmpty());
    }

    void helpTexts_data() {
        const QString box = "The amount to bet for the specified sequence. The amount\nentered "
                            "for the last visible sequence will continue\nfor any sequence above "
                            "that number.";
        const QString firstWinning = box
            + " The amount entered\nfor the FIRST winning sequence bet will be used for the "
              "Initial Bet.";
        const QString length = "Total number of %1 Sequences for placing bets.\nThe amount "
                               "entered for the last visible %1 \n%1 Sequence will continue for "
                               "any sequences\nabove that number.";
        CaseRows<QString>({{"cboNames", Msg("Name of Betting Strategy.")},
            {"txtName", Msg("Name of the Betting Strategy.")},
            {"cmbDecksInShoe", Msg("Total number of Decks in Shoe.")},
            {"cmbLengthWinningBetSeq", Msg(length.arg("Winning"))},
            {"cmbLengthLosingBetSeq", Msg(length.arg("Losing"))},
            {"txtWinningBetSeq_1", Msg(firstWinning)}, {"txtWinningBetSeq_10", Msg(firstWinning)},
            {"txtLosingBetSeq_4", Msg(box)}});
    }
    void helpTexts() { CheckHelp(*f, *w); }
};

QTEST_MAIN(StreakEditorTest)
#include "streak_editor_test.moc"
