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

RunEnd PlayBatchSession(GameState& gs, const CancelCheck& bCancelled, int roundsPerCheck) {
    gs.SessionStop = false;
    gs.SessionEndBank = {};
    SetFirstBet(gs);
    if (bCancelled && bCancelled())
        return RunEnd::Cancelled;
    BuildShoe(gs);
    gs.SessionHandsPlayed = 0;

    const RunEnd end = PlaySessionRounds(gs, bCancelled, roundsPerCheck);
    if (end == RunEnd::SessionStopped)
        ResetAfterStop(gs);
    return end;
}

} // namespace bj
