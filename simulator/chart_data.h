#pragma once

#include "simulator/session_results.h"

#include <QList>
#include <QPointF>

#include <array>
#include <vector>

namespace bj {

// The bankroll line's points: (0, start) and (i, end bank of session i). Past `most` points
// each stretch of sessions keeps its lowest and highest bankroll, in order, so a line of
// 100,000 sessions draws fast and still shows every swing.
QList<QPointF> BankrollPoints(const SessionResults& results, int most = 4000);

// Sessions' won or lost amounts counted into equal bins between the smallest and largest,
// separately by how the session ended.
struct Histogram {
    double Low = 0; // lower edge of bin 0, in whole units
    double Width = 1;
    std::vector<std::array<std::int64_t, 3>> Counts; // [bin][SessionEnd]
};
Histogram SessionHistogram(const SessionResults& results, int mostBins = 40);

// An axis over [low, high] whose ticks stand on whole numbers a whole nice step (1, 2 or 5
// times a power of ten) apart, at most `mostTicks` of them, so no two labels read the same;
// a single value gets one step on each side of it.
struct AxisScale {
    double Low = 0, High = 1;
    int Ticks = 2;
};
AxisScale WholeNumberAxis(double low, double high, int mostTicks = 6);

// Decimals for amounts labelled from `low` on, `spacing` apart: none when they are whole or
// far apart, else enough that neighbours read differently and near their value.
int EdgeDecimals(double low, double spacing);

} // namespace bj
