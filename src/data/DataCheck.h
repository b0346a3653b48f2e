#pragma once

// Checks the layout of the three data files and says where it is wrong, so
// that a file laid out a byte off is found before its windows show cut
// characters or misplaced races.

#include "DateKeys.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace turvane {

class FileSource;

enum class Severity { Error, Warning };

// One problem, at a 1-based line and byte column of a file; line 0 is the
// file as a whole.
struct Finding {
    std::string path;
    std::size_t line = 0;
    std::size_t column = 0;
    Severity severity = Severity::Error;
    std::string message; // UTF-8
};

// A data file as the check sees it: the path messages name, and all its
// bytes (NULs and what follows them included), or none when it cannot be read.
struct CheckedFile {
    std::string path;
    std::optional<std::string> bytes;
};

// Every problem of the meeting, course and race files, each file's findings
// together in that order, by line and column. Dates must be days of year.
std::vector<Finding> CheckDataFiles(const CheckedFile& meetings, const CheckedFile& courses,
                                    const CheckedFile& races, ScheduleYear year);

// Reads the three files from files and checks them.
std::vector<Finding> CheckDataFiles(const FileSource& files, ScheduleYear year);

// "PATH:LINE:COLUMN: error: message", the form editors and build logs
// understand; "PATH: error: message" for a file as a whole.
std::string FormatFinding(const Finding& finding);

} // namespace turvane
