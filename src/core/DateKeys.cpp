#include "DateKeys.h"

#include "ByteText.h"
#include "Cp932.h"
#include "Errors.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <stdexcept>

namespace turvane {

ScheduleYear::ScheduleYear(int year) : value_(year) {
    if (year < First || year > Last) {
        throw std::out_of_range("schedule year " + std::to_string(year));
    }
    for (int i = 3; i >= 0; --i, year /= 10) {
        text_[static_cast<std::size_t>(i)] = static_cast<char>('0' + year % 10);
    }
}

bool ScheduleYear::HasDay(int month, int day) const {
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        return false;
    }
    return std::chrono::year_month_day{std::chrono::year{value_},
                                       std::chrono::month{static_cast<unsigned>(month)},
                                       std::chrono::day{static_cast<unsigned>(day)}}
        .ok();
}

std::optional<MonthDay> ParseMonthDay(std::string_view line) {
    const std::string_view mmdd = Slice(line, 1, 4);
    if (mmdd.size() != 4 ||
        !std::all_of(mmdd.begin(), mmdd.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return MonthDay{(mmdd[0] - '0') * 10 + (mmdd[1] - '0'), (mmdd[2] - '0') * 10 + (mmdd[3] - '0')};
}

std::string DateKey(std::string_view line, ScheduleYear year) {
    std::string key(year.text());
    key += Slice(line, 1, 4);
    return key;
}

std::int32_t KeyValue(std::string_view key) {
    std::size_t i = 0;
    while (i < key.size() && key[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < key.size() && (key[i] == '+' || key[i] == '-')) {
        negative = key[i] == '-';
        ++i;
    }
    const std::size_t digitsStart = i;
    // Accumulate as a negative number so that the minimum value fits.
    std::int64_t value = 0;
    for (; i < key.size() && key[i] >= '0' && key[i] <= '9'; ++i) {
        value = value * 10 - (key[i] - '0');
        if (value < std::numeric_limits<std::int32_t>::min()) {
            break;
        }
    }
    if (i == digitsStart || i != key.size()) {
        throw NotAnIntegerError(Cp932ToUtf8(key));
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<std::int32_t>::max()) {
            throw NotAnIntegerError(Cp932ToUtf8(key));
        }
    }
    return static_cast<std::int32_t>(value);
}

void CheckDateKeys(const LineList& lines, ScheduleYear year) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        try {
            static_cast<void>(KeyValue(DateKey(lines[i], year)));
        } catch (NotAnIntegerError& error) {
            // The key is the year and the line's date; the file holds the date.
            error.SetPlace({lines.source(), i + 1, 1, Cp932ToUtf8(Slice(lines[i], 1, 4))});
            throw;
        }
    }
}

std::string TodayKey(const CivilDate& today) {
    const std::string d = TodayText(today);
    std::string key(Slice(d, 1, 4));
    key += Slice(d, 6, 2);
    key += Slice(d, 9, 2);
    return key;
}

namespace {

// Today's key as a number, parsed once, on first use: a key that is no
// number fails where it did when it was parsed for every line.
class TodayValue {
public:
    explicit TodayValue(std::string_view key) : key_(key) {}
    std::int32_t operator()() {
        if (!parsed_) {
            value_ = KeyValue(key_);
            parsed_ = true;
        }
        return value_;
    }

private:
    std::string_view key_;
    bool parsed_ = false;
    std::int32_t value_ = 0;
};

} // namespace

std::size_t FirstDayOnOrAfter(const LineList& lines, std::string_view todayKey, ScheduleYear year) {
    TodayValue today(todayKey);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (KeyValue(DateKey(lines[i], year)) >= today()) {
            return i;
        }
    }
    return 0;
}

void SearchTodayAndNext(const LineList& calendar, std::string_view todayKey, ScheduleYear year,
                        TodayAndNextSink& sink) {
    TodayValue today(todayKey);
    bool found = false;
    for (std::size_t i = 0; i < calendar.size(); ++i) {
        const std::string_view line = calendar[i];
        const std::string key = DateKey(line, year);
        if (key == todayKey) {
            sink.ShowTodaysMeetings(line);
            sink.SettleOn(i);
            found = true;
        }
        if (KeyValue(key) > today()) {
            sink.ShowNextMeetingDay(line);
            if (!found) {
                sink.SettleOn(i);
                sink.ShowNoMeetingToday();
            }
            return;
        }
        if (i + 1 == calendar.size()) {
            sink.ShowNoMoreMeetingsThisYear();
        }
    }
}

} // namespace turvane
