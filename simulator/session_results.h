#pragma once

#include "engine/multi_session.h"

#include <cstdint>
#include <vector>

namespace bj {

// The rows of one multi-session run, kept compact so a million sessions cost little; every
// figure the grid, the totals, the hourly table, the chart and the export show comes from
// here. Row indexes count from 0.
class SessionResults {
public:
    // Beyond this many rows a run would need more memory than a desktop can be asked for.
    static constexpr std::int64_t kMostRows = 20'000'000;

    struct Row {
        Currency MaxWinning;
        Currency MaxLosing;
        Currency EndBank;
        std::int32_t Hands = 0;
        SessionEnd End = SessionEnd::PlayedThrough;
    };

    void Clear(Currency startBank);
    void Add(const SessionRow& row);

    std::int64_t Count() const { return static_cast<std::int64_t>(rows_.size()); }
    const Row& operator[](std::int64_t i) const { return rows_[static_cast<std::size_t>(i)]; }
    Currency StartBank() const { return startBank_; }
    // The bankroll the session began with: the row before's end, or the run's start.
    Currency Start(std::int64_t i) const { return i == 0 ? startBank_ : (*this)[i - 1].EndBank; }
    Currency WonLost(std::int64_t i) const { return (*this)[i].EndBank - Start(i); }
    Currency RunningTotal(std::int64_t i) const { return (*this)[i].EndBank - startBank_; }
    Currency Total() const { return rows_.empty() ? Currency {} : RunningTotal(Count() - 1); }
    std::int64_t TotalHands() const { return totalHands_; }
    // The smallest and the largest amount a session won or lost (0 without sessions).
    Currency LeastWonLost() const { return least_; }
    Currency MostWonLost() const { return most_; }

    // Sessions by how they ended, indexed by SessionEnd.
    std::int64_t Ended(SessionEnd end) const { return ended_[static_cast<int>(end)]; }
    // Mean won or lost per session and its standard error, in whole units.
    double MeanWonLost() const { return mean_; }
    double MeanWonLostError() const;

private:
    std::vector<Row> rows_;
    Currency startBank_;
    std::int64_t totalHands_ = 0;
    Currency least_, most_;
    std::int64_t ended_[3] {};
    double mean_ = 0, m2_ = 0;
};

} // namespace bj
