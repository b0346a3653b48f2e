// Feeds arbitrary bytes, as if they were any of the three data files, through
// every reader of the data layer and the layout check. Besides not crashing, every text that
// reaches the screen must decode to valid UTF-8.

#include "data/ByteText.h"
#include "data/CourseCalendar.h"
#include "data/Cp932.h"
#include "data/DataCheck.h"
#include "data/DateKeys.h"
#include "data/Errors.h"
#include "data/GradedRaces.h"
#include "data/Labels.h"
#include "data/LineList.h"
#include "data/MeetingCalendar.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace turvane;

namespace {

bool IsValidUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int length = b < 0x80           ? 1
                           : (b >> 5) == 0x6  ? 2
                           : (b >> 4) == 0xe  ? 3
                           : (b >> 3) == 0x1e ? 4
                                              : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xc0) !=
                0x80) {
                return false;
            }
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

void Show(const std::string& cp932) {
    if (!IsValidUtf8(Cp932ToUtf8(cp932))) {
        std::abort();
    }
}

class Ignore : public TodayAndNextSink {
public:
    void ShowTodaysMeetings(std::string_view line) override { Show(MeetingText(line, 1)); }
    void ShowNextMeetingDay(std::string_view line) override {
        Show(MeetingDateText(line, ScheduleYear()));
    }
    void ShowNoMeetingToday() override {}
    void ShowNoMoreMeetingsThisYear() override {}
    void ScrollGridsTo(std::size_t) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const LineList lines = LineList::Split(std::string(reinterpret_cast<const char*>(data), size));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        Show(MonthDayLabel(line));
        Show(ToFullWidth(line));
        for (int k = 1; k <= MeetingSlots; ++k) {
            Show(MeetingText(line, k));
            Show(std::string(MeetingCourseName(line, k)));
        }
        for (int c = 1; c <= CourseCount; ++c) {
            Show(CourseDayText(line, c));
        }
        try {
            (void)KeyValue(DateKey(line, ScheduleYear()));
            const RaceRow placed = PlaceRaces(line, lines, i + (line.size() & 1));
            for (const auto& text : placed) {
                if (text) {
                    Show(std::string(*text));
                }
            }
        } catch (const ScheduleError&) {
        }
    }
    // The layout check, on the bytes as all three files and as three files cut
    // out of them: whatever it finds, its messages must be valid UTF-8.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t third = size / 3;
    for (const std::array<std::string, 3>& files :
         {std::array<std::string, 3>{bytes, bytes, bytes},
          std::array<std::string, 3>{bytes.substr(0, third), bytes.substr(third, third),
                                     bytes.substr(2 * third)}}) {
        for (const Finding& finding : CheckDataFiles({"Cal1.dat", files[0]}, {"Cal2.dat", files[1]},
                                                     {"jyuusyou.dat", files[2]}, ScheduleYear())
                                          .findings) {
            if (!IsValidUtf8(FormatFinding(finding))) {
                std::abort();
            }
        }
    }
    for (const char* today : {"20030105", "20030517", "20031231", "2003x"}) {
        try {
            Ignore sink;
            SearchTodayAndNext(lines, today, ScheduleYear(), sink);
            (void)FirstDayOnOrAfter(lines, today, ScheduleYear());
        } catch (const ScheduleError&) {
        }
    }
    return 0;
}
