#include "ScheduleTable.h"

#include "core/ByteText.h"
#include "core/CourseCalendar.h"
#include "core/Cp932.h"
#include "core/DataFiles.h"
#include "core/DateKeys.h"
#include "core/GradedRaces.h"
#include "core/Labels.h"
#include "core/LineList.h"
#include "core/MeetingCalendar.h"
#include "core/Translatable.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace turvane {

const std::array<std::string_view, DataFileCount> DataFileNames = {MeetingFile, CourseFile,
                                                                   RaceFile};

const std::array<std::size_t, DataFileCount> FullLineSizes = {
    MeetingSlotStart(MeetingSlots) + MeetingSlotSize - 1,
    CourseSlotStart(CourseCount) + NumberedWordsSize - 1,
    RaceSlotStart(RaceSlots) + RaceSlotSize - 1,
};

namespace {

// The words of a meeting as the layout spells them: "回 " and "日目".
constexpr std::string_view MeetingWord = "\x89\xf1 ";
constexpr std::string_view DayWord = "\x93\xfa\x96\xda";

// "1回 5日目", "2回12日目", or its blank-numeral forms.
std::string NumberedWords(const TableMeeting& m) {
    std::string out(1, m.number);
    out += MeetingWord;
    out[NumberedWordsTens] = m.dayTens;
    out += m.day;
    out += DayWord;
    return out;
}

// CourseNames without their marks, as code page 932, and the marks.
struct CourseBytes {
    std::array<std::string, CourseCount> names;
    std::array<std::string, CourseCount> marks;
};

const CourseBytes& Courses() {
    static const CourseBytes courses = [] {
        CourseBytes bytes;
        for (int c = 0; c < CourseCount; ++c) {
            const std::string label = Utf8ToCp932(CourseNames[c]).value_or("");
            bytes.marks[c] = label.substr(0, 2);
            bytes.names[c] = label.substr(2);
        }
        return bytes;
    }();
    return courses;
}

std::string_view Line(const LineList& lines, std::size_t i) {
    return i < lines.size() ? lines[i] : std::string_view();
}

LineList SplitFile(const CheckedFile& file) {
    return LineList::Split(file.bytes.value_or(""));
}

// The table's lines of one file, built as BuildDataFiles builds them.
LineList BuiltLines(const ScheduleTable& table, std::size_t file) {
    return LineList::Split(BuildDataFiles(table)[file]);
}

} // namespace

std::string CourseNameBytes(int c) {
    return Courses().names[static_cast<std::size_t>(c - 1)];
}

std::string DefaultMark(int c) {
    return Courses().marks[static_cast<std::size_t>(c - 1)];
}

int CourseOfName(std::string_view name) {
    const auto& names = Courses().names;
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? 0 : static_cast<int>(found - names.begin()) + 1;
}

bool IsDayOfYear(int year, int month, int day) {
    return ScheduleYear(year).HasDay(month, day);
}

DataFileBytes BuildDataFiles(const ScheduleTable& table) {
    DataFileBytes files;
    for (const TableDay& day : table.days) {
        char mmdd[8];
        std::snprintf(mmdd, sizeof mmdd, "%02d%02d", day.month % 100, day.day % 100);
        std::array<std::string, DataFileCount> lines;
        for (std::size_t f = 0; f < DataFileCount; ++f) {
            lines[f] = mmdd;
            lines[f].resize(FullLineSizes[f], ' ');
        }
        for (const TableMeeting& m : day.meetings) {
            std::string slot = m.mark;
            slot.resize(MeetingNameOffset, ' ');
            slot += CourseNameBytes(m.course);
            slot += ' ';
            const std::string words = NumberedWords(m);
            slot += words;
            lines[MeetingFileIndex].replace(MeetingSlotStart(m.slot) - 1, MeetingSlotSize, slot);
            lines[CourseFileIndex].replace(CourseSlotStart(m.course) - 1, NumberedWordsSize, words);
        }
        for (const TableRace& r : day.races) {
            std::string slot = CourseNameBytes(r.course) + ' ' + r.text;
            slot.resize(RaceSlotSize, ' ');
            lines[RaceFileIndex].replace(RaceSlotStart(r.slot) - 1, RaceSlotSize, slot);
        }
        for (std::size_t f = 0; f < DataFileCount; ++f) {
            if (day.lineSizes[f]) {
                lines[f].resize(*day.lineSizes[f], ' ');
            }
            files[f] += lines[f];
            files[f] += "\r\n";
        }
    }
    return files;
}

TableReading ReadDataFiles(const CheckedFile& meetings, const CheckedFile& courses,
                           const CheckedFile& races, int year, const RebuildFiles& rebuild) {
    TableReading reading;
    const std::array<const CheckedFile*, DataFileCount> checked = {&meetings, &courses, &races};
    const std::array<LineList, DataFileCount> stored = {SplitFile(meetings), SplitFile(courses),
                                                        SplitFile(races)};
    const auto report = [&](std::size_t file, std::size_t line, std::size_t column,
                            Severity severity, Message message) {
        reading.findings.push_back(
            {checked[file]->path, line, column, severity, std::move(message)});
    };
    // Which stored line each day of the table came from.
    std::vector<std::size_t> sourceLine;

    const LineList& calendar = stored[MeetingFileIndex];
    for (std::size_t i = 0; i < calendar.size(); ++i) {
        const std::string_view line = calendar[i];
        const std::optional<MonthDay> date = ParseMonthDay(line);
        TableDay day;
        if (date) {
            day.month = date->month;
            day.day = date->day;
        }
        if (!date || !IsDayOfYear(year, day.month, day.day)) {
            report(MeetingFileIndex, i + 1, 1, Severity::Error,
                   Message(QT_TRANSLATE_NOOP("DataCheck", "the date %1 is not a day of %2"),
                           {QuotedBytes(Slice(line, 1, 4)), std::to_string(year)}));
            continue;
        }
        for (int k = 1; k <= MeetingSlots; ++k) {
            const std::size_t start = MeetingSlotStart(k);
            const std::string_view slot = Slice(line, start, MeetingSlotSize);
            if (TrimTrailingBlanks(slot).empty()) {
                continue;
            }
            const std::string slotNumber = std::to_string(k);
            if (slot.size() < MeetingSlotSize) {
                report(MeetingFileIndex, i + 1, start, Severity::Error,
                       Message(QT_TRANSLATE_NOOP("DataCheck",
                                                 "meeting slot %1: the slot ends with the line"),
                               {slotNumber}));
                continue;
            }
            const std::string_view name = slot.substr(MeetingNameOffset, CourseNameSize);
            const int course = CourseOfName(name);
            if (course == 0) {
                report(MeetingFileIndex, i + 1, start + MeetingNameOffset, Severity::Error,
                       Message(QT_TRANSLATE_NOOP("DataCheck",
                                                 "meeting slot %1: the racecourse %2 is none "
                                                 "of the ten the course file has a column "
                                                 "for"),
                               {slotNumber, QuotedBytes(name)}));
                continue;
            }
            const auto twice =
                std::find_if(day.meetings.begin(), day.meetings.end(),
                             [&](const TableMeeting& m) { return m.course == course; });
            if (twice != day.meetings.end()) {
                report(MeetingFileIndex, i + 1, start + MeetingNameOffset, Severity::Error,
                       Message(QT_TRANSLATE_NOOP("DataCheck",
                                                 "meeting slot %1: the racecourse %2 also "
                                                 "holds meeting slot %3, and the course "
                                                 "file has one column for it"),
                               {slotNumber, QuotedBytes(name), std::to_string(twice->slot)}));
                continue;
            }
            const std::size_t words = MeetingLabelSize;
            day.meetings.push_back(
                {k, course, std::string(slot.substr(0, MeetingNameOffset)),
                 slot[words + NumberedWordsNumerals[0]], slot[words + NumberedWordsNumerals[1]],
                 HasTensDigit(slot, words) ? slot[words + NumberedWordsTens] : ' '});
        }
        if (day.meetings.empty()) {
            report(MeetingFileIndex, i + 1, 1, Severity::Warning,
                   Message(QT_TRANSLATE_NOOP("DataCheck",
                                             "the day holds no meeting; the CSV carries "
                                             "meeting days only, so an import leaves this "
                                             "line out")));
            continue;
        }
        const std::string_view raceLine = Line(stored[RaceFileIndex], i);
        for (int k = 1; k <= RaceSlots; ++k) {
            if (RaceSlotIsEmpty(raceLine, k)) {
                continue;
            }
            const std::string_view name = RaceCourseName(raceLine, k);
            const int course = CourseOfName(name);
            const bool held =
                std::any_of(day.meetings.begin(), day.meetings.end(),
                            [&](const TableMeeting& m) { return m.course == course; });
            if (course == 0 || !held) {
                report(RaceFileIndex, i + 1, RaceSlotStart(k), Severity::Error,
                       Message(QT_TRANSLATE_NOOP("DataCheck",
                                                 "race slot %1: the racecourse %2 holds no "
                                                 "meeting that day"),
                               {std::to_string(k), QuotedBytes(name)}));
                continue;
            }
            std::string_view text = RaceText(raceLine, k).substr(CourseNameSize);
            if (!text.empty() && text.front() == ' ') {
                text.remove_prefix(1);
            }
            day.races.push_back({k, course, std::string(TrimTrailingBlanks(text))});
        }
        reading.table.days.push_back(std::move(day));
        sourceLine.push_back(i);
    }

    // Days come in date order, each once, when the check passed; a table
    // must hold them so whatever the files hold.
    const auto& days = reading.table.days;
    for (std::size_t d = 1; d < days.size(); ++d) {
        if (days[d - 1].month * 100 + days[d - 1].day >= days[d].month * 100 + days[d].day) {
            report(MeetingFileIndex, sourceLine[d] + 1, 1, Severity::Error,
                   Message(QT_TRANSLATE_NOOP("DataCheck",
                                             "the lines are not in date order, each day once")));
        }
    }

    // The lines that are not at full width keep their size, where cutting or
    // padding the full line with blanks gives the stored line.
    for (std::size_t f = 0; f < DataFileCount; ++f) {
        const LineList built = BuiltLines(reading.table, f);
        for (std::size_t d = 0; d < reading.table.days.size(); ++d) {
            const std::string_view line = Line(stored[f], sourceLine[d]);
            std::string candidate(built[d]);
            if (line.size() == candidate.size()) {
                continue;
            }
            candidate.resize(line.size(), ' ');
            if (candidate == line) {
                reading.table.days[d].lineSizes[f] = line.size();
            }
        }
    }

    // Whatever else differs is what the table does not carry: say where.
    static constexpr std::array<const char*, DataFileCount> Reasons = {
        QT_TRANSLATE_NOOP("DataCheck", "the CSV carries each meeting's mark, racecourse and "
                                       "numbers, with the layout's words and blanks around them"),
        QT_TRANSLATE_NOOP("DataCheck", "the course file is built from the meetings, and they give "
                                       "other bytes here"),
        QT_TRANSLATE_NOOP("DataCheck", "the CSV carries each race's racecourse, slot and text, one "
                                       "blank between name and text"),
    };
    const DataFileBytes rebuilt = rebuild(reading.table);
    for (std::size_t f = 0; f < DataFileCount; ++f) {
        const LineList built = LineList::Split(rebuilt[f]);
        for (std::size_t d = 0; d < reading.table.days.size(); ++d) {
            const std::string_view line = Line(stored[f], sourceLine[d]);
            const std::string_view want = Line(built, d);
            if (line == want) {
                continue;
            }
            const auto [at, unused] =
                std::mismatch(line.begin(), line.end(), want.begin(), want.end());
            const std::size_t column = static_cast<std::size_t>(at - line.begin()) + 1;
            report(f, sourceLine[d] + 1, column, Severity::Warning,
                   Message(QT_TRANSLATE_NOOP("DataCheck", "an import of the CSV writes this line "
                                                          "otherwise from byte %1 on (%2)"),
                           {std::to_string(column), Message(Reasons[f])}));
        }
    }
    std::stable_sort(reading.findings.begin(), reading.findings.end(),
                     [&](const Finding& a, const Finding& b) {
                         const auto fileOf = [&](const Finding& x) {
                             for (std::size_t f = 0; f < DataFileCount; ++f) {
                                 if (x.path == checked[f]->path) {
                                     return f;
                                 }
                             }
                             return DataFileCount;
                         };
                         return std::make_tuple(fileOf(a), a.line, a.column) <
                                std::make_tuple(fileOf(b), b.line, b.column);
                     });
    return reading;
}

} // namespace turvane
