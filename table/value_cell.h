#pragma once

#include <QLabel>

namespace bj {

// The sunken white box in which the statistics windows show a value.
void StyleValueCell(QLabel* label, int indent);

// A value box of fixed size. A number too long for it is drawn in a smaller font, so that the
// window never relays out; one too long even at the smallest legible size loses digits in the
// middle, marked with an ellipsis, never its sign or leading digits, and shows whole in its
// tool tip.
class ValueCell final : public QLabel {
public:
    explicit ValueCell(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// `font`, or the largest smaller size in which `text` fits `width` pixels.
QFont FittedFont(const QFont& font, const QString& text, int width);
// `text` as it fits `width` pixels in the fitted font.
QString FittedText(const QFont& fitted, const QString& text, int width);

} // namespace bj
