#pragma once

#include <QColor>
#include <QTableView>

#include <span>
#include <vector>

class GridFocusFrame;
class GridHeaderView;
class StringGridModel;

// A read-only grid of texts addressed (col, row) from 0, with an optional
// fixed first row and fixed first column that stay in view while the rest
// scrolls. The fixed row is the view's horizontal header, the fixed column
// its vertical header, the rest the model's items, so a grid of any size
// costs one string per cell and nothing more.
class StringGrid : public QTableView {
    Q_OBJECT
    Q_PROPERTY(int rowCount READ rowCount WRITE setRowCount)
    Q_PROPERTY(int colCount READ colCount WRITE setColCount)
    Q_PROPERTY(int fixedRows READ fixedRows WRITE setFixedRows)
    Q_PROPERTY(int fixedCols READ fixedCols WRITE setFixedCols)
    Q_PROPERTY(int row READ row WRITE selectRow)
    Q_PROPERTY(int col READ col)
    Q_PROPERTY(int topRow READ topRow WRITE setTopRow)
    Q_PROPERTY(int defaultRowHeight READ defaultRowHeight WRITE setDefaultRowHeight)
    Q_PROPERTY(int defaultColWidth READ defaultColWidth WRITE setDefaultColWidth)
    Q_PROPERTY(QColor fixedColor READ fixedColor WRITE setFixedColor)

public:
    explicit StringGrid(QWidget* parent = nullptr);
    ~StringGrid() override;

    int rowCount() const;
    int colCount() const;
    int fixedRows() const;
    int fixedCols() const;
    // A count below 1 becomes 1. Cells of rows cut off are kept.
    void setRowCount(int rows);
    void setColCount(int cols);
    // Changing the fixed cells moves the selection and the first visible
    // row back to the first cell after them.
    void setFixedRows(int rows);
    void setFixedCols(int cols);

    // The selected row. Setting it to its current value does nothing; a row
    // outside 0 .. rowCount - 1 leaves the selection as it is and gives false.
    int row() const { return row_; }
    bool setRow(int row);
    // setRow for the property system.
    void selectRow(int row) { setRow(row); }
    int col() const { return col_; }

    // The first visible row, counting fixed rows. Stored as given; pulled back
    // to the largest value that still fills the last page whenever the grid is
    // shown, resized or its row count changes.
    int topRow() const { return topRow_; }
    void setTopRow(int row);

    int defaultRowHeight() const { return defaultRowHeight_; }
    void setDefaultRowHeight(int height);
    int defaultColWidth() const { return defaultColWidth_; }
    void setDefaultColWidth(int width);
    Q_INVOKABLE int colWidth(int col) const;
    void setColWidth(int col, int width);

    QColor fixedColor() const { return fixedColor_; }
    void setFixedColor(const QColor& color);

    Q_INVOKABLE QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);
    // Sets texts.size() cells of one row from firstCol on, in one go.
    void setCells(int firstCol, int row, std::span<const QString> texts);

    // Copies the selected body cells (the current cell when none is
    // selected) to the clipboard as tab-separated text; the fixed cells are
    // headings and stay out of it. Ctrl+C does the same.
    void copySelection();

protected:
    // Ctrl+C copies the selected body cells as tab-separated text; the fixed
    // cells are headings and stay out of it.
    void keyPressEvent(QKeyEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Entering the grid shows its focus frame and tells a screen reader the
    // current cell, leaving it hides the frame.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyLayout();
    void selectCurrentCell();
    void resetPosition();
    void placeTopRow();
    void showTopRow();
    void alignFirstVisibleCells();
    void followCurrent(const QModelIndex& current);
    void followScrollBar(int value);
    void announceCurrentCell();

    StringGridModel* model_;
    GridHeaderView* fixedRowHeader_;
    GridHeaderView* fixedColHeader_;
    QWidget* corner_ = nullptr;
    GridFocusFrame* focusFrame_;
    std::vector<int> colWidths_;
    QColor fixedColor_{255, 255, 187};
    int row_ = 0;
    int col_ = 0;
    int topRow_ = 0;
    int defaultRowHeight_ = 24;
    int defaultColWidth_ = 64;
    bool syncingScroll_ = false;
};
