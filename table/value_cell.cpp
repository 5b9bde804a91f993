#include "table/value_cell.h"

#include <QLabel>

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

} // namespace bj
