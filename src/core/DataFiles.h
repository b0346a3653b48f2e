#pragma once

#include <string_view>

namespace turvane {

// The three data files, read from the program's data directory under exactly
// these names.
inline constexpr std::string_view MeetingFile = "Cal1.dat";  // meetings per day
inline constexpr std::string_view CourseFile = "Cal2.dat";   // meetings per racecourse
inline constexpr std::string_view RaceFile = "jyuusyou.dat"; // graded races

} // namespace turvane
