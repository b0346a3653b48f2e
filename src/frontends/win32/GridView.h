#pragma once

// A string grid of the design as a report-view list: one item per grid row,
// one column per grid column. The fixed first column is the list's first
// column, painted in the fixed-cell colour; a fixed first row is the list's
// header. The cells, the selection and the focus are drawn by custom draw,
// each text on one line and clipped at its cell's edge. The grid keeps its own
// current cell and selected range of cells; the item of the current row
// carries the selected and focused state, so tools and screen readers see it.

#include "Win32Util.h"
#include "screens/Design.h"
#include "screens/Fill.h"

#include <commctrl.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class GridView {
public:
    // A list of that shape, a child of parent in place; font and text colour
    // as the design gives them, lengths at dpi.
    GridView(HWND parent, int id, const RECT& place, const turvane::screens::GridShape& shape,
             HFONT font, COLORREF textColor, int dpi);
    GridView(const GridView&) = delete;
    GridView& operator=(const GridView&) = delete;

    HWND hwnd() const { return list_; }

    // Row count, cells, the selected row and the first visible row as the
    // window's fill left them.
    void apply(const turvane::screens::GridFill& fill, const turvane::screens::TextTable& texts);

    // The list's notifications, which its parent passes on: the cells' custom
    // draw. None for notifications the grid leaves to the list.
    std::optional<LRESULT> onNotify(const NMHDR& header);

    // New lengths after a change of dots per inch.
    void setDpi(HFONT font, int dpi);

    // The grid's texts and its current cell, counting fixed rows and columns.
    int rowCount() const { return rowCount_; }
    int colCount() const { return colCount_; }
    const std::wstring& cell(int col, int row) const;
    int currentRow() const { return current_.row; }
    int currentCol() const { return current_.col; }

    // Copies the selected cells as text, a tab between cells and a line break
    // between rows.
    void copySelection() const;
    void selectAll();

private:
    struct Cell {
        int col = 0;
        int row = 0;
    };
    struct Range {
        Cell from;
        Cell to;
        bool contains(int col, int row) const;
    };

    static LRESULT CALLBACK ListProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK HeaderProc(HWND, UINT, WPARAM, LPARAM);
    std::optional<LRESULT> onListMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void setRowCount(int rows);
    void setCell(int col, int row, const std::wstring& text);
    void layoutColumns();
    void setRowHeight();
    // Makes cell current; with extend the selection runs from the anchor to
    // it, otherwise it is the cell alone.
    void moveTo(Cell cell, bool extend);
    void showCurrentState();
    void scrollToTop(int row);
    bool onKey(WPARAM key);
    std::optional<Cell> cellAt(POINT client) const;
    void openMenu(POINT screen);
    POINT currentCellCorner() const;

    LRESULT drawItem(NMLVCUSTOMDRAW& draw);
    LRESULT drawHeader(NMCUSTOMDRAW& draw);
    void drawCell(HDC dc, const RECT& rect, int col, int row, bool fixed) const;

    HWND list_ = nullptr;
    HWND header_ = nullptr;
    // The list's and the header's own procedures, behind the grid's.
    WNDPROC listNext_ = nullptr;
    WNDPROC headerNext_ = nullptr;
    HFONT font_ = nullptr;
    COLORREF textColor_;
    COLORREF fixedColor_;
    int dpi_;
    const turvane::screens::GridShape shape_;
    int colCount_;
    int rowCount_;
    int fixedRows_;
    int fixedCols_;
    // Every cell, rows from 0, the fixed row included; past the row count
    // cells keep their texts until the count grows again.
    std::vector<std::vector<std::wstring>> cells_;
    Cell current_;
    Cell anchor_;
    Range selection_;
    bool dragging_ = false;
    HIMAGELIST rowHeightImages_ = nullptr;
};
