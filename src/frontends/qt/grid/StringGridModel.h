#pragma once

#include "GridRoles.h"

#include <QAbstractTableModel>
#include <QString>

#include <span>
#include <vector>

// Where a grid cell (col, row) is shown: the top-left corner, the fixed row
// (the view's horizontal header), the fixed column (its vertical header), or
// the body (the model's items).
struct GridPlace {
    enum class Area { Corner, FixedRow, FixedCol, Body };
    Area area;
    int modelRow; // body row, or the vertical header section
    int modelCol; // body column, or the horizontal header section
};

// A cell of a string grid, fixed cells included.
struct GridCell {
    int col;
    int row;
    bool operator==(const GridCell&) const = default;
};

// Cells of a string grid addressed as (col, row) from 0, fixed cells
// included. Cells are kept whatever the grid's current size, so rows cut off
// by a smaller row count come back when it grows again. Read-only for views.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Roles answered: the stored text (GridRoles.h), the display role without
    // its blanks at the ends, and the accessible text role as the screens
    // layer words it for a screen reader (see accessibleText).

    explicit StringGridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int gridRows() const { return gridRows_; }
    int gridCols() const { return gridCols_; }
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    void setGridSize(int cols, int rows);
    void setFixed(int fixedCols, int fixedRows);

    // The single place that maps grid coordinates to what the view shows,
    // and back: CellOf(place.modelCol, place.modelRow) gives the grid cell
    // of a model item, of header sections too (modelRow -1 for the fixed
    // row, modelCol -1 for the fixed column).
    static GridPlace Locate(int col, int row, int fixedCols, int fixedRows);
    static GridCell CellOf(int modelCol, int modelRow, int fixedCols, int fixedRows);
    GridPlace locate(int col, int row) const { return Locate(col, row, fixedCols_, fixedRows_); }
    GridCell cellOf(int modelCol, int modelRow) const {
        return CellOf(modelCol, modelRow, fixedCols_, fixedRows_);
    }

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);
    // Sets consecutive cells of one row with one change notification.
    void setCells(int firstCol, int row, std::span<const QString> texts);

private:
    // What a screen reader says for body cell (col, row), in grid coordinates.
    QString accessibleText(int col, int row) const;
    // Stores a cell; false when nothing changed that a view could show.
    bool store(int col, int row, const QString& text);
    void notify(int firstCol, int lastCol, int row);
    // Makes room for cols cells in row; rows hold only up to their last set cell.
    void reserveRow(int row, int cols);

    int bodyRows() const { return std::max(0, gridRows_ - fixedRows_); }
    int bodyCols() const { return std::max(0, gridCols_ - fixedCols_); }

    std::vector<std::vector<QString>> cells_; // [row][col]
    int gridRows_ = 1;
    int gridCols_ = 1;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
};
