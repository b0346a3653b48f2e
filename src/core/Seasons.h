#pragma once

// Seasons: a folder holds one season, the three data files and a small text
// file that records the season's year (the files themselves carry month and
// day only). The user's own seasons lie together under one directory, one
// folder per year, named by it.

#include "DateKeys.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace turvane {

class FileSource;

// The year file beside the data files: the year in four digits and a line
// end, "2027\n", which anyone may read and edit.
inline constexpr std::string_view YearFile = "year.txt";

// The year file's text for a season of year.
std::string YearFileText(ScheduleYear year);

// What a folder's year file says.
struct RecordedYear {
    bool present = false; // whether the folder has a year file
    // The year, when the file holds one: four digits from ScheduleYear::First,
    // with blanks, line ends and a UTF-8 byte order mark around them allowed.
    std::optional<ScheduleYear> year;
    // The file's text, trimmed, for a message when it holds no year.
    std::string text;
};
RecordedYear ReadRecordedYear(const FileSource& files);

// The user's seasons directory under the XDG data home: $XDG_DATA_HOME (when
// absolute) or $HOME/.local/share, then "turvane". Empty when neither is
// set. Either may be null.
std::filesystem::path XdgSeasonsDirectory(const char* xdgDataHome, const char* home);

// The folder of the season of year under a seasons directory.
std::filesystem::path SeasonFolder(const std::filesystem::path& seasons, ScheduleYear year);

// The years of the seasons under a seasons directory: folders named by a
// year that hold the meeting file. In order; none when it does not exist.
std::vector<int> ListSeasons(const std::filesystem::path& seasons);

} // namespace turvane
