#include "CaseName.h"
#include "TestData.h"
#include "core/DataFiles.h"
#include "grid/StringGrid.h"
#include "mainUnit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace cp932text;

namespace {

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

QString Shown(const std::string& course, char kai, char day) {
    return QStringLiteral("◆") +
           (course == Tokyo   ? "東京"
            : course == Kyoto ? "京都"
                              : "阪神") +
           " " + QChar(0xff10 + (kai - '0')) + "回 " + QChar(0xff10 + (day - '0')) + "日目";
}

const QString BlankMeeting = QStringLiteral("       　   　    ");

struct PanelCase {
    const char* name;
    turvane::CivilDate today;
    QStringList edits; // Edit1 .. Edit6
    QString nextCaption;
    int meetingRow; // selected (and first visible) row of the meeting grid
    int year = turvane::ScheduleYear::Default;
    QString yearLabel = QStringLiteral("開催日程\n　２００３"); // Label1
};

class TodayPanel : public testing::TestWithParam<PanelCase> {};

TEST_P(TodayPanel, ShowsTodayAndTheNextMeetingDay) {
    MemoryDataDir dir;
    dir.Write(turvane::MeetingFile, Calendar());
    dir.Write(turvane::CourseFile, CourseCalendar(5));
    TestContext ctx(dir.source(), GetParam().today);
    ctx.context.year = turvane::ScheduleYear(GetParam().year);
    TForm1 form(ctx.context);
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), GetParam().yearLabel);
    EXPECT_TRUE(ctx.errors->isEmpty()) << ctx.errors->join('\n').toStdString();
    for (int i = 0; i < 6; ++i) {
        const QString name = QStringLiteral("Edit%1").arg(i + 1);
        EXPECT_EQ(form.findChild<QLineEdit*>(name)->text(), GetParam().edits[i])
            << name.toStdString();
    }
    const QString todayText =
        QString::asprintf("本日の開催 [%04d/%02d/%02d]", GetParam().today.year,
                          GetParam().today.month, GetParam().today.day);
    EXPECT_EQ(form.findChild<QGroupBox*>("GroupBox4")->title(), todayText);
    EXPECT_EQ(form.findChild<QGroupBox*>("GroupBox5")->title(), GetParam().nextCaption);
    auto* meetings = form.findChild<StringGrid*>("StringGrid1");
    auto* courses = form.findChild<StringGrid*>("StringGrid2");
    EXPECT_EQ(meetings->row(), GetParam().meetingRow);
    EXPECT_EQ(meetings->topRow(), GetParam().meetingRow);
    EXPECT_EQ(courses->row(), GetParam().meetingRow + 1);
    EXPECT_EQ(courses->topRow(), GetParam().meetingRow + 1);
}

const QString Design = QStringLiteral("次の開催");

INSTANTIATE_TEST_SUITE_P(
    Outcomes, TodayPanel,
    testing::Values(
        PanelCase{"MeetingDayWithALaterOne",
                  {2003, 5, 10},
                  {Shown(Tokyo, '2', '2'), Shown(Kyoto, '3', '2'), Shown(Hanshin, '1', '1'),
                   Shown(Tokyo, '2', '3'), Shown(Kyoto, '3', '3'), Shown(Hanshin, '1', '2')},
                  "次の開催 [2003/05/17]",
                  2},
        PanelCase{"FirstDay",
                  {2003, 1, 5},
                  {Shown(Tokyo, '1', '1'), Shown(Kyoto, '1', '1'), BlankMeeting,
                   Shown(Tokyo, '2', '1'), Shown(Kyoto, '3', '1'), BlankMeeting},
                  "次の開催 [2003/05/03]",
                  0},
        PanelCase{"LastMeetingDay",
                  {2003, 12, 28},
                  {Shown(Tokyo, '5', '8'), "", "", "本年の開催はありません", "", ""},
                  Design,
                  4},
        PanelCase{"BetweenMeetingDays",
                  {2003, 5, 12},
                  {"本日の開催はありません", "", "", Shown(Tokyo, '2', '3'), Shown(Kyoto, '3', '3'),
                   Shown(Hanshin, '1', '2')},
                  "次の開催 [2003/05/17]",
                  3},
        PanelCase{"BeforeTheYear",
                  {2002, 12, 31},
                  {"本日の開催はありません", "", "", Shown(Tokyo, '1', '1'), Shown(Kyoto, '1', '1'),
                   BlankMeeting},
                  "次の開催 [2003/01/05]",
                  0},
        PanelCase{"AfterTheLastDay",
                  {2003, 12, 29},
                  {"", "", "", "本年の開催はありません", "", ""},
                  Design,
                  0},
        PanelCase{
            "NextYear", {2004, 5, 10}, {"", "", "", "本年の開催はありません", "", ""}, Design, 0},
        // The same files describing another year.
        PanelCase{"OtherYearMeetingDay",
                  {2004, 5, 10},
                  {Shown(Tokyo, '2', '2'), Shown(Kyoto, '3', '2'), Shown(Hanshin, '1', '1'),
                   Shown(Tokyo, '2', '3'), Shown(Kyoto, '3', '3'), Shown(Hanshin, '1', '2')},
                  "次の開催 [2004/05/17]",
                  2,
                  2004,
                  "開催日程\n　２００４"},
        PanelCase{"OtherYearBetweenMeetingDays",
                  {2004, 5, 12},
                  {"本日の開催はありません", "", "", Shown(Tokyo, '2', '3'), Shown(Kyoto, '3', '3'),
                   Shown(Hanshin, '1', '2')},
                  "次の開催 [2004/05/17]",
                  3,
                  2004,
                  "開催日程\n　２００４"},
        PanelCase{"OtherYearAfterTheLastDay",
                  {2004, 12, 29},
                  {"", "", "", "本年の開催はありません", "", ""},
                  Design,
                  0,
                  1999,
                  "開催日程\n　１９９９"}),
    CaseName());

class TodayPanelFailure : public testing::Test {
protected:
    MemoryDataDir dir_;
};

TEST_F(TodayPanelFailure, DateThatIsNoNumberKeepsWhatWasShown) {
    dir_.Write(turvane::MeetingFile, "0105" + Meeting(Tokyo, '1', '1') + "\r\n01x1\r\n0112\r\n");
    dir_.Write(turvane::CourseFile, CourseCalendar(3));
    TestContext ctx(dir_.source(), {2003, 1, 5});
    TForm1 form(ctx.context);
    ASSERT_EQ(ctx.errors->size(), 1);
    EXPECT_EQ(ctx.errors->at(0), "'200301x1' は整数ではありません.");
    EXPECT_EQ(form.findChild<QLineEdit*>("Edit1")->text(), Shown(Tokyo, '1', '1'));
    EXPECT_EQ(form.findChild<QLineEdit*>("Edit4")->text(), "");
    EXPECT_EQ(form.findChild<QGroupBox*>("GroupBox5")->title(), Design);
}

TEST_F(TodayPanelFailure, CourseGridTooShortForTheScrollTarget) {
    std::string calendar;
    for (int day = 1; day <= 9; ++day) {
        calendar += "010" + std::to_string(day) + Meeting(Tokyo, '1', '1') + "\r\n";
    }
    dir_.Write(turvane::MeetingFile, calendar);
    dir_.Write(turvane::CourseFile, CourseCalendar(3));
    TestContext ctx(dir_.source(), {2003, 1, 5});
    TForm1 form(ctx.context);
    ASSERT_EQ(ctx.errors->size(), 1);
    EXPECT_EQ(ctx.errors->at(0), "グリッドインデックス が範囲を超えています.");
    // The meetings were written before the grids were asked to scroll.
    EXPECT_EQ(form.findChild<QLineEdit*>("Edit1")->text(), Shown(Tokyo, '1', '1'));
    EXPECT_EQ(form.findChild<QLineEdit*>("Edit4")->text(), "");
}

TEST_F(TodayPanelFailure, NearTheEndTheFirstVisibleRowIsPulledBack) {
    std::string calendar;
    for (int day = 1; day <= 28; ++day) {
        calendar +=
            QString::asprintf("01%02d", day).toStdString() + Meeting(Tokyo, '1', '1') + "\r\n";
    }
    dir_.Write(turvane::MeetingFile, calendar);
    dir_.Write(turvane::CourseFile, CourseCalendar(28));
    TestContext ctx(dir_.source(), {2003, 1, 27});
    TForm1 form(ctx.context);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* meetings = form.findChild<StringGrid*>("StringGrid1");
    auto* courses = form.findChild<StringGrid*>("StringGrid2");
    EXPECT_EQ(meetings->row(), 26);
    EXPECT_EQ(courses->row(), 27);
    EXPECT_LT(meetings->topRow(), 26);
    EXPECT_LT(courses->topRow(), 27);
    // The last page is full: the last row is whole and less than a row is spare.
    const int spare = meetings->viewport()->height() - (meetings->rowViewportPosition(27) + 19);
    EXPECT_GE(spare, 0);
    EXPECT_LT(spare, 19);
}

} // namespace
