#include "ScheduleTables.h"

#include "Display.h"
#include "core/CourseCalendar.h"
#include "core/GradedRaces.h"
#include "core/Labels.h"
#include "core/LineList.h"
#include "core/MeetingCalendar.h"
#include "grid/StringGrid.h"

#include <array>

using namespace turvane;

void GridRows::setCells(int firstCol, int row, std::span<const QString> texts) {
    grid_.setCells(firstCol, firstRow_ + row, texts);
}

std::vector<QString> CourseHeader() {
    std::vector<QString> header{QString()};
    for (const std::string_view name : CourseNames) {
        header.push_back(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    return header;
}

void FillMeetingRows(const LineList& calendar, TableSink& sink) {
    DisplayTexts display;
    std::array<QString, 1 + MeetingSlots> row;
    for (std::size_t r = 0; r < calendar.size(); ++r) {
        row[0] = display(MonthDayLabel(calendar[r]));
        for (int k = 1; k <= MeetingSlots; ++k) {
            row[static_cast<std::size_t>(k)] = display(MeetingText(calendar[r], k));
        }
        sink.setCells(0, static_cast<int>(r), row);
    }
}

void FillCourseRows(const LineList& courses, TableSink& sink) {
    DisplayTexts display;
    std::array<QString, 1 + CourseCount> row;
    for (std::size_t r = 0; r < courses.size(); ++r) {
        row[0] = display(MonthDayLabel(courses[r]));
        for (int c = 1; c <= CourseCount; ++c) {
            row[static_cast<std::size_t>(c)] = display(CourseDayText(courses[r], c));
        }
        sink.setCells(0, static_cast<int>(r), row);
    }
}

void FillRaceRows(const LineList& races, const LineList& calendar, TableSink& sink) {
    DisplayTexts display;
    for (std::size_t r = 0; r < races.size(); ++r) {
        const int row = static_cast<int>(r);
        const QString label = display(MonthDayLabel(races[r]));
        sink.setCells(0, row, {&label, 1});
        const RaceRow placed = PlaceRaces(races[r], calendar, r);
        for (int column = 1; column <= RaceSlots; ++column) {
            if (const auto& text = placed[static_cast<std::size_t>(column)]) {
                const QString shown = display(*text);
                sink.setCells(column, row, {&shown, 1});
            }
        }
    }
}
