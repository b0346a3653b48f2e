#include "DataCheck.h"

#include "ByteText.h"
#include "CourseCalendar.h"
#include "Cp932.h"
#include "DataFiles.h"
#include "DateKeys.h"
#include "Errors.h"
#include "FileSource.h"
#include "GradedRaces.h"
#include "Labels.h"
#include "LineList.h"
#include "MeetingCalendar.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace turvane {

namespace {

// A piece the readers cut out of a slot: where it starts in the slot
// (0-based) and what messages call it.
struct Piece {
    std::size_t offset;
    const char* name;
};

// Where a file's slots lie and where the readers cut them.
struct Layout {
    enum class Kind { Meetings, Courses, Races };
    Kind kind;
    const char* slotName;
    int slots;
    std::size_t (*slotStart)(int);
    std::size_t slotSize;
    std::vector<Piece> pieces;

    std::size_t End() const { return slotStart(slots) + slotSize; } // first byte past the last slot
};

std::vector<Piece> NumberedWordPieces(std::size_t at) {
    return {{at + NumberedWordsNumerals[0], "first numeral"},
            {at + NumberedWordsWords[0], "first word"},
            {at + NumberedWordsNumerals[1], "second numeral"},
            {at + NumberedWordsWords[1], "second word"}};
}

Layout MeetingLayout() {
    Layout layout{Layout::Kind::Meetings,
                  "meeting slot",
                  MeetingSlots,
                  MeetingSlotStart,
                  MeetingSlotSize,
                  {{0, "racecourse label"},
                   {MeetingNameOffset, "racecourse name"},
                   {MeetingNameOffset + CourseNameSize, "blank after the racecourse name"}}};
    const std::vector<Piece> words = NumberedWordPieces(MeetingLabelSize);
    layout.pieces.insert(layout.pieces.end(), words.begin(), words.end());
    return layout;
}

Layout CourseLayout() {
    return {Layout::Kind::Courses, "course slot",     CourseCount,
            CourseSlotStart,       NumberedWordsSize, NumberedWordPieces(0)};
}

Layout RaceLayout() {
    return {Layout::Kind::Races, "race slot",
            RaceSlots,           RaceSlotStart,
            RaceSlotSize,        {{0, "racecourse name"}, {CourseNameSize, "race text"}}};
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

bool IsDigitOrBlank(char c) {
    return c == ' ' || (c >= '0' && c <= '9');
}

// Two double-byte characters, as racecourse names are in every file.
bool IsCourseName(std::string_view name) {
    return name.size() == CourseNameSize && IsLeadByte(static_cast<unsigned char>(name[0])) &&
           IsLeadByte(static_cast<unsigned char>(name[2]));
}

std::string Hex(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        char text[8];
        std::snprintf(text, sizeof text, "%s0x%02X", out.empty() ? "" : " ",
                      static_cast<unsigned>(static_cast<unsigned char>(c)));
        out += text;
    }
    return out;
}

std::string Quoted(std::string_view bytes) {
    return "'" + Cp932ToUtf8(bytes) + "'";
}

std::string Count(std::size_t n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

class Checker {
public:
    Checker(const CheckedFile& file, const Layout& layout, ScheduleYear year,
            std::vector<Finding>& findings)
        : file_(file), layout_(layout), year_(year), findings_(findings) {
        if (!file.bytes) {
            Report(0, 0, Severity::Error, "cannot open the file");
            return;
        }
        CheckNul(*file.bytes);
        lines_ = LineList::Split(*file.bytes);
        std::optional<std::size_t> previous;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const std::size_t line = i + 1;
            if (CheckDate(lines_[i], line)) {
                if (previous) {
                    CheckOrder(*previous, i);
                }
                previous = i;
            }
            const std::size_t badBytes = CheckCharacters(lines_[i], line);
            CheckSlots(lines_[i], line, badBytes);
        }
    }

    bool readable() const { return file_.bytes.has_value(); }
    ScheduleYear year() const { return year_; }
    const LineList& lines() const { return lines_; }
    std::string_view name() const {
        const std::string_view path = file_.path;
        return path.substr(path.rfind('/') + 1);
    }

    void Report(std::size_t line, std::size_t column, Severity severity, std::string message) {
        findings_.push_back({file_.path, line, column, severity, std::move(message)});
    }

private:
    // Everything from a NUL on is never read.
    void CheckNul(const std::string& bytes) {
        const std::size_t nul = bytes.find('\0');
        if (nul == std::string::npos || nul + 1 == bytes.size()) {
            return;
        }
        const std::string before = bytes.substr(0, nul);
        const LineList lines = LineList::Split(before);
        const bool onNewLine = before.empty() || before.back() == '\r' || before.back() == '\n';
        const std::size_t line = onNewLine ? lines.size() + 1 : lines.size();
        const std::size_t column = onNewLine ? 1 : lines[lines.size() - 1].size() + 1;
        Report(line, column, Severity::Warning,
               "a NUL byte ends the text here; what follows it (" +
                   Count(bytes.size() - nul - 1, "byte") + ") is never read");
    }

    // Four digits making a day of the schedule's year; false when they do not.
    bool CheckDate(std::string_view text, std::size_t line) {
        const std::string mmdd(Slice(text, 1, 4));
        if (mmdd.size() < 4 ||
            !std::all_of(mmdd.begin(), mmdd.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            Report(line, 1, Severity::Error,
                   "the date " + Quoted(mmdd) + " is not four digits (month and day)");
            return false;
        }
        if (!year_.HasDay(std::stoi(mmdd.substr(0, 2)), std::stoi(mmdd.substr(2, 2)))) {
            Report(line, 1, Severity::Error,
                   "the date " + Quoted(mmdd) + " is not a day of " + std::string(year_.text()));
            return false;
        }
        return true;
    }

    void CheckOrder(std::size_t previous, std::size_t i) {
        const std::int32_t before = KeyValue(DateKey(lines_[previous], year_));
        const std::int32_t now = KeyValue(DateKey(lines_[i], year_));
        const std::string mmdd = Quoted(Slice(lines_[i], 1, 4));
        const std::string on = " on line " + std::to_string(previous + 1);
        if (now == before) {
            Report(i + 1, 1, Severity::Error, "the date " + mmdd + " repeats the one" + on);
        } else if (now < before) {
            Report(i + 1, 1, Severity::Error,
                   "the date " + mmdd + " comes after " + Quoted(Slice(lines_[previous], 1, 4)) +
                       on + "; the lines must be in date order");
        }
    }

    // Where the piece starting at 1-based byte position, if any, lies.
    std::string PieceAt(std::size_t position) const {
        if (position == layout_.End()) {
            return "the bytes after " + std::string(layout_.slotName) + " " +
                   std::to_string(layout_.slots);
        }
        for (int k = 1; k <= layout_.slots; ++k) {
            for (const Piece& piece : layout_.pieces) {
                if (layout_.slotStart(k) + piece.offset == position) {
                    return "the " + std::string(piece.name) + " of " + layout_.slotName + " " +
                           std::to_string(k);
                }
            }
        }
        return {};
    }

    // Walks the line as code page 932 reads it. Reports bytes that are no
    // character and double-byte characters that a piece boundary or the end
    // of the line cuts. Returns the number of such reports.
    std::size_t CheckCharacters(std::string_view text, std::size_t line) {
        std::size_t reports = 0;
        const auto report = [&](std::size_t column, std::string message) {
            Report(line, column, Severity::Error, std::move(message));
            ++reports;
        };
        for (std::size_t i = 0; i < text.size();) {
            const auto b = static_cast<unsigned char>(text[i]);
            if (!IsLeadByte(b)) {
                if (!IsDefinedSingle(b)) {
                    report(i + 1, "the byte " + Hex(text.substr(i, 1)) +
                                      " is not a character of code page 932");
                }
                ++i;
                continue;
            }
            if (i + 1 == text.size()) {
                report(i + 1, "a double-byte character is cut by the end of the line");
                break;
            }
            if (const std::string piece = PieceAt(i + 2); !piece.empty()) {
                report(i + 1, "a double-byte character is cut: its second byte (byte " +
                                  std::to_string(i + 2) + ") starts " + piece);
                i += 2;
                continue;
            }
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            if (!IsDefinedPair(b, trail)) {
                report(i + 1, "the bytes " + Hex(text.substr(i, 2)) +
                                  " are not a character of code page 932");
                // As the decoder does: an ASCII byte after a lead byte still shows.
                i += trail >= 0x80 ? 2 : 1;
                continue;
            }
            i += 2;
        }
        return reports;
    }

    void CheckSlots(std::string_view text, std::size_t line, std::size_t badCharacters) {
        for (int k = 1; k <= layout_.slots; ++k) {
            const std::size_t start = layout_.slotStart(k);
            const std::string_view slot = Slice(text, start, layout_.slotSize);
            // A line may end before a slot, and trailing blanks are nothing to
            // show. A line with cut or foreign characters is out of shape
            // already, and has been reported.
            if (IsBlank(slot) || badCharacters > 0) {
                continue;
            }
            const std::string where = std::string(layout_.slotName) + " " + std::to_string(k);
            if (layout_.kind == Layout::Kind::Races) {
                CheckRaceSlot(text, k, line, start, where);
                continue;
            }
            if (slot.size() < layout_.slotSize) {
                Report(line, start, Severity::Error,
                       where + " ends with the line after " + Count(slot.size(), "byte") +
                           " of its " + std::to_string(layout_.slotSize));
                continue;
            }
            std::size_t words = 0;
            if (layout_.kind == Layout::Kind::Meetings) {
                const std::string_view name = slot.substr(MeetingNameOffset, CourseNameSize);
                if (!IsCourseName(name)) {
                    Report(line, start + MeetingNameOffset, Severity::Error,
                           where + ": the racecourse name " + Quoted(name) +
                               " is not two double-byte characters");
                }
                words = MeetingLabelSize;
            }
            for (const std::size_t at : NumberedWordsNumerals) {
                const std::size_t offset = words + at;
                if (!IsDigitOrBlank(slot[offset])) {
                    Report(line, start + offset, Severity::Error,
                           where + ": " + Quoted(slot.substr(offset, 1)) +
                               " stands where a digit or a blank belongs");
                }
            }
        }
        const std::size_t end = layout_.End();
        if (text.size() >= end && !IsBlank(text.substr(end - 1))) {
            Report(line, end, Severity::Warning,
                   Count(text.size() - end + 1, "byte") + " after " + layout_.slotName + " " +
                       std::to_string(layout_.slots) +
                       (text.size() - end + 1 == 1 ? " is" : " are") + " never shown");
        }
    }

    // Only the name: a race text may end with the line, as editors trim
    // trailing blanks, and the list shows it as it is.
    void CheckRaceSlot(std::string_view text, int k, std::size_t line, std::size_t start,
                       const std::string& where) {
        if (RaceSlotIsEmpty(text, k)) {
            return;
        }
        const std::string_view name = RaceCourseName(text, k);
        if (!IsCourseName(name)) {
            Report(line, start, Severity::Error,
                   where + ": the racecourse name " + Quoted(name) +
                       " is not two double-byte characters");
        }
    }

    const CheckedFile& file_;
    const Layout& layout_;
    ScheduleYear year_;
    std::vector<Finding>& findings_;
    LineList lines_;
};

// Line i of every file describes the same day as line i of the meeting file.
void CheckSameDays(Checker& meetings, Checker& other) {
    if (!meetings.readable() || !other.readable()) {
        return;
    }
    const LineList& master = meetings.lines();
    const LineList& lines = other.lines();
    const std::size_t common = std::min(master.size(), lines.size());
    // A line added to or left out of one file shifts every day after it:
    // one report per run of differing lines says so without a flood.
    for (std::size_t i = 0; i < common;) {
        if (DateKey(lines[i], meetings.year()) == DateKey(master[i], meetings.year())) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < common &&
               DateKey(lines[end], meetings.year()) != DateKey(master[end], meetings.year())) {
            ++end;
        }
        std::string message = "the date " + Quoted(Slice(lines[i], 1, 4)) + " differs from " +
                              Quoted(Slice(master[i], 1, 4)) + " on line " + std::to_string(i + 1) +
                              " of " + std::string(meetings.name());
        if (end - i > 1) {
            message += ", and so do the dates of the " + Count(end - i - 1, "line") + " after it";
        }
        other.Report(i + 1, 1, Severity::Error, message);
        i = end;
    }
    if (master.size() != lines.size()) {
        const bool otherIsLonger = lines.size() > master.size();
        Checker& longer = otherIsLonger ? other : meetings;
        const Checker& shorter = otherIsLonger ? meetings : other;
        const std::size_t extra = std::max(master.size(), lines.size()) - common;
        longer.Report(common + 1, 1, Severity::Error,
                      std::string(shorter.name()) + " ends after " + Count(common, "line") +
                          (extra == 1 ? "; this line has no counterpart there"
                                      : "; this line and the " + Count(extra - 1, "line") +
                                            " after it have no counterpart there"));
    }
}

// A graded race belongs in the column of the meeting at its racecourse.
void CheckRacePlaces(const Checker& meetings, Checker& races) {
    if (!meetings.readable() || !races.readable()) {
        return;
    }
    const LineList& calendar = meetings.lines();
    const LineList& lines = races.lines();
    for (std::size_t i = 0; i < std::min(calendar.size(), lines.size()); ++i) {
        const RaceRow row = PlaceRaces(lines[i], calendar, i);
        for (int k = 1; k <= RaceSlots; ++k) {
            if (RaceSlotIsEmpty(lines[i], k)) {
                continue;
            }
            const std::string_view race = RaceText(lines[i], k);
            const auto shown = std::find_if(row.begin(), row.end(), [&](const auto& cell) {
                return cell && cell->data() == race.data();
            });
            int meeting = 0;
            for (int m = MeetingSlots; m >= 1; --m) {
                if (MeetingCourseName(calendar[i], m) == RaceCourseName(lines[i], k)) {
                    meeting = m;
                }
            }
            const int column = shown == row.end() ? 0 : static_cast<int>(shown - row.begin());
            if (meeting != 0 && column == meeting) {
                continue;
            }
            std::string message = "race slot " + std::to_string(k) + ": the racecourse " +
                                  Quoted(RaceCourseName(lines[i], k));
            message += meeting == 0 ? " has no meeting on line " + std::to_string(i + 1) + " of " +
                                          std::string(meetings.name())
                                    : " is meeting slot " + std::to_string(meeting);
            message += column == 0
                           ? ", and the list does not show the race"
                           : ", and the list shows the race in column " + std::to_string(column);
            races.Report(i + 1, RaceSlotStart(k), Severity::Error, message);
        }
    }
}

} // namespace

std::vector<Finding> CheckDataFiles(const CheckedFile& meetings, const CheckedFile& courses,
                                    const CheckedFile& races, ScheduleYear year) {
    const Layout meetingLayout = MeetingLayout();
    const Layout courseLayout = CourseLayout();
    const Layout raceLayout = RaceLayout();
    std::vector<Finding> meetingFindings;
    std::vector<Finding> courseFindings;
    std::vector<Finding> raceFindings;
    Checker meetingCheck(meetings, meetingLayout, year, meetingFindings);
    Checker courseCheck(courses, courseLayout, year, courseFindings);
    Checker raceCheck(races, raceLayout, year, raceFindings);
    CheckSameDays(meetingCheck, courseCheck);
    CheckSameDays(meetingCheck, raceCheck);
    CheckRacePlaces(meetingCheck, raceCheck);

    std::vector<Finding> all;
    for (std::vector<Finding>* findings : {&meetingFindings, &courseFindings, &raceFindings}) {
        std::stable_sort(findings->begin(), findings->end(),
                         [](const Finding& a, const Finding& b) {
                             return a.line != b.line ? a.line < b.line : a.column < b.column;
                         });
        std::move(findings->begin(), findings->end(), std::back_inserter(all));
    }
    return all;
}

std::vector<Finding> CheckDataFiles(const FileSource& files, ScheduleYear year) {
    const auto read = [&](std::string_view name) {
        CheckedFile file{files.PathOf(name), std::nullopt};
        try {
            file.bytes = files.LoadAllBytes(name);
        } catch (const FileOpenError&) {
        }
        return file;
    };
    return CheckDataFiles(read(MeetingFile), read(CourseFile), read(RaceFile), year);
}

std::string FormatFinding(const Finding& finding) {
    std::string out = finding.path;
    if (finding.line > 0) {
        out += ":" + std::to_string(finding.line) + ":" + std::to_string(finding.column);
    }
    out += finding.severity == Severity::Error ? ": error: " : ": warning: ";
    out += finding.message;
    return out;
}

} // namespace turvane
