#include "simulator/results_model.h"

#include "simulator/result_columns.h"

namespace bj {

ResultsModel::ResultsModel(const SessionResults& results, QObject* parent)
    : QAbstractTableModel(parent)
    , results_(results) {
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kResultColumns;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shown_)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return ResultCellText(results_, index.row(), index.column());
    case Qt::ForegroundRole: {
        const QColor colour = ResultCellColour(results_, index.row(), index.column());
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    }
    return {};
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return ResultHeader(section);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

void ResultsModel::Flush() {
    const auto count = static_cast<int>(results_.Count());
    if (count <= shown_)
        return;
    beginInsertRows({}, shown_, count - 1);
    shown_ = count;
    endInsertRows();
}

void ResultsModel::Emptied() {
    beginResetModel();
    shown_ = 0;
    endResetModel();
}

} // namespace bj
