#pragma once

#include <chrono>
#include <functional>

namespace bj {

// Time since some fixed point; a seam so that tests decide when time has passed.
using RunClock = std::function<std::chrono::nanoseconds()>;
std::chrono::nanoseconds SteadyNow();

// Says when a slice of play time has gone by, so a long run can hand control to a live
// window at a steady rhythm however long its rounds and sessions are. The clock is read only
// on every `stride`-th question, which keeps the question cheap beside a round.
class RunPacer {
public:
    RunPacer(std::chrono::nanoseconds slice, RunClock clock, int stride);

    bool SliceOver() {
        if (--countdown_ > 0)
            return false;
        countdown_ = stride_;
        return clock_() - sliceStart_ >= slice_;
    }
    // Begins a new slice: time spent away from play does not count towards it.
    void StartSlice();

private:
    std::chrono::nanoseconds slice_;
    RunClock clock_;
    int stride_;
    int countdown_;
    std::chrono::nanoseconds sliceStart_ {};
};

} // namespace bj
