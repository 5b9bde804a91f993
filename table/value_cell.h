#pragma once

class QLabel;

namespace bj {

// The sunken white box in which the statistics windows show a value.
void StyleValueCell(QLabel* label, int indent);

} // namespace bj
