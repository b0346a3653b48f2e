#include "StringGridModel.h"

#include "CellText.h"
#include "FromScreens.h"

StringGridModel::StringGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int StringGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : bodyRows();
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : bodyCols();
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    Q_ASSERT(checkIndex(index, CheckIndexOption::IndexIsValid));
    const GridCell at = cellOf(index.column(), index.row());
    const QString text = cell(at.col, at.row);
    switch (role) {
    case StoredTextRole:
        return text;
    case Qt::DisplayRole:
        return SpokenCellText(text);
    case Qt::AccessibleTextRole:
        return accessibleText(at.col, at.row);
    default:
        return {};
    }
}

QString StringGridModel::accessibleText(int col, int row) const {
    // What is said is the screens layer's rule; the row's label is the fixed
    // column's cell, for the first body cell.
    const QString rowLabel = fixedCols_ > 0 && col == fixedCols_ ? cell(0, row) : QString();
    return ToQString(turvane::screens::SpokenGridCell(cell(col, row).toStdU16String(),
                                                      rowLabel.toStdU16String()));
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if ((role != Qt::DisplayRole && role != StoredTextRole) || section < 0) {
        return {};
    }
    const bool horizontal = orientation == Qt::Horizontal;
    if (horizontal ? fixedRows_ == 0 || section >= bodyCols()
                   : fixedCols_ == 0 || section >= bodyRows()) {
        return {};
    }
    const GridCell at = horizontal ? cellOf(section, -1) : cellOf(-1, section);
    const QString text = cell(at.col, at.row);
    return role == StoredTextRole ? text : SpokenCellText(text);
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Q_ASSERT(checkIndex(index, CheckIndexOption::IndexIsValid));
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

GridCell StringGridModel::CellOf(int modelCol, int modelRow, int fixedCols, int fixedRows) {
    return {modelCol + fixedCols, modelRow + fixedRows};
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
    if (store(col, row, text)) {
        notify(col, col, row);
    }
}

void StringGridModel::setCells(int firstCol, int row, std::span<const QString> texts) {
    // Make room for the row's last non-empty text at once rather than cell by cell.
    for (std::size_t i = texts.size(); i-- > 0;) {
        if (!texts[i].isEmpty()) {
            reserveRow(row, firstCol + static_cast<int>(i) + 1);
            break;
        }
    }
    bool changed = false;
    int col = firstCol;
    for (const QString& text : texts) {
        changed = store(col++, row, text) || changed;
    }
    if (changed) {
        notify(firstCol, col - 1, row);
    }
}

bool StringGridModel::store(int col, int row, const QString& text) {
    if (row < 0 || col < 0) {
        return false;
    }
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(col);
    const bool stored = r < cells_.size() && c < cells_[r].size();
    if (!stored && text.isEmpty()) {
        return false; // never set reads as empty already; large sparse grids stay small
    }
    reserveRow(row, col + 1);
    cells_[r][c] = text;
    return row < gridRows_ && col < gridCols_; // kept, but not shown until the grid grows
}

void StringGridModel::reserveRow(int row, int cols) {
    const auto r = static_cast<std::size_t>(row);
    if (r >= cells_.size()) {
        cells_.resize(r + 1);
    }
    if (cells_[r].size() < static_cast<std::size_t>(cols)) {
        cells_[r].resize(static_cast<std::size_t>(cols));
    }
}

void StringGridModel::notify(int firstCol, int lastCol, int row) {
    lastCol = std::min(lastCol, gridCols_ - 1);
    if (row >= gridRows_ || firstCol > lastCol) {
        return;
    }
    // The changed cells from the first one right of the fixed column.
    const GridPlace first = locate(std::max(firstCol, fixedCols_), row);
    const GridPlace last = locate(lastCol, row);
    if (first.area == GridPlace::Area::FixedRow) {
        if (last.area == GridPlace::Area::FixedRow) {
            Q_EMIT headerDataChanged(Qt::Horizontal, first.modelCol, last.modelCol);
        }
        return;
    }
    if (locate(firstCol, row).area == GridPlace::Area::FixedCol) {
        Q_EMIT headerDataChanged(Qt::Vertical, first.modelRow, first.modelRow);
    }
    if (last.area == GridPlace::Area::Body) {
        Q_EMIT dataChanged(index(first.modelRow, first.modelCol),
                           index(last.modelRow, last.modelCol), {Qt::DisplayRole});
    }
}
