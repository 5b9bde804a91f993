#pragma once

#include <chrono>

namespace bj {

// Keeps the drawing of a run's progress to a small share of the run: at most once per
// rhythm, and after a costly drawing only once the run has played `share` times as long.
class RedrawBudget {
public:
    using Clock = std::chrono::steady_clock;
    explicit RedrawBudget(
        std::chrono::nanoseconds rhythm = std::chrono::milliseconds(15), int share = 25)
        : rhythm_(rhythm)
        , share_(share) { }

    void Restart() {
        last_ = Clock::now();
        wait_ = rhythm_;
    }
    bool Due() const { return Clock::now() - last_ >= wait_; }
    // After drawing, with what it took; a modal window opened meanwhile is not drawing.
    void Drawn(std::chrono::nanoseconds cost) {
        last_ = Clock::now();
        const auto counted
            = std::min<std::chrono::nanoseconds>(cost, std::chrono::milliseconds(50));
        wait_ = std::max(rhythm_, counted * (share_ - 1));
    }

private:
    std::chrono::nanoseconds rhythm_;
    int share_;
    Clock::time_point last_ = Clock::now();
    std::chrono::nanoseconds wait_ = rhythm_;
};

} // namespace bj
