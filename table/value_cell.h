#pragma once

#include <QLabel>

namespace bj {

// The sunken white box in which the statistics windows show a value.
void StyleValueCell(QLabel* label, int indent);

// A value box of fixed size. A number too long for it is drawn in a smaller font, so that the
// box never shows a number with its leading digits cut off and the window never relays out.
class ValueCell final : public QLabel {
public:
    explicit ValueCell(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// `font`, or the largest smaller size in which `text` fits `width` pixels.
QFont FittedFont(const QFont& font, const QString& text, int width);

} // namespace bj
