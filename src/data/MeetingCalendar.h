#pragma once

// Reader of "Cal1.dat": one line per meeting day, month and day in bytes
// 1-4, then three 16-byte meeting slots at bytes 5, 21 and 37. A slot is a
// 7-byte racecourse label (mark, two-kanji name, blank), a numeral, a 3-byte
// word, a numeral and a 4-byte word.

#include <cstddef>
#include <string>
#include <string_view>

namespace turvane {

inline constexpr int MeetingSlots = 3;

// Meeting slot k (1-3) with its numerals full-width; empty past the line's end.
std::string MeetingText(std::string_view line, int k);

// The four bytes of the racecourse name in meeting slot k.
std::string_view MeetingCourseName(std::string_view line, int k);

// The line's date as shown in captions: 2003/MM/DD, zeros kept.
std::string MeetingDateText(std::string_view line);

} // namespace turvane
