#include "CourseCalendar.h"

#include "ByteText.h"
#include "Labels.h"

namespace turvane {

std::string CourseDayText(std::string_view line, int c) {
    return NumberedWordsText(line, CourseSlotStart(c));
}

} // namespace turvane
