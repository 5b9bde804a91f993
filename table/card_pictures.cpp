#include "table/card_pictures.h"

#include "engine/cards.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace bj {
namespace {

QPainterPath Heart(const QRectF& r) {
    const qreal w = r.width(), h = r.height();
    QPainterPath path;
    path.moveTo(r.left() + w * 0.5, r.top() + h * 0.95);
    path.cubicTo(r.left() + w * 0.1, r.top() + h * 0.62, r.left() - w * 0.02, r.top() + h * 0.32,
        r.left() + w * 0.2, r.top() + h * 0.12);
    path.cubicTo(r.left() + w * 0.36, r.top() - h * 0.02, r.left() + w * 0.48, r.top() + h * 0.1,
        r.left() + w * 0.5, r.top() + h * 0.24);
    path.cubicTo(r.left() + w * 0.52, r.top() + h * 0.1, r.left() + w * 0.64, r.top() - h * 0.02,
        r.left() + w * 0.8, r.top() + h * 0.12);
    path.cubicTo(r.left() + w * 1.02, r.top() + h * 0.32, r.left() + w * 0.9, r.top() + h * 0.62,
        r.left() + w * 0.5, r.top() + h * 0.95);
    return path;
}

QPainterPath Diamond(const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.center().x(), r.top());
    path.lineTo(r.left() + r.width() * 0.88, r.center().y());
    path.lineTo(r.center().x(), r.bottom());
    path.lineTo(r.left() + r.width() * 0.12, r.center().y());
    path.closeSubpath();
    return path;
}

QPainterPath Stem(const QRectF& r) {
    const qreal w = r.width(), h = r.height();
    QPainterPath path;
    path.moveTo(r.left() + w * 0.47, r.top() + h * 0.55);
    path.quadTo(r.left() + w * 0.45, r.top() + h * 0.9, r.left() + w * 0.28, r.bottom());
    path.lineTo(r.left() + w * 0.72, r.bottom());
    path.quadTo(r.left() + w * 0.55, r.top() + h * 0.9, r.left() + w * 0.53, r.top() + h * 0.55);
    path.closeSubpath();
    return path;
}

QPainterPath Spade(const QRectF& r) {
    QTransform flip;
    flip.translate(0, r.top() * 2 + r.height() * 0.78);
    flip.scale(1, -1);
    const QRectF body(r.left(), r.top(), r.width(), r.height() * 0.78);
    return flip.map(Heart(body)).united(Stem(r));
}

QPainterPath Club(const QRectF& r) {
    const qreal w = r.width(), h = r.height();
    const qreal d = w * 0.46;
    QPainterPath neck;
    neck.addRect(QRectF(r.left() + w * 0.4, r.top() + h * 0.3, w * 0.2, h * 0.3));
    // United, not added as subpaths: the fill would leave a hole where two of them overlap.
    QPainterPath path = Stem(r).united(neck);
    for (const QRectF& lobe :
        {QRectF(r.left() + (w - d) / 2, r.top(), d, d), QRectF(r.left(), r.top() + h * 0.33, d, d),
            QRectF(r.right() - d, r.top() + h * 0.33, d, d)}) {
        QPainterPath round;
        round.addEllipse(lobe);
        path = path.united(round);
    }
    return path;
}

QPainterPath SuitPath(int suit, const QRectF& r) {
    switch (suit) {
    case kHearts:
        return Heart(r);
    case kDiamonds:
        return Diamond(r);
    case kClubs:
        return Club(r);
    default:
        return Spade(r);
    }
}

} // namespace

QColor SuitColor(int suit) {
    return (suit == kHearts || suit == kDiamonds) ? QColor(0xc8, 0x10, 0x2e) : QColor(Qt::black);
}

void PaintSuit(QPainter& painter, int suit, const QRectF& box) {
    const qreal side = std::min(box.width(), box.height());
    const QRectF square(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitColor(suit));
    painter.drawPath(SuitPath(suit, square));
    painter.restore();
}

QPixmap SuitPicture(int suit, QSize size, qreal devicePixelRatio) {
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const qreal radius = size.width() * 0.1;
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(face, radius, radius);
    const qreal side = size.width() * 0.62;
    const QRectF symbol((size.width() - side) / 2, size.height() * 0.58 - side / 2, side, side);
    PaintSuit(painter, suit, symbol);
    return picture;
}

void PaintCard(QPainter& painter, const QRectF& face, int rank, int suit) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal w = face.width(), h = face.height();
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), w * 0.1, w * 0.1);
    QFont rankFont(QStringLiteral("Times New Roman"));
    rankFont.setBold(true);
    rankFont.setPixelSize(std::max(6, qRound(h * 0.3)));
    painter.setFont(rankFont);
    painter.setPen(SuitColor(suit));
    const QRectF corner(face.left() + w * 0.06, face.top() + h * 0.02, w * 0.6, h * 0.32);
    painter.drawText(corner, Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(FaceText(rank)));
    const qreal small = w * 0.26;
    PaintSuit(painter, suit, QRectF(face.left() + w * 0.08, corner.bottom(), small, small));
    const qreal side = w * 0.5;
    PaintSuit(painter, suit,
        QRectF(
            face.left() + (w - side) / 2 + w * 0.1, face.top() + h * 0.62 - side / 2, side, side));
    painter.restore();
}

} // namespace bj
