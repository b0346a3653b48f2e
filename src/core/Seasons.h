#pragma once

// Seasons: a folder holds one season, the three data files and a small text
// file that records the season's year (the files themselves carry month and
// day only). The user's own seasons lie together under one directory, one
// folder per year, named by it.

#include "DataDir.h"
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

// The folder of the season of year under a seasons directory, when it holds
// the meeting file: what a start without a data directory shows in that
// year. None otherwise, the seasons directory empty included.
std::optional<std::filesystem::path> SeasonOfYear(const std::filesystem::path& seasons, int year);

// What a start reads and shows: the data directory given, or else the
// user's season of today's year, or else (empty) the files beside the
// executable; the year given, or else the one the data's year file records,
// or else 2003.
struct SeasonChoice {
    std::filesystem::path dataDir;
    bool userSeason = false; // whether dataDir is the user's season
    ScheduleYear year;
    // What the year file says, when no year was given; a file that records
    // no year leaves the year at 2003, and the front-end says why.
    RecordedYear recorded;
    // Why the year file could not be read (UTF-8); empty when it could.
    std::string readFailure;

    // The chosen files.
    DataDir files() const;
};
SeasonChoice ResolveSeason(const std::optional<std::filesystem::path>& dataDir,
                           const std::optional<ScheduleYear>& year, int todayYear,
                           const std::filesystem::path& seasons);

// The years of the seasons under a seasons directory: folders named by a
// year that hold the meeting file. In order; none when it does not exist.
std::vector<int> ListSeasons(const std::filesystem::path& seasons);

} // namespace turvane
