#include "CalendarEvents.h"

#include "data/ByteText.h"
#include "data/Cp932.h"
#include "data/DataFiles.h"
#include "data/FileSource.h"
#include "data/GradedRaces.h"
#include "data/LineList.h"
#include "data/MeetingCalendar.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

namespace turvane {

namespace {

constexpr std::string_view IdeographicSpace = "\u3000";
constexpr std::string_view Racecourse = "競馬場";

// Without the half-width and full-width blanks at either end.
std::string Trimmed(std::string text) {
    const auto blankAt = [&](std::size_t i, std::size_t* size) {
        if (text.compare(i, 1, " ") == 0) {
            *size = 1;
            return true;
        }
        if (text.compare(i, IdeographicSpace.size(), IdeographicSpace) == 0) {
            *size = IdeographicSpace.size();
            return true;
        }
        return false;
    };
    std::size_t begin = 0;
    std::size_t size = 0;
    while (begin < text.size() && blankAt(begin, &size)) {
        begin += size;
    }
    std::size_t end = text.size();
    while (end > begin) {
        if (text[end - 1] == ' ') {
            --end;
        } else if (end - begin >= IdeographicSpace.size() &&
                   text.compare(end - IdeographicSpace.size(), IdeographicSpace.size(),
                                IdeographicSpace) == 0) {
            end -= IdeographicSpace.size();
        } else {
            break;
        }
    }
    return text.substr(begin, end - begin);
}

std::string Location(std::string_view courseName) {
    std::string name = Trimmed(Cp932ToUtf8(courseName));
    if (!name.empty()) {
        name += Racecourse;
    }
    return name;
}

// The month and day of a line that holds events; throws when they are no day
// of the year, since the event would have no date.
std::pair<int, int> DayOf(std::string_view line, const std::string& path, std::size_t index,
                          ScheduleYear year) {
    const std::string_view mmdd = Slice(line, 1, 4);
    const bool digits = mmdd.size() == 4 && std::all_of(mmdd.begin(), mmdd.end(), [](char c) {
                            return c >= '0' && c <= '9';
                        });
    const int month = digits ? (mmdd[0] - '0') * 10 + (mmdd[1] - '0') : 0;
    const int day = digits ? (mmdd[2] - '0') * 10 + (mmdd[3] - '0') : 0;
    if (!digits || !year.HasDay(month, day)) {
        throw CalendarDateError(path, index + 1, Cp932ToUtf8(mmdd), year);
    }
    return {month, day};
}

std::string Where(const std::string& path, std::size_t line) {
    return path + ":" + std::to_string(line);
}

// Events of one file must not share a day and slot: their names would clash.
void RejectRepeatedDays(const std::vector<CalendarEvent>& events,
                        const std::vector<std::size_t>& lines, const std::string& path) {
    std::map<std::tuple<int, int, int>, std::size_t> seen;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const CalendarEvent& e = events[i];
        const auto [it, added] = seen.emplace(std::tuple{e.month, e.day, e.slot}, lines[i]);
        if (!added && it->second != lines[i]) {
            char mmdd[8];
            std::snprintf(mmdd, sizeof mmdd, "%02d%02d", e.month, e.day);
            throw RepeatedDayError(path, lines[i] + 1, it->second + 1, mmdd);
        }
    }
}

} // namespace

CalendarDateError::CalendarDateError(std::string path_, std::size_t line_, std::string mmdd_,
                                     ScheduleYear year_)
    : ScheduleError(Where(path_, line_) + ": the date '" + mmdd_ + "' is not a day of " +
                    std::string(year_.text())),
      path(std::move(path_)), line(line_), mmdd(std::move(mmdd_)), year(year_) {}

RepeatedDayError::RepeatedDayError(std::string path_, std::size_t line_, std::size_t earlierLine_,
                                   std::string mmdd_)
    : ScheduleError(Where(path_, line_) + ": the date '" + mmdd_ + "' repeats the one on line " +
                    std::to_string(earlierLine_)),
      path(std::move(path_)), line(line_), earlierLine(earlierLine_), mmdd(std::move(mmdd_)) {}

std::vector<CalendarEvent> MeetingEvents(const LineList& calendar, const std::string& path,
                                         ScheduleYear year) {
    std::vector<CalendarEvent> events;
    std::vector<std::size_t> lines;
    for (std::size_t i = 0; i < calendar.size(); ++i) {
        for (int k = 1; k <= MeetingSlots; ++k) {
            std::string summary = Trimmed(Cp932ToUtf8(MeetingText(calendar[i], k)));
            if (summary.empty()) {
                continue;
            }
            const auto [month, day] = DayOf(calendar[i], path, i, year);
            events.push_back({CalendarEvent::Kind::Meeting, month, day, k, std::move(summary),
                              Location(MeetingCourseName(calendar[i], k))});
            lines.push_back(i);
        }
    }
    RejectRepeatedDays(events, lines, path);
    return events;
}

std::vector<CalendarEvent> GradedRaceEvents(const LineList& races, const LineList& calendar,
                                            const std::string& path, ScheduleYear year) {
    std::vector<CalendarEvent> events;
    std::vector<std::size_t> lines;
    for (std::size_t r = 0; r < races.size(); ++r) {
        const RaceRow placed = PlaceRaces(races[r], calendar, r);
        for (int column = 1; column <= RaceSlots; ++column) {
            const auto& text = placed[static_cast<std::size_t>(column)];
            if (!text) {
                continue;
            }
            std::string summary = Trimmed(Cp932ToUtf8(*text));
            if (summary.empty()) {
                continue;
            }
            const auto [month, day] = DayOf(races[r], path, r, year);
            events.push_back({CalendarEvent::Kind::GradedRace, month, day, column,
                              std::move(summary), Location(Slice(*text, 1, CourseNameSize))});
            lines.push_back(r);
        }
    }
    RejectRepeatedDays(events, lines, path);
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
        return std::tie(a.month, a.day, a.kind, a.slot) < std::tie(b.month, b.day, b.kind, b.slot);
    });
    return events;
}

std::string EventUid(const CalendarEvent& event, ScheduleYear year) {
    char uid[80];
    std::snprintf(uid, sizeof uid, "%.4s%02d%02d-%s-%d@turvane.oakhollow.org", year.text().data(),
                  event.month, event.day,
                  event.kind == CalendarEvent::Kind::Meeting ? "meeting" : "race", event.slot);
    return uid;
}

std::string CalendarName(ScheduleYear year, bool gradedOnly) {
    return "Turvane " + std::string(year.text()) + (gradedOnly ? " 重賞日程" : " 開催日程");
}

} // namespace turvane
