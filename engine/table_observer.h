#pragma once

namespace bj {

// What a table shows of a round and where it pauses. Every call comes after the game state
// has changed, so an observer reads what it shows from there. The batch engine passes
// NullTable, whose empty inline bodies cost nothing.
class TableObserver {
public:
    virtual ~TableObserver() = default;
    virtual void TableCleared() { }
    virtual void CardShown(int /*who*/, int /*position*/) { }
    virtual void CardHidden(int /*who*/, int /*position*/) { }
    virtual void InsuranceTaken() { }
    virtual void DoubledDown() { }
    virtual void SplitStarted() { }
    virtual void SplitHandDoubled() { }
    // A split hand has been played out; its cards are still on the player's places.
    virtual void SplitHandPlayed(int /*handIndex*/, int /*playerTotal*/) { }
    virtual void SplitHandsPlayed() { }
    virtual void BetChanged() { }
    virtual void HandSettled() { }
    virtual void HandPushed() { }
    // The end-of-hand step; handIndex counts split hands from 0, -1 outside a split round.
    virtual void HandEnded(int /*handIndex*/, int /*playerTotal*/) { }
    virtual void SplitRoundEnded(int /*hands*/) { }
    virtual void WaitForContinue() { }
};

struct NullTable {
    void TableCleared() { }
    void CardShown(int, int) { }
    void CardHidden(int, int) { }
    void InsuranceTaken() { }
    void DoubledDown() { }
    void SplitStarted() { }
    void SplitHandDoubled() { }
    void SplitHandPlayed(int, int) { }
    void SplitHandsPlayed() { }
    void BetChanged() { }
    void HandSettled() { }
    void HandPushed() { }
    void HandEnded(int, int) { }
    void SplitRoundEnded(int) { }
    void WaitForContinue() { }
};

} // namespace bj
