#include "simulator/hourly_model.h"

#include "simulator/amount_text.h"
#include "simulator/hourly_figures.h"
#include "simulator/result_columns.h"

namespace bj {

HourlyModel::HourlyModel(const SessionResults& results, QObject* parent)
    : QAbstractTableModel(parent)
    , results_(results) {
}

int HourlyModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(results_.Count());
}

int HourlyModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kHourlyColumns;
}

QVariant HourlyModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= results_.Count())
        return {};
    if (role == Qt::DisplayRole)
        return HourlyCellText(results_, index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

QVariant HourlyModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return HourlyHeader(section);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

QString HourlyHeader(int column) {
    static const char* const headers[kHourlyColumns]
        = {"", "Time (HH:MM)", "Hourly Avg. (Per Session)"};
    return column >= 0 && column < kHourlyColumns ? headers[column] : "";
}

// Read from the results grid's own texts, so the two tables cannot disagree.
QString HourlyCellText(const SessionResults& results, std::int64_t row, int column) {
    switch (column) {
    case 0:
        return ResultCellText(results, row, kColSession);
    case 1:
        return ResultCellText(results, row, kColTime);
    case 2: {
        const auto time = ParsePlayTime(ResultCellText(results, row, kColTime));
        return time ? GroupedFigure(HourlyRate(results.WonLost(row).ToDouble(), *time)) : QString();
    }
    }
    return {};
}

} // namespace bj
