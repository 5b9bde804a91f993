#pragma once

#include "engine/currency.h"

#include <QString>

#include <optional>

namespace bj {

// A playing time as HandsToTime writes it: hours (two digits or more) ":" two-digit minutes.
struct PlayTime {
    std::int64_t Hours = 0;
    std::int64_t Minutes = 0;
    std::int64_t InMinutes() const { return Hours * 60 + Minutes; }
};
// Split at the colon, so times of 100 hours and more read right; empty when it is no time.
std::optional<PlayTime> ParsePlayTime(const QString& text);

// A session's amount won or lost per hour of its playing time; 0 for no time.
double HourlyRate(double wonLost, const PlayTime& time);

// The whole run's amount per hour from the window's two total labels, as the hourly window
// shows it: "0.00" while the time label is blank, else in the form "$#,##0.00".
QString RunHourlyText(const QString& totalTimeText, const QString& totalBankText);

} // namespace bj
