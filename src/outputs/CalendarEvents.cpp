#include "CalendarEvents.h"

#include "core/ByteText.h"
#include "core/Cp932.h"
#include "core/DataFiles.h"
#include "core/FileSource.h"
#include "core/GradedRaces.h"
#include "core/LineList.h"
#include "core/MeetingCalendar.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <tuple>

namespace turvane {

namespace {

constexpr std::string_view Racecourse = "競馬場";

std::string Location(std::string_view courseName) {
    std::string name(TrimUtf8Blanks(Cp932ToUtf8(courseName)));
    if (!name.empty()) {
        name += Racecourse;
    }
    return name;
}

// The month and day of a line that holds events; throws when they are no day
// of the year, since the event would have no date.
std::pair<int, int> DayOf(std::string_view line, const std::string& path, std::size_t index,
                          ScheduleYear year) {
    const std::optional<MonthDay> date = ParseMonthDay(line);
    if (!date || !year.HasDay(date->month, date->day)) {
        throw CalendarDateError(path, index + 1, Cp932ToUtf8(Slice(line, 1, 4)), year);
    }
    return {date->month, date->day};
}

std::string Where(const std::string& path, std::size_t line) {
    return path + ":" + std::to_string(line);
}

// Counts the lines of one file that hold events, per day.
class Occurrences {
public:
    int Next(int month, int day) { return ++count_[static_cast<std::size_t>(month * 32 + day)]; }

private:
    std::array<int, 13 * 32> count_{};
};

// Numbers the events of one line with the line's occurrence of its day.
void Number(std::vector<CalendarEvent>& events, std::size_t firstOfLine, Occurrences& seen) {
    if (firstOfLine == events.size()) {
        return;
    }
    const int occurrence = seen.Next(events[firstOfLine].month, events[firstOfLine].day);
    for (std::size_t i = firstOfLine; i < events.size(); ++i) {
        events[i].occurrence = occurrence;
    }
}

} // namespace

CalendarDateError::CalendarDateError(std::string path_, std::size_t line_, std::string mmdd_,
                                     ScheduleYear year_)
    : ScheduleError(Where(path_, line_) + ": the date '" + mmdd_ + "' is not a day of " +
                    std::string(year_.text())),
      path(std::move(path_)), line(line_), mmdd(std::move(mmdd_)), year(year_) {}

std::vector<CalendarEvent> MeetingEvents(const LineList& calendar, const std::string& path,
                                         ScheduleYear year) {
    std::vector<CalendarEvent> events;
    Occurrences seen;
    for (std::size_t i = 0; i < calendar.size(); ++i) {
        const std::size_t firstOfLine = events.size();
        for (int k = 1; k <= MeetingSlots; ++k) {
            std::string summary(TrimUtf8Blanks(Cp932ToUtf8(MeetingText(calendar[i], k))));
            if (summary.empty()) {
                continue;
            }
            const auto [month, day] = DayOf(calendar[i], path, i, year);
            events.push_back({CalendarEvent::Kind::Meeting, month, day, k, 1, std::move(summary),
                              Location(MeetingCourseName(calendar[i], k))});
        }
        Number(events, firstOfLine, seen);
    }
    return events;
}

std::vector<CalendarEvent> GradedRaceEvents(const LineList& races, const LineList& calendar,
                                            const std::string& path, ScheduleYear year) {
    std::vector<CalendarEvent> events;
    Occurrences seen;
    for (std::size_t r = 0; r < races.size(); ++r) {
        const std::size_t firstOfLine = events.size();
        const RaceRow placed = PlaceRaces(races[r], calendar, r);
        for (int column = 1; column <= RaceSlots; ++column) {
            const auto& text = placed[static_cast<std::size_t>(column)];
            if (!text) {
                continue;
            }
            std::string summary(TrimUtf8Blanks(Cp932ToUtf8(*text)));
            if (summary.empty()) {
                continue;
            }
            const auto [month, day] = DayOf(races[r], path, r, year);
            events.push_back({CalendarEvent::Kind::GradedRace, month, day, column, 1,
                              std::move(summary), Location(Slice(*text, 1, CourseNameSize))});
        }
        Number(events, firstOfLine, seen);
    }
    return events;
}

std::vector<CalendarEvent> ScheduleEvents(const FileSource& files, ScheduleYear year,
                                          bool gradedOnly) {
    const LineList calendar = LoadLines(files, MeetingFile);
    std::vector<CalendarEvent> events;
    if (!gradedOnly) {
        events = MeetingEvents(calendar, files.PathOf(MeetingFile), year);
    }
    const LineList races = LoadLines(files, RaceFile);
    std::vector<CalendarEvent> raceEvents =
        GradedRaceEvents(races, calendar, files.PathOf(RaceFile), year);
    events.insert(events.end(), std::make_move_iterator(raceEvents.begin()),
                  std::make_move_iterator(raceEvents.end()));
    std::stable_sort(events.begin(), events.end(), [](const auto& a, const auto& b) {
        return std::tie(a.month, a.day, a.occurrence, a.kind, a.slot) <
               std::tie(b.month, b.day, b.occurrence, b.kind, b.slot);
    });
    return events;
}

std::string EventUid(const CalendarEvent& event, ScheduleYear year) {
    char uid[96];
    const char* kind = event.kind == CalendarEvent::Kind::Meeting ? "meeting" : "race";
    if (event.occurrence == 1) {
        std::snprintf(uid, sizeof uid, "%.4s%02d%02d-%s-%d@turvane.oakhollow.org",
                      year.text().data(), event.month, event.day, kind, event.slot);
    } else {
        std::snprintf(uid, sizeof uid, "%.4s%02d%02d-%d-%s-%d@turvane.oakhollow.org",
                      year.text().data(), event.month, event.day, event.occurrence, kind,
                      event.slot);
    }
    return uid;
}

std::string CalendarName(ScheduleYear year, bool gradedOnly) {
    return "Turvane " + std::string(year.text()) + (gradedOnly ? " 重賞日程" : " 開催日程");
}

} // namespace turvane
