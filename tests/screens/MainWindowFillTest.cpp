#include "CaseName.h"
#include "ScreensTestData.h"
#include "core/Cp932.h"
#include "core/DateKeys.h"
#include "core/LineList.h"
#include "core/Version.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <random>

using namespace cp932text;
using namespace turvane;
using namespace turvane::screens;

namespace {

using MainWindowTest = FillTest;

TEST_F(MainWindowTest, HasTheDesignLayout) {
    const WindowDesign& form = MainWindowDesign();
    ExpectConsistent(form);
    EXPECT_EQ(form.name, "Form1");
    EXPECT_EQ(form.caption, u"Turvane version " TURVANE_VERSION);
    EXPECT_EQ(form.clientSize, (Size{762, 553}));
    EXPECT_FALSE(form.resizable);
    ExpectPlaced(form, {
                           {"GroupBox1", {0, 0, 465, 261}},   {"StringGrid1", {2, 14, 455, 245}},
                           {"GroupBox2", {0, 261, 762, 292}}, {"StringGrid2", {2, 14, 751, 276}},
                           {"GroupBox3", {472, 0, 290, 261}}, {"Bevel1", {200, 16, 81, 129}},
                           {"Label1", {208, 24, 69, 16}},     {"Image1", {224, 72, 33, 33}},
                           {"Label2", {206, 120, 70, 13}},    {"Button2", {200, 200, 81, 49}},
                           {"Button3", {200, 160, 81, 41}},   {"GroupBox4", {8, 16, 185, 113}},
                           {"GroupBox5", {8, 136, 185, 113}}, {"Edit1", {8, 16, 169, 20}},
                           {"Edit2", {8, 48, 169, 20}},       {"Edit3", {8, 80, 169, 20}},
                           {"Edit4", {8, 16, 169, 20}},       {"Edit5", {8, 48, 169, 20}},
                           {"Edit6", {8, 80, 169, 20}},
                       });
    EXPECT_EQ(form.find("Button2")->text, u"閉 じ る");
    EXPECT_EQ(form.find("Button3")->text, u"重賞日程");
    EXPECT_EQ(form.find("Label2")->text, u"oakhollow");
    EXPECT_EQ(form.find("GroupBox1")->text, u"開催日程");
    EXPECT_EQ(form.find("GroupBox2")->text, u"競馬場別開催日程");
    const GridShape& meetings = *form.find("StringGrid1")->grid;
    EXPECT_EQ(meetings.fixedRows, 0);
    EXPECT_EQ(meetings.fixedCols, 1);
    EXPECT_EQ(meetings.colCount, 4);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(meetings.colWidth(c), c == 0 ? 80 : 116);
    }
    const GridShape& courses = *form.find("StringGrid2")->grid;
    EXPECT_EQ(courses.fixedRows, 1);
    EXPECT_EQ(courses.colCount, 11);
    EXPECT_EQ(courses.colWidth(10), 65);
    for (const GridShape& grid : {meetings, courses}) {
        EXPECT_EQ(grid.rowHeight, 18);
        EXPECT_EQ(grid.rowCount, 130);
        EXPECT_EQ(grid.fixedColor, (Rgb{255, 255, 187}));
    }
    // The course grid, the meeting grid, then the panel.
    EXPECT_EQ(
        std::vector<std::string_view>(form.focusOrder.begin(), form.focusOrder.end()),
        (std::vector<std::string_view>{"StringGrid2", "StringGrid1", "Button2", "Edit1", "Edit2",
                                       "Edit3", "Edit4", "Edit5", "Edit6", "Button3"}));
}

TEST_F(MainWindowTest, ShowsTheSampleYear) {
    CopySampleYear(files_);
    const MainWindowFill form = OpenMain({2003, 5, 17});
    EXPECT_EQ(FailureOf(form), "");
    const GridFill& meetings = form.StringGrid1;
    EXPECT_EQ(meetings.rowCount(), 110);
    EXPECT_EQ(Cell(form, meetings, 0, 0), u"　１月　５日");
    EXPECT_EQ(Cell(form, meetings, 1, 0), u"■中山 １回 １日目");
    EXPECT_EQ(Cell(form, meetings, 2, 0), u"★京都 １回 １日目");
    EXPECT_EQ(Cell(form, meetings, 0, 109), u"１２月２８日");
    const GridFill& courses = form.StringGrid2;
    EXPECT_EQ(courses.rowCount(), 111);
    EXPECT_EQ(Cell(form, courses, 0, 1), u"　１月　５日");
    EXPECT_EQ(Cell(form, courses, 1, 1), u"１回 １日目");
    EXPECT_EQ(Cell(form, courses, 6, 1), u"１回 １日目");
    EXPECT_EQ(Cell(form, courses, 2, 1), u"　   　    ");
    EXPECT_EQ(form.GroupBox4, u"本日の開催 [2003/05/17]");
    EXPECT_EQ(form.GroupBox5, u"次の開催 [2003/05/18]");
    EXPECT_EQ(form.edits[0], u"◆東京 ２回 ８日目");
}

// The caption may write today in the user's own short date format (a day
// without leading zeros, day first, words); the panel still finds today.
TEST_F(MainWindowTest, CaptionWritesTodayAsTheUserDoesAndTheDayStaysFound) {
    CopySampleYear(files_);
    for (const std::u16string_view shown : {u"2003/5/17", u"17.05.2003", u"2003年5月17日"}) {
        const MainWindowFill form = FillMainWindow(files_, {2003, 5, 17}, ScheduleYear(), shown);
        EXPECT_EQ(FailureOf(form), "");
        EXPECT_EQ(form.GroupBox4, u"本日の開催 [" + std::u16string(shown) + u"]");
        EXPECT_EQ(form.edits[0], u"◆東京 ２回 ８日目");
        EXPECT_EQ(form.GroupBox5, u"次の開催 [2003/05/18]");
        EXPECT_EQ(form.StringGrid1.selectedRow(), 40);
    }
}

TEST_F(MainWindowTest, CourseHeaderNamesTheTenRacecourses) {
    CopySampleYear(files_);
    const MainWindowFill form = OpenMain();
    const std::u16string_view expected[] = {u"★京都", u"●阪神", u"☆中京", u"○小倉", u"◆東京",
                                            u"■中山", u"◇福島", u"□新潟", u"△札幌", u"◎函館"};
    for (int c = 1; c <= 10; ++c) {
        EXPECT_EQ(Cell(form, form.StringGrid2, c, 0), expected[c - 1]);
    }
    EXPECT_EQ(Cell(form, form.StringGrid2, 0, 0), u"");
}

TEST_F(MainWindowTest, EmptyMeetingFileLeavesTheDesignRows) {
    files_.Write(MeetingFile, "");
    files_.Write(CourseFile, "");
    const MainWindowFill form = OpenMain();
    EXPECT_EQ(FailureOf(form), "");
    EXPECT_EQ(form.StringGrid1.rowCount(), 130);
    EXPECT_EQ(form.StringGrid2.rowCount(), 130);
    EXPECT_EQ(Cell(form, form.StringGrid1, 0, 0), u"");
    for (const std::u16string& edit : form.edits) {
        EXPECT_EQ(edit, u"");
    }
    EXPECT_EQ(form.GroupBox4, u"本日の開催 [2003/05/12]");
    EXPECT_EQ(form.GroupBox5, u"次の開催");
}

TEST_F(MainWindowTest, MissingMeetingFileLeavesTheGridsEmptyAndThePanelReportsIt) {
    CopySampleYear(files_);
    files_.Remove(MeetingFile);
    const MainWindowFill form = OpenMain();
    EXPECT_EQ(form.StringGrid1.rowCount(), 130);
    EXPECT_EQ(form.StringGrid2.rowCount(), 130);
    EXPECT_EQ(Cell(form, form.StringGrid2, 1, 0), u"★京都");
    EXPECT_EQ(Cell(form, form.StringGrid2, 0, 1), u"");
    ASSERT_TRUE(form.failure);
    EXPECT_EQ(form.failure->message, OpenError(MeetingFile));
    EXPECT_EQ(form.failure->step, MainStep::ShowTodayAndNext);
    EXPECT_EQ(form.GroupBox4, u"本日の開催 [2003/05/12]");
    EXPECT_EQ(form.edits[0], u"");
}

TEST_F(MainWindowTest, MissingCourseFileStopsBeforeThePanel) {
    CopySampleYear(files_);
    files_.Remove(CourseFile);
    const MainWindowFill form = OpenMain();
    EXPECT_EQ(form.StringGrid1.rowCount(), 110);
    EXPECT_EQ(form.StringGrid2.rowCount(), 130);
    EXPECT_EQ(Cell(form, form.StringGrid2, 5, 0), u"◆東京");
    EXPECT_EQ(Cell(form, form.StringGrid2, 0, 1), u"");
    ASSERT_TRUE(form.failure);
    EXPECT_EQ(form.failure->message, OpenError(CourseFile));
    EXPECT_EQ(form.failure->step, MainStep::FillCourseGrid);
    // The panel keeps its design texts, and the meeting calendar is read once.
    EXPECT_EQ(form.GroupBox4, u"本日の開催");
    EXPECT_EQ(form.GroupBox5, u"次の開催");
    EXPECT_EQ(form.edits[0], u"なし");
    EXPECT_EQ(form.edits[3], u"なし");
    EXPECT_EQ(files_.ReadCount(MeetingFile), 1);
    EXPECT_FALSE(form.StringGrid1.selectedRow());
}

// Files that exist but cannot be read, as a file taken away or locked between
// the existence check and the read.
class UnreadableFiles : public MemoryFiles {
public:
    std::string LoadBytes(std::string_view name) const override {
        if (name == MeetingFile) {
            throw FileOpenError(PathOf(name));
        }
        return MemoryFiles::LoadBytes(name);
    }
};

TEST(MainWindowSteps, UnreadableMeetingFileStopsBeforeTheCourseGrid) {
    UnreadableFiles files;
    CopySampleYear(files);
    const MainWindowFill form = FillMainWindow(files, {2003, 5, 17}, {});
    ASSERT_TRUE(form.failure);
    EXPECT_EQ(form.failure->step, MainStep::FillMeetingGrid);
    EXPECT_EQ(form.failure->message, "ファイル " + files.PathOf(MeetingFile) + " は開けません");
    EXPECT_EQ(files.ReadCount(CourseFile), 0);
    EXPECT_EQ(form.StringGrid2.rowCount(), 130);
    EXPECT_EQ(Cell(form, form.StringGrid2, 1, 0), u"★京都");
    EXPECT_EQ(form.edits[0], u"なし");
}

// Five meeting days; 0503 has a blank third meeting, 1228 only one meeting.
std::string Calendar() {
    const std::string blank(16, ' ');
    return "0105" + Meeting(Tokyo, '1', '1') + Meeting(Kyoto, '1', '1') + blank + "\r\n" + "0503" +
           Meeting(Tokyo, '2', '1') + Meeting(Kyoto, '3', '1') + blank + "\r\n" + "0510" +
           Meeting(Tokyo, '2', '2') + Meeting(Kyoto, '3', '2') + Meeting(Hanshin, '1', '1') +
           "\r\n" + "0517" + Meeting(Tokyo, '2', '3') + Meeting(Kyoto, '3', '3') +
           Meeting(Hanshin, '1', '2') + "\r\n" + //
           "1228" + Meeting(Tokyo, '5', '8') + "\r\n";
}

std::string CourseCalendar(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) {
        text += "0101" + std::string(90, ' ') + "\r\n";
    }
    return text;
}

std::u16string Shown(const std::string& course, char kai, char day) {
    return u"◆" +
           std::u16string(course == Tokyo   ? u"東京"
                          : course == Kyoto ? u"京都"
                                            : u"阪神") +
           u" " + static_cast<char16_t>(0xff10 + (kai - '0')) + u"回 " +
           static_cast<char16_t>(0xff10 + (day - '0')) + u"日目";
}

const std::u16string BlankMeeting = u"       　   　    ";

struct PanelCase {
    const char* name;
    CivilDate today;
    std::array<std::u16string, 6> edits; // Edit1 .. Edit6
    std::u16string nextCaption;
    int meetingRow; // selected (and first visible) row of the meeting grid; -1: not moved
    int year = ScheduleYear::Default;
    std::u16string yearLabel = u"開催日程\n　２００３"; // Label1
    std::string calendar = Calendar();
};

class TodayPanel : public testing::TestWithParam<PanelCase> {};

TEST_P(TodayPanel, ShowsTodayAndTheNextMeetingDay) {
    MemoryFiles files;
    files.Write(MeetingFile, GetParam().calendar);
    files.Write(CourseFile, CourseCalendar(5));
    const MainWindowFill form =
        FillMainWindow(files, GetParam().today, ScheduleYear(GetParam().year));
    EXPECT_EQ(form.Label1, GetParam().yearLabel);
    EXPECT_EQ(FailureOf(form), "");
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(form.edits[i], GetParam().edits[i]) << "Edit" << i + 1;
    }
    char today[32];
    std::snprintf(today, sizeof today, "[%04d/%02d/%02d]", GetParam().today.year,
                  GetParam().today.month, GetParam().today.day);
    EXPECT_EQ(form.GroupBox4, u"本日の開催 " + std::u16string(today, today + std::strlen(today)));
    EXPECT_EQ(form.GroupBox5, GetParam().nextCaption);
    // Without a day found the grids keep the rows they were created with.
    const int row = GetParam().meetingRow;
    const std::optional<int> meetingRow = row < 0 ? std::nullopt : std::optional(row);
    const std::optional<int> courseRow = row < 0 ? std::nullopt : std::optional(row + 1);
    EXPECT_EQ(form.StringGrid1.selectedRow(), meetingRow);
    EXPECT_EQ(form.StringGrid1.topRow(), meetingRow);
    EXPECT_EQ(form.StringGrid2.selectedRow(), courseRow);
    EXPECT_EQ(form.StringGrid2.topRow(), courseRow);
}

const std::u16string Design = u"次の開催";

INSTANTIATE_TEST_SUITE_P(
    Outcomes, TodayPanel,
    testing::Values(
        // Day numbers of 10 and more, their tens digit after "回".
        PanelCase{
            "TwelfthDay",
            {2027, 5, 30},
            {u"◆東京 ２回１２日目", u"◆京都 ３回１０日目", u"", u"◆東京 ３回 １日目", u"", u""},
            u"次の開催 [2027/06/05]",
            0,
            2027,
            u"開催日程\n　２０２７",
            "0530" + Meeting(Tokyo, '2', '2', Mark, '1') + Meeting(Kyoto, '3', '0', Mark, '1') +
                "\r\n0605" + Meeting(Tokyo, '3', '1') + "\r\n"},
        PanelCase{"MeetingDayWithALaterOne",
                  {2003, 5, 10},
                  {Shown(Tokyo, '2', '2'), Shown(Kyoto, '3', '2'), Shown(Hanshin, '1', '1'),
                   Shown(Tokyo, '2', '3'), Shown(Kyoto, '3', '3'), Shown(Hanshin, '1', '2')},
                  u"次の開催 [2003/05/17]",
                  2},
        PanelCase{"FirstDay",
                  {2003, 1, 5},
                  {Shown(Tokyo, '1', '1'), Shown(Kyoto, '1', '1'), BlankMeeting,
                   Shown(Tokyo, '2', '1'), Shown(Kyoto, '3', '1'), BlankMeeting},
                  u"次の開催 [2003/05/03]",
                  0},
        PanelCase{"LastMeetingDay",
                  {2003, 12, 28},
                  {Shown(Tokyo, '5', '8'), u"", u"", u"本年の開催はありません", u"", u""},
                  Design,
                  4},
        PanelCase{"BetweenMeetingDays",
                  {2003, 5, 12},
                  {u"本日の開催はありません", u"", u"", Shown(Tokyo, '2', '3'),
                   Shown(Kyoto, '3', '3'), Shown(Hanshin, '1', '2')},
                  u"次の開催 [2003/05/17]",
                  3},
        PanelCase{"BeforeTheYear",
                  {2002, 12, 31},
                  {u"本日の開催はありません", u"", u"", Shown(Tokyo, '1', '1'),
                   Shown(Kyoto, '1', '1'), BlankMeeting},
                  u"次の開催 [2003/01/05]",
                  0},
        PanelCase{"AfterTheLastDay",
                  {2003, 12, 29},
                  {u"", u"", u"", u"本年の開催はありません", u"", u""},
                  Design,
                  -1},
        PanelCase{"NextYear",
                  {2004, 5, 10},
                  {u"", u"", u"", u"本年の開催はありません", u"", u""},
                  Design,
                  -1},
        // The same files describing another year.
        PanelCase{"OtherYearMeetingDay",
                  {2004, 5, 10},
                  {Shown(Tokyo, '2', '2'), Shown(Kyoto, '3', '2'), Shown(Hanshin, '1', '1'),
                   Shown(Tokyo, '2', '3'), Shown(Kyoto, '3', '3'), Shown(Hanshin, '1', '2')},
                  u"次の開催 [2004/05/17]",
                  2,
                  2004,
                  u"開催日程\n　２００４"},
        PanelCase{"OtherYearBetweenMeetingDays",
                  {2004, 5, 12},
                  {u"本日の開催はありません", u"", u"", Shown(Tokyo, '2', '3'),
                   Shown(Kyoto, '3', '3'), Shown(Hanshin, '1', '2')},
                  u"次の開催 [2004/05/17]",
                  3,
                  2004,
                  u"開催日程\n　２００４"},
        PanelCase{"OtherYearAfterTheLastDay",
                  {2004, 12, 29},
                  {u"", u"", u"", u"本年の開催はありません", u"", u""},
                  Design,
                  -1,
                  1999,
                  u"開催日程\n　１９９９"}),
    CaseName());

class TodayPanelFailure : public FillTest {};

TEST_F(TodayPanelFailure, DateThatIsNoNumberKeepsWhatWasShown) {
    files_.Write(MeetingFile, "0105" + Meeting(Tokyo, '1', '1') + "\r\n01x1\r\n0112\r\n");
    files_.Write(CourseFile, CourseCalendar(3));
    const MainWindowFill form = OpenMain({2003, 1, 5});
    ASSERT_TRUE(form.failure);
    EXPECT_EQ(form.failure->message, "'200301x1' は整数ではありません");
    EXPECT_EQ(form.failure->step, MainStep::ShowTodayAndNext);
    EXPECT_EQ(form.edits[0], Shown(Tokyo, '1', '1'));
    EXPECT_EQ(form.edits[3], u"");
    EXPECT_EQ(form.GroupBox5, Design);
    // Today's line was found, and the grids scrolled to it, before the failure.
    EXPECT_EQ(form.StringGrid1.selectedRow(), 0);
    EXPECT_EQ(form.StringGrid2.selectedRow(), 1);
}

TEST_F(TodayPanelFailure, CourseGridTooShortForTheScrollTarget) {
    std::string calendar;
    for (int day = 1; day <= 9; ++day) {
        calendar += "010" + std::to_string(day) + Meeting(Tokyo, '1', '1') + "\r\n";
    }
    files_.Write(MeetingFile, calendar);
    files_.Write(CourseFile, CourseCalendar(3));
    // Today is the fifth line: the course grid has four rows, header included.
    const MainWindowFill form = OpenMain({2003, 1, 5});
    ASSERT_TRUE(form.failure);
    EXPECT_EQ(form.failure->message, "グリッドインデックス が範囲を超えています");
    EXPECT_EQ(form.failure->step, MainStep::ShowTodayAndNext);
    // The meetings were written before the grids were asked to scroll; the
    // course grid is asked first, so neither grid moved.
    EXPECT_EQ(form.edits[0], Shown(Tokyo, '1', '1'));
    EXPECT_EQ(form.edits[3], u"");
    EXPECT_FALSE(form.StringGrid2.selectedRow());
    EXPECT_FALSE(form.StringGrid1.selectedRow());
    EXPECT_FALSE(form.StringGrid1.topRow());
}

// What users' hand-edited, copied and half-downloaded data files look like.
class DamagedData : public FillTest {
protected:
    MainWindowFill OpenMain(CivilDate today = {2003, 5, 17}) const {
        return FillTest::OpenMain(today);
    }
};

// Random bytes, any but NUL (which would end the text at once).
std::string Noise(std::size_t size) {
    std::mt19937 random(20031228);
    std::string bytes(size, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(1 + random() % 255);
    }
    return bytes;
}

TEST_F(DamagedData, PureNoiseShowsWhatItCanAndNamesTheBadDate) {
    const std::string noise = "ab" + Noise(20000);
    for (const std::string_view name : {MeetingFile, CourseFile, RaceFile}) {
        files_.Write(name, noise);
    }
    const MainWindowFill form = OpenMain();
    const LineList lines = LineList::Split(noise);
    ASSERT_GT(lines.size(), 1u);
    EXPECT_EQ(form.StringGrid1.rowCount(), static_cast<int>(lines.size()));
    EXPECT_EQ(form.StringGrid2.rowCount(), static_cast<int>(lines.size()) + 1);
    // The panel stops at the first line whose date is not a number.
    const std::string key = DateKey(lines[0], ScheduleYear());
    EXPECT_EQ(FailureOf(form), "'" + Cp932ToUtf8(key) + "' は整数ではありません");
    EXPECT_TRUE(OpenList().failure);
}

TEST_F(DamagedData, BrokenDoubleByteCharactersShowAsReplacementCharacters) {
    // A pair code page 932 does not define inside the label, and a line cut
    // in the middle of its last character.
    files_.Write(MeetingFile, "0517"
                              "\x81\x9f\x85\x80\x8b\x9e 2" +
                                  Kai +
                                  "8\x93"
                                  "\r\n");
    files_.Write(CourseFile, "0517\r\n");
    const MainWindowFill form = OpenMain();
    EXPECT_EQ(FailureOf(form), "");
    EXPECT_EQ(Cell(form, form.StringGrid1, 1, 0), u"◆\ufffd京 ２回 ８\ufffd");
    EXPECT_EQ(form.edits[0], u"◆\ufffd京 ２回 ８\ufffd");
}

TEST_F(DamagedData, NulInTheFirstByteMakesAnEmptyFile) {
    CopySampleYear(files_);
    files_.Write(MeetingFile, std::string(1, '\0') + "0517" + Meeting(Tokyo, '2', '8'));
    const MainWindowFill form = OpenMain();
    EXPECT_EQ(FailureOf(form), "");
    EXPECT_EQ(form.StringGrid1.rowCount(), 130);
    EXPECT_EQ(Cell(form, form.StringGrid1, 0, 0), u"");
    EXPECT_EQ(form.edits[0], u"");
    EXPECT_EQ(form.edits[3], u"");
}

TEST_F(DamagedData, TenMegabyteLineIsOneRow) {
    std::string line = "0517" + Meeting(Tokyo, '2', '8');
    line.resize(10 * 1024 * 1024, 'x');
    files_.Write(MeetingFile, line);
    files_.Write(CourseFile, line);
    files_.Write(RaceFile, line);
    const MainWindowFill form = OpenMain();
    EXPECT_EQ(FailureOf(form), "");
    EXPECT_EQ(form.StringGrid1.rowCount(), 1);
    EXPECT_EQ(Cell(form, form.StringGrid1, 1, 0), u"◆東京 ２回 ８日目");
    EXPECT_EQ(Cell(form, form.StringGrid1, 2, 0), u"xxxxxxxｘxxxｘxxxx");
    EXPECT_EQ(form.edits[0], u"◆東京 ２回 ８日目");
    // Its race slots hold "xxxx" names that match no meeting: column 3.
    const ListWindowFill list = OpenList();
    EXPECT_EQ(FailureOf(list), "");
    EXPECT_EQ(Cell(list, list.StringGrid1, 3, 0), std::u16string(38, u'x'));
}

TEST_F(DamagedData, AMillionLinesFillAMillionRows) {
    std::string calendar;
    calendar.reserve(6'000'000);
    for (int i = 0; i < 1'000'000; ++i) {
        calendar += "0105\r\n";
    }
    files_.Write(MeetingFile, calendar);
    files_.Write(CourseFile, calendar);
    const MainWindowFill form = OpenMain({2003, 1, 5});
    EXPECT_EQ(FailureOf(form), "");
    EXPECT_EQ(form.StringGrid1.rowCount(), 1'000'000);
    EXPECT_EQ(form.StringGrid2.rowCount(), 1'000'001);
    EXPECT_EQ(Cell(form, form.StringGrid1, 0, 999'999), u"　１月　５日");
    EXPECT_EQ(form.edits[3], u"本年の開催はありません");
    // Every row's texts are the same few, each stored once.
    EXPECT_LT(form.texts.size(), 30u);
}

struct SignedDateCase {
    const char* name;
    const char* date;
};

class SignedDates : public DamagedData, public testing::WithParamInterface<SignedDateCase> {};

TEST_P(SignedDates, AreNoNumbersOnceTheYearStandsBeforeThem) {
    files_.Write(MeetingFile, std::string(GetParam().date) + Meeting(Tokyo, '1', '1') + "\r\n");
    files_.Write(CourseFile, "0105\r\n");
    const MainWindowFill form = OpenMain();
    EXPECT_EQ(form.StringGrid1.rowCount(), 1);
    EXPECT_EQ(FailureOf(form), std::string("'2003") + GetParam().date + "' は整数ではありません");
}

INSTANTIATE_TEST_SUITE_P(Dates, SignedDates,
                         testing::Values(SignedDateCase{"PlusAndBlank", "+1 5"},
                                         SignedDateCase{"Minus", "-001"},
                                         SignedDateCase{"LeadingBlank", " 105"}),
                         CaseName());

TEST_F(DamagedData, MeetingFileReplacedBetweenItsTwoReads) {
    CopySampleYear(files_);
    // The meeting grid reads the sample year; by the time the panel reads the
    // file again, it holds one other day.
    files_.WriteNextVersion(MeetingFile, "0517" + Meeting(Hanshin, '9', '9') + "\r\n");
    const MainWindowFill form = OpenMain({2003, 5, 17});
    EXPECT_EQ(files_.ReadCount(MeetingFile), 2);
    EXPECT_EQ(FailureOf(form), "");
    EXPECT_EQ(form.StringGrid1.rowCount(), 110);    // the first read
    EXPECT_EQ(form.edits[0], u"◆阪神 ９回 ９日目"); // the second read
    EXPECT_EQ(form.StringGrid1.selectedRow(), 0);
}

} // namespace
