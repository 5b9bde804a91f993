#include "simulator/session_results.h"

#include <algorithm>
#include <cmath>

namespace bj {

void SessionResults::Clear(Currency startBank) {
    // Let go of the memory too: a run of millions of sessions holds hundreds of megabytes.
    rows_.clear();
    rows_.shrink_to_fit();
    startBank_ = startBank;
    totalHands_ = 0;
    least_ = most_ = {};
    for (auto& n : ended_)
        n = 0;
    mean_ = m2_ = 0;
}

void SessionResults::Add(const SessionRow& row) {
    rows_.push_back({row.MaxWinning, row.MaxLosing, row.EndBank,
        static_cast<std::int32_t>(row.Hands), row.End});
    totalHands_ += row.Hands;
    ++ended_[static_cast<int>(row.End)];
    // Welford's update stays accurate however many sessions there are.
    const Currency amount = WonLost(Count() - 1);
    least_ = Count() == 1 ? amount : std::min(least_, amount);
    most_ = Count() == 1 ? amount : std::max(most_, amount);
    const double wonLost = amount.ToDouble();
    const double delta = wonLost - mean_;
    mean_ += delta / static_cast<double>(Count());
    m2_ += delta * (wonLost - mean_);
}

double SessionResults::MeanWonLostError() const {
    const auto n = static_cast<double>(Count());
    return n < 2 ? 0.0 : std::sqrt(m2_ / (n - 1) / n);
}

} // namespace bj
