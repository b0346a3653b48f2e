#pragma once

// Reader of "Cal2.dat": the same meeting days as "Cal1.dat", arranged by
// racecourse. After month and day come ten 9-byte course slots, slot c at
// bytes 9c-4 .. 9c+4, each shaped like the end of a meeting slot.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace turvane {

inline constexpr int CourseCount = 10;

// The first byte of course slot c (1-10): 5, 14, ... 86. A slot is
// NumberedWordsSize (9) bytes.
constexpr std::size_t CourseSlotStart(int c) {
    return static_cast<std::size_t>(9 * c - 4);
}

// Column labels of the course grid, in slot order: a mark and the course
// name, UTF-8 (they never come from a file).
inline constexpr std::array<std::string_view, CourseCount> CourseNames = {
    "★京都", "●阪神", "☆中京", "○小倉", "◆東京", "■中山", "◇福島", "□新潟", "△札幌", "◎函館",
};

// Course slot c (1-10) with its numerals full-width; empty past the line's end.
std::string CourseDayText(std::string_view line, int c);

} // namespace turvane
