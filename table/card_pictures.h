#pragma once

#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

namespace bj {

// Red for hearts and diamonds, black for clubs and spades.
QColor SuitColor(int suit);
// The suit's symbol filling `box` (kept square, centred).
void PaintSuit(QPainter& painter, int suit, const QRectF& box);
// A white card face with rounded corners and one large suit symbol, low enough to leave
// the top-left corner free for the rank.
QPixmap SuitPicture(int suit, QSize size, qreal devicePixelRatio = 1.0);
// A whole card drawn at the size of `face`: the rank and a small suit in the top-left corner,
// which stay readable where cards overlap, and the suit large in the middle.
void PaintCard(QPainter& painter, const QRectF& face, int rank, int suit);

} // namespace bj
