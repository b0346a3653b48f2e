#pragma once

#include <QString>

#include <span>
#include <vector>

class StringGrid;

namespace turvane {
class LineList;
}

// The texts of the three tables: the meeting grid, the course grid and the
// graded-race list. The windows' grids and the printed document are both
// filled from here, so a cell reads the same on screen and on paper: each is
// made once, by the data layer's readers and ToDisplay.

// Where a table's texts go. Rows count from the first row under the table's
// header, if it has one; columns from the date column.
class TableSink {
public:
    virtual ~TableSink() = default;
    virtual void setCells(int firstCol, int row, std::span<const QString> texts) = 0;
};

// A window's grid as a table: row 0 of the table is the grid's row firstRow.
class GridRows : public TableSink {
public:
    GridRows(StringGrid& grid, int firstRow) : grid_(grid), firstRow_(firstRow) {}
    void setCells(int firstCol, int row, std::span<const QString> texts) override;

private:
    StringGrid& grid_;
    int firstRow_;
};

// The course grid's header row: an empty corner over the date column, then
// the ten racecourses in slot order.
std::vector<QString> CourseHeader();

// One row per line of "Cal1.dat": the date label and the three meetings.
void FillMeetingRows(const turvane::LineList& calendar, TableSink& sink);

// One row per line of "Cal2.dat": the date label and the ten course slots.
void FillCourseRows(const turvane::LineList& courses, TableSink& sink);

// One row per line of "jyuusyou.dat": the date label, then each race in the
// column of its meeting in calendar's line of the same index. A column with no
// race is not written. Throws ListIndexError (after writing that row's date)
// when a race has no calendar line.
void FillRaceRows(const turvane::LineList& races, const turvane::LineList& calendar,
                  TableSink& sink);
