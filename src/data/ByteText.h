#pragma once

// Byte-text helpers shared by the three file readers. All text here is
// code page 932 (Shift-JIS) bytes; positions and lengths are 1-based byte
// positions and byte counts, taken on the raw bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace turvane {

// The only year the data files describe; records carry month and day only.
inline constexpr std::string_view ScheduleYear = "2003";

// Code page 932 spellings of the words glued to the sliced pieces.
namespace cp932 {
inline constexpr std::string_view FullWidthBlank = "\x81\x40"; // "　"
inline constexpr std::string_view Month = "\x8c\x8e";          // "月"
inline constexpr std::string_view Day = "\x93\xfa";            // "日"
} // namespace cp932

// Whether a byte starts a double-byte character in code page 932.
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc);
}

// The bytes from 1-based position start for count bytes, cut at the end of
// text. Never fails: a start beyond the end gives an empty text.
std::string_view Slice(std::string_view text, std::size_t start, std::size_t count);

// Maps every half-width character to its full-width double-byte form:
// printable ASCII to U+FF01..U+FF5E (blank to the ideographic space) and
// half-width katakana to katakana, a following voiced or semi-voiced mark
// folded in where a composed kana exists. Everything else is copied.
std::string ToFullWidth(std::string_view text);

// "0105" -> "　１月　５日": full-width month and day with a leading zero
// blanked, so the labels of a column line up.
std::string MonthDayLabel(std::string_view mmdd);

// The eight-digit date key of a record: the year followed by bytes 1-4.
std::string DateKey(std::string_view line);

// The decimal value of a key: leading blanks and one sign allowed, nothing
// else. Throws NotAnIntegerError for any other text or a value outside 32 bits.
std::int32_t KeyValue(std::string_view key);

// A numeral, a 3-byte word, a numeral and a 4-byte word starting at byte
// start (e.g. "1回 5日目"), the numerals made full-width. Meeting slots and
// course slots both end in this shape.
std::string NumberedWordsText(std::string_view line, std::size_t start);

} // namespace turvane
