#include "GradedRaces.h"

#include "ByteText.h"
#include "MeetingCalendar.h"

namespace turvane {

std::string_view RaceCourseName(std::string_view line, int k) {
    return Slice(line, RaceSlotStart(k), CourseNameSize);
}

std::string_view RaceText(std::string_view line, int k) {
    return Slice(line, RaceSlotStart(k), RaceSlotSize);
}

bool RaceSlotIsEmpty(std::string_view line, int k) {
    return IsBlank(RaceCourseName(line, k));
}

RaceRow PlaceRaces(std::string_view raceLine, const LineList& calendar, std::size_t row) {
    RaceRow placed;
    const auto matches = [&](int raceSlot, int meetingSlot) {
        return RaceCourseName(raceLine, raceSlot) ==
               MeetingCourseName(calendar.at(row), meetingSlot);
    };
    if (!RaceSlotIsEmpty(raceLine, 1)) {
        const int column = matches(1, 1) ? 1 : matches(1, 2) ? 2 : 3;
        placed[column] = RaceText(raceLine, 1);
    }
    if (!RaceSlotIsEmpty(raceLine, 2)) {
        placed[matches(2, 2) ? 2 : 3] = RaceText(raceLine, 2);
    }
    if (!RaceSlotIsEmpty(raceLine, 3) && matches(3, 3)) {
        placed[3] = RaceText(raceLine, 3);
    }
    return placed;
}

} // namespace turvane
