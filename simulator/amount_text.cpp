#include "simulator/amount_text.h"

#include <QLocale>

#include <cmath>

namespace bj {
namespace {

const QLocale& Grouping() {
    static const QLocale grouping(QLocale::English, QLocale::UnitedStates);
    return grouping;
}

QString MoneyOfCents(std::int64_t cents, const char* sign, bool grouped = true) {
    const std::uint64_t magnitude = cents < 0 ? 0 - static_cast<std::uint64_t>(cents) : cents;
    const auto whole = static_cast<qulonglong>(magnitude / 100);
    return QString(cents < 0 ? "-" : "") + sign
        + (grouped ? Grouping().toString(whole) : QString::number(whole)) + '.'
        + QString::number(magnitude % 100).rightJustified(2, '0');
}

QString Money(Currency amount, const char* sign, bool grouped = true) {
    return MoneyOfCents(RoundedCents(amount), sign, grouped);
}

} // namespace

QString GridCents(std::int64_t cents) {
    return MoneyOfCents(cents, "");
}

QString GridAmount(Currency amount) {
    return Money(amount, "");
}

QString PlainAmount(Currency amount) {
    return Money(amount, "", false);
}

QString DollarAmount(Currency amount) {
    return Money(amount, "$");
}

QString GroupedFigure(double value, int decimals) {
    const QString figure = Grouping().toString(std::isfinite(value) ? value : 0.0, 'f', decimals);
    const bool roundsToZero
        = figure.startsWith('-') && figure.count('0') + figure.count('.') + 1 == figure.size();
    return roundsToZero ? figure.mid(1) : figure;
}

QString GroupedCount(std::int64_t count) {
    return Grouping().toString(static_cast<qlonglong>(count));
}

QString DollarFigure(double value) {
    const QString figure = GroupedFigure(value);
    return figure.startsWith('-') ? "-$" + figure.mid(1) : "$" + figure;
}

} // namespace bj
