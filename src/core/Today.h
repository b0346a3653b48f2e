#pragma once

#include <functional>
#include <string>

namespace turvane {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Where today's date comes from: the system clock in the program, a fixed
// date in tests.
using TodaySource = std::function<CivilDate()>;

// The local date from the system clock.
CivilDate SystemToday();

// Today as shown in captions: yyyy/MM/dd, e.g. 2003/05/12.
std::string TodayText(const CivilDate& today);

} // namespace turvane
