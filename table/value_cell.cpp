#include "table/value_cell.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace bj {

void StyleValueCell(QLabel* label, int indent) {
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAutoFillBackground(true);
    QPalette white = label->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(white);
    label->setIndent(indent);
}

ValueCell::ValueCell(const QString& text)
    : QLabel(text) {
}

void ValueCell::paintEvent(QPaintEvent* event) {
    // A right-aligned label keeps its indent on the right; a shrunk number keeps clear of
    // the frame on the left too.
    const QRect room = contentsRect().adjusted(1, 0, -qMax(indent(), 0), 0);
    const QFont fitted = FittedFont(font(), text(), room.width());
    const QString shown = FittedText(fitted, text(), room.width());
    const QString tip = shown == text() ? QString() : text();
    if (toolTip() != tip)
        setToolTip(tip);
    if (fitted == font())
        return QLabel::paintEvent(event);
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(fitted);
    style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(),
        shown, foregroundRole());
}

QFont FittedFont(const QFont& font, const QString& text, int width) {
    // Below this a figure is no longer legible.
    constexpr double kSmallestPoints = 5;
    QFont fitted = font;
    double points = font.pointSizeF();
    if (points <= 0)
        points = QFontInfo(font).pointSizeF();
    while (QFontMetrics(fitted).horizontalAdvance(text) > width && points > kSmallestPoints) {
        points = qMax(points - 0.5, kSmallestPoints);
        fitted.setPointSizeF(points);
    }
    return fitted;
}

QString FittedText(const QFont& fitted, const QString& text, int width) {
    const QFontMetrics metrics(fitted);
    return metrics.horizontalAdvance(text) <= width
        ? text
        : metrics.elidedText(text, Qt::ElideMiddle, width);
}

} // namespace bj
