#include "engine/session_merge.h"

#include "engine/bet_sizing.h"
#include "engine/settlement.h"

#include <algorithm>

namespace bj {

void ZeroForSession(GameState& gs) {
    ResetStatistics(gs);
    gs.Bankroll = gs.MaxBankroll = gs.MinBankroll = Currency {};
}

SessionTotals TakeSession(const GameState& p, RunEnd end, std::optional<Currency> startLoseLevel) {
    SessionTotals s;
    s.Hands = p.SessionHandsPlayed;
    s.End = end;
    s.LossStop = p.SessionLoseLevel != startLoseLevel;
    s.Bankroll = p.Bankroll;
    s.MaxBankroll = p.MaxBankroll;
    s.MinBankroll = p.MinBankroll;
    s.PeakBank = p.SessionPeakBank;
    s.LowBank = p.SessionLowBank;
    s.LastSettledBank = p.SessionEndBank;
    s.CurrentBet = p.CurrentBet;
    s.SplitThisHand = p.SplitThisHand;
    s.DoubledThisHand = p.DoubledThisHand;
    s.InsuranceResult = p.InsuranceResult;
    s.AmountWonOnHand = p.AmountWonOnHand;
    s.HandsWon = p.HandsWon;
    s.HandsLost = p.HandsLost;
    s.BlackjacksWon = p.BlackjacksWon;
    s.TiedHands = p.TiedHands;
    s.PushStreak = p.PushStreak;
    s.DoubledHandsWon = p.DoubledHandsWon;
    s.DoubledHandsLost = p.DoubledHandsLost;
    s.SplitHandsWon = p.SplitHandsWon;
    s.SplitHandsLost = p.SplitHandsLost;
    s.InsuredHandsWon = p.InsuredHandsWon;
    s.InsuredHandsLost = p.InsuredHandsLost;
    s.BlackjackAmountWon = p.BlackjackAmountWon;
    s.DoubledAmountWon = p.DoubledAmountWon;
    s.DoubledAmountLost = p.DoubledAmountLost;
    s.SplitAmountWon = p.SplitAmountWon;
    s.SplitAmountLost = p.SplitAmountLost;
    s.InsuranceAmountWon = p.InsuranceAmountWon;
    s.InsuranceAmountLost = p.InsuranceAmountLost;
    s.EvenMoneyAmountWon = p.EvenMoneyAmountWon;
    s.AmountWageredCents = p.AmountWageredCents;
    s.InsuranceWageredCents = p.InsuranceWageredCents;
    s.WinStreak = p.WinStreak;
    s.LoseStreak = p.LoseStreak;
    s.WinStreakCapped = p.WinStreakCapped;
    s.LoseStreakCapped = p.LoseStreakCapped;
    s.MaxWinStreak = p.MaxWinStreak;
    s.MaxLoseStreak = p.MaxLoseStreak;
    s.OpeningStreak = p.OpeningStreak;
    s.OpeningStreakWon = p.OpeningStreakWon;
    s.StreakStart = p.StreakStart;
    s.StreakFlipped = p.StreakFlipped;
    s.StreakStopCounts = p.StreakStopCounts;
    s.Rounds = p.Rounds;
    return s;
}

namespace {

void AddCounts(GameState& gs, const SessionTotals& s) {
    gs.HandsWon += s.HandsWon;
    gs.HandsLost += s.HandsLost;
    gs.BlackjacksWon += s.BlackjacksWon;
    gs.TiedHands += s.TiedHands;
    gs.DoubledHandsWon += s.DoubledHandsWon;
    gs.DoubledHandsLost += s.DoubledHandsLost;
    gs.SplitHandsWon += s.SplitHandsWon;
    gs.SplitHandsLost += s.SplitHandsLost;
    gs.InsuredHandsWon += s.InsuredHandsWon;
    gs.InsuredHandsLost += s.InsuredHandsLost;
    gs.BlackjackAmountWon += s.BlackjackAmountWon;
    gs.DoubledAmountWon += s.DoubledAmountWon;
    gs.DoubledAmountLost += s.DoubledAmountLost;
    gs.SplitAmountWon += s.SplitAmountWon;
    gs.SplitAmountLost += s.SplitAmountLost;
    gs.InsuranceAmountWon += s.InsuranceAmountWon;
    gs.InsuranceAmountLost += s.InsuranceAmountLost;
    gs.EvenMoneyAmountWon += s.EvenMoneyAmountWon;
    AddAmountWagered(gs, s.AmountWageredCents);
    AddInsuranceWagered(gs, s.InsuranceWageredCents);
    gs.Rounds.Add(s.Rounds);
    for (int kind : {kWinning, kLosing})
        for (int length = 1; length <= kStreakLengths; ++length)
            gs.StreakStopCounts[kind][length] += s.StreakStopCounts[kind][length];
}

// The session's streaks as if it had begun on the streaks the run stands on. Its first decided
// hand either lengthens the streak left standing, or begins a new one and so ends the other
// kind's (a capped count a stop rule left behind included); every later streak is its own.
void JoinStreaks(GameState& gs, const SessionTotals& s) {
    const std::int64_t decided = s.HandsWon + s.HandsLost;
    if (decided == 0) {
        gs.PushStreak += s.PushStreak;
        return;
    }
    gs.PushStreak = s.PushStreak;
    const bool won = s.OpeningStreakWon;
    const StreakKind kind = won ? kWinning : kLosing;
    const std::int32_t carried = won ? gs.WinStreak : gs.LoseStreak;
    const std::int32_t otherCapped = won ? gs.LoseStreakCapped : gs.WinStreakCapped;
    if (carried == 0 && otherCapped != 0) {
        ++gs.StreakStopCounts[won ? kLosing : kWinning][otherCapped];
        gs.StreakFlipped = true;
    }
    const std::int32_t opening = carried + s.OpeningStreak;
    const bool openingEnded = s.OpeningStreak < decided;
    if (carried > 0 && openingEnded) {
        --gs.StreakStopCounts[kind][std::min(s.OpeningStreak, kStreakLengths)];
        ++gs.StreakStopCounts[kind][std::min(opening, kStreakLengths)];
    }
    gs.MaxWinStreak = std::max(gs.MaxWinStreak, s.MaxWinStreak);
    gs.MaxLoseStreak = std::max(gs.MaxLoseStreak, s.MaxLoseStreak);
    std::int32_t& longest = won ? gs.MaxWinStreak : gs.MaxLoseStreak;
    longest = std::max(longest, opening);
    gs.StreakFlipped = gs.StreakFlipped || s.StreakFlipped;
    gs.StreakStart = s.StreakStart;
    gs.WinStreak = s.WinStreak;
    gs.LoseStreak = s.LoseStreak;
    gs.WinStreakCapped = s.WinStreakCapped;
    gs.LoseStreakCapped = s.LoseStreakCapped;
    if (!openingEnded) {
        // One streak all through, which a stop rule may have set back to zero.
        std::int32_t& streak = won ? gs.WinStreak : gs.LoseStreak;
        if (streak != 0)
            streak = opening;
        (won ? gs.WinStreakCapped : gs.LoseStreakCapped) = std::min(opening, kStreakLengths);
    }
}

} // namespace

SessionRow MergeSession(GameState& gs, const SessionTotals& s, std::int64_t number) {
    const Currency start = gs.Bankroll;
    SetFirstBet(gs); // the streak counts and StreakStart it puts back, as the session did
    gs.Bankroll = start + s.Bankroll;
    gs.MaxBankroll = std::max(gs.MaxBankroll, start + s.MaxBankroll);
    gs.MinBankroll = std::min(gs.MinBankroll, start + s.MinBankroll);
    gs.SessionStartBank = start;
    gs.SessionPeakBank = start + s.PeakBank;
    gs.SessionLowBank = start + s.LowBank;
    // Zero marks a stop, but also a last settlement that left the bankroll at exactly zero,
    // which only the real bankroll tells. A lost insurance stake sets it too, and never to
    // zero in a session played from zero.
    const bool settled = s.HandsWon + s.HandsLost > 0 || s.LastSettledBank != Currency {};
    gs.SessionEndBank
        = s.End == RunEnd::SessionStopped || !settled ? Currency {} : start + s.LastSettledBank;
    gs.CurrentBet = s.CurrentBet;
    gs.SplitThisHand = s.SplitThisHand;
    gs.DoubledThisHand = s.DoubledThisHand;
    gs.InsuranceResult = s.InsuranceResult;
    gs.AmountWonOnHand = s.AmountWonOnHand;
    AddCounts(gs, s);
    JoinStreaks(gs, s);

    SessionRow row;
    row.Session = number;
    row.MaxWinning = s.PeakBank;
    row.MaxLosing = s.LowBank;
    row.Hands = s.Hands;
    row.Time = HandsToTime(row.Hands);
    row.EndBank = gs.Bankroll;
    row.WonLost = s.Bankroll;
    row.End = ClassifySessionEnd(s.LossStop, gs.SessionEndBank);
    return row;
}

} // namespace bj
