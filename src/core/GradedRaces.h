#pragma once

// Reader of "jyuusyou.dat": one line per meeting day, in the order of
// "Cal1.dat", then three 38-byte race slots at bytes 5, 43 and 81. A slot is
// the racecourse name (4 bytes, the same bytes as the meeting slot's name)
// and the race text; a slot whose name is blank is empty.

#include "LineList.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace turvane {

inline constexpr int RaceSlots = 3;
inline constexpr std::size_t RaceSlotSize = 38;

// The first byte of race slot k (1-3): 5, 43, 81.
constexpr std::size_t RaceSlotStart(int k) {
    return static_cast<std::size_t>(38 * k - 33);
}

// The four bytes of the racecourse name of race slot k (1-3).
std::string_view RaceCourseName(std::string_view line, int k);

// The whole 38 bytes of race slot k, name included, as stored.
std::string_view RaceText(std::string_view line, int k);

// Whether race slot k holds no race: its name is blanks, or the line ends
// before or inside the name (an editor trimming trailing blanks must not turn
// an empty slot into a race with an empty name).
bool RaceSlotIsEmpty(std::string_view line, int k);

// What one row of the graded-race list shows in its columns 1-3; a column
// with no value keeps whatever it had.
using RaceRow = std::array<std::optional<std::string_view>, RaceSlots + 1>;

// Places the races of raceLine in the columns of their meetings: slot 1 into
// the column of the meeting with the same course (1, 2, or else 3), slot 2
// into column 2 or else 3, slot 3 into column 3 only when it matches; a later
// slot replaces an earlier one in the same column. The calendar line of row
// is read only when a slot holds a race, and throws ListIndexError when the
// calendar has no such line.
RaceRow PlaceRaces(std::string_view raceLine, const LineList& calendar, std::size_t row);

} // namespace turvane
