#include "Poster.h"

#include "CalendarEvents.h"

#include "core/ByteText.h"
#include "core/CourseCalendar.h"
#include "core/Cp932.h"
#include "core/DataFiles.h"
#include "core/Errors.h"
#include "core/FileSource.h"
#include "core/GradedRaces.h"
#include "core/Labels.h"
#include "core/LineList.h"
#include "core/MeetingCalendar.h"
#include "screens/Texts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace turvane {

namespace {

std::u16string Trimmed(std::string_view cp932) {
    return std::u16string(TrimBlanks(screens::ToUtf16(cp932)));
}

// The legend's racecourse labels, ordered as the course grid orders its
// columns.
class Legend {
public:
    void add(std::u16string label, std::u16string_view name) {
        if (label.empty() || std::any_of(labels_.begin(), labels_.end(),
                                         [&](const auto& l) { return l.second == label; })) {
            return;
        }
        int order = static_cast<int>(CourseNames.size() + labels_.size());
        for (std::size_t c = 0; c < CourseNames.size(); ++c) {
            if (screens::Utf8ToUtf16(CourseNames[c]).substr(1) == name) {
                order = static_cast<int>(c);
            }
        }
        labels_.emplace(order, std::move(label));
    }
    std::vector<std::u16string> labels() const {
        std::vector<std::u16string> out;
        for (const auto& [order, label] : labels_) {
            out.push_back(label);
        }
        return out;
    }

private:
    std::multimap<int, std::u16string> labels_;
};

PosterDay DayOf(std::string_view line, std::size_t index, const std::string& path,
                ScheduleYear year, Legend& legend) {
    const std::optional<MonthDay> date = DayOfYear(line, year);
    if (!date) {
        throw CalendarDateError(path, index + 1, Cp932ToUtf8(Slice(line, 1, 4)), year);
    }
    PosterDay day;
    day.date = *date;
    day.weekday = Weekday(year.value(), date->month, date->day);
    day.label = screens::ToUtf16(MonthDayLabel(line));
    day.weekdayLabel = WeekdayLabel(day.weekday);
    for (int k = 1; k <= MeetingSlots; ++k) {
        std::u16string meeting = Trimmed(MeetingText(line, k));
        if (meeting.empty()) {
            continue;
        }
        legend.add(Trimmed(Slice(line, MeetingSlotStart(k), MeetingLabelSize)),
                   Trimmed(MeetingCourseName(line, k)));
        day.lines.push_back({std::move(meeting), {}, false});
    }
    return day;
}

// Puts each race of raceLine beside the first meeting of its racecourse that
// has none yet, or on a line of its own.
void AddRaces(PosterDay& day, std::string_view calendarLine, std::string_view raceLine) {
    std::array<int, MeetingSlots + 1> lineOfSlot{};
    int next = 0;
    for (int k = 1; k <= MeetingSlots; ++k) {
        lineOfSlot[static_cast<std::size_t>(k)] =
            TrimBlanks(screens::ToUtf16(MeetingText(calendarLine, k))).empty() ? -1 : next++;
    }
    for (int k = 1; k <= RaceSlots; ++k) {
        if (RaceSlotIsEmpty(raceLine, k)) {
            continue;
        }
        const std::string_view text = RaceText(raceLine, k);
        PosterLine* place = nullptr;
        for (int m = 1; m <= MeetingSlots && !place; ++m) {
            const int l = lineOfSlot[static_cast<std::size_t>(m)];
            if (l >= 0 && day.lines[static_cast<std::size_t>(l)].race.empty() &&
                MeetingCourseName(calendarLine, m) == RaceCourseName(raceLine, k)) {
                place = &day.lines[static_cast<std::size_t>(l)];
                place->race = Trimmed(text.substr(std::min(text.size(), CourseNameSize)));
            }
        }
        if (!place) {
            day.lines.push_back({{}, Trimmed(text), false});
            place = &day.lines.back();
        }
        place->gradeOne = IsGradeOne(place->race);
    }
}

} // namespace

Poster ReadPoster(const FileSource& files, ScheduleYear year) {
    const LineList calendar = LoadLines(files, MeetingFile);
    const LineList races = LoadLines(files, RaceFile);
    const std::string path = files.PathOf(MeetingFile);

    Poster poster;
    poster.year = screens::ToUtf16(year.text());
    poster.title = u"開催日程・重賞日程";
    Legend legend;
    for (std::size_t i = 0; i < calendar.size(); ++i) {
        PosterDay day = DayOf(calendar[i], i, path, year, legend);
        if (i < races.size()) {
            AddRaces(day, calendar[i], races[i]);
        }
        if (poster.months.empty() || poster.months.back().month != day.date.month) {
            const std::u16string_view label = day.label;
            poster.months.push_back(
                {day.date.month,
                 std::u16string(TrimBlanks(label.substr(0, label.find(u'月') + 1))),
                 {}});
        }
        poster.months.back().days.push_back(std::move(day));
    }
    // As the list: a race with no calendar line to go with.
    for (std::size_t r = calendar.size(); r < races.size(); ++r) {
        for (int k = 1; k <= RaceSlots; ++k) {
            if (!RaceSlotIsEmpty(races[r], k)) {
                throw ListIndexError(r);
            }
        }
    }
    poster.legend = legend.labels();
    return poster;
}

} // namespace turvane
