#pragma once

// The schedule as calendar events: every meeting the meeting grid shows and
// every graded race the list shows, each on its day of the schedule year.
// Texts are the very ones the grids show, decoded to UTF-8 by the same
// decoder the windows use.

#include "core/DateKeys.h"
#include "core/Errors.h"

#include <cstddef>
#include <string>
#include <vector>

namespace turvane {

class FileSource;
class LineList;

struct CalendarEvent {
    enum class Kind { Meeting, GradedRace };
    Kind kind = Kind::Meeting;
    int month = 0;
    int day = 0;
    // The meeting slot, or the list's column, 1-3: with the date and the kind
    // it names the event for good, whatever its text says.
    int slot = 0;
    // 1 for the first line of its file on this date, 2 for a second one...:
    // a file that repeats a day still gives every event a name of its own.
    int occurrence = 1;
    std::string summary;  // UTF-8, blanks trimmed
    std::string location; // UTF-8, e.g. "東京競馬場"; empty when the name is blank
};

// A line that holds events but whose first four bytes are no day of the year.
class CalendarDateError : public ScheduleError {
public:
    CalendarDateError(std::string path, std::size_t line, std::string mmdd, ScheduleYear year);
    std::string path;
    std::size_t line; // 1-based
    std::string mmdd; // UTF-8
    ScheduleYear year;
};

// One event per non-blank meeting slot of the meeting file, in line order.
std::vector<CalendarEvent> MeetingEvents(const LineList& calendar, const std::string& path,
                                         ScheduleYear year);

// One event per column of the graded-race list that shows a race, placed as
// the list places it. Throws ListIndexError as the list does.
std::vector<CalendarEvent> GradedRaceEvents(const LineList& races, const LineList& calendar,
                                            const std::string& path, ScheduleYear year);

// Reads the files the two grids read and returns their events by date, the
// meetings of a day before its races; the races alone when gradedOnly.
std::vector<CalendarEvent> ScheduleEvents(const FileSource& files, ScheduleYear year,
                                          bool gradedOnly);

// The event's lasting name, made of the year, the date, the kind and the
// slot (and the occurrence of a repeated day), so that a corrected file
// exported again updates the same events.
std::string EventUid(const CalendarEvent& event, ScheduleYear year);

// "Turvane 2003 開催日程", or "Turvane 2003 重賞日程" for the races alone.
std::string CalendarName(ScheduleYear year, bool gradedOnly);

} // namespace turvane
