#include "core/check/DataCheck.h"

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

std::vector<Piece> NumberedWordPieces(std::size_t at) {
    return {{at + NumberedWordsNumerals[0], QT_TRANSLATE_NOOP("DataCheck", "first numeral")},
            {at + NumberedWordsWords[0], QT_TRANSLATE_NOOP("DataCheck", "first word")},
            {at + NumberedWordsNumerals[1], QT_TRANSLATE_NOOP("DataCheck", "second numeral")},
            {at + NumberedWordsWords[1], QT_TRANSLATE_NOOP("DataCheck", "second word")}};
}

Layout MeetingLayout() {
    Layout layout{QT_TRANSLATE_NOOP("DataCheck", "meeting slot %1"),
                  MeetingSlots,
                  MeetingSlotStart,
                  MeetingSlotSize,
                  {{0, QT_TRANSLATE_NOOP("DataCheck", "racecourse label")},
                   {MeetingNameOffset, QT_TRANSLATE_NOOP("DataCheck", "racecourse name")},
                   {MeetingNameOffset + CourseNameSize,
                    QT_TRANSLATE_NOOP("DataCheck", "blank after the racecourse name")}},
                  MeetingNameOffset,
                  MeetingLabelSize};
    const std::vector<Piece> words = NumberedWordPieces(MeetingLabelSize);
    layout.pieces.insert(layout.pieces.end(), words.begin(), words.end());
    return layout;
}

Layout CourseLayout() {
    return {QT_TRANSLATE_NOOP("DataCheck", "course slot %1"),
            CourseCount,
            CourseSlotStart,
            NumberedWordsSize,
            NumberedWordPieces(0),
            std::nullopt,
            0};
}

Layout RaceLayout() {
    return {QT_TRANSLATE_NOOP("DataCheck", "race slot %1"),
            RaceSlots,
            RaceSlotStart,
            RaceSlotSize,
            {{0, QT_TRANSLATE_NOOP("DataCheck", "racecourse name")},
             {CourseNameSize, QT_TRANSLATE_NOOP("DataCheck", "race text")}},
            0,
            std::nullopt,
            true};
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

std::string Number(std::size_t n) {
    return std::to_string(n);
}

// English has a singular; the translations word both the same way if theirs
// has none.
const char* Plural(std::size_t n, const char* one, const char* many) {
    return n == 1 ? one : many;
}

class Checker {
public:
    Checker(const CheckedFile& file, const Layout& layout, ScheduleYear year,
            std::vector<Finding>& findings)
        : file_(file), layout_(layout), year_(year), findings_(findings) {
        if (!file.bytes) {
            Report(0, 0, Severity::Error, QT_TRANSLATE_NOOP("DataCheck", "cannot open the file"));
            return;
        }
        CheckNul(*file.bytes);
        lines_ = LineList::Split(*file.bytes);
        dates_.resize(lines_.size());
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const std::size_t line = i + 1;
            if (lines_[i].empty()) {
                Report(line, 1, Severity::Error,
                       QT_TRANSLATE_NOOP("DataCheck", "the line is empty"));
                continue;
            }
            dates_[i] = CheckDate(lines_[i], line);
            const std::size_t badBytes = CheckCharacters(lines_[i], line);
            CheckSlots(lines_[i], line, badBytes);
        }
    }

    bool readable() const { return file_.bytes.has_value(); }
    ScheduleYear year() const { return year_; }
    const LineList& lines() const { return lines_; }
    // The line's date as a number (MMDD), or none when it has no valid one.
    std::optional<int> date(std::size_t i) const { return dates_[i]; }
    std::string name() const {
        const std::string_view path = file_.path;
        return std::string(path.substr(path.rfind('/') + 1));
    }

    void Report(std::size_t line, std::size_t column, Severity severity, Message message) {
        findings_.push_back({file_.path, line, column, severity, std::move(message)});
    }

    // Dates out of order or repeated, among the lines the comparison with the
    // other files did not already blame.
    void CheckOrder(const std::vector<bool>& blamed) {
        std::optional<std::size_t> previous;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (!dates_[i] || blamed[i]) {
                continue;
            }
            if (previous) {
                CheckOrder(*previous, i);
            }
            previous = i;
        }
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
        const std::size_t rest = bytes.size() - nul - 1;
        Report(line, column, Severity::Warning,
               Message(Plural(rest,
                              QT_TRANSLATE_NOOP(
                                  "DataCheck",
                                  "a NUL byte ends the text here; what follows it (%1 byte) is "
                                  "never read"),
                              QT_TRANSLATE_NOOP(
                                  "DataCheck",
                                  "a NUL byte ends the text here; what follows it (%1 bytes) is "
                                  "never read")),
                       {Number(rest)}));
    }

    // Four digits making a day of the schedule's year, as MMDD; none when
    // they do not.
    std::optional<int> CheckDate(std::string_view text, std::size_t line) {
        const std::string_view mmdd = Slice(text, 1, 4);
        const std::optional<MonthDay> date = ParseMonthDay(text);
        if (!date) {
            Report(line, 1, Severity::Error,
                   Message(QT_TRANSLATE_NOOP("DataCheck",
                                             "the date %1 is not four digits (month and day)"),
                           {QuotedBytes(mmdd)}));
            return std::nullopt;
        }
        const int month = date->month;
        const int dayOfMonth = date->day;
        if (!year_.HasDay(month, dayOfMonth)) {
            Report(line, 1, Severity::Error,
                   Message(QT_TRANSLATE_NOOP("DataCheck", "the date %1 is not a day of %2"),
                           {QuotedBytes(mmdd), std::string(year_.text())}));
            return std::nullopt;
        }
        return month * 100 + dayOfMonth;
    }

    void CheckOrder(std::size_t previous, std::size_t i) {
        const std::string mmdd = QuotedBytes(Slice(lines_[i], 1, 4));
        if (*dates_[i] == *dates_[previous]) {
            Report(i + 1, 1, Severity::Error,
                   Message(QT_TRANSLATE_NOOP("DataCheck", "the date %1 repeats the one on line %2"),
                           {mmdd, Number(previous + 1)}));
        } else if (*dates_[i] < *dates_[previous]) {
            Report(
                i + 1, 1, Severity::Error,
                Message(QT_TRANSLATE_NOOP(
                            "DataCheck",
                            "the date %1 comes after %2 on line %3; the lines must be in date "
                            "order"),
                        {mmdd, QuotedBytes(Slice(lines_[previous], 1, 4)), Number(previous + 1)}));
        }
    }

    // Where the piece starting at 1-based byte position, if any, lies.
    std::optional<Message> PieceAt(std::size_t position) const {
        if (position == layout_.End()) {
            return Message(QT_TRANSLATE_NOOP("DataCheck", "the bytes after %1"),
                           {layout_.Slot(layout_.slots)});
        }
        for (int k = 1; k <= layout_.slots; ++k) {
            for (const Piece& piece : layout_.pieces) {
                if (layout_.slotStart(k) + piece.offset == position) {
                    return Message(QT_TRANSLATE_NOOP("DataCheck", "the %1 of %2"),
                                   {Message(piece.name), layout_.Slot(k)});
                }
            }
        }
        return std::nullopt;
    }

    // Walks the line as code page 932 reads it. Reports bytes that are no
    // character and double-byte characters that a piece boundary or the end
    // of the line cuts. Returns the number of such reports.
    std::size_t CheckCharacters(std::string_view text, std::size_t line) {
        std::size_t reports = 0;
        const auto report = [&](std::size_t column, Message message) {
            Report(line, column, Severity::Error, std::move(message));
            ++reports;
        };
        using Kind = Cp932Step::Kind;
        for (std::size_t i = 0; i < text.size();) {
            // The decoder's own steps, so a report falls where a U+FFFD shows.
            const Cp932Step step = StepCp932(text, i);
            if (step.kind == Kind::UndefinedSingle) {
                report(i + 1,
                       Message(QT_TRANSLATE_NOOP("DataCheck",
                                                 "the byte %1 is not a character of code page 932"),
                               {Hex(text.substr(i, 1))}));
            } else if (step.kind == Kind::CutByEnd) {
                report(i + 1,
                       QT_TRANSLATE_NOOP("DataCheck",
                                         "a double-byte character is cut by the end of the line"));
                break;
            } else if (std::optional<Message> piece =
                           step.startsPair() ? PieceAt(i + 2) : std::nullopt) {
                report(i + 1, Message(QT_TRANSLATE_NOOP(
                                          "DataCheck",
                                          "a double-byte character is cut: its second byte (byte "
                                          "%1) starts %2"),
                                      {Number(i + 2), std::move(*piece)}));
                i += 2;
                continue;
            } else if (step.kind == Kind::UndefinedPair) {
                report(i + 1, Message(QT_TRANSLATE_NOOP(
                                          "DataCheck",
                                          "the bytes %1 are not a character of code page 932"),
                                      {Hex(text.substr(i, 2))}));
            }
            i += step.length;
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
            if (slot.size() < layout_.slotSize && !layout_.freeText) {
                Report(
                    line, start, Severity::Error,
                    Message(
                        Plural(slot.size(),
                               QT_TRANSLATE_NOOP("DataCheck",
                                                 "%1 ends with the line after %2 byte of its %3"),
                               QT_TRANSLATE_NOOP("DataCheck",
                                                 "%1 ends with the line after %2 bytes of its %3")),
                        {layout_.Slot(k), Number(slot.size()), Number(layout_.slotSize)}));
                continue;
            }
            if (layout_.nameAt) {
                const std::string_view name = slot.substr(*layout_.nameAt, CourseNameSize);
                if (layout_.freeText && IsBlank(name)) {
                    continue;
                }
                if (!IsCourseName(name)) {
                    Report(line, start + *layout_.nameAt, Severity::Error, NotACourseName(k, name));
                }
            }
            if (!layout_.wordsAt) {
                continue;
            }
            for (const std::size_t at : NumberedWordsNumerals) {
                const std::size_t offset = *layout_.wordsAt + at;
                if (!IsDigitOrBlank(slot[offset])) {
                    Report(
                        line, start + offset, Severity::Error,
                        Message(QT_TRANSLATE_NOOP("DataCheck",
                                                  "%1: %2 stands where a digit or a blank belongs"),
                                {layout_.Slot(k), QuotedBytes(slot.substr(offset, 1))}));
                }
            }
        }
        const std::size_t end = layout_.End();
        if (text.size() >= end && !IsBlank(text.substr(end - 1))) {
            const std::size_t after = text.size() - end + 1;
            Report(
                line, end, Severity::Warning,
                Message(Plural(after,
                               QT_TRANSLATE_NOOP("DataCheck", "%1 byte after %2 is never shown"),
                               QT_TRANSLATE_NOOP("DataCheck", "%1 bytes after %2 are never shown")),
                        {Number(after), layout_.Slot(layout_.slots)}));
        }
    }

    Message NotACourseName(int k, std::string_view name) const {
        return Message(
            QT_TRANSLATE_NOOP("DataCheck",
                              "%1: the racecourse name %2 is not two double-byte characters"),
            {layout_.Slot(k), QuotedBytes(name)});
    }

    const CheckedFile& file_;
    const Layout& layout_;
    ScheduleYear year_;
    std::vector<Finding>& findings_;
    LineList lines_;
    std::vector<std::optional<int>> dates_;
};

// Reads the three files side by side, one day at a time, the way a reader
// compares them: the date two files agree on is the right one, so a date, a
// missing line or a line too many in one file is blamed on that file alone.
// Lines with no valid date (reported already) pair with whatever the other
// files have at that place.
class Alignment {
public:
    // A day the meeting and race files both have: line indexes.
    struct Pair {
        std::size_t meeting;
        std::size_t race;
    };

    explicit Alignment(std::array<Checker*, 3> files) : files_(files) {
        bool allRead = true;
        for (std::size_t f = 0; f < 3; ++f) {
            blamed_[f].assign(files_[f]->lines().size(), false);
            allRead = allRead && files_[f]->readable();
            for (std::size_t i = 0; i < files_[f]->lines().size(); ++i) {
                if (!files_[f]->lines()[i].empty()) {
                    entries_[f].push_back(i);
                }
            }
        }
        if (allRead) {
            Walk();
            FlushAll();
            return;
        }
        // Two files cannot outvote each other: the races go with the
        // meetings line by line, as the windows pair them.
        const std::size_t common = std::min(files_[0]->lines().size(), files_[2]->lines().size());
        for (std::size_t i = 0; i < common; ++i) {
            pairs_.push_back({i, i});
        }
    }

    const std::vector<bool>& blamed(std::size_t f) const { return blamed_[f]; }
    const std::vector<Pair>& pairs() const { return pairs_; }

private:
    static constexpr int End = 100000; // after every date
    static constexpr int Invalid = -1;

    bool Done(std::size_t f) const { return head_[f] >= entries_[f].size(); }
    std::size_t Line(std::size_t f, std::size_t at) const { return entries_[f][at]; }
    // The date at the head of f, or a later entry.
    int DateAt(std::size_t f, std::size_t ahead = 0) const {
        const std::size_t at = head_[f] + ahead;
        if (at >= entries_[f].size()) {
            return End;
        }
        return files_[f]->date(Line(f, at)).value_or(Invalid);
    }
    std::size_t Remaining(std::size_t f) const { return entries_[f].size() - head_[f]; }
    std::string Mmdd(std::size_t f) const {
        return QuotedBytes(Slice(files_[f]->lines()[Line(f, head_[f])], 1, 4));
    }

    void Advance(std::initializer_list<std::size_t> files) {
        if (!Done(0) && !Done(2) && std::find(files.begin(), files.end(), 0) != files.end() &&
            std::find(files.begin(), files.end(), 2) != files.end()) {
            pairs_.push_back({Line(0, head_[0]), Line(2, head_[2])});
        }
        for (const std::size_t f : files) {
            ++head_[f];
        }
    }

    void Walk() {
        while (!Done(0) || !Done(1) || !Done(2)) {
            const std::array<int, 3> d{DateAt(0), DateAt(1), DateAt(2)};
            if (std::find(d.begin(), d.end(), Invalid) != d.end() &&
                std::find(d.begin(), d.end(), End) == d.end()) {
                Advance({0, 1, 2});
                continue;
            }
            const auto valid = [](int date) { return date != Invalid && date != End; };
            int least = End;
            for (const int date : d) {
                if (valid(date)) {
                    least = std::min(least, date);
                }
            }
            if (least == End) {
                // Only lines without a date are left, in one or two files.
                for (std::size_t f = 0; f < 3; ++f) {
                    if (!Done(f)) {
                        Extra(f);
                        ++head_[f];
                    }
                }
                continue;
            }
            std::vector<std::size_t> on;
            std::vector<std::size_t> off;
            for (std::size_t f = 0; f < 3; ++f) {
                (d[f] == least ? on : off).push_back(f);
            }
            if (off.empty()) {
                Advance({0, 1, 2});
            } else if (on.size() == 2) {
                OneFileDiffers(off[0], on[0], on[1]);
            } else {
                OneFileHasTheDay(on[0], off[0], off[1]);
            }
        }
    }

    // Files a and b have the day, file o has a later one or has ended: o
    // either lacks the line or has the wrong date on it. The lines after
    // tell which: after a missing line, a and b go on with o's date.
    void OneFileDiffers(std::size_t o, std::size_t a, std::size_t b) {
        const bool missing = Done(o) || (DateAt(a, 1) == DateAt(o) && DateAt(b, 1) == DateAt(o)) ||
                             (!GoOnAlike(o, a, b) && Remaining(o) < Remaining(a));
        if (missing) {
            Missing(o, a, b);
            Advance({a, b});
        } else {
            WrongDate(o, a, b);
        }
    }

    // Only file s has the day; the others have a later one or have ended:
    // s has a line too many, or the wrong date on it.
    void OneFileHasTheDay(std::size_t s, std::size_t a, std::size_t b) {
        const bool othersAgree = DateAt(a) == DateAt(b) && DateAt(a) != End;
        if (othersAgree && DateAt(s, 1) != DateAt(a) &&
            (GoOnAlike(s, a, b) || Remaining(s) <= Remaining(a))) {
            WrongDate(s, a, b);
            return;
        }
        if (!othersAgree && !Done(a) && !Done(b) && DateAt(s, 1) != DateAt(a) &&
            DateAt(s, 1) != DateAt(b)) {
            // All three differ, and the next line settles nothing: each file
            // is compared with the meeting file, as the windows pair them.
            Disagree();
            return;
        }
        Extra(s);
        ++head_[s];
    }

    // The line after the head is dated alike in all three.
    bool GoOnAlike(std::size_t f, std::size_t a, std::size_t b) const {
        return DateAt(f, 1) == DateAt(a, 1) && DateAt(f, 1) == DateAt(b, 1);
    }

    // f has the wrong date on a line that a and b agree on.
    void WrongDate(std::size_t f, std::size_t a, std::size_t b) {
        const std::size_t line = Line(f, head_[f]);
        if (DateAt(f) != Invalid) {
            files_[f]->Report(
                line + 1, 1, Severity::Error,
                Message(QT_TRANSLATE_NOOP("DataCheck", "the date %1 should be %2, as in %3 and %4"),
                        {Mmdd(f), Mmdd(a), files_[a]->name(), files_[b]->name()}));
        }
        blamed_[f][line] = true;
        Advance({0, 1, 2});
    }

    void Disagree() {
        const std::size_t meetingLine = Line(0, head_[0]);
        for (std::size_t f = 1; f < 3; ++f) {
            if (DateAt(f) != DateAt(0)) {
                const std::size_t line = Line(f, head_[f]);
                files_[f]->Report(
                    line + 1, 1, Severity::Error,
                    Message(QT_TRANSLATE_NOOP("DataCheck",
                                              "the date %1 differs from %2 on line %3 of %4"),
                            {Mmdd(f), Mmdd(0), Number(meetingLine + 1), files_[0]->name()}));
                blamed_[f][line] = true;
            }
        }
        Advance({0, 1, 2});
    }

    // A run of lines missing at one place is one finding.
    void Missing(std::size_t o, std::size_t a, std::size_t b) {
        const std::size_t from = a == 0 || b != 0 ? a : b; // the meeting file when it has it
        const std::size_t place = Done(o) ? files_[o]->lines().size() : Line(o, head_[o]);
        Run& run = runs_[o];
        if (run.kind == Run::Kind::Missing && run.place == place && run.other == from) {
            ++run.count;
            run.last = Mmdd(from);
        } else {
            Flush(o);
            run = {Run::Kind::Missing,      place,      1,         from,
                   Line(from, head_[from]), Mmdd(from), Mmdd(from)};
        }
    }

    // A run of lines that only one file has is one finding.
    void Extra(std::size_t s) {
        const std::size_t line = Line(s, head_[s]);
        blamed_[s][line] = true;
        Run& run = runs_[s];
        if (run.kind == Run::Kind::Extra && run.place + run.count == line) {
            ++run.count;
            return;
        }
        Flush(s);
        const bool dated = DateAt(s) != Invalid;
        run = {Run::Kind::Extra, line, 1, 0, 0, dated ? Mmdd(s) : std::string(), {}};
    }

    void Flush(std::size_t f) {
        Run& run = runs_[f];
        const std::array<std::size_t, 2> others{f == 0 ? 1u : 0u, f == 2 ? 1u : 2u};
        if (run.kind == Run::Kind::Missing) {
            files_[f]->Report(
                run.place + 1, 1, Severity::Error,
                run.count == 1
                    ? Message(
                          QT_TRANSLATE_NOOP("DataCheck",
                                            "a line for %1 is missing here; %2 has it on line %3"),
                          {run.first, files_[run.other]->name(), Number(run.otherLine + 1)})
                    : Message(QT_TRANSLATE_NOOP(
                                  "DataCheck",
                                  "%1 lines are missing here, for %2 to %3; %4 has them from line "
                                  "%5 on"),
                              {Number(run.count), run.first, run.last, files_[run.other]->name(),
                               Number(run.otherLine + 1)}));
        } else if (run.kind == Run::Kind::Extra) {
            files_[f]->Report(
                run.place + 1, 1, Severity::Error,
                run.count == 1
                    ? Message(
                          QT_TRANSLATE_NOOP("DataCheck", "this line (%1) is in neither %2 nor %3"),
                          {run.first.empty() ? std::string("''") : run.first,
                           files_[others[0]]->name(), files_[others[1]]->name()})
                    : Message(Plural(run.count - 1,
                                     QT_TRANSLATE_NOOP(
                                         "DataCheck",
                                         "this line and the one after it are in neither %2 nor %3"),
                                     QT_TRANSLATE_NOOP(
                                         "DataCheck",
                                         "this line and the %1 after it are in neither %2 nor %3")),
                              {Number(run.count - 1), files_[others[0]]->name(),
                               files_[others[1]]->name()}));
        }
        run = {};
    }

    void FlushAll() {
        for (std::size_t f = 0; f < 3; ++f) {
            Flush(f);
        }
    }

    struct Run {
        enum class Kind { None, Missing, Extra };
        Kind kind = Kind::None;
        std::size_t place = 0; // 0-based line the run is reported at
        std::size_t count = 0;
        std::size_t other = 0;     // for missing lines: the file that has them
        std::size_t otherLine = 0; // and where they begin there
        std::string first;
        std::string last;
    };

    std::array<Checker*, 3> files_;
    std::array<std::vector<std::size_t>, 3> entries_; // non-empty lines
    std::array<std::size_t, 3> head_{};
    std::array<std::vector<bool>, 3> blamed_;
    std::array<Run, 3> runs_;
    std::vector<Pair> pairs_;
};

// A graded race belongs in the column of the meeting at its racecourse.
void CheckRacePlaces(const Checker& meetings, Checker& races,
                     const std::vector<Alignment::Pair>& days) {
    if (!meetings.readable() || !races.readable()) {
        return;
    }
    const LineList& calendar = meetings.lines();
    const LineList& lines = races.lines();
    for (const auto [m, i] : days) {
        const RaceRow row = PlaceRaces(lines[i], calendar, m);
        for (int k = 1; k <= RaceSlots; ++k) {
            if (RaceSlotIsEmpty(lines[i], k)) {
                continue;
            }
            const std::string_view race = RaceText(lines[i], k);
            const auto shown = std::find_if(row.begin(), row.end(), [&](const auto& cell) {
                return cell && cell->data() == race.data();
            });
            int meeting = 0;
            for (int slot = MeetingSlots; slot >= 1; --slot) {
                if (MeetingCourseName(calendar[m], slot) == RaceCourseName(lines[i], k)) {
                    meeting = slot;
                }
            }
            const int column = shown == row.end() ? 0 : static_cast<int>(shown - row.begin());
            if (meeting != 0 && column == meeting) {
                continue;
            }
            const std::string course = QuotedBytes(RaceCourseName(lines[i], k));
            const std::string slot = std::to_string(k);
            Message message =
                meeting == 0
                    ? (column == 0
                           ? Message(QT_TRANSLATE_NOOP(
                                         "DataCheck",
                                         "race slot %1: the racecourse %2 has no meeting on "
                                         "line %3 of %4, and the list does not show the "
                                         "race"),
                                     {slot, course, Number(m + 1), meetings.name()})
                           : Message(
                                 QT_TRANSLATE_NOOP(
                                     "DataCheck",
                                     "race slot %1: the racecourse %2 has no meeting on "
                                     "line %3 of %4, and the list shows the race in "
                                     "column %5"),
                                 {slot, course, Number(m + 1), meetings.name(), Number(column)}))
                    : (column == 0 ? Message(QT_TRANSLATE_NOOP(
                                                 "DataCheck",
                                                 "race slot %1: the racecourse %2 is meeting slot "
                                                 "%3, and the list does not show the race"),
                                             {slot, course, Number(meeting)})
                                   : Message(QT_TRANSLATE_NOOP(
                                                 "DataCheck",
                                                 "race slot %1: the racecourse %2 is meeting slot "
                                                 "%3, and the list shows the race in column %4"),
                                             {slot, course, Number(meeting), Number(column)}));
            races.Report(i + 1, RaceSlotStart(k), Severity::Error, std::move(message));
        }
    }
}

} // namespace

CheckReport CheckDataFiles(const CheckedFile& meetings, const CheckedFile& courses,
                           const CheckedFile& races, ScheduleYear year) {
    const Layout meetingLayout = MeetingLayout();
    const Layout courseLayout = CourseLayout();
    const Layout raceLayout = RaceLayout();
    std::array<std::vector<Finding>, 3> findings;
    Checker meetingCheck(meetings, meetingLayout, year, findings[0]);
    Checker courseCheck(courses, courseLayout, year, findings[1]);
    Checker raceCheck(races, raceLayout, year, findings[2]);
    const std::array<Checker*, 3> checks{&meetingCheck, &courseCheck, &raceCheck};
    const Alignment alignment(checks);
    for (std::size_t f = 0; f < 3; ++f) {
        checks[f]->CheckOrder(alignment.blamed(f));
    }
    CheckRacePlaces(meetingCheck, raceCheck, alignment.pairs());

    CheckReport report;
    for (std::size_t f = 0; f < 3; ++f) {
        report.lines += checks[f]->lines().size();
        std::stable_sort(findings[f].begin(), findings[f].end(),
                         [](const Finding& a, const Finding& b) {
                             return a.line != b.line ? a.line < b.line : a.column < b.column;
                         });
        std::move(findings[f].begin(), findings[f].end(), std::back_inserter(report.findings));
    }
    return report;
}

CheckedFile ReadCheckedFile(const FileSource& files, std::string_view name) {
    CheckedFile file{files.PathOf(name), std::nullopt};
    try {
        file.bytes = files.LoadAllBytes(name);
    } catch (const FileOpenError&) {
    }
    return file;
}

CheckReport CheckDataFiles(const FileSource& files, ScheduleYear year) {
    return CheckDataFiles(ReadCheckedFile(files, MeetingFile), ReadCheckedFile(files, CourseFile),
                          ReadCheckedFile(files, RaceFile), year);
}

} // namespace turvane
