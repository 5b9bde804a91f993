#include "engine/batch_session.h"

#include "engine/bet_sizing.h"
#include "engine/round.h"
#include "engine/shoe.h"

namespace bj {

namespace {

void ResetAfterStop(GameState& gs) {
    gs.SplitThisHand = false;
    gs.DoubledThisHand = false;
    gs.WinStreak = gs.LoseStreak = 0;
    gs.SessionEndBank = {};
}

} // namespace

RunEnd PlayBatchSession(GameState& gs, const CancelCheck& bCancelled) {
    gs.SessionStop = false;
    gs.SessionEndBank = {};
    SetFirstBet(gs);
    if (bCancelled && bCancelled())
        return RunEnd::Cancelled;
    BuildShoe(gs);
    gs.SessionHandsPlayed = 0;

    NullTable table;
    for (;;) {
        if (bCancelled && bCancelled())
            return RunEnd::Cancelled;
        if (gs.SessionHandsPlayed >= gs.HandsToPlay)
            return RunEnd::HandsUsedUp;
        const Currency before = gs.Bankroll;
        const std::int64_t bet = gs.CurrentBet;
        gs.SessionHandsPlayed += PlayRound(gs, table);
        gs.Rounds.Count((gs.Bankroll - before).Units(), bet);
        if (gs.SessionStop) {
            ResetAfterStop(gs);
            return RunEnd::SessionStopped;
        }
    }
}

} // namespace bj
