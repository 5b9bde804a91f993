#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

namespace bj {

// The program's emblem: an ace of spades leaning on a king of hearts, with a betting chip.
QPixmap CardLogo(int height);

// The emblem centred in a transparent square of the given size: the program's icon.
void PaintProgramIcon(QPainter& p, int size);
// The program's icon at the sizes desktops ask for.
QIcon ProgramIcon();

} // namespace bj
