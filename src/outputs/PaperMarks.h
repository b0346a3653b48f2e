#pragma once

// What paper adds to the grids' texts so that a season reads at a glance:
// the weekday of a date, whether a meeting falls on a weekend or on a
// weekday (a holiday meeting), where a month begins, and which races are
// grade one. All worked out from the data's own dates and texts.

#include "core/DateKeys.h"

#include <optional>
#include <string>
#include <string_view>

namespace turvane {

// 0 for Sunday ... 6 for Saturday, of a day of the proleptic Gregorian
// calendar.
int Weekday(int year, int month, int day);

enum class DayKind {
    Saturday,
    Sunday,
    // Racing on any other weekday: a holiday meeting.
    Holiday
};

DayKind KindOf(int weekday);

// "(土)", "(日)", "(月・祝)": the weekday beside a date, a weekday meeting
// marked as the holiday it must be.
std::u16string WeekdayLabel(int weekday);

// The month and day of a line's bytes 1-4 when they name a day of year.
std::optional<MonthDay> DayOfYear(std::string_view line, ScheduleYear year);

// Whether a race text names a grade-one race, as the files write the grade:
// "GⅠ", "ＧⅠ", "G1" or "Ｇ１" (not "G10" or "GⅡ").
bool IsGradeOne(std::u16string_view text);

// Without ASCII blanks and ideographic spaces at either end, or at its end:
// what a cell shows of its text.
std::u16string_view TrimBlanks(std::u16string_view text);
std::u16string_view VisibleText(std::u16string_view text);

} // namespace turvane
