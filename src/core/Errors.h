#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace turvane {

// What went wrong, for whoever words a failure in the user's own language
// (the command line) instead of the windows' Japanese message.
enum class FailureKind {
    Other,        // no data file to blame; what() is all there is
    CannotOpen,   // the file is missing, not a regular file or unreadable
    TooLarge,     // the file's text runs past the limit the program reads
    NotAnInteger, // a date that is no number, as the windows compare dates
    ListIndex,    // a line the data needs is not there
};

// Where in the data a failure lies, as far as it is known.
struct FailurePlace {
    std::string path;       // empty when unknown
    std::size_t line = 0;   // 1-based; 0 for the file as a whole
    std::size_t column = 0; // 1-based byte; 0 when unknown
    std::string text;       // what the file holds there (UTF-8)
};

// Every failure the program reports to its user is one of these. what() is a
// UTF-8 message ready for the error box; nothing is ever caught below the
// window that shows it. The kind, the place and the figures say the same for
// a translation.
class ScheduleError : public std::runtime_error {
public:
    explicit ScheduleError(const std::string& message, FailureKind kind = FailureKind::Other)
        : std::runtime_error(message), kind_(kind) {}

    FailureKind kind() const { return kind_; }
    const FailurePlace& place() const { return place_; }
    void SetPlace(FailurePlace place) { place_ = std::move(place); }

    // TooLarge: the file's size and the limit, in bytes. ListIndex: the
    // lines the file has.
    std::uint64_t size = 0;
    std::uint64_t limit = 0;

private:
    FailureKind kind_;
    FailurePlace place_;
};

// A data file that cannot be opened (missing, a directory, not a regular file),
// or whose text is larger than the program reads (kind TooLarge).
class FileOpenError : public ScheduleError {
public:
    explicit FileOpenError(const std::string& path, FailureKind kind = FailureKind::CannotOpen);
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
