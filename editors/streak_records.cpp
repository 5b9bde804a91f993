#include "editors/streak_records.h"

#include "editors/number_text.h"
#include "editors/strategy_corrections.h"
#include "editors/strategy_list.h"
#include "editors/streak_editor.h"
#include "shell/input_helpers.h"
#include "shell/message_box.h"
#include "store/betting_limits.h"
#include "store/betting_strategies.h"
#include "store/protected_defaults.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>

namespace bj {

namespace {

// Boxes past the sequence show their stored bet, or when it has none the last bet of the
// sequence, which is the one that carries on; so no box is left empty or holds a bet of
// another strategy.
void ShowBetsInBoxes(const std::array<std::optional<double>, kBetSteps>& bets, int length,
    std::array<QLineEdit*, kSequenceBoxes>& boxes) {
    QString carried;
    for (int i = 0; i < kSequenceBoxes; ++i) {
        boxes[i]->setVisible(i < length);
        if (bets[i])
            boxes[i]->setText(ShortestNumber(*bets[i]));
        else
            boxes[i]->setText(i < length ? QString() : carried);
        if (i < length)
            carried = boxes[i]->text();
    }
}

// Why a box's text cannot be saved as a bet the strategy loads back unchanged; empty when
// it can.
QString BetRefusal(const QString& text, qlonglong& bet) {
    bool whole = false;
    const QString typed = text.trimmed();
    bet = typed.toLongLong(&whole);
    // Digits past what 64 bits hold are a whole bet all the same, only far too large.
    const bool digitsOnly = !typed.isEmpty()
        && std::all_of(typed.begin(), typed.end(), [](QChar c) { return c >= '0' && c <= '9'; });
    if (!whole && digitsOnly)
        return StreakBetTooLargeText();
    if (!whole || bet < 0)
        return "Please enter a whole dollar bet in every box of the sequence before you save.";
    if (bet == 0)
        return "Cannot have a zero dollar bet.";
    return bet > kLargestStreakBet ? StreakBetTooLargeText() : QString();
}

// The bets of the boxes in use; a box whose text the column cannot hold is reported and
// focused, and nothing is read.
bool ReadBetsFromBoxes(const std::array<QLineEdit*, kSequenceBoxes>& boxes,
    std::array<std::optional<double>, kBetSteps>& bets) {
    for (int i = 0; i < kSequenceBoxes; ++i) {
        if (boxes[i]->isHidden())
            continue;
        qlonglong bet = 0;
        if (const QString refusal = BetRefusal(boxes[i]->text(), bet); !refusal.isEmpty()) {
            Messages().Show(refusal, "Save Strategy", MsgIcon::Information, MsgButtons::Ok);
            boxes[i]->setFocus();
            return false;
        }
        bets[i] = bet;
    }
    return true;
}

} // namespace

QString StreakBetTooLargeText() {
    return QString("Cannot have a bet above %1.")
        .arg(QLocale(QLocale::English).toString(kLargestStreakBet));
}

void FillStreakStrategyList(AppContext& ctx, QComboBox* combo) {
    std::vector<NamedRef> entries;
    try {
        entries = ListStreakStrategies(*ctx.db);
    } catch (const StoreError& error) {
        ReportStoreFailure("The list of betting strategies could not be read.", error);
    }
    ListStrategyNames(combo, entries);
    const int position = ClampListIndex(ctx.gs.StreakListIndex, combo->count());
    SelectListEntry(combo, FindItemData(combo, combo->itemData(position).toLongLong()));
}

bool LoadStreakStrategy(AppContext& ctx, std::int64_t refNo, Configuration& window) {
    std::optional<StreakStrategy> strategy;
    try {
        strategy = LoadStreakStrategy(*ctx.db, refNo);
    } catch (const StoreError& error) {
        ReportStoreFailure("The betting strategy could not be read.", error);
    }
    if (!strategy)
        return false;
    ApplyStreakStrategy(*strategy, ctx.gs);
    const GameState& gs = ctx.gs;
    window.cmbDecksInShoe->setCurrentText(QString::number(gs.DecksInShoe));
    window.cmbLengthLosingBetSeq->setCurrentText(QString::number(gs.LoseStreakLength));
    window.cmbLengthWinningBetSeq->setCurrentText(QString::number(gs.WinStreakLength));
    ShowBetsInBoxes(strategy->LosingHand, gs.LoseStreakLength, window.txtLosingBetSeq);
    ShowBetsInBoxes(strategy->WinningHand, gs.WinStreakLength, window.txtWinningBetSeq);
    ReportCorrections(
        ctx, "streak betting strategy", refNo, strategy->Name, strategy->Corrections, false);
    return true;
}

bool DeleteStreakStrategy(AppContext& ctx, std::int64_t refNo, const QString& name) {
    if (Messages().Show("Are you sure you wish to delete " + name + "?", QString(),
            MsgIcon::Question, MsgButtons::YesNo)
        != MsgAnswer::Yes)
        return false;
    try {
        // One already gone from the file is gone all the same: the list read afresh shows it.
        DeleteStreakStrategy(*ctx.db, refNo);
    } catch (const StoreError& error) {
        ReportStoreFailure("The strategy " + name + " could not be deleted.", error);
        return false;
    }
    --ctx.gs.StreakListIndex;
    return true;
}

std::int64_t SaveStreakStrategy(AppContext& ctx, Configuration& window) {
    StreakStrategy strategy;
    strategy.Name = NameFromBox(window.txtName->text()).toStdString();
    strategy.DecksInShoe = CountFromText(window.cmbDecksInShoe->currentText(), 1, kMostDecksInShoe);
    strategy.WinningSeqLength
        = CountFromText(window.cmbLengthWinningBetSeq->currentText(), 1, kSequenceBoxes);
    strategy.LosingSeqLength
        = CountFromText(window.cmbLengthLosingBetSeq->currentText(), 1, kSequenceBoxes);
    if (!ReadBetsFromBoxes(window.txtLosingBetSeq, strategy.LosingHand)
        || !ReadBetsFromBoxes(window.txtWinningBetSeq, strategy.WinningHand))
        return 0;
    try {
        return AppendStreakStrategy(*ctx.db, strategy);
    } catch (const StoreError& error) {
        ReportStoreFailure("The strategy could not be saved.", error);
        return 0;
    }
}

} // namespace bj
