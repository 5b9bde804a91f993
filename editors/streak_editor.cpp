#include "editors/streak_editor.h"

#include "editors/betting_type_chooser.h"
#include "editors/number_text.h"
#include "editors/strategy_list.h"
#include "editors/streak_records.h"
#include "engine/bet_sizing.h"
#include "engine/game_state.h"
#include "engine/shoe.h"
#include "shell/input_helpers.h"
#include "shell/message_box.h"
#include "shell/window_services.h"
#include "store/protected_defaults.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace bj {

Configuration::Configuration(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , ctx_(ctx) {
    setObjectName("Configuration");
    setWindowTitle("Game Configuration");
    BuildControls();
    HookEvents();
    layout()->activate(); // the window takes its size now, so that centring sees it
}

void Configuration::Form_Load() {
    loaded_ = true;
    // Loaded anew, the window names no new strategy, whatever was half typed before.
    cmdCancel_Click();
    layout()->activate(); // centred at the size it has without the name box
    CenterForm(this);
    MatchBackColors(this);
    cmdReturntoGame->setText(QString::fromStdString(ctx_.gs.ReturnButtonCaption));
    FillStreakStrategyList(ctx_, cboNames);
    cboNames_Click();
}

void Configuration::Form_Activate() {
    cmdReturntoGame->setText(QString::fromStdString(ctx_.gs.ReturnButtonCaption));
}

void Configuration::cboNames_Click() {
    const int position = cboNames->currentIndex();
    if (position < 0) {
        cmdDelete->setEnabled(false);
        return;
    }
    const std::int64_t refNo = cboNames->itemData(position).toLongLong();
    if (!LoadStreakStrategy(ctx_, refNo, *this))
        return ReturnToPreviousEntry(cboNames, ctx_.gs.StreakListIndex);
    cmdDelete->setEnabled(!IsProtectedDefault(refNo));
    ctx_.gs.StreakListIndex = position;
}

QString Configuration::SelectedStrategyName() const {
    return cboNames->currentIndex() < 0 ? QString() : cboNames->currentText();
}

void Configuration::ReadStreakTexts(
    QString winning[kSequenceBoxes], QString losing[kSequenceBoxes], QString& decks) const {
    for (int i = 0; i < kSequenceBoxes; ++i) {
        winning[i] = txtWinningBetSeq[i]->text();
        losing[i] = txtLosingBetSeq[i]->text();
    }
    decks = cmbDecksInShoe->currentText();
}

int Configuration::ApplySequenceLength(
    QComboBox* combo, std::array<QLineEdit*, kSequenceBoxes>& boxes) {
    const QString text = combo->currentText();
    // An empty text is someone typing; the length holds at 1 until the box is left.
    const int length = CountFromText(text, 1, kSequenceBoxes);
    if (RoundedAmount(text) > kSequenceBoxes)
        combo->setCurrentText(QString::number(kSequenceBoxes));
    for (QLineEdit* box : boxes)
        box->setVisible(false);
    for (int i = 0; i < length; ++i)
        boxes[i]->setVisible(true);
    return length;
}

void Configuration::cmbLengthWinningBetSeq_Change() {
    ctx_.gs.WinStreakLength = ApplySequenceLength(cmbLengthWinningBetSeq, txtWinningBetSeq);
}

void Configuration::cmbLengthLosingBetSeq_Change() {
    ctx_.gs.LoseStreakLength = ApplySequenceLength(cmbLengthLosingBetSeq, txtLosingBetSeq);
}

void Configuration::cmbDecksInShoe_LostFocus() {
    const int decks = CountFromText(cmbDecksInShoe->currentText(), 1, kMostDecksInShoe);
    if (cmbDecksInShoe->currentText() != QString::number(decks))
        cmbDecksInShoe->setCurrentText(QString::number(decks));
    SetDecksInShoe(ctx_.gs, decks);
    BuildShoe(ctx_.gs);
}

void Configuration::cmdNew_Click() {
    fraNew->setVisible(true);
    txtName->clear();
    txtName->setFocus();
}

void Configuration::cmdSave_Click() {
    if (NameFromBox(txtName->text()).isEmpty()) {
        Messages().Show("Please enter a Strategy name before you save.", QString(),
            MsgIcon::Exclamation, MsgButtons::Ok);
        if (txtName->isEnabled())
            txtName->setFocus();
        return;
    }
    const std::int64_t refNo = SaveStreakStrategy(ctx_, *this);
    if (refNo == 0)
        return;
    FillStreakStrategyList(ctx_, cboNames);
    // By Ref_No rather than by name: names need not be unique.
    SelectStrategy(FindItemData(cboNames, refNo));
    txtName->clear();
    fraNew->setVisible(false);
}

void Configuration::cmdCancel_Click() {
    txtName->clear();
    fraNew->setVisible(false);
}

void Configuration::cmdDelete_Click() {
    const int position = cboNames->currentIndex();
    if (position < 0)
        return;
    const std::int64_t refNo = cboNames->itemData(position).toLongLong();
    if (IsProtectedDefault(refNo))
        return;
    if (!DeleteStreakStrategy(ctx_, refNo, cboNames->currentText()))
        return;
    FillStreakStrategyList(ctx_, cboNames);
    if (cboNames->count() > position)
        SelectStrategy(position);
}

void Configuration::cmdChange_Click() {
    if (!chooser_)
        chooser_ = new frmSelectBettingStrat(ctx_, this);
    ShowModal(chooser_);
    if (ctx_.gs.BettingType != kVariableBetting)
        return;
    loaded_ = false;
    hide();
    ctx_.nav.SwitchBettingEditor();
}

void Configuration::SetChooser(frmSelectBettingStrat* chooser) {
    chooser_ = chooser;
}

bool Configuration::NormalizeBets() {
    for (auto* boxes : {&txtWinningBetSeq, &txtLosingBetSeq}) {
        for (int i = 0; i < kSequenceBoxes; ++i) {
            QLineEdit* box = (*boxes)[i];
            const double bet = LeadingNumber(box->text());
            // Digits past a double's range stay as typed, to be refused as too large.
            if (std::isfinite(bet))
                box->setText(ShortestNumber(bet));
            // A pasted fraction can round to no bet at all, which is a zero dollar bet too.
            const bool zero = StreakAmount(bet) <= 0;
            if (!zero && bet <= kLargestStreakBet)
                continue;
            Messages().Show(zero ? "Cannot have a zero dollar bet." : StreakBetTooLargeText(),
                QString(), MsgIcon::Information, MsgButtons::Ok);
            LeadToBox(boxes == &txtWinningBetSeq, i);
            return false;
        }
    }
    return true;
}

// A hidden box is shown by lengthening its sequence up to it, so it can take the focus.
void Configuration::LeadToBox(bool winning, int index) {
    QComboBox* length = winning ? cmbLengthWinningBetSeq : cmbLengthLosingBetSeq;
    QLineEdit* box = winning ? txtWinningBetSeq[index] : txtLosingBetSeq[index];
    if (box->isHidden())
        length->setCurrentText(QString::number(index + 1));
    box->setFocus();
    box->selectAll();
}

void Configuration::cmdReturntoGame_Click() {
    GameState& gs = ctx_.gs;
    gs.ReturnButtonCaption = "Return to Game";
    if (CountFromText(cmbDecksInShoe->currentText(), 1, kMostDecksInShoe) != gs.DecksInShoe
        || cmbDecksInShoe->currentText() != QString::number(gs.DecksInShoe))
        cmbDecksInShoe_LostFocus();
    if (!NormalizeBets())
        return;
    SetStartingBet(
        gs, Currency::FromDouble(AmountValue(FormatAmount(txtWinningBetSeq[0]->text()))));
    gs.StreakStart = true;
    for (int i = 1; i <= kSequenceBoxes; ++i) {
        gs.WinningHandBets[i] = AmountValue(FormatAmount(txtWinningBetSeq[i - 1]->text()));
        gs.LosingHandBets[i] = AmountValue(FormatAmount(txtLosingBetSeq[i - 1]->text()));
    }
    gs.WinStreakLength = CountFromText(cmbLengthWinningBetSeq->currentText(), 1, kSequenceBoxes);
    gs.LoseStreakLength = CountFromText(cmbLengthLosingBetSeq->currentText(), 1, kSequenceBoxes);
    gs.StreakListIndex = cboNames->currentIndex();
    ctx_.nav.SetMultiSessionStrategyName(SelectedStrategyName());
    hide();
    if (ctx_.nav.MultiSessionOpen())
        return;
    ctx_.nav.ShowTableBet(gs.CurrentBet);
    ctx_.nav.SetTableEnabled(true);
    ctx_.nav.FocusTableDeal();
    ctx_.nav.StopTableTimer();
}

void Configuration::showEvent(QShowEvent* event) {
    if (!loaded_)
        Form_Load();
    Form_Activate();
    QWidget::showEvent(event);
}

void Configuration::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QWidget::changeEvent(event);
}

void Configuration::Unload() {
    unloading_ = true;
    close();
    unloading_ = false;
    loaded_ = false;
}

// Closing the window by its frame returns to the game, as the return button does, so the
// table is never left disabled; a refused return keeps the window open.
void Configuration::closeEvent(QCloseEvent* event) {
    if (!unloading_ && isVisible()) {
        cmdReturntoGame_Click();
        if (isVisible()) {
            event->ignore();
            return;
        }
    }
    QWidget::closeEvent(event);
}

} // namespace bj
