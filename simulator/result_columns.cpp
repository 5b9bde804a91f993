#include "simulator/result_columns.h"

#include "simulator/amount_text.h"

namespace bj {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kDarkGrey(64, 64, 64);

} // namespace

QString ResultHeader(int column) {
    static const char* const headers[kResultColumns] = {"", "Max. Winning Amt", "Max. Losing Amt",
        "Hands Played", "Time (HH:MM)", "Total", "Won/Lost", "Total Won/Lost"};
    return column >= 0 && column < kResultColumns ? headers[column] : "";
}

QString ResultCellText(const SessionResults& results, std::int64_t row, int column) {
    const SessionResults::Row& r = results[row];
    switch (column) {
    case kColSession:
        return QString::number(row + 1);
    case kColMaxWinning:
        return GridAmount(r.MaxWinning);
    case kColMaxLosing:
        return GridAmount(r.MaxLosing);
    case kColHands:
        return QString::number(r.Hands);
    case kColTime:
        return QString::fromStdString(HandsToTime(r.Hands));
    case kColTotal:
        return GridAmount(r.EndBank);
    case kColWonLost:
        return GridAmount(results.WonLost(row));
    case kColTotalWonLost:
        return GridAmount(results.RunningTotal(row));
    }
    return {};
}

QColor ResultCellColour(const SessionResults& results, std::int64_t row, int column) {
    switch (column) {
    case kColTotal:
        return EndColour(results[row].End);
    case kColWonLost:
    case kColTotalWonLost:
        // A text compared with "0" as a string: only a leading minus sign sorts below it.
        return AmountColour(ResultCellText(results, row, column) < QStringLiteral("0"));
    }
    return {};
}

QColor EndColour(SessionEnd end) {
    switch (end) {
    case SessionEnd::StoppedOnWin:
        return kBlue;
    case SessionEnd::StoppedOnLoss:
        return kRed;
    case SessionEnd::PlayedThrough:
        break;
    }
    return kBlack;
}

QColor LegendColour(SessionEnd end) {
    return end == SessionEnd::PlayedThrough ? kDarkGrey : EndColour(end);
}

QString EndName(SessionEnd end) {
    switch (end) {
    case SessionEnd::StoppedOnWin:
        return QStringLiteral("win");
    case SessionEnd::StoppedOnLoss:
        return QStringLiteral("loss");
    case SessionEnd::PlayedThrough:
        break;
    }
    return QStringLiteral("played through");
}

const QColor& AmountColour(bool negative) {
    return negative ? kRed : kBlue;
}

} // namespace bj
