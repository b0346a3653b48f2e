#include "TodayAndNext.h"

#include "ByteText.h"

namespace turvane {

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
