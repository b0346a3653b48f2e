#pragma once

// The season's CSV file, shared by its reader and its writer: the columns,
// their names and the limits.

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace turvane::csv {

enum Column : std::size_t {
    Kind,
    Date,
    Racecourse,
    Number,
    DayNumber,
    Mark,
    Slot,
    Race,
    File,
    Bytes
};
constexpr std::array<std::string_view, 10> ColumnNames = {
    "kind", "date", "racecourse", "meeting", "day", "mark", "slot", "race", "file", "bytes"};
// A CSV without these is not one of ours; the others may be left out.
constexpr std::array<Column, 7> RequiredColumns = {Kind,      Date, Racecourse, Number,
                                                   DayNumber, Slot, Race};
constexpr std::size_t MaxLineSize = 1024;

// A date as the CSV holds it: 2003-05-17.
inline std::string DateText(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

// Line numbers for a message: "3", "3 and 5", "3, 5 and 8".
inline std::string Lines(const std::vector<std::size_t>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += (i == 0 ? "" : i + 1 == lines.size() ? " and " : ", ") + std::to_string(lines[i]);
    }
    return out;
}

} // namespace turvane::csv
