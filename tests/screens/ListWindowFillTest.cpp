#include "CaseName.h"
#include "ScreensTestData.h"

#include <gtest/gtest.h>

#include <string>

using namespace cp932text;
using namespace turvane;
using namespace turvane::screens;

namespace {

// Three meeting days, each with Tokyo, Kyoto and Hanshin in that order.
std::string Calendar() {
    const std::string day =
        Meeting(Tokyo, '1', '1') + Meeting(Kyoto, '1', '1') + Meeting(Hanshin, '1', '1');
    return "0105" + day + "\r\n0111" + day + "\r\n0112" + day + "\r\n";
}

std::u16string Shown(const std::string& course, const char16_t* text) {
    std::u16string shown = course == Tokyo ? u"東京" : course == Kyoto ? u"京都" : u"阪神";
    shown += text;
    shown.resize(2 + 34, u' ');
    return shown;
}

class GradedRaceWindow : public FillTest {
protected:
    ListWindowFill Open(const std::string& races, CivilDate today = {2003, 1, 5},
                        ScheduleYear year = {}) {
        files_.Write(MeetingFile, Calendar());
        files_.Write(RaceFile, races);
        return OpenList(today, year);
    }
    std::u16string CellOf(const ListWindowFill& form, int col, int row) const {
        return Cell(form, form.StringGrid1, col, row);
    }
};

TEST_F(GradedRaceWindow, HasTheDesignLayout) {
    const WindowDesign& form = ListWindowDesign();
    ExpectConsistent(form);
    EXPECT_EQ(form.name, "Form2");
    EXPECT_EQ(form.caption, u"Turvane 重賞日程一覧");
    EXPECT_EQ(form.clientSize, (Size{742, 223}));
    EXPECT_TRUE(form.resizable);
    EXPECT_EQ(form.find("GroupBox1")->text, u"重賞日程一覧");
    EXPECT_EQ(form.find("Button1")->text, u"戻     る");
    ExpectPlaced(form, {{"StringGrid1", {2, 15, 738, 144}},
                        {"GroupBox2", {0, 167, 742, 56}},
                        {"Button1", {8, 14, 729, 33}}});
    const GridShape& races = *form.find("StringGrid1")->grid;
    const int widths[] = {64, 229, 225, 193};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(races.colWidth(c), widths[c]);
    }
    EXPECT_EQ(races.fixedRows, 0);
}

TEST_F(GradedRaceWindow, PlacesEachRaceInTheColumnOfItsMeeting) {
    const std::string races =
        "0105" + Race(Tokyo, "A") + Race(Kyoto, "B") + Race(Hanshin, "C") + "\r\n" +
        // Slot 1 holds Kyoto's race, slot 3 a course not racing in meeting slot 3.
        "0111" + Race(Kyoto, "D") + EmptyRace + Race(Tokyo, "E") + "\r\n" +
        // Two races for column 3: the later one stays.
        "0112" + EmptyRace + Race(Hanshin, "F") + Race(Hanshin, "G") + "\r\n";
    const ListWindowFill form = Open(races);
    EXPECT_EQ(FailureOf(form), "");
    EXPECT_EQ(form.StringGrid1.rowCount(), 3);
    EXPECT_EQ(CellOf(form, 0, 0), u"　１月　５日");
    EXPECT_EQ(CellOf(form, 1, 0), Shown(Tokyo, u"A"));
    EXPECT_EQ(CellOf(form, 2, 0), Shown(Kyoto, u"B"));
    EXPECT_EQ(CellOf(form, 3, 0), Shown(Hanshin, u"C"));
    EXPECT_EQ(CellOf(form, 1, 1), u"");
    EXPECT_EQ(CellOf(form, 2, 1), Shown(Kyoto, u"D"));
    EXPECT_EQ(CellOf(form, 3, 1), u"");
    EXPECT_EQ(CellOf(form, 3, 2), Shown(Hanshin, u"G"));
}

TEST_F(GradedRaceWindow, TrimmedLinesKeepTheirRaces) {
    // Trailing blanks cut off by an editor: slot 3 is missing altogether.
    const ListWindowFill form = Open("0105" + EmptyRace + Race(Kyoto, "B").substr(0, 10) + "\r\n");
    EXPECT_EQ(FailureOf(form), "");
    EXPECT_EQ(CellOf(form, 2, 0), u"京都B     ");
    EXPECT_EQ(CellOf(form, 3, 0), u"");
}

TEST_F(GradedRaceWindow, BlankNameHidesTheTextBehindIt) {
    EXPECT_EQ(CellOf(Open("0105    hidden race text\r\n"), 1, 0), u"");
}

struct ScrollCase {
    const char* name;
    CivilDate today;
    int row;
    int year = ScheduleYear::Default;
};

class GradedRaceScroll : public GradedRaceWindow, public testing::WithParamInterface<ScrollCase> {};

TEST_P(GradedRaceScroll, OpensAtTheFirstDayOnOrAfterToday) {
    const ListWindowFill form =
        Open("0105\r\n0111\r\n0112\r\n", GetParam().today, ScheduleYear(GetParam().year));
    EXPECT_EQ(form.StringGrid1.selectedRow(), GetParam().row);
    EXPECT_EQ(form.StringGrid1.topRow(), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(Days, GradedRaceScroll,
                         testing::Values(ScrollCase{"OnAMeetingDay", {2003, 1, 11}, 1},
                                         ScrollCase{"BetweenDays", {2003, 1, 6}, 1},
                                         ScrollCase{"AfterTheLastDay", {2003, 2, 1}, 0},
                                         ScrollCase{"NextYear", {2004, 1, 11}, 0},
                                         ScrollCase{
                                             "OtherYearOnAMeetingDay", {2004, 1, 11}, 1, 2004}),
                         CaseName());

TEST_F(GradedRaceWindow, MissingFileKeepsTheEmptyRows) {
    files_.Write(MeetingFile, Calendar());
    const ListWindowFill form = OpenList();
    ASSERT_TRUE(form.failure);
    EXPECT_EQ(form.failure->message, OpenError(RaceFile));
    EXPECT_EQ(form.failure->step, ListStep::LoadFiles);
    EXPECT_EQ(form.StringGrid1.rowCount(), 130);
}

TEST_F(GradedRaceWindow, RaceWithoutACalendarLineStopsAtThatRow) {
    const std::string races = "0105" + Race(Tokyo, "A") + "\r\n" + "0111" + Race(Tokyo, "B") +
                              "\r\n" + "0112" + Race(Tokyo, "C") + "\r\n" + "0118" +
                              Race(Tokyo, "D") + "\r\n" + "0119" + Race(Tokyo, "E") + "\r\n";
    const ListWindowFill form = Open(races, {2003, 1, 12});
    ASSERT_TRUE(form.failure);
    EXPECT_EQ(form.failure->message, "リストのインデックスが範囲を超えています (3)");
    EXPECT_EQ(form.failure->step, ListStep::FillRows);
    EXPECT_EQ(form.StringGrid1.rowCount(), 5);
    EXPECT_EQ(CellOf(form, 1, 2), Shown(Tokyo, u"C"));
    EXPECT_EQ(CellOf(form, 0, 3), u"　１月１８日");
    EXPECT_EQ(CellOf(form, 1, 3), u"");
    EXPECT_EQ(CellOf(form, 0, 4), u"");
    EXPECT_FALSE(form.StringGrid1.selectedRow()); // not scrolled
}

TEST_F(GradedRaceWindow, DateThatIsNoNumberLeavesTheListUnscrolled) {
    const ListWindowFill form = Open("0105\r\n0111\r\n01x2\r\n", {2003, 1, 12});
    ASSERT_TRUE(form.failure);
    EXPECT_EQ(form.failure->message, "'200301x2' は整数ではありません");
    EXPECT_EQ(form.failure->step, ListStep::ScrollToToday);
    EXPECT_EQ(CellOf(form, 0, 2), u"　１月ｘ２日");
    EXPECT_FALSE(form.StringGrid1.selectedRow());
}

} // namespace
