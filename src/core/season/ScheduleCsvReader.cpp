// A CSV file read into the season table, every problem at its cell.

#include "CsvRows.h"
#include "CsvSchema.h"
#include "ScheduleCsv.h"
#include "core/ByteText.h"
#include "core/CourseCalendar.h"
#include "core/Cp932.h"
#include "core/DataFiles.h"
#include "core/Errors.h"
#include "core/FileSource.h"
#include "core/LineList.h"
#include "core/MeetingCalendar.h"
#include "core/Translatable.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <set>

namespace turvane {

using namespace csv;

namespace {

// A cell's text for a message: quoted, cut after 40 characters, and with
// what is not UTF-8 or is a control character shown as U+FFFD, so that every
// message stays one line of UTF-8.
std::string Quoted(std::string_view text) {
    constexpr std::size_t MaxCharacters = 40;
    std::string out = "'";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        if (characters == MaxCharacters) {
            out += "\u2026";
            break;
        }
        char32_t c = 0;
        const std::size_t length = Utf8CharLength(text.substr(i), &c);
        if (length == 0 || c < 0x20 || c == 0x7f) {
            out += "\ufffd";
            i += std::max<std::size_t>(length, 1);
        } else {
            out += text.substr(i, length);
            i += length;
        }
    }
    return out + "'";
}

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return out;
}

// A whole number written with ASCII digits only; none when it is anything else.
std::optional<long> WholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stol(std::string(text));
}

std::string CourseList() {
    std::string out;
    for (std::size_t c = 0; c < CourseNames.size(); ++c) {
        out += (c == 0 ? "" : ", ") + std::string(CourseNames[c].substr(3));
    }
    return out;
}

struct CsvMeeting {
    TableMeeting meeting;
    std::size_t line = 0;
};
struct CsvRace {
    TableRace race;
    std::size_t line = 0;
    bool slotGiven = false;
};
struct CsvLine {
    std::size_t file = 0;
    std::size_t size = 0;
    std::size_t line = 0;
};
struct DayRows {
    int month = 0;
    int day = 0;
    std::vector<CsvMeeting> meetings;
    std::vector<CsvRace> races;
    std::vector<CsvLine> lines;
};

// A date as written in the CSV, year first: 2003-05-17, 2003/05/17,
// 2003/5/17; none when it has another shape. Whether it is a day is not
// asked yet.
struct CsvDate {
    long year = 0;
    long month = 0;
    long day = 0;
};

std::optional<CsvDate> ParseCsvDate(std::string_view text) {
    const std::size_t first = text.find_first_of("-/");
    const std::size_t second =
        first == std::string_view::npos ? first : text.find_first_of("-/", first + 1);
    if (second == std::string_view::npos || text[first] != text[second] || second - first - 1 > 2 ||
        text.size() - second - 1 > 2 || first != 4) {
        return std::nullopt;
    }
    const std::optional<long> y = WholeNumber(text.substr(0, first));
    const std::optional<long> m = WholeNumber(text.substr(first + 1, second - first - 1));
    const std::optional<long> d = WholeNumber(text.substr(second + 1));
    if (!y || !m || !d) {
        return std::nullopt;
    }
    return CsvDate{*y, *m, *d};
}

class CsvReader {
public:
    CsvReader(const std::string& path, std::optional<int> year)
        : path_(path), askedYear_(year), year_(year.value_or(ScheduleYear::Default)) {}

    CsvReading Read(std::string_view csv) {
        if (csv.substr(0, 3) == "\xef\xbb\xbf") { // the byte order mark some programs write
            csv.remove_prefix(3);
        }
        std::optional<CsvBreak> broken;
        std::vector<CsvRow> rows = ReadCsvRows(csv, broken);
        if (broken) {
            Report(broken->line, broken->column, Message(broken->message));
        }
        std::size_t r = 0;
        while (r < rows.size() && IsEmpty(rows[r])) {
            ++r;
        }
        if (r == rows.size()) {
            Report(1, 1,
                   Message(QT_TRANSLATE_NOOP("DataCheck",
                                             "the file holds no header row and no meeting")));
        } else if (ReadHeader(rows[r])) {
            ChooseYear(rows, r + 1);
            for (++r; r < rows.size(); ++r) {
                if (!IsEmpty(rows[r])) {
                    ReadRow(rows[r]);
                }
            }
            if (days_.empty() && !broken && reading_.problems.empty()) {
                Report(rows.back().line, 1,
                       Message(QT_TRANSLATE_NOOP("DataCheck", "the file holds no meeting")));
            }
            for (auto& [key, day] : days_) {
                AssembleDay(day);
            }
        }
        std::stable_sort(reading_.problems.begin(), reading_.problems.end(),
                         [](const Finding& a, const Finding& b) {
                             return a.line != b.line ? a.line < b.line : a.column < b.column;
                         });
        if (!reading_.problems.empty()) {
            reading_.table = {};
        }
        reading_.year = year_;
        return std::move(reading_);
    }

private:
    void Report(std::size_t line, std::size_t column, Message message) {
        reading_.problems.push_back({path_, line, column, Severity::Error, std::move(message)});
    }

    // The season's year: the one asked for, or else the one most dates are
    // in (the first of those that tie). A CSV whose dates all lie in another
    // year than the one asked for gets one message for all its rows.
    void ChooseYear(const std::vector<CsvRow>& rows, std::size_t first) {
        std::map<long, std::size_t> count;
        std::vector<std::pair<long, std::size_t>> firstRow; // year, row, in row order
        for (std::size_t r = first; r < rows.size(); ++r) {
            const std::optional<CsvDate> date = ParseCsvDate(TrimCell(CellOf(rows[r], Date).text));
            if (!date || date->year < ScheduleYear::First || date->year > ScheduleYear::Last) {
                continue;
            }
            if (count[date->year]++ == 0) {
                firstRow.emplace_back(date->year, r);
            }
        }
        if (firstRow.empty()) {
            return;
        }
        const auto most =
            std::max_element(firstRow.begin(), firstRow.end(), [&](const auto& a, const auto& b) {
                return count[a.first] < count[b.first];
            });
        if (!askedYear_) {
            year_ = static_cast<int>(most->first);
            return;
        }
        if (count.count(*askedYear_) == 0) {
            const At at = CellOf(rows[firstRow.front().second], Date);
            const std::string found = std::to_string(most->first);
            Report(at.line, at.column,
                   Message(QT_TRANSLATE_NOOP("DataCheck",
                                             "the dates are in %1, not in %2, the year asked for "
                                             "with --year; leave --year out to import the "
                                             "season of %1"),
                           {found, std::to_string(*askedYear_)}));
            otherYearReported_ = true;
        }
    }

    static bool IsEmpty(const CsvRow& row) {
        return std::all_of(row.cells.begin(), row.cells.end(),
                           [](const CsvCell& c) { return TrimCell(c.text).empty(); });
    }

    bool ReadHeader(const CsvRow& row) {
        columns_.fill(std::nullopt);
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            const std::string name = Lower(TrimCell(row.cells[i].text));
            const auto known = std::find(ColumnNames.begin(), ColumnNames.end(), name);
            if (known == ColumnNames.end()) {
                continue; // a column of the user's own, such as notes
            }
            auto& column = columns_[static_cast<std::size_t>(known - ColumnNames.begin())];
            if (column) {
                Report(
                    row.line, i + 1,
                    Message(QT_TRANSLATE_NOOP("DataCheck", "the column '%1' comes twice"), {name}));
                return false;
            }
            column = i;
        }
        std::string missing;
        for (const Column c : RequiredColumns) {
            if (!columns_[c]) {
                missing += (missing.empty() ? "" : ", ") + std::string(ColumnNames[c]);
            }
        }
        if (!missing.empty()) {
            std::string all;
            for (const std::string_view name : ColumnNames) {
                all += (all.empty() ? "" : ",") + std::string(name);
            }
            Report(
                row.line, 1,
                Message(QT_TRANSLATE_NOOP("DataCheck", "the header row lacks the column(s) %1; "
                                                       "the first row must name the columns: %2"),
                        {missing, all}));
            return false;
        }
        return true;
    }

    // The cell of a column in row: its text, and where it is for messages
    // (a missing cell is an empty one at the column's place).
    struct At {
        std::string_view text;
        std::size_t line;
        std::size_t column;
    };
    At CellOf(const CsvRow& row, Column c) const {
        if (!columns_[c]) {
            return {{}, row.line, 1};
        }
        const std::size_t i = *columns_[c];
        if (i >= row.cells.size()) {
            return {{}, row.line, i + 1};
        }
        return {row.cells[i].text, row.cells[i].line, i + 1};
    }

    // A text as code page 932; reports and gives nothing when it cannot be.
    std::optional<std::string> Encode(const At& at, const char* what) {
        std::size_t failedAt = 0;
        std::optional<std::string> bytes = Utf8ToCp932(at.text, &failedAt);
        if (!bytes) {
            char32_t c = 0;
            const std::size_t length = Utf8CharLength(at.text.substr(failedAt), &c);
            char code[16];
            if (length == 0) {
                std::snprintf(code, sizeof code, "0x%02X",
                              static_cast<unsigned>(static_cast<unsigned char>(at.text[failedAt])));
                Report(
                    at.line, at.column,
                    Message(QT_TRANSLATE_NOOP("DataCheck", "the %1: the byte %2 is not UTF-8 text"),
                            {what, std::string(code)}));
            } else {
                std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
                Report(at.line, at.column,
                       Message(QT_TRANSLATE_NOOP("DataCheck",
                                                 "the %1: '%2' (%3) has no code page 932 form"),
                               {what, std::string(at.text.substr(failedAt, length)),
                                std::string(code)}));
            }
            return std::nullopt;
        }
        // A line break would split the line, and a NUL ends the text.
        if (bytes->find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
            Report(at.line, at.column,
                   Message(QT_TRANSLATE_NOOP("DataCheck", "the %1 holds a line break or a NUL, "
                                                          "which a line of the data files cannot"),
                           {what}));
            return std::nullopt;
        }
        return bytes;
    }

    int ReadCourse(const At& at) {
        const std::optional<std::string> name = Encode(
            {TrimCell(at.text), at.line, at.column}, QT_TRANSLATE_NOOP("DataCheck", "racecourse"));
        if (!name) {
            return 0;
        }
        const int course = CourseOfName(*name);
        if (course == 0) {
            Report(at.line, at.column,
                   Message(QT_TRANSLATE_NOOP("DataCheck", "the racecourse %1 is none of %2"),
                           {Quoted(TrimCell(at.text)), CourseList()}));
        }
        return course;
    }

    // A one-digit field: a digit, or a blank for an empty cell.
    std::optional<char> ReadNumeral(const At& at, const char* what) {
        const std::string_view text = TrimCell(at.text);
        if (text.empty()) {
            return ' ';
        }
        if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') {
            return text[0];
        }
        Report(at.line, at.column,
               Message(QT_TRANSLATE_NOOP("DataCheck", "the %1 %2 does not fit its one-digit field "
                                                      "(0-9, or empty for a blank)"),
                       {what, Quoted(text)}));
        return std::nullopt;
    }

    // The day number's field: one or two digits, the first of two in the
    // tens place; blanks for an empty cell.
    std::optional<std::pair<char, char>> ReadDayNumber(const At& at) {
        const std::string_view text = TrimCell(at.text);
        const auto digit = [](char c) { return c >= '0' && c <= '9'; };
        if (text.empty()) {
            return std::make_pair(' ', ' ');
        }
        if (text.size() == 1 && digit(text[0])) {
            return std::make_pair(' ', text[0]);
        }
        if (text.size() == 2 && digit(text[0]) && digit(text[1])) {
            return std::make_pair(text[0], text[1]);
        }
        Report(at.line, at.column,
               Message(QT_TRANSLATE_NOOP("DataCheck", "the day number %1 does not fit its field "
                                                      "(0-99, or empty for a blank)"),
                       {Quoted(text)}));
        return std::nullopt;
    }

    // 1-3, or 0 for an empty cell; -1 after a report.
    int ReadSlot(const At& at) {
        const std::string_view text = TrimCell(at.text);
        if (text.empty()) {
            return 0;
        }
        const std::optional<long> slot = WholeNumber(text);
        if (!slot || *slot < 1 || *slot > 3) {
            Report(at.line, at.column,
                   Message(QT_TRANSLATE_NOOP("DataCheck",
                                             "the slot %1 is none of 1, 2 and 3 (or empty)"),
                           {Quoted(text)}));
            return -1;
        }
        return static_cast<int>(*slot);
    }

    // Year first, as ISO 8601 and as spreadsheets save it back: 2003-05-17,
    // 2003/05/17, 2003/5/17.
    std::optional<std::pair<int, int>> ReadDate(const At& at) {
        const std::string_view text = TrimCell(at.text);
        const auto fail = [&](const char* why) -> std::optional<std::pair<int, int>> {
            Report(at.line, at.column, Message(why, {Quoted(text), std::to_string(year_)}));
            return std::nullopt;
        };
        const std::optional<CsvDate> date = ParseCsvDate(text);
        if (!date) {
            return fail(
                QT_TRANSLATE_NOOP("DataCheck", "the date %1 is not a date written as YYYY-MM-DD"));
        }
        if (date->year != year_) {
            if (otherYearReported_) {
                return std::nullopt;
            }
            return fail(QT_TRANSLATE_NOOP("DataCheck",
                                          "the date %1 is not in %2, the year of the schedule"));
        }
        const int month = static_cast<int>(date->month);
        const int day = static_cast<int>(date->day);
        if (!IsDayOfYear(year_, month, day)) {
            return fail(QT_TRANSLATE_NOOP("DataCheck", "the date %1 is no day of %2"));
        }
        return std::make_pair(month, day);
    }

    void ReadRow(const CsvRow& row) {
        const At kindAt = CellOf(row, Kind);
        const std::string kind = Lower(TrimCell(kindAt.text));
        const std::optional<std::pair<int, int>> date = ReadDate(CellOf(row, Date));
        if (kind != "meeting" && kind != "race" && kind != "line") {
            Report(kindAt.line, kindAt.column,
                   Message(QT_TRANSLATE_NOOP("DataCheck",
                                             "the kind %1 is none of meeting, race and line"),
                           {Quoted(TrimCell(kindAt.text))}));
            return;
        }
        std::optional<CsvMeeting> meeting;
        std::optional<CsvRace> race;
        std::optional<CsvLine> line;
        if (kind == "meeting") {
            meeting = ReadMeeting(row);
        } else if (kind == "race") {
            race = ReadRace(row);
        } else {
            line = ReadLine(row);
        }
        if (date && kind == "meeting" && !meeting) {
            // Its races are not to be called homeless for that.
            daysWithBadMeetings_.insert(date->first * 100 + date->second);
        }
        if (!date || (!meeting && !race && !line)) {
            return;
        }
        DayRows& day = days_[date->first * 100 + date->second];
        day.month = date->first;
        day.day = date->second;
        if (meeting) {
            day.meetings.push_back(std::move(*meeting));
        } else if (race) {
            day.races.push_back(std::move(*race));
        } else {
            day.lines.push_back(*line);
        }
    }

    std::optional<CsvMeeting> ReadMeeting(const CsvRow& row) {
        CsvMeeting m{{}, row.line};
        m.meeting.course = ReadCourse(CellOf(row, Racecourse));
        const std::optional<char> number =
            ReadNumeral(CellOf(row, Number), QT_TRANSLATE_NOOP("DataCheck", "meeting number"));
        const std::optional<std::pair<char, char>> day = ReadDayNumber(CellOf(row, DayNumber));
        m.meeting.slot = ReadSlot(CellOf(row, Slot));
        const At markAt = CellOf(row, Mark);
        std::optional<std::string> mark;
        if (!markAt.text.empty()) {
            mark = Encode(markAt, QT_TRANSLATE_NOOP("DataCheck", "mark"));
            if (mark && mark->size() != MeetingNameOffset) {
                Report(markAt.line, markAt.column,
                       Message(QT_TRANSLATE_NOOP("DataCheck",
                                                 "the mark %1 takes %2 bytes in code page "
                                                 "932; it must take 2 (one full-width "
                                                 "character)"),
                               {Quoted(markAt.text), std::to_string(mark->size())}));
                mark.reset();
            }
            if (!mark) {
                return std::nullopt;
            }
        }
        if (m.meeting.course == 0 || !number || !day || m.meeting.slot < 0) {
            return std::nullopt;
        }
        m.meeting.number = *number;
        m.meeting.dayTens = day->first;
        m.meeting.day = day->second;
        m.meeting.mark = mark ? *mark : DefaultMark(m.meeting.course);
        return m;
    }

    std::optional<CsvRace> ReadRace(const CsvRow& row) {
        CsvRace r{{}, row.line, false};
        r.race.course = ReadCourse(CellOf(row, Racecourse));
        r.race.slot = ReadSlot(CellOf(row, Slot));
        r.slotGiven = r.race.slot > 0;
        const At textAt = CellOf(row, Race);
        std::optional<std::string> text =
            Encode(textAt, QT_TRANSLATE_NOOP("DataCheck", "race text"));
        if (text) {
            // The padding is the layout's: trailing blanks carry nothing.
            text->resize(TrimTrailingBlanks(*text).size());
            if (text->size() > RaceTextSize) {
                Report(textAt.line, textAt.column,
                       Message(QT_TRANSLATE_NOOP("DataCheck",
                                                 "the race text takes %1 bytes in code page "
                                                 "932; at most %2 fit (a full-width "
                                                 "character takes 2)"),
                               {std::to_string(text->size()), std::to_string(RaceTextSize)}));
                text.reset();
            }
        }
        if (r.race.course == 0 || r.race.slot < 0 || !text) {
            return std::nullopt;
        }
        r.race.text = std::move(*text);
        return r;
    }

    std::optional<CsvLine> ReadLine(const CsvRow& row) {
        CsvLine l{0, 0, row.line};
        const At fileAt = CellOf(row, File);
        const std::string name = Lower(TrimCell(fileAt.text));
        const auto file = std::find_if(DataFileNames.begin(), DataFileNames.end(),
                                       [&](std::string_view n) { return Lower(n) == name; });
        bool ok = true;
        if (file == DataFileNames.end()) {
            Report(fileAt.line, fileAt.column,
                   Message(QT_TRANSLATE_NOOP("DataCheck", "the file %1 is none of %2, %3 and %4"),
                           {Quoted(TrimCell(fileAt.text)), std::string(MeetingFile),
                            std::string(CourseFile), std::string(RaceFile)}));
            ok = false;
        } else {
            l.file = static_cast<std::size_t>(file - DataFileNames.begin());
        }
        const At bytesAt = CellOf(row, Bytes);
        const std::optional<long> size = WholeNumber(TrimCell(bytesAt.text));
        if (!size || *size > static_cast<long>(MaxLineSize)) {
            Report(bytesAt.line, bytesAt.column,
                   Message(QT_TRANSLATE_NOOP("DataCheck",
                                             "the line size %1 is no number of bytes from 0 to %2"),
                           {Quoted(TrimCell(bytesAt.text)), std::to_string(MaxLineSize)}));
            ok = false;
        } else {
            l.size = static_cast<std::size_t>(*size);
        }
        return ok ? std::optional<CsvLine>(l) : std::nullopt;
    }

    // A day's rows put together into the table's day: the meetings in their
    // slots, the races under their meetings, the sizes of short lines. The
    // day joins the table only when none of its rows had a problem.
    void AssembleDay(DayRows& rows) {
        const std::string date = DateText(year_, rows.month, rows.day);
        const bool badMeeting = daysWithBadMeetings_.count(rows.month * 100 + rows.day) > 0;
        TableDay day;
        day.month = rows.month;
        day.day = rows.day;
        const std::size_t before = reading_.problems.size();
        day.meetings = PlaceMeetings(rows, date);
        if (rows.meetings.empty()) {
            ReportRowsWithoutAMeeting(rows, date, badMeeting);
            return;
        }
        day.races = PlaceRaces(rows, date, day.meetings, badMeeting);
        KeepLineSizes(rows, date, day);
        if (reading_.problems.size() == before) {
            reading_.table.days.push_back(std::move(day));
        }
    }

    // Where a message about the day's date points: the date cell of a row.
    std::pair<std::size_t, std::size_t> DateAt(std::size_t line) const {
        const std::size_t column = columns_[Date] ? *columns_[Date] + 1 : 1;
        return std::make_pair(line, column);
    }

    std::size_t ColumnOf(Column c) const { return *columns_[c] + 1; }

    // The meetings in their slots: the slots given first, then the rest in
    // row order. One meeting a racecourse, three at most.
    std::vector<TableMeeting> PlaceMeetings(const DayRows& rows, const std::string& date) {
        std::array<const CsvMeeting*, 4> slotOwner{};
        std::map<int, const CsvMeeting*> courseOwner;
        for (const CsvMeeting& m : rows.meetings) {
            if (const auto [it, added] = courseOwner.emplace(m.meeting.course, &m); !added) {
                Report(m.line, ColumnOf(Racecourse),
                       Message(QT_TRANSLATE_NOOP("DataCheck",
                                                 "%1 has a meeting on %2 on line %3 already; "
                                                 "a racecourse holds one meeting a day"),
                               {CourseNameUtf8(m.meeting.course), date,
                                std::to_string(it->second->line)}));
                continue;
            }
            if (m.meeting.slot > 0) {
                if (slotOwner[m.meeting.slot] != nullptr) {
                    Report(
                        m.line, ColumnOf(Slot),
                        Message(QT_TRANSLATE_NOOP("DataCheck", "meeting slot %1 of %2 is taken by "
                                                               "the meeting on line %3"),
                                {std::to_string(m.meeting.slot), date,
                                 std::to_string(slotOwner[m.meeting.slot]->line)}));
                    continue;
                }
                slotOwner[m.meeting.slot] = &m;
            }
        }
        std::vector<std::size_t> extra;
        for (const CsvMeeting& m : rows.meetings) {
            if (courseOwner[m.meeting.course] != &m || m.meeting.slot > 0) {
                continue;
            }
            int slot = 1;
            while (slot <= 3 && slotOwner[slot] != nullptr) {
                ++slot;
            }
            if (slot > 3) {
                extra.push_back(m.line);
                continue;
            }
            slotOwner[slot] = &m;
        }
        if (!extra.empty()) {
            std::vector<std::size_t> all;
            for (const CsvMeeting& m : rows.meetings) {
                all.push_back(m.line);
            }
            const auto [line, column] = DateAt(extra.front());
            Report(
                line, column,
                Message(QT_TRANSLATE_NOOP("DataCheck", "more than three meetings on %1 (lines %2); "
                                                       "a day has three meeting slots"),
                        {date, Lines(all)}));
        }
        std::vector<TableMeeting> meetings;
        for (int slot = 1; slot <= 3; ++slot) {
            if (slotOwner[slot] != nullptr) {
                TableMeeting meeting = slotOwner[slot]->meeting;
                meeting.slot = slot;
                meetings.push_back(meeting);
            }
        }
        return meetings;
    }

    // Races and short lines on a day without meetings belong nowhere; said
    // once, unless a meeting of the day was refused already.
    void ReportRowsWithoutAMeeting(const DayRows& rows, const std::string& date, bool badMeeting) {
        if (badMeeting) {
            return;
        }
        const std::size_t line =
            !rows.races.empty() ? rows.races.front().line : rows.lines.front().line;
        const auto [l, column] = DateAt(line);
        Report(l, column,
               Message(QT_TRANSLATE_NOOP("DataCheck",
                                         "there is no meeting on %1 for this row to belong to"),
                       {date}));
    }

    // Races: each in its meeting's column, so never in a slot after the
    // meeting's; one per racecourse. In slot order.
    std::vector<TableRace> PlaceRaces(const DayRows& rows, const std::string& date,
                                      const std::vector<TableMeeting>& meetings, bool badMeeting) {
        std::vector<TableRace> races;
        std::array<const CsvRace*, 4> raceSlotOwner{};
        std::map<int, const CsvRace*> raceCourseOwner;
        for (const CsvRace& r : rows.races) {
            const auto meeting =
                std::find_if(meetings.begin(), meetings.end(),
                             [&](const TableMeeting& m) { return m.course == r.race.course; });
            if (meeting == meetings.end()) {
                if (badMeeting) {
                    continue;
                }
                Report(r.line, ColumnOf(Racecourse),
                       Message(QT_TRANSLATE_NOOP("DataCheck",
                                                 "there is no meeting at %1 on %2 for this "
                                                 "race to belong to"),
                               {CourseNameUtf8(r.race.course), date}));
                continue;
            }
            if (const auto [it, added] = raceCourseOwner.emplace(r.race.course, &r); !added) {
                Report(
                    r.line, ColumnOf(Racecourse),
                    Message(
                        QT_TRANSLATE_NOOP("DataCheck", "%1 has a graded race on %2 on line %3 "
                                                       "already; the list shows one race per "
                                                       "meeting"),
                        {CourseNameUtf8(r.race.course), date, std::to_string(it->second->line)}));
                continue;
            }
            const int slot = r.slotGiven ? r.race.slot : meeting->slot;
            if (slot > meeting->slot) {
                Report(r.line, ColumnOf(Slot),
                       Message(QT_TRANSLATE_NOOP("DataCheck",
                                                 "race slot %1 comes after meeting slot %2 "
                                                 "of %3, so the list would not show the "
                                                 "race under its meeting; leave the slot "
                                                 "empty"),
                               {std::to_string(slot), std::to_string(meeting->slot),
                                CourseNameUtf8(r.race.course)}));
                continue;
            }
            if (raceSlotOwner[slot] != nullptr) {
                Report(
                    r.line, ColumnOf(Slot),
                    Message(
                        QT_TRANSLATE_NOOP("DataCheck", "race slot %1 of %2 is taken by the race "
                                                       "on line %3"),
                        {std::to_string(slot), date, std::to_string(raceSlotOwner[slot]->line)}));
                continue;
            }
            raceSlotOwner[slot] = &r;
            TableRace race = r.race;
            race.slot = slot;
            races.push_back(std::move(race));
        }
        std::sort(races.begin(), races.end(),
                  [](const TableRace& a, const TableRace& b) { return a.slot < b.slot; });
        return races;
    }

    // Line sizes, each file's once: never shorter than the bytes of the
    // day's line that are not blanks.
    void KeepLineSizes(const DayRows& rows, const std::string& date, TableDay& day) {
        ScheduleTable alone;
        alone.days.push_back(day);
        const DataFileBytes full = BuildDataFiles(alone);
        std::array<const CsvLine*, DataFileCount> lineOwner{};
        for (const CsvLine& l : rows.lines) {
            const std::string_view name = DataFileNames[l.file];
            if (lineOwner[l.file] != nullptr) {
                Report(l.line, ColumnOf(Date),
                       Message(QT_TRANSLATE_NOOP("DataCheck", "the size of the line of %1 on %2 is "
                                                              "given on line %3 already"),
                               {std::string(name), date, std::to_string(lineOwner[l.file]->line)}));
                continue;
            }
            lineOwner[l.file] = &l;
            const std::string_view text =
                std::string_view(full[l.file]).substr(0, full[l.file].size() - 2); // the CR LF
            const std::size_t needed = TrimTrailingBlanks(text).size();
            if (l.size < needed) {
                Report(
                    l.line, columns_[Bytes] ? *columns_[Bytes] + 1 : 1,
                    Message(
                        QT_TRANSLATE_NOOP("DataCheck", "the line of %1 on %2 holds %3 bytes that "
                                                       "are not all blanks; it cannot end after "
                                                       "%4"),
                        {std::string(name), date, std::to_string(needed), std::to_string(l.size)}));
                continue;
            }
            if (l.size != text.size()) {
                day.lineSizes[l.file] = l.size;
            }
        }
    }

    static std::string CourseNameUtf8(int course) {
        return std::string(CourseNames[static_cast<std::size_t>(course - 1)].substr(3));
    }

    const std::string& path_;
    std::optional<int> askedYear_;
    int year_;
    bool otherYearReported_ = false;
    CsvReading reading_;
    std::array<std::optional<std::size_t>, ColumnNames.size()> columns_;
    std::map<int, DayRows> days_;
    std::set<int> daysWithBadMeetings_;
};

} // namespace

CsvReading ReadScheduleCsv(std::string_view csv, const std::string& path, std::optional<int> year) {
    return CsvReader(path, year).Read(csv);
}

} // namespace turvane
