#include "core/season/ScheduleCsv.h"
#include "core/Cp932.h"
#include "core/check/DataCheck.h"
#include "core/season/NewFiles.h"

#include "CaseName.h"
#include "TempDir.h"

#include <gtest/gtest.h>

// GCC 12 warns, falsely, of an uninitialised std::function inside its own
// std::regex once the sanitizers are on; the warning is in the library's code.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#pragma GCC diagnostic pop

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iconv.h>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

using namespace turvane;
namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Cp932(std::string_view utf8) {
    return Utf8ToCp932(utf8).value();
}

// The three files with every line ended by CR LF, as the import writes them.
DataFileBytes WithCrLf(const DataFileBytes& files) {
    DataFileBytes out;
    for (std::size_t f = 0; f < DataFileCount; ++f) {
        const std::string& in = files[f];
        for (std::size_t i = 0; i < in.size(); ++i) {
            if (in[i] == '\r' || in[i] == '\n') {
                out[f] += "\r\n";
                i += in[i] == '\r' && i + 1 < in.size() && in[i + 1] == '\n';
            } else {
                out[f] += in[i];
            }
        }
    }
    return out;
}

// A year of meeting days made from a random start value, as someone might keep one by
// hand: one to three meetings a day at different racecourses, in any of the
// slots; marks of the course's own or another; numerals or blanks; graded
// races in their meeting's slot or an earlier one, with commas, quotes,
// kana and leading blanks in their texts; lines cut in their blank tails or
// padded past the last slot; and the given line end. Day numbers run up to
// lastDay, those of 10 and more with their tens digit after "回".
DataFileBytes GeneratedYear(unsigned start, int dayCount, const std::string& lineEnd,
                            int lastDay = 9) {
    std::mt19937 random(start);
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    const std::vector<std::string> marks = {"◎", "＊", "**", "ｱｲ", "  "};
    const std::vector<std::string> pieces = {"G",  "Ⅲ",  "賞", "ｶﾅ", ",",  "\"", " ",  "S",
                                             "杯", "（", "）", "ー", "・", "\\", "2歳"};
    // Cut or pad a line in its blank tail.
    const auto tail = [&](std::string line) {
        const std::size_t content = line.find_last_not_of(' ') + 1;
        switch (pick(4)) {
        case 0:
            line.resize(content + pick(line.size() - content + 1));
            break;
        case 1:
            line.append(1 + pick(5), ' ');
            break;
        default:
            break;
        }
        return line;
    };
    DataFileBytes files;
    std::chrono::sys_days date = std::chrono::sys_days{std::chrono::year{2003} / 1 / 1};
    for (int d = 0; d < dayCount; ++d) {
        date += std::chrono::days{1 + static_cast<int>(pick(3))};
        const std::chrono::year_month_day ymd{date};
        char mmdd[8];
        std::snprintf(mmdd, sizeof mmdd, "%02u%02u", static_cast<unsigned>(ymd.month()),
                      static_cast<unsigned>(ymd.day()));
        std::string cal1 = std::string(mmdd) + std::string(48, ' ');
        std::string cal2 = std::string(mmdd) + std::string(90, ' ');
        std::string races = std::string(mmdd) + std::string(114, ' ');
        std::vector<int> courses = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        std::shuffle(courses.begin(), courses.end(), random);
        std::vector<int> slots = {1, 2, 3};
        std::shuffle(slots.begin(), slots.end(), random);
        const std::size_t meetings = 1 + pick(3);
        std::vector<bool> raceSlotTaken(4, false);
        for (std::size_t m = 0; m < meetings; ++m) {
            const int course = courses[m];
            const int slot = slots[m];
            const char number = pick(10) == 0 ? ' ' : static_cast<char>('1' + pick(9));
            const int day =
                pick(10) == 0 ? 0 : 1 + static_cast<int>(pick(static_cast<std::size_t>(lastDay)));
            const std::string words = std::string(1, number) + Cp932("回") +
                                      (day >= 10 ? static_cast<char>('0' + day / 10) : ' ') +
                                      (day == 0 ? ' ' : static_cast<char>('0' + day % 10)) +
                                      Cp932("日目");
            const std::string mark =
                pick(5) == 0 ? Cp932(marks[pick(marks.size())]) : DefaultMark(course);
            cal1.replace(static_cast<std::size_t>(16 * slot - 12), 16,
                         mark + CourseNameBytes(course) + " " + words);
            cal2.replace(static_cast<std::size_t>(9 * course - 5), 9, words);
            if (pick(2) == 0) {
                continue;
            }
            int raceSlot = 1 + static_cast<int>(pick(static_cast<std::size_t>(slot)));
            while (raceSlot <= slot && raceSlotTaken[raceSlot]) {
                ++raceSlot;
            }
            if (raceSlot > slot) {
                continue;
            }
            raceSlotTaken[raceSlot] = true;
            std::string text = pick(4) == 0 ? "  " : " ";
            while (text.size() < 20) {
                text += Cp932(pieces[pick(pieces.size())]);
            }
            text.resize(34, ' ');
            races.replace(static_cast<std::size_t>(38 * raceSlot - 34), 38,
                          CourseNameBytes(course) + text);
        }
        files[MeetingFileIndex] += tail(cal1) + lineEnd;
        files[CourseFileIndex] += tail(cal2) + lineEnd;
        files[RaceFileIndex] += tail(races) + lineEnd;
    }
    return files;
}

struct YearCase {
    const char* name;
    std::function<DataFileBytes()> files;
};

void PrintTo(const YearCase& c, std::ostream* os) {
    *os << c.name;
}

// What a spreadsheet may do to the CSV when it saves it back.
struct SavedBack {
    const char* name;
    std::function<std::string(std::string)> change;
};

void PrintTo(const SavedBack& c, std::ostream* os) {
    *os << c.name;
}

std::string Replace(const std::string& text, const char* pattern, const char* with) {
    return std::regex_replace(text, std::regex(pattern), with);
}

class RoundTrip : public testing::TestWithParam<std::tuple<YearCase, SavedBack>> {};

TEST_P(RoundTrip, GivesBackTheSameBytes) {
    const DataFileBytes original = std::get<0>(GetParam()).files();
    const auto checked = [&](std::size_t f) {
        return CheckedFile{std::string(DataFileNames[f]), original[f]};
    };
    ASSERT_EQ(CheckDataFiles(checked(0), checked(1), checked(2), ScheduleYear()).findings.size(),
              0u)
        << "the year must check clean";

    const CsvExport exported = ExportScheduleCsv(checked(0), checked(1), checked(2), 2003);
    ASSERT_TRUE(exported.ok);
    for (const Finding& f : exported.findings) {
        ADD_FAILURE() << FormatFinding(f);
    }
    const std::string csv = std::get<1>(GetParam()).change(exported.csv);
    const CsvImport imported = ImportScheduleCsv(csv, "season.csv", 2003);
    for (const Finding& f : imported.problems) {
        ADD_FAILURE() << FormatFinding(f);
    }
    ASSERT_TRUE(imported.files);
    const DataFileBytes expected = WithCrLf(original);
    for (std::size_t f = 0; f < DataFileCount; ++f) {
        EXPECT_EQ((*imported.files)[f], expected[f]) << DataFileNames[f];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Years, RoundTrip,
    testing::Combine(
        testing::Values(
            YearCase{"SampleYear",
                     [] {
                         DataFileBytes files;
                         for (std::size_t f = 0; f < DataFileCount; ++f) {
                             files[f] = ReadFile(fs::path(TURVANE_SAMPLE_DIR) / DataFileNames[f]);
                         }
                         return files;
                     }},
            YearCase{"GeneratedCrLf", [] { return GeneratedYear(1, 120, "\r\n"); }},
            YearCase{"GeneratedLf", [] { return GeneratedYear(2, 150, "\n"); }},
            YearCase{"GeneratedCr", [] { return GeneratedYear(3, 90, "\r"); }},
            YearCase{"GeneratedWholeYear", [] { return GeneratedYear(4, 180, "\r\n"); }},
            YearCase{"TenAndTwelveDayMeetings",
                     [] {
                         DataFileBytes files = GeneratedYear(5, 150, "\r\n", 12);
                         for (const char* days : {"10", "12"}) {
                             const std::string words = Cp932("回") + days + Cp932("日目");
                             EXPECT_NE(files[0].find(words), std::string::npos);
                         }
                         return files;
                     }}),
        testing::Values(
            SavedBack{"AsExported", [](std::string csv) { return csv; }},
            SavedBack{"SlashDates",
                      [](std::string csv) {
                          return Replace(csv, "2003-([0-9]{2})-([0-9]{2})", "2003/$1/$2");
                      }},
            SavedBack{"SlashDatesWithoutZeros",
                      [](std::string csv) {
                          csv = Replace(csv, "2003-0?([0-9]+)-0?([0-9]+)", "2003/$1/$2");
                          return csv;
                      }},
            SavedBack{"QuotesAddedAndDropped",
                      [](std::string csv) {
                          // Cells that start with a blank lose their quotes;
                          // kinds and dates gain some.
                          csv = Replace(csv, ",\"( [^\",\r\n]*)\",", ",$1,");
                          csv = Replace(csv, ",(2003-[0-9]{2}-[0-9]{2}),", ",\"$1\",");
                          return Replace(csv, "(^|\n)(meeting|race|line),", "$1\"$2\",");
                      }},
            SavedBack{"TrailingEmptyCellsAndRows",
                      [](std::string csv) {
                          return Replace(csv, ",+\r\n", "\r\n") + ",,,\r\n\r\n,,,,,,,,,,,,\r\n";
                      }},
            SavedBack{"LfAndRowsReversed",
                      [](std::string csv) {
                          std::vector<std::string> rows;
                          std::size_t start = 0;
                          for (std::size_t end;
                               (end = csv.find("\r\n", start)) != std::string::npos;
                               start = end + 2) {
                              rows.push_back(csv.substr(start, end - start));
                          }
                          std::reverse(rows.begin() + 1, rows.end());
                          std::string out;
                          for (const std::string& row : rows) {
                              out += row + "\n";
                          }
                          return out;
                      }})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

// Bad input: every problem at its line and column, and no files.
struct BadCase {
    const char* name;
    std::string body;                  // the rows after the header
    std::vector<std::string> problems; // "LINE:COLUMN: message"
    bool header = true;                // whether the body follows the usual header
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string Header = "kind,date,racecourse,meeting,day,mark,slot,race,file,bytes\r\n";
const std::string Kyoto = "meeting,2003-01-05,京都,1,1,,,,,\r\n";

class BadInput : public testing::TestWithParam<BadCase> {};

TEST_P(BadInput, SaysWhereAndWritesNothing) {
    const std::string csv = (GetParam().header ? Header : "") + GetParam().body;
    const CsvImport imported = ImportScheduleCsv(csv, "s.csv", 2003);
    EXPECT_FALSE(imported.files);
    std::vector<std::string> problems;
    for (const Finding& f : imported.problems) {
        problems.push_back(FormatFinding(f));
    }
    std::vector<std::string> expected;
    for (const std::string& problem : GetParam().problems) {
        const std::size_t colon = problem.find(": ");
        expected.push_back("s.csv:" + problem.substr(0, colon) +
                           ": error: " + problem.substr(colon + 2));
    }
    EXPECT_EQ(problems, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadInput,
    testing::Values(
        BadCase{"DateIsNoDayOfTheYear",
                "meeting,2003-02-29,京都,1,1,,,,,\r\n",
                {"2:2: the date '2003-02-29' is no day of 2003"}},
        BadCase{"DateOfAnotherYear",
                Kyoto + "meeting,2004-01-05,阪神,1,1,,,,,\r\n",
                {"3:2: the date '2004-01-05' is not in 2003, the year of the schedule"}},
        // Said once for the whole file, not once a row.
        BadCase{"EveryDateInAnotherYearThanAsked",
                "meeting,2027-01-05,京都,1,1,,,,,\r\nmeeting,2027-01-06,京都,1,2,,,,,\r\n"
                "race,2026-01-06,京都,,,,,A,,\r\nmeeting,2027-01-07,京都,1,12,,,,,\r\n",
                {"2:2: the dates are in 2027, not in 2003, the year asked for with --year; leave "
                 "--year out to import the season of 2027"}},
        BadCase{"DayNumberOfThreeDigits",
                "meeting,2003-01-05,京都,1,100,,,,,\r\n",
                {"2:5: the day number '100' does not fit its field (0-99, or empty for a "
                 "blank)"}},
        BadCase{"DateWithAFiveDigitYear",
                "meeting,02003-01-05,京都,1,1\r\n",
                {"2:2: the date '02003-01-05' is not a date written as YYYY-MM-DD"}},
        BadCase{"DateMonthFirst",
                "meeting,01/05/2003,京都,1,1\r\n",
                {"2:2: the date '01/05/2003' is not a date written as YYYY-MM-DD"}},
        BadCase{"UnknownRacecourse",
                "meeting,2003-01-05,大井,1,1,,,,,\r\n",
                {"2:3: the racecourse '大井' is none of 京都, 阪神, 中京, 小倉, 東京, 中山, 福島, "
                 "新潟, 札幌, 函館"}},
        BadCase{"NumberTooWide",
                "meeting,2003-01-05,京都,10,1,,,,,\r\n",
                {"2:4: the meeting number '10' does not fit its one-digit field (0-9, or empty for "
                 "a blank)"}},
        BadCase{"FullWidthDigit",
                "meeting,2003-01-05,京都,1,２,,,,,\r\n",
                {"2:5: the day number '２' does not fit its field (0-99, or empty for a "
                 "blank)"}},
        BadCase{"MarkTooWide",
                "meeting,2003-01-05,京都,1,1,★★,,,,\r\n",
                {"2:6: the mark '★★' takes 4 bytes in code page 932; it must take 2 (one "
                 "full-width character)"}},
        BadCase{"SlotOutOfRange",
                "meeting,2003-01-05,京都,1,1,,4,,,\r\n",
                {"2:7: the slot '4' is none of 1, 2 and 3 (or empty)"}},
        BadCase{"RaceTextTooLong",
                Kyoto + "race,2003-01-05,京都,,,,,京都大賞典京都大賞典京都大賞典京都,,\r\n",
                {"3:8: the race text takes 34 bytes in code page 932; at most 33 fit (a full-width "
                 "character takes 2)"}},
        BadCase{"RaceTextThatJustFits",
                Kyoto + "race,2003-01-05,京都,,,,,京都大賞典京都大賞典京都大賞典京A,,\r\n"
                        "meeting,2003-01-05,阪神,1,x\r\n",
                {"4:5: the day number 'x' does not fit its field (0-99, or empty for a "
                 "blank)"}},
        BadCase{"RaceTextWithoutCodePage932Form",
                Kyoto + "race,2003-01-05,京都,,,,,京都〜杯,,\r\n",
                {"3:8: the race text: '〜' (U+301C) has no code page 932 form"}},
        BadCase{"RaceTextNotUtf8",
                Kyoto + "race,2003-01-05,京都,,,,,\xff,,\r\n",
                {"3:8: the race text: the byte 0xFF is not UTF-8 text"}},
        BadCase{"RaceTextWithALineBreak",
                Kyoto + "race,2003-01-05,京都,,,,,\"two\r\nlines\",,\r\n",
                {"3:8: the race text holds a line break or a NUL, which a line of the data files "
                 "cannot"}},
        BadCase{"FourMeetingsOnADay",
                Kyoto + "meeting,2003-01-05,阪神,1,1\r\nmeeting,2003-01-05,中京,1,1\r\n"
                        "meeting,2003-01-05,小倉,1,1\r\n",
                {"5:2: more than three meetings on 2003-01-05 (lines 2, 3, 4 and 5); a day has "
                 "three meeting slots"}},
        BadCase{"RacecourseTwiceOnADay",
                Kyoto + "meeting,2003-01-05,京都,1,2,,,,,\r\n",
                {"3:3: 京都 has a meeting on 2003-01-05 on line 2 already; a racecourse holds one "
                 "meeting a day"}},
        BadCase{"MeetingSlotTaken",
                "meeting,2003-01-05,京都,1,1,,2\r\nmeeting,2003-01-05,阪神,1,1,,2\r\n",
                {"3:7: meeting slot 2 of 2003-01-05 is taken by the meeting on line 2"}},
        BadCase{"RaceWithoutItsMeeting",
                Kyoto + "race,2003-01-05,阪神,,,,,桜花賞,,\r\n",
                {"3:3: there is no meeting at 阪神 on 2003-01-05 for this race to belong to"}},
        BadCase{"RaceOnADayWithoutMeetings",
                "race,2003-01-06,京都,,,,,桜花賞,,\r\n" + Kyoto,
                {"2:2: there is no meeting on 2003-01-06 for this row to belong to"}},
        BadCase{"RaceSlotAfterItsMeeting",
                Kyoto + "race,2003-01-05,京都,,,,2,桜花賞,,\r\n",
                {"3:7: race slot 2 comes after meeting slot 1 of 京都, so the list would not show "
                 "the race under its meeting; leave the slot empty"}},
        BadCase{"TwoRacesForOneMeeting",
                Kyoto + "race,2003-01-05,京都,,,,,A,,\r\nrace,2003-01-05,京都,,,,,B,,\r\n",
                {"4:3: 京都 has a graded race on 2003-01-05 on line 3 already; the list shows one "
                 "race per meeting"}},
        BadCase{"UnknownKind",
                "meet,2003-01-05,京都,1,1\r\n",
                {"2:1: the kind 'meet' is none of meeting, race and line"}},
        BadCase{"LineCutsAMeeting",
                Kyoto + "line,2003-01-05,,,,,,,Cal1.dat,19\r\n",
                {"3:10: the line of Cal1.dat on 2003-01-05 holds 20 bytes that are not all"
                 " blanks; it cannot end after 19"}},
        BadCase{"LineOfAnotherFile",
                Kyoto + "line,2003-01-05,,,,,,,Cal3.dat,20\r\n",
                {"3:9: the file 'Cal3.dat' is none of Cal1.dat, Cal2.dat and jyuusyou.dat"}},
        BadCase{"QuoteInsideAnUnquotedCell",
                Kyoto + "race,2003-01-05,京都,,,,,a\"b\r\n",
                {"3:8: a '\"' stands inside a cell that is not quoted; write it as '\"\"' inside a "
                 "quoted cell"}},
        BadCase{"QuotedCellNeverClosed",
                Kyoto + "race,2003-01-05,京都,,,,,\"ab\r\n\r\n",
                {"3:8: a quoted cell starts here and is never closed (a '\"' is missing)"}},
        BadCase{
            "MissingColumns",
            "kind,date,meeting\r\n" + Kyoto,
            {"1:1: the header row lacks the column(s) racecourse, day, slot, race; the first row "
             "must name the columns: kind,date,racecourse,meeting,day,mark,slot,race,file,bytes"},
            false},
        BadCase{"HeaderNamesInAnyCaseAndWithBlanks",
                " Kind ,DATE,racecourse,meeting,day,slot,race\r\nmeeting,2003-01-05,京都,1,1,0\r\n",
                {"2:6: the slot '0' is none of 1, 2 and 3 (or empty)"},
                false},
        BadCase{"LongCellCutInItsMessage",
                "meeting,2003-01-05," + std::string(41, 'x') + ",1,1\r\n",
                {"2:3: the racecourse '" + std::string(40, 'x') +
                 "…' is none of 京都, 阪神, 中京, 小倉, 東京, 中山, 福島, 新潟, 札幌, 函館"}},
        BadCase{
            "Empty", "\r\n,,,\r\n", {"1:1: the file holds no header row and no meeting"}, false},
        BadCase{"RaceOfABadMeetingIsNotBlamedToo",
                "meeting,2003-01-05,京都,1,x\r\nrace,2003-01-05,京都,,,,,A\r\n",
                {"2:5: the day number 'x' does not fit its field (0-99, or empty for a "
                 "blank)"}},
        BadCase{
            "EveryProblemAtOnce",
            "meeting,2003-13-01,京都,x,1,,,,,\r\n" + Kyoto + "race,2003-01-05,阪神,,,,,A\r\n",
            {"2:2: the date '2003-13-01' is no day of 2003",
             "2:4: the meeting number 'x' does not fit its one-digit field (0-9, or empty for a "
             "blank)",
             "4:3: there is no meeting at 阪神 on 2003-01-05 for this race to belong to"}}),
    CaseName());

// Without a year asked for, the season is of the year its dates are in:
// most of them, the first of those that tie; a date of another year is
// named on its row.
TEST(CsvYear, ComesFromTheDatesUnlessAskedFor) {
    const std::string rows = Header + "meeting,2027-05-30,京都,3,12\r\n"
                                      "meeting,2026-05-31,京都,3,12\r\n"
                                      "meeting,2027/6/5,京都,4,1\r\n";
    const CsvImport fromDates = ImportScheduleCsv(
        rows.substr(0, rows.rfind("meeting,2026")) + "meeting,2027/6/5,京都,4,1\r\n", "s.csv");
    ASSERT_TRUE(fromDates.files);
    EXPECT_EQ(fromDates.year, 2027);
    EXPECT_EQ((*fromDates.files)[MeetingFileIndex].substr(0, 20),
              "0530" + Cp932("★京都 3回12日目"));

    const CsvImport mixed = ImportScheduleCsv(rows, "s.csv");
    EXPECT_EQ(mixed.year, 2027);
    ASSERT_EQ(mixed.problems.size(), 1u);
    EXPECT_EQ(FormatFinding(mixed.problems[0]),
              "s.csv:3:2: error: the date '2026-05-31' is not in 2027, the year of the schedule");

    const CsvImport asked = ImportScheduleCsv(rows, "s.csv", 2026);
    EXPECT_EQ(asked.year, 2026);
    EXPECT_EQ(asked.problems.size(), 2u);
}

TEST(CsvCells, QuotedCommasQuotesAndLineBreaksStayInTheirCell) {
    // A note of the user's own spans two lines; the rows after it keep their
    // line numbers.
    const std::string csv = "kind,date,racecourse,meeting,day,mark,slot,race,notes\r\n"
                            "meeting,2003-01-05,京都,1,1,,,,\"first line,\r\nsecond line\"\r\n"
                            "race,2003-01-05,京都,,,,,\"京都金杯, \"\"GⅢ\"\"\"\r\n"
                            "meeting,2003-01-05,福島,1,x\r\n";
    const CsvImport bad = ImportScheduleCsv(csv, "s.csv", 2003);
    ASSERT_EQ(bad.problems.size(), 1u);
    EXPECT_EQ(FormatFinding(bad.problems[0]).substr(0, 12), "s.csv:5:5: e");

    const CsvImport good = ImportScheduleCsv(csv.substr(0, csv.rfind("meeting")), "s.csv", 2003);
    ASSERT_TRUE(good.files) << (good.problems.empty() ? "" : FormatFinding(good.problems[0]));
    std::string slot = "0105" + Cp932("京都") + Cp932(" 京都金杯, \"GⅢ\"");
    slot.resize(4 + 38, ' ');
    EXPECT_EQ((*good.files)[RaceFileIndex].substr(0, slot.size()), slot);
}

TEST(CsvSlots, EmptySlotsFollowTheRowsAndRacesTheirMeetings) {
    const std::string csv = Header + "race,2003/1/5,東京,,,,,Race\r\n"
                                     "meeting,2003/1/5,阪神,1,2\r\n"
                                     "meeting,2003/1/5,東京,3,4,◎\r\n"
                                     "meeting,2003/1/5,京都,5,6,,1\r\n";
    const CsvImport imported = ImportScheduleCsv(csv, "s.csv", 2003);
    ASSERT_TRUE(imported.files);
    EXPECT_EQ((*imported.files)[MeetingFileIndex],
              "0105" + Cp932("★京都 5回 6日目●阪神 1回 2日目◎東京 3回 4日目") + "\r\n");
    std::string races = "0105" + std::string(76, ' ') + Cp932("東京 Race");
    races.resize(118, ' ');
    EXPECT_EQ((*imported.files)[RaceFileIndex], races + "\r\n");
}

// What the export refuses, and what it names because an import would write
// it otherwise.
struct ExportCase {
    const char* name;
    std::function<void(std::array<std::string, 3>&)> change; // the three first lines
    std::vector<std::string> findings;
    bool ok = true;
    std::string csv = {}; // the whole CSV, when given
};

void PrintTo(const ExportCase& c, std::ostream* os) {
    *os << c.name;
}

class ExportFindings : public testing::TestWithParam<ExportCase> {};

TEST_P(ExportFindings, NameEveryLineThatWouldNotComeBack) {
    std::array<std::string, 3> lines = {
        "0105" + Cp932("★京都 1回 1日目◆東京 1回 1日目") + std::string(16, ' '),
        "0105" + Cp932("1回 1日目") + std::string(27, ' ') + Cp932("1回 1日目") +
            std::string(45, ' '),
        "0105" + Cp932("京都 京都金杯 GⅢ") + std::string(21, ' ') + Cp932("東京 Race") +
            std::string(29, ' ') + std::string(38, ' '),
    };
    GetParam().change(lines);
    const CsvExport exported =
        ExportScheduleCsv({"Cal1.dat", lines[0] + "\r\n"}, {"Cal2.dat", lines[1] + "\r\n"},
                          {"jyuusyou.dat", lines[2] + "\r\n"}, 2003);
    std::vector<std::string> findings;
    for (const Finding& f : exported.findings) {
        findings.push_back(FormatFinding(f));
    }
    EXPECT_EQ(findings, GetParam().findings);
    EXPECT_EQ(exported.ok, GetParam().ok);
    EXPECT_EQ(exported.csv.empty(), !GetParam().ok);
    if (!GetParam().csv.empty()) {
        EXPECT_EQ(exported.csv, GetParam().csv);
    }
}

const std::string Differs = "warning: an import of the CSV writes this line otherwise from byte ";

INSTANTIATE_TEST_SUITE_P(
    Files, ExportFindings,
    testing::Values(
        ExportCase{"Clean",
                   [](auto&) {},
                   {},
                   true,
                   Header + "meeting,2003-01-05,京都,1,1,★,1,,,\r\n"
                            "meeting,2003-01-05,東京,1,1,◆,2,,,\r\n"
                            "race,2003-01-05,京都,,,,1,京都金杯 GⅢ,,\r\n"
                            "race,2003-01-05,東京,,,,2,Race,,\r\n"},
        ExportCase{"ShortLines",
                   [](auto& l) {
                       l[0].resize(36);
                       l[0][31] = ' ';
                       l[1][44] = ' ';
                       l[2].resize(100);
                   },
                   {},
                   true,
                   Header + "meeting,2003-01-05,京都,1,1,★,1,,,\r\n"
                            "meeting,2003-01-05,東京,1,,◆,2,,,\r\n"
                            "race,2003-01-05,京都,,,,1,京都金杯 GⅢ,,\r\n"
                            "race,2003-01-05,東京,,,,2,Race,,\r\n"
                            "line,2003-01-05,,,,,,,Cal1.dat,36\r\n"
                            "line,2003-01-05,,,,,,,jyuusyou.dat,100\r\n"},
        ExportCase{"TwelfthDay",
                   [](auto& l) {
                       l[0].replace(30, 2, "12");
                       l[1].replace(43, 2, "12");
                   },
                   {},
                   true,
                   Header + "meeting,2003-01-05,京都,1,1,★,1,,,\r\n"
                            "meeting,2003-01-05,東京,1,12,◆,2,,,\r\n"
                            "race,2003-01-05,京都,,,,1,京都金杯 GⅢ,,\r\n"
                            "race,2003-01-05,東京,,,,2,Race,,\r\n"},
        ExportCase{"CheckWarningOnly",
                   [](auto& l) { l[1] += "x"; },
                   {"Cal2.dat:1:95: " + Differs +
                    "95 on (the course file is built from the meetings, and they give other "
                    "bytes here)"}},
        ExportCase{"CourseFileDisagrees",
                   [](auto& l) { l[1][8] = '2'; },
                   {"Cal2.dat:1:9: " + Differs +
                    "9 on (the course file is built from the "
                    "meetings, and they give other bytes here)"}},
        ExportCase{"WordsOfTheirOwn",
                   [](auto& l) { l[0][14] = '*'; },
                   {"Cal1.dat:1:15: " + Differs +
                    "15 on (the CSV carries each meeting's mark, "
                    "racecourse and numbers, with the layout's "
                    "words and blanks around them)"}},
        ExportCase{"RaceTextWithoutTheBlankAfterTheName",
                   [](auto& l) { l[2].replace(8, 13, Cp932("京都金杯 GⅢ ")); },
                   {"jyuusyou.dat:1:9: " + Differs +
                    "9 on (the CSV carries each race's "
                    "racecourse, slot and text, one blank "
                    "between name and text)"}},
        ExportCase{"SecondCodeOfACharacter",
                   [](auto& l) { l[2].replace(9, 2, "\xed\x40"); }, // 纊, written as 0xFA5C
                   {"jyuusyou.dat:1:10: " + Differs +
                    "10 on (the CSV carries each race's "
                    "racecourse, slot and text, one blank "
                    "between name and text)"}},
        ExportCase{"DayWithoutMeetings",
                   [](auto& l) {
                       for (std::string& line : l) {
                           line = "0104\r\n" + line;
                       }
                   },
                   {"Cal1.dat:1:1: warning: the day holds no meeting; the CSV carries meeting "
                    "days only, so an import leaves this line out"}},
        ExportCase{"RacecourseNotOneOfTheTen",
                   [](auto& l) {
                       l[0].replace(22, 4, Cp932("大井"));
                       l[2].resize(42, ' ');
                   },
                   {"Cal1.dat:1:23: error: meeting slot 2: the racecourse '大井' is none of the "
                    "ten the course file has a column for"},
                   false},
        ExportCase{"RacecourseTwice",
                   [](auto& l) {
                       l[0].replace(20, 6, Cp932("★京都"));
                       l[2].resize(42, ' ');
                   },
                   {"Cal1.dat:1:23: error: meeting slot 2: the racecourse '京都' also holds "
                    "meeting slot 1, and the course file has one column for it"},
                   false}),
    CaseName());

class NewFilesTest : public testing::Test {
protected:
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    const std::vector<NewFile> files_ = {
        {"Cal1.dat", "a"}, {"Cal2.dat", "b"}, {"jyuusyou.dat", "c"}};
    TempDir temp_;
    fs::path dir_ = temp_.path() / "season"; // not there until a test makes it
};

TEST_F(NewFilesTest, WritesAllIntoANewDirectoryAndLeavesNoTemporaryFile) {
    const NewFilesResult result = WriteNewFiles(dir_ / "season", files_);
    ASSERT_EQ(result.status, NewFilesResult::Status::Written) << result.error;
    dir_ /= "season";
    EXPECT_EQ(Names(), (std::vector<std::string>{"Cal1.dat", "Cal2.dat", "jyuusyou.dat"}));
    EXPECT_EQ(ReadFile(dir_ / "Cal2.dat"), "b");
}

TEST_F(NewFilesTest, AnyExistingFileBlocksAllAndStaysUntouched) {
    fs::create_directories(dir_);
    std::ofstream(dir_ / "Cal2.dat") << "kept";
    fs::create_symlink("nowhere", dir_ / "jyuusyou.dat");
    const NewFilesResult result = WriteNewFiles(dir_, files_);
    EXPECT_EQ(result.status, NewFilesResult::Status::AlreadyExist);
    EXPECT_EQ(result.paths, (std::vector<fs::path>{dir_ / "Cal2.dat", dir_ / "jyuusyou.dat"}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Cal2.dat", "jyuusyou.dat"}));
    EXPECT_EQ(ReadFile(dir_ / "Cal2.dat"), "kept");
}

// The system calls of a write, each of which a case makes fail.
enum class Fault { None, Open, WriteHalfWay, Fsync, Link, SecondLink, Rename };

class FailingCalls : public FileCalls {
public:
    FailingCalls(Fault fault, bool unnamedFiles) : fault_(fault), unnamedFiles_(unnamedFiles) {}
    int open(const char* path, int flags, mode_t mode) override {
        if ((flags & O_TMPFILE) == O_TMPFILE && !unnamedFiles_) {
            errno = EOPNOTSUPP;
            return -1;
        }
        return Fail(Fault::Open, EROFS) ? -1 : FileCalls::open(path, flags, mode);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (fault_ != Fault::WriteHalfWay) {
            return FileCalls::write(fd, data, size);
        }
        // Half of it goes to the disk, then the disk is full.
        if (halfWritten_) {
            errno = ENOSPC;
            return -1;
        }
        halfWritten_ = true;
        return FileCalls::write(fd, data, size / 2);
    }
    int fsync(int fd) override { return Fail(Fault::Fsync, EIO) ? -1 : FileCalls::fsync(fd); }
    int link(int fd, const char* path) override {
        ++links_;
        return Fail(links_ == 2 ? Fault::SecondLink : Fault::Link, EMLINK)
                   ? -1
                   : FileCalls::link(fd, path);
    }
    int rename(const char* from, const char* to) override {
        return Fail(Fault::Rename, EXDEV) ? -1 : FileCalls::rename(from, to);
    }

private:
    bool Fail(Fault fault, int error) const {
        errno = error;
        return fault_ == fault;
    }
    Fault fault_;
    bool unnamedFiles_;
    bool halfWritten_ = false;
    int links_ = 0;
};

struct WriteCase {
    const char* name;
    Fault fault;
    bool unnamedFiles; // false: a file system with no O_TMPFILE
    int replaceError;  // what ReplaceFile says; 0 for written
    int newFilesError; // what WriteNewFiles says
    const char* failedFile = "Cal1.dat";
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class WholeFileTest : public NewFilesTest, public testing::WithParamInterface<WriteCase> {};

TEST_P(WholeFileTest, IsWrittenWholeOrNotAtAll) {
    const WriteCase& c = GetParam();
    fs::create_directories(dir_);
    std::ofstream(dir_ / "out.pdf") << "kept";
    fs::permissions(dir_ / "out.pdf", fs::perms::owner_read | fs::perms::owner_write);
    FailingCalls calls(c.fault, c.unnamedFiles);
    EXPECT_EQ(ReplaceFile(dir_ / "out.pdf", "a whole new file", calls), c.replaceError);
    EXPECT_EQ(ReadFile(dir_ / "out.pdf"), c.replaceError == 0 ? "a whole new file" : "kept");
    EXPECT_EQ(Names(), std::vector<std::string>{"out.pdf"});
    EXPECT_EQ(fs::status(dir_ / "out.pdf").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    FailingCalls again(c.fault, c.unnamedFiles);
    dir_ /= "season";
    const NewFilesResult result = WriteNewFiles(
        dir_, {{"Cal1.dat", "meetings"}, {"Cal2.dat", "courses"}, {"jyuusyou.dat", "races"}},
        again);
    EXPECT_EQ(result.error, c.newFilesError);
    if (c.newFilesError == 0) {
        EXPECT_EQ(result.status, NewFilesResult::Status::Written);
        EXPECT_EQ(Names(), (std::vector<std::string>{"Cal1.dat", "Cal2.dat", "jyuusyou.dat"}));
    } else {
        EXPECT_EQ(result.status, NewFilesResult::Status::Failed);
        EXPECT_EQ(result.paths, std::vector<fs::path>{dir_ / c.failedFile});
        EXPECT_EQ(Names(), std::vector<std::string>{});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WholeFileTest,
    testing::Values(
        WriteCase{"Written", Fault::None, true, 0, 0},
        WriteCase{"WrittenWithoutUnnamedFiles", Fault::None, false, 0, 0},
        WriteCase{"OpenFails", Fault::Open, true, EROFS, EROFS},
        WriteCase{"OpenFailsWithoutUnnamedFiles", Fault::Open, false, EROFS, EROFS},
        WriteCase{"DiskFullHalfWay", Fault::WriteHalfWay, true, ENOSPC, ENOSPC},
        WriteCase{"DiskFullHalfWayWithoutUnnamedFiles", Fault::WriteHalfWay, false, ENOSPC, ENOSPC},
        WriteCase{"FlushFails", Fault::Fsync, true, EIO, EIO},
        WriteCase{"FlushFailsWithoutUnnamedFiles", Fault::Fsync, false, EIO, EIO},
        WriteCase{"NamingFails", Fault::Link, true, EMLINK, EMLINK},
        // The first file, in place already, is taken back.
        WriteCase{"NamingTheSecondFails", Fault::SecondLink, true, 0, EMLINK, "Cal2.dat"},
        // New files are never renamed: a rename would replace.
        WriteCase{"RenameFails", Fault::Rename, true, EXDEV, 0},
        WriteCase{"RenameFailsWithoutUnnamedFiles", Fault::Rename, false, EXDEV, 0}),
    CaseName());

TEST(Cp932Encode, AgreesWithTheDecoderAndWithTheSystemConverter) {
    // Every code decodes to a character that encodes back to a code of that
    // same character; the system's converter, where it has the character,
    // picks the same code among duplicates.
    const iconv_t cd = iconv_open("CP932", "UTF-16LE");
    int duplicates = 0;
    for (int lead = 0x81; lead <= 0xfc; ++lead) {
        for (int trail = 0x40; trail <= 0xfc; ++trail) {
            const auto l = static_cast<unsigned char>(lead);
            const auto t = static_cast<unsigned char>(trail);
            if (!IsLeadByte(l) || !IsDefinedPair(l, t)) {
                continue;
            }
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            char16_t unit = 0;
            DecodeCp932(code, &unit);
            const std::string back = EncodeCp932(unit);
            ASSERT_EQ(back.size(), 2u) << lead << " " << trail;
            char16_t again = 0;
            DecodeCp932(back, &again);
            ASSERT_EQ(static_cast<unsigned>(again), static_cast<unsigned>(unit));
            duplicates += back != code;
            if (cd != reinterpret_cast<iconv_t>(-1)) {
                char out[4];
                auto* in = reinterpret_cast<char*>(&unit);
                char* o = out;
                std::size_t inLeft = 2;
                std::size_t outLeft = sizeof out;
                if (iconv(cd, &in, &inLeft, &o, &outLeft) != static_cast<std::size_t>(-1)) {
                    EXPECT_EQ(std::string(out, o), back)
                        << "U+" << std::hex << static_cast<unsigned>(unit);
                }
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
            }
        }
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) {
        iconv_close(cd);
    }
    // The NEC selection of IBM extensions, and the NEC and IBM forms of
    // symbols that JIS X 0208 has.
    EXPECT_EQ(duplicates, 398);
    EXPECT_EQ(EncodeCp932(U'ⅰ'), "\xfa\x40");
    EXPECT_EQ(EncodeCp932(U'Ⅰ'), "\x87\x54");
    EXPECT_EQ(EncodeCp932(U'￢'), "\x81\xca");
    EXPECT_EQ(EncodeCp932(U'\u0080'), "\x80");
    EXPECT_EQ(EncodeCp932(U'ｱ'), "\xb1");
    EXPECT_EQ(EncodeCp932(U'〜'), "");
    EXPECT_EQ(EncodeCp932(U'\U0001F600'), "");
}

} // namespace
