#include "IcsWriter.h"

#include "core/Errors.h"

#include <libical/ical.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace turvane {

namespace {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

struct TextFree {
    void operator()(char* text) const { std::free(text); }
};

Component NewComponent(icalcomponent_kind kind) {
    Component component(icalcomponent_new(kind));
    if (!component) {
        throw std::bad_alloc();
    }
    return component;
}

// The component as libical writes it, folded and escaped.
std::string Serialised(icalcomponent* component) {
    const std::unique_ptr<char, TextFree> text(icalcomponent_as_ical_string_r(component));
    if (!text) {
        throw ScheduleError("libical could not write a calendar component");
    }
    return text.get();
}

// A DATE property written from its text: libical turns a date after the year
// 3000 into 00000000T000000, and counts the days of years before 1753 in the
// Julian calendar, while a schedule's year may be any from 1000 to 9999 of
// the Gregorian one.
icalproperty* DateProperty(const char* name, std::chrono::year_month_day date) {
    char text[64];
    std::snprintf(text, sizeof text, "%s;VALUE=DATE:%04d%02u%02u", name,
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()));
    icalproperty* property = icalproperty_new_from_string(text);
    if (property == nullptr) {
        throw ScheduleError("libical could not read a calendar date");
    }
    return property;
}

std::string EventText(const IcsCalendar& calendar, const CalendarEvent& event,
                      const icaltimetype& stamp) {
    const Component vevent = NewComponent(ICAL_VEVENT_COMPONENT);
    icalcomponent* e = vevent.get();
    icalcomponent_add_property(e, icalproperty_new_uid(EventUid(event, calendar.year).c_str()));
    icalcomponent_add_property(e, icalproperty_new_dtstamp(stamp));
    const std::chrono::year_month_day start{std::chrono::year{calendar.year.value()},
                                            std::chrono::month{static_cast<unsigned>(event.month)},
                                            std::chrono::day{static_cast<unsigned>(event.day)}};
    // VALUE=DATE is written because the values are dates, not times.
    icalcomponent_add_property(e, DateProperty("DTSTART", start));
    // The day after 9999-12-31 has no four-digit year; without an end an
    // all-day event lasts its one day all the same.
    const std::chrono::year_month_day end{std::chrono::sys_days{start} + std::chrono::days{1}};
    if (end.year() <= std::chrono::year{9999}) {
        icalcomponent_add_property(e, DateProperty("DTEND", end));
    }
    icalcomponent_add_property(e, icalproperty_new_summary(event.summary.c_str()));
    if (!event.location.empty()) {
        icalcomponent_add_property(e, icalproperty_new_location(event.location.c_str()));
    }
    if (event.kind == CalendarEvent::Kind::GradedRace) {
        icalcomponent_add_property(e, icalproperty_new_categories("重賞"));
    }
    return Serialised(e);
}

} // namespace

void WriteIcs(const IcsCalendar& calendar, const std::vector<CalendarEvent>& events,
              const IcsSink& sink) {
    const Component vcalendar = NewComponent(ICAL_VCALENDAR_COMPONENT);
    icalcomponent* c = vcalendar.get();
    icalcomponent_add_property(c, icalproperty_new_prodid(calendar.productId.c_str()));
    icalcomponent_add_property(c, icalproperty_new_version("2.0"));
    icalcomponent_add_property(c, icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(c, icalproperty_new_name(calendar.name.c_str()));
    icalproperty* calName = icalproperty_new_x(calendar.name.c_str());
    icalproperty_set_x_name(calName, "X-WR-CALNAME");
    icalcomponent_add_property(c, calName);

    // Each event is built and written on its own and the calendar's frame
    // around them, so a long year never holds every event as a component.
    const std::string frame = Serialised(c);
    constexpr std::string_view End = "END:VCALENDAR\r\n";
    if (frame.size() < End.size() || frame.compare(frame.size() - End.size(), End.size(), End)) {
        throw ScheduleError("libical wrote a calendar without its end");
    }
    sink(std::string_view(frame).substr(0, frame.size() - End.size()));
    const icaltimetype stamp =
        icaltime_from_timet_with_zone(calendar.stamp, 0, icaltimezone_get_utc_timezone());
    for (const CalendarEvent& event : events) {
        sink(EventText(calendar, event, stamp));
    }
    sink(End);
}

std::string IcsText(const IcsCalendar& calendar, const std::vector<CalendarEvent>& events) {
    std::string text;
    WriteIcs(calendar, events, [&](std::string_view piece) { text += piece; });
    return text;
}

} // namespace turvane
