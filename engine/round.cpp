#include "engine/round.h"

#include "engine/bet_sizing.h"
#include "engine/hand_rules.h"
#include "engine/settlement.h"
#include "engine/shoe.h"

#include <algorithm>

namespace bj {

namespace {

// More hands than a shoe of eight decks can ever make of one rank, rebuilds included
// in all but astronomically unlikely rounds; past it a pair is simply played on.
constexpr int kMaxSplitHands = 64;

// Left uninitialised on purpose: every field is written before it is read, and clearing
// the whole table each round would cost more than the rest of the round's bookkeeping.
struct SplitHand {
    std::uint8_t suit;
    std::int8_t total;
    bool doubled;
    std::int64_t bet;
};

enum class Outcome { Win, Loss, Push };

Outcome Compare(int player, int dealer) {
    if (player == dealer)
        return Outcome::Push;
    return player > dealer ? Outcome::Win : Outcome::Loss;
}

// Observers never read the generator, so a copy of it goes back only around code that may
// draw from the game's own (a pause, a cancel check, a stacked round) and when play ends, a
// settlement that overflows included.
class GeneratorCopy {
public:
    explicit GeneratorCopy(GameState& gs)
        : gs_(gs)
        , rng_(gs.Rng) { }
    ~GeneratorCopy() { gs_.Rng = rng_; }
    GeneratorCopy(const GeneratorCopy&) = delete;
    GeneratorCopy& operator=(const GeneratorCopy&) = delete;

    Random& Rng() { return rng_; }

    // Calls code that may draw from the game's generator, and goes on from where that code
    // left it however it ends.
    template <class Call> decltype(auto) Lend(Call&& call) {
        gs_.Rng = rng_;
        const TakeBack back {*this};
        return call();
    }

private:
    struct TakeBack {
        GeneratorCopy& copy;
        ~TakeBack() { copy.rng_ = copy.gs_.Rng; }
    };

    GameState& gs_;
    Random rng_;
};

// kBatch: the batch loop's round, which deals no stacked card (the loop tests for them once a
// round) and looks its streak bets up in BatchStreakBets.
template <class Table, bool kBatch = false> class Round {
public:
    Round(GameState& gs, Table& table, GeneratorCopy& rng)
        : gs_(gs)
        , table_(table)
        , rng_(rng) { }
    Round(const Round&) = delete;
    Round& operator=(const Round&) = delete;

    int Play() {
        if (gs_.CardsLeft <= 0)
            BuildShoe(gs_);
        ClearTable();
        DealOpeningCards();
        PlayOpening();
        return handsPlayed_;
    }

private:
    // Emptying the hands is enough: no rule reads a position past a hand's last card.
    void ClearTable() {
        gs_.Hands = {};
        gs_.InsuranceResult = {};
        gs_.AmountWonOnHand = {};
        gs_.SplitThisHand = false;
        gs_.DoubledThisHand = false;
        table_.TableCleared();
    }

    // Other windows keep working while a round waits, and may draw from the generator.
    void Pause() {
        rng_.Lend([this] { table_.WaitForContinue(); });
    }

    // Every card of a round goes after the last one of its hand. Only an observer follows the
    // hand being dealt to; the batch round has none, and leaves CurrentHand on the player,
    // where every round ends it.
    void Deal(int who) {
        if constexpr (!kBatch)
            gs_.CurrentHand = who;
        const Card card = !kBatch && !gs_.StackedCards.empty() ? TakeStackedCard(gs_)
                                                               : DrawCard(gs_, rng_.Rng());
        table_.CardShown(who, AddCard(gs_, who, card));
    }

    void DealOpeningCards() {
        Deal(kDealer);
        Deal(kDealer);
        Deal(kPlayer);
        Deal(kPlayer);
        gs_.CurrentHand = kPlayer;
    }

    int Action(int row) const { return StrategyAction(gs_, row, DealerColumn(gs_)); }
    bool DealerShowsAce() const { return gs_.CardSlots[kDealer][2].value == 11; }
    bool FirstCardIsAce() const { return gs_.CardSlots[kPlayer][1].rank == 1; }

    // Naturals, insurance and even money, then the player's decisions when the round goes on.
    void PlayOpening() {
        const bool player21 = HandValue(gs_, kPlayer) == 21;
        if (DealerShowsAce()) {
            if (!player21 && gs_.InsuranceByRow[PlayerRowFirstTwo(gs_)])
                return BuyInsurance();
            if (player21 && gs_.InsuranceOn21 == kTakeEvenMoney)
                return Finish(&SettleEvenMoney);
            if (player21 && gs_.InsuranceOn21 == kTakeInsurance) {
                insuranceTaken_ = true;
                if (HandValue(gs_, kDealer) == 21)
                    return Finish(&SettleInsuredBlackjackAgainst21);
                return Finish(&SettleBlackjackInsured);
            }
        }
        if (HandValue(gs_, kDealer) == 21)
            return FinishOutcome(player21 ? Outcome::Push : Outcome::Loss);
        if (player21)
            return Finish([](GameState& gs) { SettleWin(gs, true, false); });
        PlayDecisions();
    }

    void BuyInsurance() {
        insuranceTaken_ = true;
        table_.InsuranceTaken();
        Pause();
        if (HandValue(gs_, kDealer) == 21)
            return Finish(&SettleInsuranceWon);
        LoseInsuranceStake(gs_);
        PlayDecisions();
    }

    void PlayDecisions() {
        if (CheckSplit(gs_, kPlayer, splitCount_))
            return PlaySplitRound();
        const int total = PlayPlayerHand();
        if (total > 21)
            return FinishOutcome(Outcome::Loss);
        PlayDealer(total);
    }

    // Doubles, stands or hits as the strategy says, and returns the hand's total.
    int PlayPlayerHand() {
        if (MayDouble(gs_, kPlayer)) {
            gs_.DoubledThisHand = true;
            gs_.CurrentBet *= 2;
            table_.DoubledDown();
            table_.BetChanged();
            Deal(kPlayer);
            return HandValue(gs_, kPlayer);
        }
        if (Stands(Action(PlayerRowFirstTwo(gs_))))
            return HandValue(gs_, kPlayer);
        for (int position = 3; position <= kMaxCardsInHand; ++position) {
            Deal(kPlayer);
            if (StopsDrawing())
                break;
        }
        return HandValue(gs_, kPlayer);
    }

    // After each card it draws, a hand stops at 21 or over, or where its row says stand.
    bool StopsDrawing() { return HandValue(gs_, kPlayer) >= 21 || Stands(Action(PlayerRow(gs_))); }

    bool DealerDraws(int dealerTotal) const {
        if (dealerTotal < 17)
            return true;
        return gs_.DealerSoft17 == 0 && dealerTotal == 17 && IsDealerSoft17(gs_);
    }

    // The dealer draws by the soft-17 rule; a hand of eleven cards stands where it is.
    int DrawDealer() {
        int dealer = HandValue(gs_, kDealer);
        for (int position = 3; position <= kMaxCardsInHand && DealerDraws(dealer); ++position) {
            Deal(kDealer);
            dealer = HandValue(gs_, kDealer);
        }
        gs_.CurrentHand = kPlayer;
        return dealer;
    }

    void PlayDealer(int player) {
        const int dealer = DrawDealer();
        FinishOutcome(dealer > 21 ? Outcome::Win : Compare(player, dealer));
    }

    void Settle(Outcome outcome) {
        if (outcome == Outcome::Win)
            SettleWin(gs_, false, insuranceTaken_);
        else if (outcome == Outcome::Loss)
            SettleLoss(gs_, insuranceTaken_);
    }

    template <class Settlement> void Finish(Settlement settle) {
        settle(gs_);
        table_.HandSettled();
        EndHand(false, -1);
    }

    void FinishOutcome(Outcome outcome, int handIndex = -1) {
        if (outcome == Outcome::Push) {
            SettlePush(gs_);
            table_.HandPushed();
        } else {
            Settle(outcome);
            table_.HandSettled();
        }
        EndHand(outcome == Outcome::Push, handIndex);
    }

    // Halve a doubled bet back, then size the next one; a push keeps the bet.
    void EndHand(bool pushed, int handIndex) {
        if (gs_.DoubledThisHand)
            gs_.CurrentBet = RoundHalfEven(gs_.CurrentBet / 2.0);
        if (pushed) {
            ++gs_.PushStreak;
        } else {
            if constexpr (kBatch)
                NextBatchBet(gs_);
            else
                NextBet(gs_);
            gs_.PushStreak = 0;
        }
        ++handsPlayed_;
        const int player = handIndex < 0 ? HandTotal(gs_, kPlayer) : splitHands_[handIndex].total;
        table_.HandEnded(handIndex, player);
        table_.BetChanged();
    }

    void PlaySplitRound() {
        gs_.SplitThisHand = true;
        table_.SplitStarted();
        Pause();
        splitHands_[0].suit = gs_.CardSlots[kPlayer][1].suit;
        splitHands_[1].suit = gs_.CardSlots[kPlayer][2].suit;
        int bestTotal = 0;
        for (int h = 0; h <= splitCount_; ++h) {
            PlaySplitHand(h);
            const int total = splitHands_[h].total;
            table_.SplitHandPlayed(h, total);
            if (total < 22 && total > bestTotal)
                bestTotal = total;
        }
        Pause();
        table_.SplitHandsPlayed();
        const int dealer = bestTotal == 0 ? HandValue(gs_, kDealer) : DrawDealer();
        for (int h = 0; h <= splitCount_; ++h)
            SettleSplitHand(h, dealer);
        gs_.SplitThisHand = false;
        gs_.DoubledThisHand = false;
        table_.SplitRoundEnded(splitCount_ + 1);
    }

    void StartSplitHand(int h) {
        const int cards = CardCount(gs_, kPlayer);
        RecountHand(gs_, kPlayer, 1);
        for (int position = 2; position <= cards; ++position)
            table_.CardHidden(kPlayer, position);
        RestoreFirstAce();
        gs_.CardSlots[kPlayer][1].suit = splitHands_[h].suit;
        table_.CardShown(kPlayer, 1);
        splitHands_[h].bet = gs_.CurrentBet;
        splitHands_[h].doubled = false;
    }

    // Valuing a pair of aces demoted the first; every hand that starts with it counts it 11.
    void RestoreFirstAce() {
        CardSlot& first = gs_.CardSlots[kPlayer][1];
        if (first.value == 1) {
            first.value = 11;
            RecountHand(gs_, kPlayer, CardCount(gs_, kPlayer));
        }
    }

    bool SplitAgain() {
        if (splitCount_ + 1 >= kMaxSplitHands || !CheckSplit(gs_, kPlayer, splitCount_))
            return false;
        Pause();
        splitHands_[splitCount_].suit = gs_.CardSlots[kPlayer][2].suit;
        RecountHand(gs_, kPlayer, 1);
        table_.CardHidden(kPlayer, 2);
        RestoreFirstAce();
        return true;
    }

    // The two-card decisions of a split hand; true when the hand is done.
    bool SplitHandTwoCardsDone(int h) {
        if (gs_.DoubleOnSplits && !FirstCardIsAce() && MayDouble(gs_, kPlayer)) {
            splitHands_[h].bet = 2 * gs_.CurrentBet;
            splitHands_[h].doubled = true;
            table_.SplitHandDoubled();
            Deal(kPlayer);
            return true;
        }
        return FirstCardIsAce();
    }

    void PlaySplitHand(int h) {
        StartSplitHand(h);
        for (int position = 2; position <= kMaxCardsInHand; ++position) {
            Deal(kPlayer);
            if (position == 2) {
                // Valuing the hand first demotes a split ace, so a pair of aces finds its row.
                if (HandValue(gs_, kPlayer) == 21)
                    break;
                if (SplitAgain()) {
                    --position;
                    continue;
                }
                if (SplitHandTwoCardsDone(h))
                    break;
            }
            if (StopsDrawing())
                break;
        }
        splitHands_[h].total = static_cast<std::int8_t>(HandValue(gs_, kPlayer));
    }

    void SettleSplitHand(int h, int dealer) {
        const SplitHand& hand = splitHands_[h];
        gs_.CurrentBet = hand.bet;
        gs_.DoubledThisHand = hand.doubled;
        Outcome outcome = Outcome::Loss;
        if (hand.total <= 21)
            outcome = dealer > 21 ? Outcome::Win : Compare(hand.total, dealer);
        FinishOutcome(outcome, h);
    }

    GameState& gs_;
    Table& table_;
    GeneratorCopy& rng_;
    bool insuranceTaken_ = false;
    int splitCount_ = 0;
    int handsPlayed_ = 0;
    std::array<SplitHand, kMaxSplitHands> splitHands_;
};

// A test's stacked round, kept out of the batch loop. It plays from the game's own generator:
// were the loop's copy passed here, its address would be taken and it could not stay in
// registers.
[[gnu::noinline]] int PlayStackedRound(GameState& gs) {
    NullTable table;
    GeneratorCopy rng(gs);
    return Round<NullTable>(gs, table, rng).Play();
}

} // namespace

int PlayRound(GameState& gs, TableObserver& table) {
    GeneratorCopy rng(gs);
    return Round<TableObserver>(gs, table, rng).Play();
}

// One function with everything inlined keeps the rounds, and the generator between them, out
// of memory.
[[gnu::flatten]] RunEnd PlaySessionRounds(
    GameState& gs, const CancelCheck& bCancelled, int roundsPerCheck) {
    NullTable table;
    GeneratorCopy rng(gs);
    StreakBetTable bets(gs);
    for (int untilCheck = 1;;) {
        if (bCancelled && --untilCheck == 0) {
            untilCheck = std::max(roundsPerCheck, 1);
            if (rng.Lend(bCancelled))
                return RunEnd::Cancelled;
            bets.Refresh(gs);
        }
        if (gs.SessionHandsPlayed >= gs.HandsToPlay)
            return RunEnd::HandsUsedUp;
        const Currency before = gs.Bankroll;
        const std::int64_t bet = gs.CurrentBet;
        gs.SessionHandsPlayed += gs.StackedCards.empty()
            ? Round<NullTable, true>(gs, table, rng).Play()
            : rng.Lend([&gs] { return PlayStackedRound(gs); });
        gs.Rounds.Count((gs.Bankroll - before).Units(), bet);
        if (gs.SessionStop)
            return RunEnd::SessionStopped;
    }
}

} // namespace bj
