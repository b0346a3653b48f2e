#pragma once

// Dates as the data files and the windows compare them: eight-digit keys,
// year first, compared as integers; and the searches over a calendar that
// find today, the next meeting day and the first day on or after today.

#include "LineList.h"
#include "Today.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace turvane {

// The year the data files describe. Records carry month and day only, so the
// year comes from outside: 2003 unless the user names another.
class ScheduleYear {
public:
    static constexpr int Default = 2003;
    static constexpr int First = 1000;
    static constexpr int Last = 9999;

    constexpr ScheduleYear() = default;
    // Throws std::out_of_range for a year outside First..Last.
    explicit ScheduleYear(int year);

    int value() const { return value_; }
    // Four digits, as date keys and captions spell the year.
    std::string_view text() const { return {text_.data(), text_.size()}; }
    // Whether month and day name a day of this year (29 February only in a
    // leap year).
    bool HasDay(int month, int day) const;

private:
    int value_ = Default;
    std::array<char, 4> text_ = {'2', '0', '0', '3'};
};

// A record's month and day.
struct MonthDay {
    int month = 0;
    int day = 0;
};

// The month and day of a record's bytes 1-4 (MMDD) when they are four ASCII
// digits; none otherwise. Whether they name a day is ScheduleYear::HasDay's
// question.
std::optional<MonthDay> ParseMonthDay(std::string_view line);

// The eight-digit date key of a record: the year followed by bytes 1-4.
std::string DateKey(std::string_view line, ScheduleYear year);

// The decimal value of a key: leading blanks and one sign allowed, nothing
// else. Throws NotAnIntegerError for any other text or a value outside 32 bits.
std::int32_t KeyValue(std::string_view key);

// Throws NotAnIntegerError for the first line whose date key is not a
// number, as a search over the lines would on reaching it, placed at that
// line's date.
void CheckDateKeys(const LineList& lines, ScheduleYear year);

// Today's eight-digit date key, cut out of TodayText.
std::string TodayKey(const CivilDate& today);

// The index of the first line dated on or after today, or 0 when none is.
std::size_t FirstDayOnOrAfter(const LineList& lines, std::string_view todayKey, ScheduleYear year);

// Receives what the search of the meeting calendar finds, in the order it
// finds it, so that a failure part-way leaves exactly what was shown so far.
class TodayAndNextSink {
public:
    virtual ~TodayAndNextSink() = default;
    virtual void ShowTodaysMeetings(std::string_view line) = 0;
    virtual void ShowNextMeetingDay(std::string_view line) = 0;
    virtual void ShowNoMeetingToday() = 0;
    virtual void ShowNoMoreMeetingsThisYear() = 0;
    // The calendar line of the day the windows settle on: today's, or else
    // the next meeting day's.
    virtual void SettleOn(std::size_t lineIndex) = 0;
};

// Walks the meeting calendar: the line dated today (if any) gives today's
// meetings, the first line strictly after today gives the next meeting day,
// and the windows settle on today, or else on the next day.
void SearchTodayAndNext(const LineList& calendar, std::string_view todayKey, ScheduleYear year,
                        TodayAndNextSink& sink);

} // namespace turvane
