#pragma once

#include <QPixmap>

namespace bj {

// The program's emblem: an ace of spades leaning on a king of hearts, with a betting chip.
QPixmap CardLogo(int height);

} // namespace bj
