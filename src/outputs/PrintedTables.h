#pragma once

// The printed schedule's tables, decided once for any painter: what each
// table holds (the windows' grids, filled by the same code, with a weekday
// beside each date), where its months begin, which cells are grade-one races,
// and how it is laid out on a page. Sizes are in points; a front-end measures
// texts in its fonts and paints.

#include "core/DateKeys.h"
#include "screens/Texts.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace turvane {

class FileSource;

struct PrintedTable {
    std::u16string title;    // the caption of the grid's box
    std::u16string fontFace; // the grid's font
    int cols = 0;            // the date, its weekday, then the grid's other columns
    std::vector<screens::TextTable::Index> header; // the fixed row; empty when none
    std::vector<screens::TextTable::Index> cells;  // row after row, cols each
    std::vector<bool> monthStarts;                 // per row: a month other than the row before's
    std::vector<bool> emphasised;                  // per cell: a grade-one race

    int rows() const { return cols == 0 ? 0 : static_cast<int>(cells.size()) / cols; }
    screens::TextTable::Index cell(int col, int row) const {
        return cells[static_cast<std::size_t>(row * cols + col)];
    }
};

struct PrintedTables {
    std::u16string year;
    screens::TextTable texts;
    // The meeting grid, the course grid and the graded-race list.
    std::vector<PrintedTable> tables;
};

// Reads the three data files and fills the tables as the windows fill their
// grids. Any failure the windows would report (a file that cannot be read, a
// date that is not a number, a race without a calendar line) throws that
// ScheduleError: there is no partial document. A date that is no day of the
// year has no weekday.
PrintedTables ReadPrintedTables(const FileSource& files, ScheduleYear year);

// The width in points of a text in a table's font at a size in points.
using MeasureText = std::function<double(std::u16string_view text, double points, bool bold)>;

// Sizes around the tables, in points.
inline constexpr double TableMaxPoints = 12;
inline constexpr double PageHeaderPoints = 12;
inline constexpr double PageFooterPoints = 9;

// One table on the pages of one size (the printable area, in points).
struct TablePlan {
    double points = TableMaxPoints;
    std::vector<double> colWidths; // insets included
    double left = 0;               // the table centred across the page
    double inset = 0;              // before each text
    double tableTop = 0;           // under the page header
    double tableBottom = 0;        // over the footer
    double rowHeight = 0;
    int rowsPerPage = 1;
    int pages = 1;

    double width() const;
};

// The largest type, up to TableMaxPoints, at which every column holds its
// widest text on one line across the page width; every column at least a few
// characters wide, even with nothing in it; the columns then widened by what
// the page leaves, in proportion, up to half as much again, and the table
// centred.
TablePlan PlanTable(const PrintedTable& table, const screens::TextTable& texts, double pageWidth,
                    double pageHeight, const MeasureText& measure);

} // namespace turvane
