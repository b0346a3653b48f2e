#pragma once

// The whole season on one page, to pin on a wall: every meeting day with its
// date and weekday, the meetings of the day with their numbers, and each
// graded race beside the meeting it is run at, the days in month blocks.
// What the poster holds and where each piece goes are decided here, for any
// painter; sizes are in points.

#include "PaperMarks.h"

#include "core/DateKeys.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace turvane {

class FileSource;

struct PosterLine {
    std::u16string meeting; // the meeting as the meeting grid shows it, blanks trimmed
    std::u16string race;    // the race run at it; with its racecourse when no meeting matches
    bool gradeOne = false;
};

struct PosterDay {
    MonthDay date;
    int weekday = 0;
    std::u16string label;        // the date as the grids show it, "　１月　５日"
    std::u16string weekdayLabel; // "(日)"
    std::vector<PosterLine> lines;

    DayKind kind() const { return KindOf(weekday); }
};

struct PosterMonth {
    int month = 0;
    std::u16string title; // "１月", from the dates' own labels
    std::vector<PosterDay> days;
};

struct Poster {
    std::u16string year;
    std::u16string title;
    // The racecourse labels the meetings carry (mark and name), in the
    // course grid's order, then any other in the order met.
    std::vector<std::u16string> legend;
    std::vector<PosterMonth> months;
};

// Reads "Cal1.dat" and "jyuusyou.dat": a day per calendar line, a month
// block wherever the month changes. Each race goes beside the meeting of its
// racecourse on the same line of the calendar; a race whose racecourse holds
// no meeting that day gets a line of its own. Throws the windows' errors (a
// file that cannot be read, a race without a calendar line) and
// CalendarDateError for a calendar line whose date is no day of the year.
Poster ReadPoster(const FileSource& files, ScheduleYear year);

// How each text of the poster prints.
enum class PosterStyle {
    Year,
    Title,
    Legend,
    MonthHeading,
    Date,
    Saturday,
    Sunday,
    Holiday,
    Meeting,
    Race,
    GradeOneRace
};

// What is drawn under and between the texts.
enum class PosterShape {
    MonthHeading,  // a filled bar behind the month's name
    MonthFrame,    // the outline of a month's block in a column
    SaturdayShade, // behind the date of a Saturday
    SundayShade,   // behind the date of a Sunday or a holiday
    GradeOneShade, // behind a grade-one race
    DayRule        // a line under a day (height 0)
};

struct PosterText {
    double x = 0, y = 0, width = 0, height = 0; // the text left-aligned, centred vertically
    std::u16string_view text;
    PosterStyle style = PosterStyle::Meeting;
    double points = 0;
};

struct PosterShapeBox {
    double x = 0, y = 0, width = 0, height = 0;
    PosterShape shape = PosterShape::DayRule;
};

struct PosterLayout {
    double pageWidth = 0, pageHeight = 0; // the paper, turned as chosen
    bool landscape = false;
    double points = 0; // the size of the days' type
    int columns = 0;
    std::vector<PosterShapeBox> shapes;
    std::vector<PosterText> texts; // views into the poster laid out
};

// The width in points of a text printed in style at a size in points.
using MeasurePosterText =
    std::function<double(std::u16string_view text, PosterStyle style, double points)>;

enum class PosterTurn { Best, Portrait, Landscape };

// Lays the poster out on paper of paperWidth x paperHeight points (either
// way round) inside margin: the largest type at which every day fits the
// page, in as many columns as the page width takes, nothing clipped and
// nothing on top of anything else. Months stay whole in a column where that
// costs little type; otherwise a month goes on in the next column under its
// name again. Turned the way that prints largest unless told. Throws
// ScheduleError when even the smallest type does not fit.
PosterLayout LayOutPoster(const Poster& poster, double paperWidth, double paperHeight,
                          double margin, const MeasurePosterText& measure,
                          PosterTurn turn = PosterTurn::Best);

} // namespace turvane
