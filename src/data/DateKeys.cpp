#include "DateKeys.h"

#include "ByteText.h"
#include "Cp932.h"
#include "Errors.h"

#include <limits>

namespace turvane {

std::string DateKey(std::string_view line) {
    std::string key(ScheduleYear);
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

void CheckDateKeys(const LineList& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        static_cast<void>(KeyValue(DateKey(lines[i])));
    }
}

std::string TodayKey(const CivilDate& today) {
    const std::string d = TodayText(today);
    std::string key(Slice(d, 1, 4));
    key += Slice(d, 6, 2);
    key += Slice(d, 9, 2);
    return key;
}

std::size_t FirstDayOnOrAfter(const LineList& lines, std::string_view todayKey) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (KeyValue(DateKey(lines[i])) >= KeyValue(todayKey)) {
            return i;
        }
    }
    return 0;
}

void SearchTodayAndNext(const LineList& calendar, std::string_view todayKey,
                        TodayAndNextSink& sink) {
    bool found = false;
    for (std::size_t i = 0; i < calendar.size(); ++i) {
        const std::string_view line = calendar[i];
        const std::string key = DateKey(line);
        if (key == todayKey) {
            sink.ShowTodaysMeetings(line);
            sink.ScrollGridsTo(i);
            found = true;
        }
        if (KeyValue(key) > KeyValue(todayKey)) {
            sink.ShowNextMeetingDay(line);
            if (!found) {
                sink.ScrollGridsTo(i);
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
