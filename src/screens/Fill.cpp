#include "Fill.h"

#include "Design.h"

#include "core/ByteText.h"
#include "core/CourseCalendar.h"
#include "core/DataFiles.h"
#include "core/FileSource.h"
#include "core/GradedRaces.h"
#include "core/Labels.h"
#include "core/LineList.h"
#include "core/MeetingCalendar.h"

#include <algorithm>
#include <exception>

namespace turvane::screens {

GridIndexError::GridIndexError() : ScheduleError("グリッドインデックス が範囲を超えています") {}

int PulledBackTopRow(int wanted, int fixedRows, int scrollableRows) {
    return std::clamp(wanted, fixedRows, fixedRows + std::max(0, scrollableRows));
}

TextTable::Index GridFill::cell(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= filledRows()) {
        return TextTable::Empty;
    }
    return cells_[static_cast<std::size_t>(row) * colCountOr1() + static_cast<std::size_t>(col)];
}

void GridFill::setCell(int col, int row, TextTable::Index text) {
    if (col < 0 || col >= colCount_ || row < 0) {
        return;
    }
    if (row >= filledRows()) {
        if (text == TextTable::Empty) {
            return;
        }
        cells_.resize((static_cast<std::size_t>(row) + 1) * colCountOr1(), TextTable::Empty);
    }
    cells_[static_cast<std::size_t>(row) * colCountOr1() + static_cast<std::size_t>(col)] = text;
}

std::span<const TextTable::Index> GridFill::row(int row) const {
    if (row < 0 || row >= filledRows()) {
        return {};
    }
    return std::span(cells_).subspan(static_cast<std::size_t>(row) * colCountOr1(), colCountOr1());
}

void GridFill::selectRow(int row) {
    if (row < 0 || row >= rowCount_) {
        throw GridIndexError();
    }
    selectedRow_ = row;
}

namespace {

GridFill DesignedGrid(const WindowDesign& window, std::string_view name) {
    const GridShape& shape = *window.find(name)->grid;
    return GridFill(shape.colCount, shape.rowCount);
}

std::u16string DesignText(const WindowDesign& window, std::string_view name) {
    return std::u16string(window.find(name)->text);
}

// Runs one step of a creation handler, keeping the first failure and the step
// it stopped, so that the steps after it are not done.
template <typename Fill, typename Step, typename Work>
bool RunStep(Fill& fill, Step step, Work&& work) {
    if (fill.failure) {
        return false;
    }
    try {
        work();
        return true;
    } catch (const std::exception& error) {
        fill.failure.emplace(typename decltype(fill.failure)::value_type{error.what(), step});
        return false;
    }
}

// The search of the meeting calendar reports to the panel and the grids.
class Panel : public TodayAndNextSink {
public:
    Panel(MainWindowFill& fill, ScheduleYear year) : fill_(fill), year_(year) {}

    void ShowTodaysMeetings(std::string_view line) override { ShowMeetings(line, 0); }
    void ShowNextMeetingDay(std::string_view line) override {
        fill_.GroupBox5 = u"次の開催 [" + ToUtf16(MeetingDateText(line, year_)) + u"]";
        ShowMeetings(line, 3);
    }
    void ShowNoMeetingToday() override { fill_.edits[0] = u"本日の開催はありません"; }
    void ShowNoMoreMeetingsThisYear() override { fill_.edits[3] = u"本年の開催はありません"; }
    // Both grids scroll to that day, the course grid first: its header row
    // puts line i at row i + 1.
    void SettleOn(std::size_t lineIndex) override {
        const int i = static_cast<int>(lineIndex);
        fill_.StringGrid2.selectRow(i + 1);
        fill_.StringGrid2.setTopRow(i + 1);
        fill_.StringGrid1.selectRow(i);
        fill_.StringGrid1.setTopRow(i);
    }

private:
    void ShowMeetings(std::string_view line, std::size_t firstEdit) {
        for (int k = 1; k <= MeetingSlots; ++k) {
            fill_.edits[firstEdit + static_cast<std::size_t>(k - 1)] =
                ToUtf16(MeetingText(line, k));
        }
    }

    MainWindowFill& fill_;
    ScheduleYear year_;
};

} // namespace

MainWindowFill::MainWindowFill()
    : Label1(DesignText(MainWindowDesign(), "Label1")),
      GroupBox4(DesignText(MainWindowDesign(), "GroupBox4")),
      GroupBox5(DesignText(MainWindowDesign(), "GroupBox5")),
      StringGrid1(DesignedGrid(MainWindowDesign(), "StringGrid1")),
      StringGrid2(DesignedGrid(MainWindowDesign(), "StringGrid2")) {
    const std::string_view names[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        edits[i] = DesignText(MainWindowDesign(), names[i]);
    }
}

ListWindowFill::ListWindowFill() : StringGrid1(DesignedGrid(ListWindowDesign(), "StringGrid1")) {}

MainWindowFill FillMainWindow(const FileSource& files, const CivilDate& today, ScheduleYear year,
                              std::u16string_view shownDate) {
    MainWindowFill fill;
    // TForm1.FormCreate, step by step.
    RunStep(fill, MainStep::SetLabel1,
            [&] { fill.Label1 = u"開催日程\n　" + ToUtf16(ToFullWidth(year.text())); });
    RunStep(fill, MainStep::WriteCourseHeader,
            [&] { WriteCourseHeader(fill.texts, fill.StringGrid2); });
    // FillMeetingGrid, which ends with FillCourseGrid; without "Cal1.dat"
    // neither grid is filled and nothing is reported.
    if (files.DataFileExists(MeetingFile)) {
        RunStep(fill, MainStep::FillMeetingGrid, [&] {
            const LineList lines = LoadLines(files, MeetingFile);
            if (!lines.empty()) {
                fill.StringGrid1.setRowCount(static_cast<int>(lines.size()));
            }
            FillMeetingRows(lines, fill.texts, fill.StringGrid1, 0);
        });
        RunStep(fill, MainStep::FillCourseGrid, [&] {
            const LineList lines = LoadLines(files, CourseFile);
            if (!lines.empty()) {
                fill.StringGrid2.setRowCount(static_cast<int>(lines.size()) + 1);
            }
            FillCourseRows(lines, fill.texts, fill.StringGrid2, 1);
        });
    }
    // ShowTodayAndNext: reads "Cal1.dat" again, with no existence check.
    RunStep(fill, MainStep::ShowTodayAndNext, [&] {
        for (std::u16string& edit : fill.edits) {
            edit.clear();
        }
        const std::u16string date =
            shownDate.empty() ? ToUtf16(TodayText(today)) : std::u16string(shownDate);
        fill.GroupBox4 = u"本日の開催 [" + date + u"]";
        const std::string todayKey = TodayKey(today);
        const LineList lines = LoadLines(files, MeetingFile);
        Panel panel(fill, year);
        SearchTodayAndNext(lines, todayKey, year, panel);
    });
    return fill;
}

ListWindowFill FillListWindow(const FileSource& files, const CivilDate& today, ScheduleYear year) {
    ListWindowFill fill;
    // TForm2.FormCreate, step by step.
    LineList races;
    LineList calendar;
    RunStep(fill, ListStep::LoadFiles, [&] {
        races = LoadLines(files, RaceFile);
        calendar = LoadLines(files, MeetingFile);
    });
    RunStep(fill, ListStep::FillRows, [&] {
        fill.StringGrid1.setRowCount(static_cast<int>(races.size()));
        FillRaceRows(races, calendar, fill.texts, fill.StringGrid1);
    });
    RunStep(fill, ListStep::ScrollToToday, [&] {
        const int selected = static_cast<int>(FirstDayOnOrAfter(races, TodayKey(today), year));
        fill.StringGrid1.selectRow(selected);
        fill.StringGrid1.setTopRow(selected);
    });
    return fill;
}

void WriteCourseHeader(TextTable& texts, GridFill& grid) {
    for (int c = 1; c <= CourseCount; ++c) {
        grid.setCell(c, 0,
                     texts.addUtf16(Utf8ToUtf16(CourseNames[static_cast<std::size_t>(c - 1)])));
    }
}

void FillMeetingRows(const LineList& calendar, TextTable& texts, GridFill& grid, int firstRow) {
    for (std::size_t r = 0; r < calendar.size(); ++r) {
        const int row = firstRow + static_cast<int>(r);
        grid.setCell(0, row, texts.add(MonthDayLabel(calendar[r])));
        for (int k = 1; k <= MeetingSlots; ++k) {
            grid.setCell(k, row, texts.add(MeetingText(calendar[r], k)));
        }
    }
}

void FillCourseRows(const LineList& courses, TextTable& texts, GridFill& grid, int firstRow) {
    for (std::size_t r = 0; r < courses.size(); ++r) {
        const int row = firstRow + static_cast<int>(r);
        grid.setCell(0, row, texts.add(MonthDayLabel(courses[r])));
        for (int c = 1; c <= CourseCount; ++c) {
            grid.setCell(c, row, texts.add(CourseDayText(courses[r], c)));
        }
    }
}

void FillRaceRows(const LineList& races, const LineList& calendar, TextTable& texts,
                  GridFill& grid) {
    for (std::size_t r = 0; r < races.size(); ++r) {
        const int row = static_cast<int>(r);
        grid.setCell(0, row, texts.add(MonthDayLabel(races[r])));
        const RaceRow placed = PlaceRaces(races[r], calendar, r);
        for (int column = 1; column <= RaceSlots; ++column) {
            if (const auto& text = placed[static_cast<std::size_t>(column)]) {
                grid.setCell(column, row, texts.add(*text));
            }
        }
    }
}

} // namespace turvane::screens
