#include "BusySeason.h"
#include "CaseName.h"
#include "Cp932Text.h"
#include "core/DataFiles.h"
#include "core/Errors.h"
#include "core/FileSource.h"
#include "outputs/CalendarEvents.h"
#include "outputs/PaperMarks.h"
#include "outputs/Poster.h"
#include "outputs/PrintedTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

using namespace turvane;
using namespace cp932text;

namespace {

std::string SampleBytes(std::string_view name) {
    std::ifstream in(std::string(TURVANE_SAMPLE_DIR) + "/" + std::string(name), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

MemoryFiles SampleYear() {
    MemoryFiles files;
    for (const std::string_view name : {MeetingFile, CourseFile, RaceFile}) {
        files.Write(name, SampleBytes(name));
    }
    return files;
}

MemoryFiles Busy(int days) {
    const BusySeasonFiles season = BusySeason(days, TURVANE_SAMPLE_DIR);
    MemoryFiles files;
    files.Write(MeetingFile, season.calendar);
    files.Write(CourseFile, season.courses);
    files.Write(RaceFile, season.races);
    return files;
}

std::string Utf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Type as a monospaced printer sets it: every character one em, two for
// what is wider than Latin, bold a tenth wider.
double EmWidth(std::u16string_view text, bool bold, double points) {
    double ems = 0;
    for (const char16_t c : text) {
        ems += c < 0x2000 ? 0.55 : 1.0;
    }
    return ems * points * (bold ? 1.1 : 1.0);
}

bool Bold(PosterStyle style) {
    return style == PosterStyle::Sunday || style == PosterStyle::Holiday ||
           style == PosterStyle::GradeOneRace || style == PosterStyle::Year ||
           style == PosterStyle::Title || style == PosterStyle::MonthHeading;
}

const MeasurePosterText PosterEms = [](std::u16string_view text, PosterStyle style, double points) {
    return EmWidth(text, Bold(style), points);
};

// A3 in points.
constexpr double A3Short = 841.89;
constexpr double A3Long = 1190.55;
constexpr double Margin = 28.35;

struct WeekdayCase {
    const char* name;
    int year, month, day;
    int weekday;
    std::u16string label;
};

void PrintTo(const WeekdayCase& c, std::ostream* os) {
    *os << c.name;
}

class Weekdays : public testing::TestWithParam<WeekdayCase> {};

TEST_P(Weekdays, FollowTheCalendar) {
    const WeekdayCase& c = GetParam();
    EXPECT_EQ(Weekday(c.year, c.month, c.day), c.weekday);
    EXPECT_EQ(Utf8(WeekdayLabel(c.weekday)), Utf8(c.label));
}

INSTANTIATE_TEST_SUITE_P(Paper, Weekdays,
                         testing::Values(WeekdayCase{"SampleYearsFirstDay", 2003, 1, 5, 0, u"(日)"},
                                         WeekdayCase{"HolidayMonday", 2003, 1, 13, 1, u"(月・祝)"},
                                         WeekdayCase{"Saturday", 2003, 12, 27, 6, u"(土)"},
                                         WeekdayCase{"NewYear2027", 2027, 1, 1, 5, u"(金・祝)"},
                                         WeekdayCase{"LeapDay", 2000, 2, 29, 2, u"(火・祝)"},
                                         WeekdayCase{"MarchAfterNoLeapCentury", 1900, 3, 1, 4,
                                                     u"(木・祝)"},
                                         WeekdayCase{"YearsLastDay", 2024, 12, 31, 2, u"(火・祝)"},
                                         WeekdayCase{"FirstYear", 1000, 1, 1, 3, u"(水・祝)"}),
                         CaseName());

TEST(PaperMarks, GradeOneAsTheFilesWriteIt) {
    const std::pair<std::u16string, bool> cases[] = {
        {u"東京 オークス GⅠ", true},
        {u"中山 皐月賞 ＧⅠ", true},
        {u"阪神 桜花賞 G1", true},
        {u"京都 菊花賞 Ｇ１", true},
        {u"中山金杯 GⅢ", false},
        {u"阪神大賞典 GⅡ", false},
        {u"ダービー G10", false},
        {u"G", false},
        {u"", false},
        {u"ＧⅠ", true},
        {u"GⅠ(国際)", true},
        {u"G２", false},
    };
    for (const auto& [text, gradeOne] : cases) {
        EXPECT_EQ(IsGradeOne(text), gradeOne) << Utf8(text);
    }
}

// The poster of the sample year holds every day of the calendar, each with
// its weekday, and every graded race once, on the line of its meeting.
TEST(Poster, HoldsEveryDayAndEveryRaceOfTheSampleYear) {
    const Poster poster = ReadPoster(SampleYear(), {});
    EXPECT_EQ(Utf8(poster.year), "2003");
    int days = 0, races = 0, gradeOne = 0, lastMonth = 0;
    for (const PosterMonth& month : poster.months) {
        EXPECT_GT(month.month, lastMonth) << "months in date order, each once";
        lastMonth = month.month;
        static const char* const Titles[] = {"１月", "２月", "３月", "４月",   "５月",   "６月",
                                             "７月", "８月", "９月", "１０月", "１１月", "１２月"};
        EXPECT_EQ(Utf8(month.title), Titles[month.month - 1]);
        for (const PosterDay& day : month.days) {
            ++days;
            EXPECT_EQ(day.date.month, month.month);
            EXPECT_EQ(day.weekday, Weekday(2003, day.date.month, day.date.day));
            for (const PosterLine& line : day.lines) {
                races += !line.race.empty();
                gradeOne += line.gradeOne;
                // In the sample year every race has its meeting.
                EXPECT_FALSE(line.meeting.empty()) << Utf8(line.race);
            }
        }
    }
    EXPECT_EQ(lastMonth, 12);
    EXPECT_EQ(days, 110);
    EXPECT_EQ(races, 126);
    EXPECT_EQ(gradeOne, 23);
    const PosterDay& first = poster.months.front().days.front();
    EXPECT_EQ(Utf8(first.label), "　１月　５日");
    EXPECT_EQ(Utf8(first.weekdayLabel), "(日)");
    ASSERT_EQ(first.lines.size(), 2u);
    EXPECT_EQ(Utf8(first.lines[0].meeting), "■中山 １回 １日目");
    EXPECT_EQ(Utf8(first.lines[0].race), "中山金杯 GⅢ");
    EXPECT_EQ(Utf8(first.lines[1].meeting), "★京都 １回 １日目");
    EXPECT_EQ(Utf8(first.lines[1].race), "京都金杯 GⅢ");
    std::string legend;
    for (const std::u16string& label : poster.legend) {
        legend += Utf8(label) + " ";
    }
    EXPECT_EQ(legend, "★京都 ●阪神 ☆中京 ○小倉 ◆東京 ■中山 ◇福島 □新潟 △札幌 ◎函館 ");
}

// A race goes beside the meeting of its racecourse whatever its slot; one
// whose racecourse holds no meeting that day keeps its racecourse on a line
// of its own; a second race at the same meeting too.
TEST(Poster, PlacesRacesBesideTheirMeetings) {
    MemoryFiles files;
    files.Write(MeetingFile,
                Join({"0105" + Meeting(Tokyo, '1', '1') + Meeting(Kyoto, '1', '1', Star)}));
    files.Write(RaceFile, Join({"0105" + Race(Kyoto, " A G\x87\x54") + Race(Hanshin, " B") +
                                Race(Kyoto, " C")}));
    const Poster poster = ReadPoster(files, {});
    ASSERT_EQ(poster.months.size(), 1u);
    const PosterDay& day = poster.months[0].days.at(0);
    std::vector<std::string> lines;
    for (const PosterLine& line : day.lines) {
        lines.push_back(Utf8(line.meeting) + "|" + Utf8(line.race) + (line.gradeOne ? "|G1" : ""));
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"◆東京 １回 １日目|", "★京都 １回 １日目|A GⅠ|G1",
                                               "|阪神 B", "|京都 C"}));
}

struct PosterFailure {
    const char* name;
    std::string calendar;
    std::string races;
    std::string message;
};

void PrintTo(const PosterFailure& c, std::ostream* os) {
    *os << c.name;
}

class PosterFailures : public testing::TestWithParam<PosterFailure> {};

TEST_P(PosterFailures, LeaveNoPoster) {
    MemoryFiles files;
    if (!GetParam().calendar.empty()) {
        files.Write(MeetingFile, GetParam().calendar);
    }
    files.Write(RaceFile, GetParam().races);
    try {
        ReadPoster(files, {});
        ADD_FAILURE() << "a poster was made";
    } catch (const ScheduleError& error) {
        EXPECT_EQ(error.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paper, PosterFailures,
    testing::Values(PosterFailure{"NoCalendar", "", "", "ファイル /memory/Cal1.dat は開けません"},
                    PosterFailure{"NoDayOfTheYear", Join({"0105", "0229"}), "",
                                  "/memory/Cal1.dat:2: the date '0229' is not a day of 2003"},
                    PosterFailure{"RaceWithoutCalendarLine", Join({"0105"}),
                                  Join({"0105", "0106" + Race(Tokyo, "X")}),
                                  "リストのインデックスが範囲を超えています (1)"}),
    CaseName());

// Everything inside the page, nothing on anything else, every text given at
// least its width; the months in date order down the columns.
void ExpectALegiblePage(const Poster& poster, const PosterLayout& layout) {
    ASSERT_FALSE(layout.texts.empty());
    const double epsilon = 1e-6;
    for (const PosterText& t : layout.texts) {
        SCOPED_TRACE(Utf8(t.text));
        EXPECT_GE(t.x, Margin - epsilon);
        EXPECT_GE(t.y, Margin - epsilon);
        EXPECT_LE(t.x + t.width, layout.pageWidth - Margin + epsilon);
        EXPECT_LE(t.y + t.height, layout.pageHeight - Margin + epsilon);
        EXPECT_GE(t.width + epsilon, EmWidth(t.text, Bold(t.style), t.points));
        EXPECT_GE(t.height, t.points);
    }
    for (std::size_t i = 0; i < layout.texts.size(); ++i) {
        const PosterText& a = layout.texts[i];
        for (std::size_t j = i + 1; j < layout.texts.size(); ++j) {
            const PosterText& b = layout.texts[j];
            const bool apart = a.x + a.width <= b.x + epsilon || b.x + b.width <= a.x + epsilon ||
                               a.y + a.height <= b.y + epsilon || b.y + b.height <= a.y + epsilon;
            EXPECT_TRUE(apart) << Utf8(a.text) << " on " << Utf8(b.text);
        }
    }
    // Month headings read in date order: down a column, then the next one.
    std::vector<std::pair<std::pair<double, double>, std::u16string_view>> headings;
    for (const PosterText& t : layout.texts) {
        if (t.style == PosterStyle::MonthHeading) {
            headings.push_back({{t.x, t.y}, t.text});
        }
    }
    std::sort(headings.begin(), headings.end());
    std::vector<std::u16string_view> titles;
    for (const auto& h : headings) {
        if (titles.empty() || titles.back() != h.second) {
            titles.push_back(h.second);
        }
    }
    ASSERT_EQ(titles.size(), poster.months.size());
    for (std::size_t m = 0; m < titles.size(); ++m) {
        EXPECT_EQ(Utf8(titles[m]), Utf8(poster.months[m].title));
    }
    // Every day and every race is on the page.
    std::multiset<std::u16string_view> printed;
    for (const PosterText& t : layout.texts) {
        printed.insert(t.text);
    }
    for (const PosterMonth& month : poster.months) {
        for (const PosterDay& day : month.days) {
            EXPECT_TRUE(printed.count(day.label)) << Utf8(day.label);
            for (const PosterLine& line : day.lines) {
                EXPECT_TRUE(line.race.empty() || printed.count(line.race)) << Utf8(line.race);
            }
        }
    }
}

TEST(PosterLayout, SampleYearOnA3) {
    const Poster poster = ReadPoster(SampleYear(), {});
    const PosterLayout layout = LayOutPoster(poster, A3Short, A3Long, Margin, PosterEms);
    ExpectALegiblePage(poster, layout);
    // Type set a full em a character is wider than the proportional font the
    // program prints in; that takes 7 pt.
    EXPECT_GE(layout.points, 6.5);
    EXPECT_GE(layout.columns, 3);
    // Each month in one block: its heading once.
    std::map<std::u16string_view, int> headings;
    for (const PosterText& t : layout.texts) {
        headings[t.text] += t.style == PosterStyle::MonthHeading;
    }
    for (const PosterMonth& month : poster.months) {
        EXPECT_EQ(headings[month.title], 1) << Utf8(month.title);
    }
}

TEST(PosterLayout, BusySeasonStillOnOnePage) {
    for (const auto& [w, h] : {std::pair{A3Short, A3Long}, std::pair{595.28, 841.89}}) {
        const Poster poster = ReadPoster(Busy(130), {});
        const PosterLayout layout = LayOutPoster(poster, w, h, Margin, PosterEms);
        SCOPED_TRACE(w);
        ExpectALegiblePage(poster, layout);
        EXPECT_GE(layout.points, w > 800 ? 5.0 : 3.5);
    }
}

TEST(PosterLayout, TurnsAsToldAndShrinksWithTheSeason) {
    const Poster year = ReadPoster(SampleYear(), {});
    const PosterLayout portrait =
        LayOutPoster(year, A3Long, A3Short, Margin, PosterEms, PosterTurn::Portrait);
    EXPECT_FALSE(portrait.landscape);
    EXPECT_LT(portrait.pageWidth, portrait.pageHeight);
    const PosterLayout landscape =
        LayOutPoster(year, A3Short, A3Long, Margin, PosterEms, PosterTurn::Landscape);
    EXPECT_TRUE(landscape.landscape);
    EXPECT_GT(landscape.pageWidth, landscape.pageHeight);
    const PosterLayout best = LayOutPoster(year, A3Short, A3Long, Margin, PosterEms);
    EXPECT_EQ(best.points, std::max(portrait.points, landscape.points));
    const PosterLayout busy =
        LayOutPoster(ReadPoster(Busy(130), {}), A3Short, A3Long, Margin, PosterEms);
    EXPECT_LT(busy.points, best.points);
    const PosterLayout quiet =
        LayOutPoster(ReadPoster(Busy(10), {}), A3Short, A3Long, Margin, PosterEms);
    EXPECT_GT(quiet.points, best.points);
}

// The printed tables: the grids' rows with a weekday beside each date, a
// rule where the month changes, grade-one races emphasised.
TEST(PrintedTables, AddWeekdaysMonthsAndGradeOne) {
    const PrintedTables printed = ReadPrintedTables(SampleYear(), {});
    ASSERT_EQ(printed.tables.size(), 3u);
    const auto text = [&](const PrintedTable& t, int col, int row) {
        return Utf8(printed.texts[t.cell(col, row)]);
    };
    for (const PrintedTable& table : printed.tables) {
        SCOPED_TRACE(Utf8(table.title));
        ASSERT_EQ(table.rows(), 110);
        ASSERT_EQ(table.monthStarts.size(), 110u);
        ASSERT_EQ(table.emphasised.size(), table.cells.size());
        EXPECT_EQ(text(table, 0, 0), "　１月　５日");
        EXPECT_EQ(text(table, 1, 0), "(日)");
        EXPECT_EQ(text(table, 1, 2), "(日)");     // 0112
        EXPECT_EQ(text(table, 1, 3), "(月・祝)"); // 0113
        EXPECT_EQ(text(table, 1, 4), "(土)");     // 0118
        int months = 0;
        for (int r = 0; r < table.rows(); ++r) {
            if (table.monthStarts[static_cast<std::size_t>(r)]) {
                ++months;
                EXPECT_NE(text(table, 0, r).substr(0, 6), text(table, 0, r - 1).substr(0, 6));
            } else if (r > 0) {
                EXPECT_EQ(text(table, 0, r).substr(0, 6), text(table, 0, r - 1).substr(0, 6));
            }
        }
        EXPECT_EQ(months, 11);
    }
    EXPECT_EQ(printed.tables[1].header.size(), 12u);
    EXPECT_EQ(
        std::count(printed.tables[0].emphasised.begin(), printed.tables[0].emphasised.end(), true),
        0);
    EXPECT_EQ(
        std::count(printed.tables[2].emphasised.begin(), printed.tables[2].emphasised.end(), true),
        23);
}

// Columns as wide as their widest text, a column with nothing in it still
// a few characters wide, spread over the page up to half as much again, the
// table centred; the type shrinks only when the page is too narrow.
TEST(PrintedTables, UseThePageWidth) {
    const PrintedTables printed = ReadPrintedTables(SampleYear(), {});
    const PrintedTable& list = printed.tables[2];
    const auto measure = [](std::u16string_view text, double points, bool bold) {
        return EmWidth(text, bold, points);
    };
    struct Case {
        double width;
        bool shrinks;
    };
    for (const Case c : {Case{2000, false}, Case{800, false}, Case{500, true}}) {
        SCOPED_TRACE(c.width);
        const TablePlan plan = PlanTable(list, printed.texts, c.width, 800, measure);
        EXPECT_EQ(plan.points < TableMaxPoints, c.shrinks);
        EXPECT_LE(plan.width(), c.width + 1e-6);
        EXPECT_NEAR(plan.left, (c.width - plan.width()) / 2, 1e-6);
        double natural = 0;
        for (int col = 0; col < list.cols; ++col) {
            double widest = 4 * plan.points; // nothing narrower, empty or not
            for (int r = 0; r < list.rows(); ++r) {
                const auto at = static_cast<std::size_t>(r * list.cols + col);
                widest = std::max(widest, EmWidth(VisibleText(printed.texts[list.cells[at]]),
                                                  list.emphasised[at], plan.points) +
                                              2 * plan.inset);
            }
            EXPECT_GE(plan.colWidths[static_cast<std::size_t>(col)] + 1e-6, widest) << col;
            natural += widest;
        }
        EXPECT_LE(plan.width(), 1.5 * natural + 0.1 * list.cols);
        EXPECT_GE(plan.width() + 1e-6, std::min(c.width, 1.5 * natural));
        EXPECT_EQ(plan.pages, (110 + plan.rowsPerPage - 1) / plan.rowsPerPage);
    }
}

// A list whose second and third columns never hold a race keeps them a few
// characters wide, not slivers.
TEST(PrintedTables, KeepEmptyColumnsReadable) {
    MemoryFiles files;
    files.Write(MeetingFile, Join({"0105" + Meeting(Tokyo, '1', '1')}));
    files.Write(CourseFile, Join({"0105"}));
    files.Write(RaceFile, Join({"0105" + Race(Tokyo, " A")}));
    const PrintedTables printed = ReadPrintedTables(files, {});
    for (const PrintedTable& table : printed.tables) {
        const TablePlan plan = PlanTable(table, printed.texts, 500, 800,
                                         [](std::u16string_view text, double points, bool bold) {
                                             return EmWidth(text, bold, points);
                                         });
        for (const double width : plan.colWidths) {
            EXPECT_GE(width, 4 * plan.points) << Utf8(table.title);
        }
    }
}

} // namespace
