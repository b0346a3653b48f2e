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

std::string CourseCalendar(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) {
        text += "0101" + std::string(90, ' ') + "\r\n";
    }
    return text;
}

class TodayPanelFailure : public testing::Test {
protected:
    MemoryDataDir dir_;
};

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
