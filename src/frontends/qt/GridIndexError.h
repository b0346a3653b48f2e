#pragma once

#include "grid/StringGrid.h"

#include <stdexcept>

// A grid row outside 0 .. rowCount - 1. what() is a UTF-8 message ready for
// the error box.
class GridIndexError : public std::out_of_range {
public:
    GridIndexError() : std::out_of_range("グリッドインデックス が範囲を超えています") {}
};

// Selects a row of a window's grid; a row outside the grid is the program's
// failure, thrown to the window's error boundary.
inline void SelectGridRow(StringGrid& grid, int row) {
    if (!grid.setRow(row)) {
        throw GridIndexError();
    }
}
