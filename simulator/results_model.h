#pragma once

#include "simulator/session_results.h"

#include <QAbstractTableModel>

namespace bj {

// The results grid's view of a run's rows. Rows added to the results show once Flush()
// announces them, so a run redraws the grid at its own rhythm rather than once per row.
class ResultsModel final : public QAbstractTableModel {
public:
    explicit ResultsModel(const SessionResults& results, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void Flush();
    // Call around emptying the results.
    void Emptied();

private:
    const SessionResults& results_;
    int shown_ = 0;
};

} // namespace bj
