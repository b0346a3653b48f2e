#pragma once

// The texts the windows build around sliced pieces: date labels and the
// numbered meeting words.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace turvane {

// Code page 932 spellings of the words glued to the sliced pieces.
namespace cp932 {
inline constexpr std::string_view FullWidthBlank = "\x81\x40"; // "　"
inline constexpr std::string_view Month = "\x8c\x8e";          // "月"
inline constexpr std::string_view Day = "\x93\xfa";            // "日"
} // namespace cp932

// "0105" -> "　１月　５日": full-width month and day with a leading zero
// blanked, so the labels of a column line up.
std::string MonthDayLabel(std::string_view mmdd);

// A numeral, a 3-byte word, a numeral and a 4-byte word starting at byte
// start (e.g. "1回 5日目"), the numerals made full-width. Meeting slots and
// course slots both end in this shape. The first word's last byte, a blank
// in the original layout, may hold the tens digit of the second numeral
// ("2回12日目" for a twelfth day): when it and the numeral after it are both
// digits, the two are shown together ("２回１２日目"); anything else there
// is shown as stored.
std::string NumberedWordsText(std::string_view line, std::size_t start);

// That shape: its size, and where its numerals and words begin (0-based).
inline constexpr std::size_t NumberedWordsSize = 9;
inline constexpr std::array<std::size_t, 2> NumberedWordsNumerals = {0, 4};
inline constexpr std::array<std::size_t, 2> NumberedWordsWords = {1, 5};
// Where the second numeral's tens digit may stand: the first word's last byte.
inline constexpr std::size_t NumberedWordsTens = NumberedWordsNumerals[1] - 1;

// Whether the bytes at NumberedWordsTens and the second numeral of the shape
// starting at 0-based offset at in bytes make a two-digit number.
bool HasTensDigit(std::string_view bytes, std::size_t at);

} // namespace turvane
