#pragma once

#include "simulator/session_results.h"

#include <QColor>
#include <QString>

namespace bj {

constexpr int kResultColumns = 8;
enum ResultColumn : int {
    kColSession,
    kColMaxWinning,
    kColMaxLosing,
    kColHands,
    kColTime,
    kColTotal,
    kColWonLost,
    kColTotalWonLost
};

// The header of each column of the results grid.
QString ResultHeader(int column);
// A cell of the results grid as it shows.
QString ResultCellText(const SessionResults& results, std::int64_t row, int column);
// The text colour of a cell, or an invalid colour for the grid's own.
QColor ResultCellColour(const SessionResults& results, std::int64_t row, int column);

// The marks of how a session ended, as the results grid and the legend show them.
QColor EndColour(SessionEnd end);
QColor LegendColour(SessionEnd end);
QString EndName(SessionEnd end); // "played through", "win", "loss"
const QColor& AmountColour(bool negative);

} // namespace bj
