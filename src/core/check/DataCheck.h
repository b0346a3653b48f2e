#pragma once

// Checks the layout of the three data files and says where it is wrong, so
// that a file laid out a byte off is found before its windows show cut
// characters or misplaced races.

#include "core/DateKeys.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace turvane {

class FileSource;

enum class Severity { Error, Warning };

// A message in English with %1, %2, ... standing for its arguments. An
// argument is plain text (a number, a quoted date, a file name) or a message
// of its own (a slot's name), so that a translation can word every part. The
// English texts are marked for the translation tools in the source; the data
// layer itself knows no translator.
struct Message {
    Message(const char* source, std::vector<Message> arguments = {})
        : source(source), arguments(std::move(arguments)) {}
    Message(std::string plain) : plain(std::move(plain)) {}

    const char* source = nullptr; // null for plain text
    std::string plain;
    std::vector<Message> arguments;
};

// Turns an English source text into the text to show (UTF-8); the command
// line passes one that asks Qt's translation system.
using Translate = std::function<std::string(const char* source)>;

// The message with its arguments put in; in English without translate.
std::string Render(const Message& message, const Translate& translate = {});

// One problem, at a 1-based line and byte column of a file; line 0 is the
// file as a whole.
struct Finding {
    std::string path;
    std::size_t line = 0;
    std::size_t column = 0;
    Severity severity = Severity::Error;
    Message message;
};

// A data file as the check sees it: the path messages name, and all its
// bytes (NULs and what follows them included), or none when it cannot be read.
struct CheckedFile {
    std::string path;
    std::optional<std::string> bytes;
};

// What the check found, and how much it read.
struct CheckReport {
    // Each file's findings together, in the order meeting, course and race
    // file, by line and column.
    std::vector<Finding> findings;
    std::size_t lines = 0; // of the three files together
};

// Every problem of the meeting, course and race files. The three are read
// side by side, day by day, dates being days of year: a date, a line missing or a line too many
// that only one file has is blamed on that file alone.
CheckReport CheckDataFiles(const CheckedFile& meetings, const CheckedFile& courses,
                           const CheckedFile& races, ScheduleYear year);

// A data file read for the check: its bytes, or none when it cannot be read.
CheckedFile ReadCheckedFile(const FileSource& files, std::string_view name);

// Reads the three files from files and checks them.
CheckReport CheckDataFiles(const FileSource& files, ScheduleYear year);

// Stored bytes as messages quote them: decoded, in single quotes.
std::string QuotedBytes(std::string_view bytes);

// "PATH:LINE:COLUMN: error: message", the form editors and build logs
// understand; "PATH: error: message" for a file as a whole. Translated, only
// the words change ("error", "warning" and the message), as compilers do.
std::string FormatFinding(const Finding& finding, const Translate& translate = {});

} // namespace turvane
