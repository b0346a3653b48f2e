#pragma once

#include "core/Errors.h"
#include "grid/StringGrid.h"

// A grid row outside 0 .. rowCount - 1, the program's failure like any other
// the error box shows.
class GridIndexError : public turvane::ScheduleError {
public:
    GridIndexError() : ScheduleError("グリッドインデックス が範囲を超えています") {}
};

// Selects a row of a window's grid; a row outside the grid is the program's
// failure, thrown to the window's error boundary.
inline void SelectGridRow(StringGrid& grid, int row) {
    if (!grid.setRow(row)) {
        throw GridIndexError();
    }
}
