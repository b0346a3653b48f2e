#pragma once

// What each window shows once its creation handler has run, as data: the
// grids' rows and cells, the panel's captions and edits, where each grid is
// scrolled, and, when a step failed, its message and the step where filling
// stopped, with everything filled until then. A front-end creates its
// controls from the design (Design.h), then applies one of these.

#include "Texts.h"

#include "core/DateKeys.h"
#include "core/Errors.h"
#include "core/Today.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace turvane {
class FileSource;
class LineList;
} // namespace turvane

namespace turvane::screens {

// A grid row outside 0 .. rowCount - 1.
class GridIndexError : public ScheduleError {
public:
    GridIndexError();
};

// The first visible row a grid shows, counting fixed rows: the one wanted,
// pulled back to the largest that still fills the last page (scrollableRows:
// the body rows that can scroll away above the last page), and never onto
// the fixed rows.
int PulledBackTopRow(int wanted, int fixedRows, int scrollableRows);

// One grid's contents: its row count, the texts of its cells (rows from 0,
// fixed ones included; cells never set are empty), and its selected and
// first visible rows when the fill moved them.
class GridFill {
public:
    GridFill(int colCount, int rowCount) : colCount_(colCount), rowCount_(rowCount) {}

    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    // A count below 1 becomes 1, as in every grid.
    void setRowCount(int rows) { rowCount_ = rows < 1 ? 1 : rows; }

    // The rows from 0 up to the last one holding a text.
    int filledRows() const { return static_cast<int>(cells_.size() / colCountOr1()); }
    TextTable::Index cell(int col, int row) const;
    void setCell(int col, int row, TextTable::Index text);
    // The texts of row, from column 0; empty past filledRows().
    std::span<const TextTable::Index> row(int row) const;

    // Selecting a row outside the grid throws GridIndexError and leaves the
    // selection as it was.
    void selectRow(int row);
    std::optional<int> selectedRow() const { return selectedRow_; }
    // Stored as wanted; a grid pulls it back to fill its last page.
    void setTopRow(int row) { topRow_ = row; }
    std::optional<int> topRow() const { return topRow_; }

private:
    std::size_t colCountOr1() const {
        return colCount_ < 1 ? 1 : static_cast<std::size_t>(colCount_);
    }

    int colCount_;
    int rowCount_;
    std::vector<TextTable::Index> cells_;
    std::optional<int> selectedRow_;
    std::optional<int> topRow_;
};

// The steps of the main window's creation handler, in their order.
// FillMeetingGrid ends with FillCourseGrid, and only when "Cal1.dat" exists;
// a missing "Cal1.dat" skips both grids.
enum class MainStep {
    SetLabel1,
    WriteCourseHeader,
    FillMeetingGrid,
    FillCourseGrid,
    ShowTodayAndNext
};

// The steps of the list window's creation handler, in their order.
enum class ListStep { LoadFiles, FillRows, ScrollToToday };

template <typename Step> struct Failure {
    // The failure's message, UTF-8, ready for the error box.
    std::string message;
    // Where filling stopped; the steps after it were not done.
    Step step;
};

// TForm1 after FormCreate.
struct MainWindowFill {
    TextTable texts;
    std::u16string Label1;
    std::u16string GroupBox4;
    std::u16string GroupBox5;
    // Edit1 ... Edit6.
    std::array<std::u16string, 6> edits;
    GridFill StringGrid1;
    GridFill StringGrid2;
    std::optional<Failure<MainStep>> failure;

    MainWindowFill();
};

// TForm2 after FormCreate.
struct ListWindowFill {
    TextTable texts;
    GridFill StringGrid1;
    std::optional<Failure<ListStep>> failure;

    ListWindowFill();
};

// shownDate is today as the "本日の開催" caption writes it: yyyy/MM/dd when
// empty; a front-end may pass the user's own short date format. Today's key
// comes from today itself, whatever the caption shows.
MainWindowFill FillMainWindow(const FileSource& files, const CivilDate& today, ScheduleYear year,
                              std::u16string_view shownDate = {});
ListWindowFill FillListWindow(const FileSource& files, const CivilDate& today, ScheduleYear year);

// The rows of the three tables, filled the same way for the windows and for
// paper, each text made once by the readers and ToUtf16. Row 0 of a table is
// the grid's row firstRow.

// The course grid's header row: an empty corner over the date column, then
// the ten racecourses in slot order.
void WriteCourseHeader(TextTable& texts, GridFill& grid);
// One row per line of "Cal1.dat": the date label and the three meetings.
void FillMeetingRows(const LineList& calendar, TextTable& texts, GridFill& grid, int firstRow);
// One row per line of "Cal2.dat": the date label and the ten course slots.
void FillCourseRows(const LineList& courses, TextTable& texts, GridFill& grid, int firstRow);
// One row per line of "jyuusyou.dat": the date label, then each race in the
// column of its meeting in calendar's line of the same index; a column with
// no race is not written. Throws ListIndexError (after writing that row's
// date) when a race has no calendar line.
void FillRaceRows(const LineList& races, const LineList& calendar, TextTable& texts,
                  GridFill& grid);

} // namespace turvane::screens
