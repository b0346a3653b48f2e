#include "MeetingCalendar.h"

#include "ByteText.h"
#include "DateKeys.h"
#include "Labels.h"

namespace turvane {

std::string MeetingText(std::string_view line, int k) {
    const std::size_t o = MeetingSlotStart(k);
    std::string out(Slice(line, o, MeetingLabelSize));
    out += NumberedWordsText(line, o + MeetingLabelSize);
    return out;
}

std::string_view MeetingCourseName(std::string_view line, int k) {
    return Slice(line, MeetingSlotStart(k) + MeetingNameOffset, CourseNameSize);
}

std::string MeetingDateText(std::string_view line, ScheduleYear year) {
    std::string out(year.text());
    out += '/';
    out += Slice(line, 1, 2);
    out += '/';
    out += Slice(line, 3, 2);
    return out;
}

} // namespace turvane
