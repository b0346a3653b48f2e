#pragma once

// Reader of "Cal1.dat": one line per meeting day, month and day in bytes
// 1-4, then three 16-byte meeting slots at bytes 5, 21 and 37. A slot is a
// 7-byte racecourse label (mark, two-kanji name, blank), a numeral, a 3-byte
// word, a numeral and a 4-byte word.

#include "DateKeys.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace turvane {

inline constexpr int MeetingSlots = 3;
inline constexpr std::size_t MeetingSlotSize = 16;
// The racecourse label's size, and where in it (0-based) the name begins.
inline constexpr std::size_t MeetingLabelSize = 7;
inline constexpr std::size_t MeetingNameOffset = 2;
// A racecourse name: two double-byte characters, in all three files.
inline constexpr std::size_t CourseNameSize = 4;

// The first byte of meeting slot k (1-3): 5, 21, 37.
constexpr std::size_t MeetingSlotStart(int k) {
    return static_cast<std::size_t>(16 * k - 11);
}

// Meeting slot k (1-3) with its numerals full-width; empty past the line's end.
std::string MeetingText(std::string_view line, int k);

// The four bytes of the racecourse name in meeting slot k.
std::string_view MeetingCourseName(std::string_view line, int k);

// The line's date as shown in captions: YYYY/MM/DD, zeros kept.
std::string MeetingDateText(std::string_view line, ScheduleYear year);

} // namespace turvane
