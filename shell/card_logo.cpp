#include "shell/card_logo.h"

#include <QPainter>
#include <QPainterPath>

namespace bj {
namespace {

void DrawCard(QPainter& p, QRectF face, const QString& rank, const QString& suit, QColor ink) {
    const double corner = face.width() * 0.08;
    p.setPen(QPen(QColor(60, 60, 60), face.width() * 0.02));
    p.setBrush(Qt::white);
    p.drawRoundedRect(face, corner, corner);
    p.setPen(ink);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(face.height() * 0.16));
    p.setFont(font);
    const QRectF index(
        face.left() + corner, face.top() + corner * 0.5, face.width() * 0.3, face.height() * 0.36);
    p.drawText(index, Qt::AlignHCenter | Qt::AlignTop, rank + u'\n' + suit);
    font.setPixelSize(static_cast<int>(face.height() * 0.45));
    p.setFont(font);
    p.drawText(face, Qt::AlignCenter, suit);
}

void DrawChip(QPainter& p, QPointF centre, double radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 20, 30));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::white);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 45.0);
        p.drawRect(QRectF(-radius * 0.12, -radius, radius * 0.24, radius * 0.25));
        p.restore();
    }
    p.setPen(QPen(Qt::white, radius * 0.08));
    p.setBrush(QColor(170, 20, 30));
    p.drawEllipse(centre, radius * 0.62, radius * 0.62);
    p.setPen(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(radius * 0.6));
    p.setFont(font);
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
        Qt::AlignCenter, QStringLiteral("$5"));
}

// The emblem in a box `height` high and 0.95 times as wide, with its top left corner at 0, 0.
void PaintCardLogo(QPainter& p, double h) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QSizeF card(h * 0.5, h * 0.72);
    p.save();
    p.translate(h * 0.3, h * 0.12);
    p.rotate(-12);
    DrawCard(p, QRectF(QPointF(0, 0), card), QStringLiteral("K"), QStringLiteral("\u2665"),
        QColor(190, 20, 30));
    p.restore();
    p.save();
    p.translate(h * 0.38, h * 0.1);
    p.rotate(10);
    DrawCard(
        p, QRectF(QPointF(0, 0), card), QStringLiteral("A"), QStringLiteral("\u2660"), Qt::black);
    p.restore();
    DrawChip(p, QPointF(h * 0.24, h * 0.76), h * 0.2);
}

} // namespace

QPixmap CardLogo(int height) {
    QPixmap logo(static_cast<int>(height * 0.95), height);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    PaintCardLogo(p, height);
    return logo;
}

void PaintProgramIcon(QPainter& p, int size) {
    p.save();
    p.translate(size * 0.025, 0);
    PaintCardLogo(p, size);
    p.restore();
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap square(size, size);
        square.fill(Qt::transparent);
        QPainter p(&square);
        PaintProgramIcon(p, size);
        p.end();
        icon.addPixmap(square);
    }
    return icon;
}

} // namespace bj
