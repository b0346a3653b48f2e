#include "StringGridModel.h"

StringGridModel::StringGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int StringGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : bodyRows();
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : bodyCols();
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole) {
        return {};
    }
    return cell(index.column() + fixedCols_, index.row() + fixedRows_);
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return fixedRows_ > 0 && section < bodyCols() ? QVariant(cell(section + fixedCols_, 0))
                                                      : QVariant();
    }
    return fixedCols_ > 0 && section < bodyRows() ? QVariant(cell(0, section + fixedRows_))
                                                  : QVariant();
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void StringGridModel::setGridSize(int cols, int rows) {
    const int oldBodyRows = bodyRows();
    const int oldBodyCols = bodyCols();
    const int newBodyRows = std::max(0, rows - fixedRows_);
    const int newBodyCols = std::max(0, cols - fixedCols_);
    if (newBodyCols != oldBodyCols) {
        if (newBodyCols > oldBodyCols) {
            beginInsertColumns({}, oldBodyCols, newBodyCols - 1);
            gridCols_ = cols;
            endInsertColumns();
        } else {
            beginRemoveColumns({}, newBodyCols, oldBodyCols - 1);
            gridCols_ = cols;
            endRemoveColumns();
        }
    }
    gridCols_ = cols;
    if (newBodyRows != oldBodyRows) {
        if (newBodyRows > oldBodyRows) {
            beginInsertRows({}, oldBodyRows, newBodyRows - 1);
            gridRows_ = rows;
            endInsertRows();
        } else {
            beginRemoveRows({}, newBodyRows, oldBodyRows - 1);
            gridRows_ = rows;
            endRemoveRows();
        }
    }
    gridRows_ = rows;
}

void StringGridModel::setFixed(int fixedCols, int fixedRows) {
    beginResetModel();
    fixedCols_ = fixedCols;
    fixedRows_ = fixedRows;
    endResetModel();
}

GridPlace StringGridModel::Locate(int col, int row, int fixedCols, int fixedRows) {
    const bool inFixedCol = col < fixedCols;
    const bool inFixedRow = row < fixedRows;
    const auto area = inFixedCol && inFixedRow ? GridPlace::Area::Corner
                      : inFixedRow             ? GridPlace::Area::FixedRow
                      : inFixedCol             ? GridPlace::Area::FixedCol
                                               : GridPlace::Area::Body;
    return {area, row - fixedRows, col - fixedCols};
}

QString StringGridModel::cell(int col, int row) const {
    if (row < 0 || col < 0 || static_cast<std::size_t>(row) >= cells_.size()) {
        return {};
    }
    const auto& cells = cells_[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(col) < cells.size() ? cells[static_cast<std::size_t>(col)]
                                                        : QString();
}

void StringGridModel::setCell(int col, int row, const QString& text) {
    if (row < 0 || col < 0) {
        return;
    }
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(col);
    const bool stored = r < cells_.size() && c < cells_[r].size();
    if (!stored && text.isEmpty()) {
        return; // never set reads as empty already; large sparse grids stay small
    }
    if (r >= cells_.size()) {
        cells_.resize(r + 1);
    }
    auto& cells = cells_[r];
    if (c >= cells.size()) {
        cells.resize(std::max<std::size_t>(c + 1, static_cast<std::size_t>(gridCols_)));
    }
    cells[c] = text;
    if (row >= gridRows_ || col >= gridCols_) {
        return; // kept, but not shown until the grid grows
    }
    const GridPlace place = locate(col, row);
    switch (place.area) {
    case GridPlace::Area::Body: {
        const QModelIndex i = index(place.modelRow, place.modelCol);
        Q_EMIT dataChanged(i, i, {Qt::DisplayRole});
        break;
    }
    case GridPlace::Area::FixedRow:
        Q_EMIT headerDataChanged(Qt::Horizontal, place.modelCol, place.modelCol);
        break;
    case GridPlace::Area::FixedCol:
        Q_EMIT headerDataChanged(Qt::Vertical, place.modelRow, place.modelRow);
        break;
    case GridPlace::Area::Corner:
        break;
    }
}
