#include "table/frm_main.h"

#include "engine/cards.h"
#include "engine/game_state.h"
#include "engine/hand_rules.h"
#include "engine/round.h"
#include "shell/message_box.h"
#include "table/card_pictures.h"
#include "table/play_speed.h"
#include "table/split_hands_row.h"

#include <QAction>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

namespace bj {
namespace {

// Ends the pause loop when the "&Continue" button is hidden, whoever hides it.
class HiddenWatcher final : public QObject {
public:
    HiddenWatcher(QWidget* button, QEventLoop& loop)
        : loop_(loop) {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only the button's own hiding counts, not the window going to the notification area.
        if (event->type() == QEvent::Hide && static_cast<QWidget*>(watched)->isHidden())
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

const QString kPlayerCaption = QStringLiteral("Player");
const QString kDoubleDownSuffix = QStringLiteral(" Double Down");

} // namespace

void frmMain::sldPlaySpeed_Change() {
    Timer1_->setInterval(SpeedSliderInterval(sldPlaySpeed_->value()));
}

void frmMain::sldHandsToPlay_Change() {
    GameState& gs = ctx_.gs;
    gs.HandsToPlay = sldHandsToPlay_->value() * 10;
    lblHandsToPlay_->setText(WholeText(gs.HandsToPlay));
    lblHandsProgress_[1]->setText(QString::number(gs.HandsToPlay / 2.0));
    lblHandsProgress_[2]->setText(WholeText(gs.HandsToPlay));
    gs.TableHandsToPlay = gs.HandsToPlay;
}

void frmMain::optContinuousPlay_Click(int index) {
    GameState& gs = ctx_.gs;
    {
        const QSignalBlocker quiet(optContinuousPlay_[index]);
        optContinuousPlay_[index]->setChecked(true);
    }
    gs.ContinuousPlay = index == 0;
    if (gs.ContinuousPlay) {
        Timer1_->setInterval(ContinuousInterval(sldPlaySpeed_->value()));
        // Selecting it while idle or between single hands starts play as Deal does, so no
        // window that changes the game state under the rounds can be opened meanwhile.
        // Under a round that Stop left paused, play resumes and takes back what Stop gave.
        if (cmdDeal_->isEnabled()) {
            StartPlay();
        } else {
            stopDuringRound_ = false;
            EnableIdleControls(false);
            Timer1_->start();
        }
    } else {
        Timer1_->setInterval(1);
    }
}

// The strategy menu goes with the buttons that open the same editors.
void frmMain::EnableIdleControls(bool enabled) {
    for (QWidget* control :
        std::initializer_list<QWidget*> {sldHandsToPlay_, cmdReset_, cmdConfiguration_,
            cmdPlayingStrat_, cmdAdvancedStats_, cmdMultipleSessions_, cmdDeal_})
        control->setEnabled(enabled);
    mnuOptions_->menuAction()->setEnabled(enabled);
}

void frmMain::cmdDeal_Click() {
    StartPlay();
}

void frmMain::StartPlay() {
    GameState& gs = ctx_.gs;
    lblPlayersHand_->clear();
    lblDealersHand_->clear();
    EnableIdleControls(false);
    Timer1_->start();
    if (gs.HandsToPlay < 1)
        gs.HandsToPlay = gs.TableHandsToPlay;
}

void frmMain::GoIdle() {
    EnableIdleControls(true);
    cmdDeal_->setText(QStringLiteral("Deal"));
    if (!isMinimized())
        cmdDeal_->setFocus();
}

// A round paused at "&Continue" goes on when the button is pressed; until it has ended,
// only what cannot disturb it comes back: the slider. Reset waits with the windows that
// change the game state under a round: it would clear the round's cards and statistics, and
// the round, played on, would count its hand into the zeroed figures.
void frmMain::cmdStop_Click() {
    Timer1_->stop();
    if (roundInProgress_) {
        stopDuringRound_ = true;
        sldHandsToPlay_->setEnabled(true);
        return;
    }
    GoIdle();
}

// Hidden, the button would pass its focus on to the next enabled control, Quit Game, where the
// next key pressed to step through the round would end the program.
void frmMain::cmdNext_Click() {
    if (cmdNext_->hasFocus() && cmdStop_->isEnabled())
        cmdStop_->setFocus();
    cmdNext_->hide();
}

void frmMain::Timer1_Timer() {
    if (roundInProgress_ || unloading_)
        return;
    roundInProgress_ = true;
    int hands = 0;
    try {
        hands = playRound_ ? playRound_(ctx_.gs, static_cast<TableObserver&>(*this))
                           : PlayRound(ctx_.gs, static_cast<TableObserver&>(*this));
    } catch (const std::overflow_error& overflow) {
        roundInProgress_ = false;
        StopOnOverflow(overflow);
        return;
    }
    roundInProgress_ = false;
    ++roundsPlayed_;
    ctx_.gs.HandsToPlay -= hands;
    EndOfTick();
}

// Money past what the bankroll can hold ends the play as a finished run would, and says why;
// what the round had shown stays on the table.
void frmMain::StopOnOverflow(const std::overflow_error& overflow) {
    Timer1_->stop();
    stopDuringRound_ = false;
    cmdNext_->hide();
    GoIdle();
    if (!unloading_)
        Messages().Show(
            QString::fromUtf8(overflow.what()), QString(), MsgIcon::Information, MsgButtons::Ok);
}

// The bar skips repainting a step narrower than one of its chunks, as a step of 1 % usually is,
// and would lag the hands played by up to a chunk.
void frmMain::ShowHandsProgress() {
    const GameState& gs = ctx_.gs;
    prbHandsToPlay_->setValue(HandsProgress(gs.HandsToPlay, gs.TableHandsToPlay));
    prbHandsToPlay_->update();
}

void frmMain::EndOfTick() {
    const GameState& gs = ctx_.gs;
    const bool handsLeft = gs.HandsToPlay >= 1;
    if (gs.ContinuousPlay && !handsLeft) {
        prbHandsToPlay_->setValue(100);
        Timer1_->stop();
        GoIdle();
    } else if (gs.ContinuousPlay) {
        ShowHandsProgress();
        cmdDeal_->setEnabled(false);
        cmdDeal_->setText(QStringLiteral("Deal"));
    } else if (!handsLeft) {
        Timer1_->stop();
        GoIdle();
    } else {
        ShowHandsProgress();
        Timer1_->stop();
        cmdDeal_->setEnabled(true);
        cmdDeal_->setText(QStringLiteral("Deal Next"));
        // Disabled for the round, Deal passed the focus on; it takes it back, so Enter deals on.
        if (!isMinimized())
            cmdDeal_->setFocus();
    }
    if (stopDuringRound_) {
        stopDuringRound_ = false;
        if (!Timer1_->isActive())
            GoIdle();
    }
}

void frmMain::HideCards() {
    for (int position = 1; position <= kMaxCardsInHand; ++position) {
        for (QLabel* card : {imgDealer_[position], lblDealer_[position], imgPlayer_[position],
                 lblPlayer_[position]})
            card->hide();
    }
    splitRow_->Clear();
}

void frmMain::ShowCard(int who, int position) {
    const CardSlot& slot = ctx_.gs.CardSlots[who][position];
    QLabel* image = (who == kDealer ? imgDealer_ : imgPlayer_)[position];
    QLabel* face = (who == kDealer ? lblDealer_ : lblPlayer_)[position];
    const int suit = (slot.suit >= kHearts && slot.suit <= kSpades) ? int(slot.suit) : int(kSpades);
    image->setPixmap(cardFaces_[suit]);
    shownSuits_[who][position] = suit;
    QPalette ink = face->palette();
    ink.setColor(QPalette::WindowText, SuitColor(suit));
    face->setPalette(ink);
    face->setText(QString::fromLatin1(FaceText(slot.rank)));
    image->show();
    face->show();
}

void frmMain::TableCleared() {
    HideCards();
    lblPlayersHand_->clear();
    lblDealersHand_->clear();
    lblAmountWonOnHand_->clear();
    cmdNext_->hide();
    SetPlayerCaption(kPlayerCaption);
}

// A multi-session run plays without the table watching, and the table then shows its last
// round as if it had: the cards on the table, the totals, and the amount of the hand, where
// the push streak tells a pushed hand from a settled one.
void frmMain::ShowLastRoundPlayed() {
    GameState& gs = ctx_.gs;
    TableCleared();
    for (int who : {kDealer, kPlayer})
        for (int position = 1; position <= CardCount(gs, who); ++position)
            CardShown(who, position);
    HandEnded(-1, HandTotal(gs, kPlayer));
    if (gs.PushStreak > 0)
        HandPushed();
    else
        HandSettled();
}

void frmMain::CardShown(int who, int position) {
    ShowCard(who, position);
    if (who == kDealer && position == 2)
        shpUp_->show();
}

void frmMain::CardHidden(int who, int position) {
    (who == kDealer ? imgDealer_ : imgPlayer_)[position]->hide();
    (who == kDealer ? lblDealer_ : lblPlayer_)[position]->hide();
}

void frmMain::InsuranceTaken() {
    SetPlayerCaption(QStringLiteral("Player - Insurance"));
    ShowStatistics();
}

void frmMain::DoubledDown() {
    SetPlayerCaption(QStringLiteral("Player - Double Down"));
}

// A caption longer than its place (every split hand doubled) is drawn smaller rather than cut.
void frmMain::SetPlayerCaption(const QString& text) {
    QFont type = Label9_->font();
    const int room = Label10_->width();
    while (type.pointSizeF() > 6 && QFontMetrics(type).horizontalAdvance(text) > room)
        type.setPointSizeF(type.pointSizeF() - 0.5);
    Label10_->setFont(type);
    Label10_->setText(text);
}

void frmMain::SplitStarted() {
    SetPlayerCaption(QStringLiteral("Player - Split"));
    splitWonBefore_ = ctx_.gs.SplitHandsWon;
    splitLostBefore_ = ctx_.gs.SplitHandsLost;
    splitHandDoubled_ = false;
}

void frmMain::SplitHandDoubled() {
    SetPlayerCaption(Label10_->text() + kDoubleDownSuffix);
    splitHandDoubled_ = true;
}

// The hand goes into the row under the player's cards before the next hand takes its places.
void frmMain::SplitHandPlayed(int, int playerTotal) {
    SplitHandsRow::Hand hand;
    for (int position = 1; position <= CardCount(ctx_.gs, kPlayer); ++position)
        hand.cards.emplace_back(
            ctx_.gs.CardSlots[kPlayer][position].rank, shownSuits_[kPlayer][position]);
    hand.total = playerTotal;
    hand.doubled = splitHandDoubled_;
    splitHandDoubled_ = false;
    splitRow_->AddHand(std::move(hand));
}

void frmMain::SplitHandsPlayed() {
    QString caption = Label10_->text();
    if (caption.endsWith(QStringLiteral("Double Down"))) {
        caption.chop(kDoubleDownSuffix.size());
        SetPlayerCaption(caption);
    }
}

void frmMain::BetChanged() {
    ShowBet();
}

void frmMain::HandSettled() {
    ShowAmountOnHand();
    ShowStatistics();
}

void frmMain::HandPushed() {
    const Currency insurance = ctx_.gs.InsuranceResult;
    lblAmountWonOnHand_->setText(
        insurance.Units() != 0 ? CurrencyText(insurance) : QString(QStringLiteral("Tie")));
    ShowStatistics();
}

void frmMain::HandEnded(int handIndex, int playerTotal) {
    QFont type = lblPlayersHand_->font();
    if (handIndex >= 0) {
        ShowSplitHandResult(handIndex);
        type.setPointSize(10);
        lblPlayersHand_->setFont(type);
        lblPlayersHand_->setText(
            lblPlayersHand_->text() + WholeText(playerTotal) + QLatin1Char(' '));
    } else {
        type.setPointSize(18);
        lblPlayersHand_->setFont(type);
        lblPlayersHand_->setText(WholeText(playerTotal));
    }
    lblDealersHand_->setText(WholeText(HandValue(ctx_.gs, kDealer)));
    ShowStatistics();
}

// Settlement has just counted the hand as won or as lost, or as neither: a push.
void frmMain::ShowSplitHandResult(int handIndex) {
    const GameState& gs = ctx_.gs;
    auto result = SplitHandsRow::Result::Push;
    if (gs.SplitHandsWon > splitWonBefore_)
        result = SplitHandsRow::Result::Won;
    else if (gs.SplitHandsLost > splitLostBefore_)
        result = SplitHandsRow::Result::Lost;
    splitWonBefore_ = gs.SplitHandsWon;
    splitLostBefore_ = gs.SplitHandsLost;
    splitRow_->SetResult(handIndex, result);
}

void frmMain::SplitRoundEnded(int hands) {
    SetPlayerCaption(QStringLiteral("Player split hand. %1 hands played").arg(hands));
}

// In single-hand mode the round waits here for "&Continue"; everything else on the screen
// keeps working meanwhile. Program end lets the round run out without further pauses.
void frmMain::WaitForContinue() {
    if (!optContinuousPlay_[1]->isChecked() || unloading_)
        return;
    cmdNext_->show();
    // So that the key that dealt the hand steps through its pauses too.
    if (!isMinimized())
        cmdNext_->setFocus();
    QPointer<frmMain> alive(this);
    QEventLoop pause;
    HiddenWatcher watcher(cmdNext_, pause);
    connect(this, &QObject::destroyed, &pause, &QEventLoop::quit);
    if (!cmdNext_->isHidden())
        pause.exec();
    if (alive)
        cmdNext_->removeEventFilter(&watcher);
}

} // namespace bj
