#include "CourseCalendar.h"

#include "ByteText.h"
#include "Labels.h"

namespace turvane {

std::string CourseDayText(std::string_view line, int c) {
    return NumberedWordsText(line, static_cast<std::size_t>(9 * c - 4));
}

} // namespace turvane
