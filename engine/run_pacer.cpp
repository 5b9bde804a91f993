#include "engine/run_pacer.h"

#include <algorithm>

namespace bj {

std::chrono::nanoseconds SteadyNow() {
    return std::chrono::steady_clock::now().time_since_epoch();
}

RunPacer::RunPacer(std::chrono::nanoseconds slice, RunClock clock, int stride)
    : slice_(slice)
    , clock_(clock ? std::move(clock) : RunClock(SteadyNow))
    , stride_(std::max(stride, 1))
    , countdown_(stride_) {
    StartSlice();
}

void RunPacer::StartSlice() {
    sliceStart_ = clock_();
    countdown_ = stride_;
}

} // namespace bj
