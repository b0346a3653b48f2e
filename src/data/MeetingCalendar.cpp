#include "MeetingCalendar.h"

#include "ByteText.h"
#include "DateKeys.h"
#include "Labels.h"

namespace turvane {

namespace {

std::size_t SlotStart(int k) {
    return static_cast<std::size_t>(16 * k - 11);
}

} // namespace

std::string MeetingText(std::string_view line, int k) {
    const std::size_t o = SlotStart(k);
    std::string out(Slice(line, o, 7));
    out += NumberedWordsText(line, o + 7);
    return out;
}

std::string_view MeetingCourseName(std::string_view line, int k) {
    return Slice(line, SlotStart(k) + 2, 4);
}

std::string MeetingDateText(std::string_view line) {
    std::string out(ScheduleYear);
    out += '/';
    out += Slice(line, 1, 2);
    out += '/';
    out += Slice(line, 3, 2);
    return out;
}

} // namespace turvane
