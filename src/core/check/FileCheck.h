#pragma once

// The check of one data file on its own: where its slots lie and what each
// line holds, with the findings it makes. Used by DataCheck.cpp, Alignment
// and RacePlaces.cpp only.

#include "DataCheck.h"

#include "core/ByteText.h"
#include "core/CourseCalendar.h"
#include "core/Cp932.h"
#include "core/DataFiles.h"
#include "core/DateKeys.h"
#include "core/Errors.h"
#include "core/FileSource.h"
#include "core/GradedRaces.h"
#include "core/Labels.h"
#include "core/LineList.h"
#include "core/MeetingCalendar.h"
#include "core/Translatable.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>

namespace turvane::check {

// A piece the readers cut out of a slot: where it starts in the slot
// (0-based) and what messages call it.
struct Piece {
    std::size_t offset;
    const char* name;
};

// Where a file's slots lie and where the readers cut them.
struct Layout {
    const char* slotName; // with %1 for the slot's number
    int slots;
    std::size_t (*slotStart)(int);
    std::size_t slotSize;
    std::vector<Piece> pieces;
    // What a slot holds: a racecourse name and numbered words ("1回 1日目"),
    // where in the slot they stand, if it has them.
    std::optional<std::size_t> nameAt;
    std::optional<std::size_t> wordsAt;
    // A free text (a race's) may end with the line, as editors trim trailing
    // blanks, and a slot with no racecourse name is empty whatever follows.
    bool freeText = false;

    std::size_t End() const { return slotStart(slots) + slotSize; } // first byte past the last slot
    Message Slot(int k) const { return Message(slotName, {std::to_string(k)}); }
};

Layout MeetingLayout();
Layout CourseLayout();
Layout RaceLayout();

std::string Number(std::size_t n);

// English has a singular; the translations word both the same way if theirs
// has none.
const char* Plural(std::size_t n, const char* one, const char* many);

class Checker {
public:
    Checker(const CheckedFile& file, const Layout& layout, ScheduleYear year,
            std::vector<Finding>& findings);

    bool readable() const { return file_.bytes.has_value(); }
    ScheduleYear year() const { return year_; }
    const LineList& lines() const { return lines_; }
    // The line's date as a number (MMDD), or none when it has no valid one.
    std::optional<int> date(std::size_t i) const { return dates_[i]; }
    std::string name() const;

    void Report(std::size_t line, std::size_t column, Severity severity, Message message);

    // Dates out of order or repeated, among the lines the comparison with the
    // other files did not already blame.
    void CheckOrder(const std::vector<bool>& blamed);

private:
    // Everything from a NUL on is never read.
    void CheckNul(const std::string& bytes);
    // Four digits making a day of the schedule's year, as MMDD; none when
    // they do not.
    std::optional<int> CheckDate(std::string_view text, std::size_t line);
    void CheckOrder(std::size_t previous, std::size_t i);
    // Where the piece starting at 1-based byte position, if any, lies.
    std::optional<Message> PieceAt(std::size_t position) const;
    // Walks the line as code page 932 reads it. Reports bytes that are no
    // character and double-byte characters that a piece boundary or the end
    // of the line cuts. Returns the number of such reports.
    std::size_t CheckCharacters(std::string_view text, std::size_t line);
    void CheckSlots(std::string_view text, std::size_t line, std::size_t badCharacters);
    Message NotACourseName(int k, std::string_view name) const;

    const CheckedFile& file_;
    const Layout& layout_;
    ScheduleYear year_;
    std::vector<Finding>& findings_;
    LineList lines_;
    std::vector<std::optional<int>> dates_;
};

} // namespace turvane::check
