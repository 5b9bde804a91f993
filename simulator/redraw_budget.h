#pragma once

#include <algorithm>
#include <chrono>

namespace bj {

// Keeps the drawing of a run's progress to a small share of the run: at most once per
// rhythm, and only while all that the window has done between rounds, the painting that
// follows a redraw included, stays within 1/share of the time since the run began.
class RedrawBudget {
public:
    using Clock = std::chrono::steady_clock;
    explicit RedrawBudget(
        std::chrono::nanoseconds rhythm = std::chrono::milliseconds(15), int share = 33)
        : rhythm_(rhythm)
        , share_(share) { }

    void Start() { start_ = last_ = Clock::now(), spent_ = {}; }
    bool Due() const {
        const auto now = Clock::now();
        return now - last_ >= rhythm_ && spent_ * share_ <= now - start_;
    }
    // After each turn of the window's events, with what it took; a modal window opened
    // meanwhile is not the window's drawing.
    void Spent(std::chrono::nanoseconds cost, bool redrawn) {
        spent_ += std::min<std::chrono::nanoseconds>(cost, std::chrono::milliseconds(50));
        if (redrawn)
            last_ = Clock::now();
    }

private:
    std::chrono::nanoseconds rhythm_;
    int share_;
    Clock::time_point start_ = Clock::now(), last_ = start_;
    std::chrono::nanoseconds spent_ {};
};

} // namespace bj
