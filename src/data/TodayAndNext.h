#pragma once

#include "LineList.h"

#include <cstddef>
#include <string_view>

namespace turvane {

// Receives what the search of the meeting calendar finds, in the order it
// finds it, so that a failure part-way leaves exactly what was shown so far.
class TodayAndNextSink {
public:
    virtual ~TodayAndNextSink() = default;
    virtual void ShowTodaysMeetings(std::string_view line) = 0;
    virtual void ShowNextMeetingDay(std::string_view line) = 0;
    virtual void ShowNoMeetingToday() = 0;
    virtual void ShowNoMoreMeetingsThisYear() = 0;
    virtual void ScrollGridsTo(std::size_t lineIndex) = 0;
};

// Walks the meeting calendar: the line dated today (if any) gives today's
// meetings, the first line strictly after today gives the next meeting day,
// and the calendar scrolls to today, or else to the next day.
void SearchTodayAndNext(const LineList& calendar, std::string_view todayKey,
                        TodayAndNextSink& sink);

} // namespace turvane
