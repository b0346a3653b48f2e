#pragma once

// Events in the iCalendar format (RFC 5545), built, escaped and folded by
// libical: UTF-8, CR LF line ends, lines of at most 75 octets folded between
// characters.

#include "CalendarEvents.h"

#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace turvane {

struct IcsCalendar {
    std::string productId; // PRODID, e.g. "-//Turvane developers//Turvane 0.90//JA"
    std::string name;      // NAME and X-WR-CALNAME
    ScheduleYear year;
    // DTSTAMP of every event, seconds since 1970 (UTC).
    std::time_t stamp = 0;
};

// Receives the text piece by piece, in order.
using IcsSink = std::function<void(std::string_view)>;

// Writes the calendar with one all-day event per entry: DTSTART the day,
// DTEND the day after (it is exclusive), no time zone.
void WriteIcs(const IcsCalendar& calendar, const std::vector<CalendarEvent>& events,
              const IcsSink& sink);

// The same, as one text.
std::string IcsText(const IcsCalendar& calendar, const std::vector<CalendarEvent>& events);

} // namespace turvane
