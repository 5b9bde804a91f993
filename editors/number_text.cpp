#include "editors/number_text.h"

#include "engine/currency.h"
#include "shell/input_helpers.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

namespace bj {

double LeadingNumber(const QString& text) {
    static const QRegularExpression number(R"(^\s*([+-]?(\d+\.?\d*|\.\d+)))");
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

QString ShortestNumber(double value) {
    // Fixed notation: the shortest 'g' form writes 100000 as 1e+05, which reads back as 1.
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

double BoxAmount(const QString& text) {
    return std::clamp(RoundedAmount(text), -kLargestVariableAmount, kLargestVariableAmount);
}

int CountFromText(const QString& text, int low, int high) {
    const double value = RoundedAmount(text);
    if (value <= low)
        return low;
    if (value >= high)
        return high;
    return static_cast<int>(std::clamp<std::int64_t>(RoundHalfEven(value), low, high));
}

QString SignedTwoDecimals(double value) {
    QString number = QString::number(value, 'f', 2);
    if (number == "-0.00")
        number = "0.00";
    return number.replace('-', QChar(0x2212));
}

} // namespace bj
