#include "simulator/hourly_figures.h"

#include "shell/input_helpers.h"
#include "simulator/amount_text.h"

#include <QRegularExpression>

namespace bj {

std::optional<PlayTime> ParsePlayTime(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*(\d{1,15}):(\d{2})\s*$)"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return PlayTime {m.captured(1).toLongLong(), m.captured(2).toLongLong()};
}

double HourlyRate(double wonLost, const PlayTime& time) {
    const std::int64_t minutes = time.InMinutes();
    return minutes > 0 ? wonLost * 60.0 / static_cast<double>(minutes) : 0.0;
}

QString RunHourlyText(const QString& totalTimeText, const QString& totalBankText) {
    if (totalTimeText.isEmpty())
        return QStringLiteral("0.00");
    const PlayTime time = ParsePlayTime(totalTimeText).value_or(PlayTime {});
    return DollarFigure(HourlyRate(AmountValue(totalBankText), time));
}

} // namespace bj
