#pragma once

// A season as a person edits it: the meeting days, each with its meetings
// and graded races, and the one layout fact beyond those that the three
// files need to come back byte for byte (how long a line is when it is not
// at full width). The CSV export reads the files into a table, the import
// builds the files from one; the course file is always built from the
// meetings, so it can never disagree with the meeting file.

#include "core/check/DataCheck.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace turvane {

struct TableMeeting {
    int slot = 0;       // 1-3, the meeting slot in "Cal1.dat"
    int course = 0;     // 1-10, the course slot in "Cal2.dat" (CourseNames)
    std::string mark;   // code page 932, the two bytes before the name
    char number = ' ';  // the meeting number: a digit or a blank
    char day = ' ';     // the day number: a digit or a blank
    char dayTens = ' '; // the day number's tens digit, or a blank below 10
};

struct TableRace {
    int slot = 0;     // 1-3, the race slot in "jyuusyou.dat"
    int course = 0;   // 1-10
    std::string text; // code page 932, at most RaceTextSize bytes
};

// The race text as a person sees it: the slot's bytes after the name, less
// the blank that separates the two and the blanks that pad it.
inline constexpr std::size_t RaceTextSize = 33;

// The three files, in the order of DataFileNames.
enum DataFileIndex : std::size_t { MeetingFileIndex, CourseFileIndex, RaceFileIndex };
inline constexpr std::size_t DataFileCount = 3;
extern const std::array<std::string_view, DataFileCount> DataFileNames;

// A line's bytes at full width: every slot of the layout, blank or not.
extern const std::array<std::size_t, DataFileCount> FullLineSizes;

struct TableDay {
    int month = 0;
    int day = 0;
    std::vector<TableMeeting> meetings;
    std::vector<TableRace> races;
    // For each file, the line's size without its line end, where it is not
    // FullLineSizes: the line is cut there or padded with blanks.
    std::array<std::optional<std::size_t>, DataFileCount> lineSizes;
};

// The days in date order, each day once.
struct ScheduleTable {
    std::vector<TableDay> days;
};

// The code page 932 bytes of racecourse c (1-10), and the mark its label
// has unless told otherwise.
std::string CourseNameBytes(int c);
std::string DefaultMark(int c);
// The course (1-10) whose name is these four bytes; 0 for none.
int CourseOfName(std::string_view name);

// The three files' bytes, in the order of DataFileNames, CR LF after every line.
using DataFileBytes = std::array<std::string, DataFileCount>;

// Builds the files. The table must be sound (as the CSV reader makes it):
// every meeting and race in its slot, texts within their sizes.
DataFileBytes BuildDataFiles(const ScheduleTable& table);

struct TableReading {
    ScheduleTable table;
    // Errors: what the table cannot hold (the CSV would not import).
    // Warnings: lines that the files built from the table would not repeat
    // byte for byte, at the first byte that differs.
    std::vector<Finding> findings;
};

// How files come back from a table: BuildDataFiles, or (for an export) the
// way through the CSV.
using RebuildFiles = std::function<DataFileBytes(const ScheduleTable&)>;

// Reads files in which the layout check finds no error into a table, for a
// schedule of the given year, and compares them line by line with the files
// rebuild makes of it.
TableReading ReadDataFiles(const CheckedFile& meetings, const CheckedFile& courses,
                           const CheckedFile& races, int year,
                           const RebuildFiles& rebuild = BuildDataFiles);

// Whether month and day are a day of year.
bool IsDayOfYear(int year, int month, int day);

} // namespace turvane
