#pragma once

#include <cstdint>

namespace bj {

// Timer interval set by the speed slider (2..10): fastest is 1 ms.
int SpeedSliderInterval(int speed);
// Timer interval chosen with "Continuous" for the same slider value.
int ContinuousInterval(int speed);
// Per cent of the hands played, for the progress bar.
int HandsProgress(std::int32_t handsToPlay, std::int32_t tableHandsToPlay);

} // namespace bj
