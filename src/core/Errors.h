#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace turvane {

// Every failure the program reports to its user is one of these. what() is a
// UTF-8 message ready for the error box; nothing is ever caught below the
// window that shows it.
class ScheduleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A data file that cannot be opened (missing, a directory, not a regular file).
class FileOpenError : public ScheduleError {
public:
    explicit FileOpenError(const std::string& path);
};

// A date key that is not a decimal integer.
class NotAnIntegerError : public ScheduleError {
public:
    explicit NotAnIntegerError(const std::string& utf8Text);
};

// A line index past the end of a line list.
class ListIndexError : public ScheduleError {
public:
    explicit ListIndexError(std::size_t index);
};

} // namespace turvane
