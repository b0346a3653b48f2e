#include "Today.h"

#include "Platform.h"

#include <cstdio>

namespace turvane {

CivilDate SystemToday() {
    return LocalDate();
}

std::string TodayText(const CivilDate& today) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", today.year, today.month, today.day);
    return text;
}

} // namespace turvane
