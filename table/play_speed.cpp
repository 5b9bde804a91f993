#include "table/play_speed.h"

#include "engine/currency.h"

#include <algorithm>

namespace bj {

int SpeedSliderInterval(int speed) {
    if (speed >= 10)
        return 1;
    return static_cast<int>(RoundHalfEven(500.0 / (2.0 * std::max(speed, 1))));
}

int ContinuousInterval(int speed) {
    return static_cast<int>(RoundHalfEven(500.0 / std::max(speed, 1)));
}

// Computed in single precision as the table always has; a count larger than the slider's
// total (or a total of 0) must not push the bar outside 0..100.
int HandsProgress(std::int32_t handsToPlay, std::int32_t tableHandsToPlay) {
    if (tableHandsToPlay <= 0)
        return 100;
    const float done
        = 100.0f - 100.0f * static_cast<float>(handsToPlay) / static_cast<float>(tableHandsToPlay);
    return static_cast<int>(std::clamp<std::int64_t>(RoundHalfEven(done), 0, 100));
}

} // namespace bj
