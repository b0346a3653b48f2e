#include "Today.h"

#include <cstdio>
#include <ctime>

namespace turvane {

CivilDate SystemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string TodayText(const CivilDate& today) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", today.year, today.month, today.day);
    return text;
}

} // namespace turvane
