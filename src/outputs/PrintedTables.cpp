#include "PrintedTables.h"

#include "PaperMarks.h"

#include "core/DataFiles.h"
#include "core/FileSource.h"
#include "core/LineList.h"
#include "screens/Design.h"
#include "screens/Fill.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <set>
#include <utility>

namespace turvane {

namespace {

// In ems of the table's type.
constexpr double CellInset = 0.4;
constexpr double RowPitch = 1.45;
// No column narrower than this, a column with nothing in it included.
constexpr double MinColumnEms = 4;
// What the page's spare width may add to the table.
constexpr double MaxSpread = 1.5;

// A window's grid as the screens layer fills it, under its box's caption and
// in the grid's font; the weekday of each row's date beside it.
PrintedTable TableOf(const screens::WindowDesign& window, std::string_view box,
                     std::string_view grid, const screens::GridFill& fill, const LineList& lines,
                     ScheduleYear year, const std::array<screens::TextTable::Index, 7>& weekdays,
                     const screens::TextTable& texts, bool races) {
    const screens::ControlDesign& design = *window.find(grid);
    PrintedTable table;
    table.title = std::u16string(window.find(box)->text);
    table.fontFace = std::u16string(design.font->face);
    table.cols = fill.colCount() + 1;
    const int first = design.grid->fixedRows;
    const auto add = [&](int row, screens::TextTable::Index weekday) {
        auto& cells = row < first ? table.header : table.cells;
        cells.push_back(fill.cell(0, row));
        cells.push_back(weekday);
        for (int c = 1; c < fill.colCount(); ++c) {
            cells.push_back(fill.cell(c, row));
            if (row >= first) {
                table.emphasised.push_back(races && IsGradeOne(texts[fill.cell(c, row)]));
            }
        }
    };
    for (int r = 0; r < first; ++r) {
        add(r, screens::TextTable::Empty);
    }
    table.cells.reserve(lines.size() * static_cast<std::size_t>(table.cols));
    int lastMonth = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<MonthDay> day = DayOfYear(lines[i], year);
        const std::optional<MonthDay> parsed = ParseMonthDay(lines[i]);
        const int month = parsed ? parsed->month : 0;
        table.monthStarts.push_back(i > 0 && month != lastMonth);
        lastMonth = month;
        // The date and its weekday are never emphasised.
        table.emphasised.push_back(false);
        table.emphasised.push_back(false);
        add(first + static_cast<int>(i),
            day ? weekdays[static_cast<std::size_t>(Weekday(year.value(), day->month, day->day))]
                : screens::TextTable::Empty);
    }
    return table;
}

double Sum(const std::vector<double>& widths) {
    return std::accumulate(widths.begin(), widths.end(), 0.0);
}

} // namespace

double TablePlan::width() const {
    return Sum(colWidths);
}

PrintedTables ReadPrintedTables(const FileSource& files, ScheduleYear year) {
    const LineList calendar = LoadLines(files, MeetingFile);
    const LineList courses = LoadLines(files, CourseFile);
    const LineList races = LoadLines(files, RaceFile);
    // The windows compare these dates with today's and stop at the first that
    // is no number; which one depends on the day, so none may be.
    CheckDateKeys(calendar, year);
    CheckDateKeys(races, year);

    PrintedTables printed;
    printed.year = screens::ToUtf16(year.text());
    // The three grids' tables, filled as the windows fill them.
    const screens::WindowDesign& main = screens::MainWindowDesign();
    const screens::WindowDesign& list = screens::ListWindowDesign();
    screens::TextTable& texts = printed.texts;
    screens::GridFill meetingTable(main.find("StringGrid1")->grid->colCount, 0);
    screens::FillMeetingRows(calendar, texts, meetingTable, 0);
    screens::GridFill courseTable(main.find("StringGrid2")->grid->colCount, 0);
    screens::WriteCourseHeader(texts, courseTable);
    screens::FillCourseRows(courses, texts, courseTable, 1);
    screens::GridFill raceTable(list.find("StringGrid1")->grid->colCount, 0);
    screens::FillRaceRows(races, calendar, texts, raceTable);

    std::array<screens::TextTable::Index, 7> weekdays{};
    for (int d = 0; d < 7; ++d) {
        weekdays[static_cast<std::size_t>(d)] = texts.addUtf16(WeekdayLabel(d));
    }
    printed.tables.push_back(TableOf(main, "GroupBox1", "StringGrid1", meetingTable, calendar, year,
                                     weekdays, texts, false));
    printed.tables.push_back(TableOf(main, "GroupBox2", "StringGrid2", courseTable, courses, year,
                                     weekdays, texts, false));
    printed.tables.push_back(
        TableOf(list, "GroupBox1", "StringGrid1", raceTable, races, year, weekdays, texts, true));
    return printed;
}

TablePlan PlanTable(const PrintedTable& table, const screens::TextTable& texts, double pageWidth,
                    double pageHeight, const MeasureText& measure) {
    // Each column's distinct texts, measured in bold where they print bold.
    std::vector<std::set<std::pair<screens::TextTable::Index, bool>>> distinct(
        static_cast<std::size_t>(table.cols));
    for (std::size_t i = 0; i < table.header.size(); ++i) {
        distinct[i % distinct.size()].insert({table.header[i], false});
    }
    for (std::size_t i = 0; i < table.cells.size(); ++i) {
        distinct[i % distinct.size()].insert({table.cells[i], table.emphasised[i]});
    }
    const auto widthsAt = [&](double points) {
        std::vector<double> widths;
        for (const auto& column : distinct) {
            double widest = MinColumnEms * points;
            for (const auto& [text, bold] : column) {
                widest = std::max(widest, measure(VisibleText(texts[text]), points, bold) +
                                              2 * CellInset * points);
            }
            widths.push_back(std::ceil(widest * 100) / 100);
        }
        return widths;
    };

    TablePlan plan;
    // Widths grow with the type; start from the size that fits by
    // proportion, then step down until the measured texts really fit.
    double points = TableMaxPoints;
    plan.colWidths = widthsAt(points);
    if (Sum(plan.colWidths) > pageWidth) {
        points = std::floor(points * pageWidth / Sum(plan.colWidths) * 10) / 10;
        plan.colWidths = widthsAt(points);
    }
    while (Sum(plan.colWidths) > pageWidth && points > 0.5) {
        points *= 0.97;
        plan.colWidths = widthsAt(points);
    }
    plan.points = points;
    plan.inset = CellInset * points;

    const double natural = Sum(plan.colWidths);
    if (natural > 0 && natural < pageWidth) {
        const double grow = std::min(pageWidth, natural * MaxSpread) / natural;
        for (double& w : plan.colWidths) {
            w *= grow;
        }
    }
    plan.left = std::max(0.0, (pageWidth - plan.width()) / 2);

    plan.tableTop = PageHeaderPoints * 2;
    plan.tableBottom = pageHeight - PageFooterPoints * 2.2;
    plan.rowHeight = std::ceil(points * RowPitch * 10) / 10;
    const int headerRows = table.header.empty() ? 0 : 1;
    const int fitting = static_cast<int>((plan.tableBottom - plan.tableTop) / plan.rowHeight);
    plan.rowsPerPage = std::max(1, fitting - headerRows);
    plan.pages = std::max(1, (table.rows() + plan.rowsPerPage - 1) / plan.rowsPerPage);
    return plan;
}

} // namespace turvane
