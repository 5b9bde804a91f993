#pragma once

#include "simulator/session_results.h"

#include <QAbstractTableModel>

namespace bj {

constexpr int kHourlyColumns = 3;

// The hourly table's view of a run's rows: session, time and won or lost per hour.
class HourlyModel final : public QAbstractTableModel {
public:
    explicit HourlyModel(const SessionResults& results, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const SessionResults& results_;
};

QString HourlyHeader(int column);
QString HourlyCellText(const SessionResults& results, std::int64_t row, int column);

} // namespace bj
