#include "core/DateKeys.h"
#include "CaseName.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace turvane;

namespace {

// Writes down what the search shows, in order.
class Recorder : public TodayAndNextSink {
public:
    std::vector<std::string> events;

    void ShowTodaysMeetings(std::string_view line) override { Add("today", line); }
    void ShowNextMeetingDay(std::string_view line) override { Add("next", line); }
    void ShowNoMeetingToday() override { events.emplace_back("none today"); }
    void ShowNoMoreMeetingsThisYear() override { events.emplace_back("none this year"); }
    void SettleOn(std::size_t i) override { events.push_back("settle " + std::to_string(i)); }

private:
    void Add(const char* what, std::string_view line) {
        events.push_back(std::string(what) + " " + std::string(line.substr(0, 4)));
    }
};

struct SearchCase {
    const char* name;
    const char* calendar;
    const char* today;
    std::vector<std::string> events;
};

class SearchTest : public testing::TestWithParam<SearchCase> {};

TEST_P(SearchTest, ShowsTodayAndTheNextMeetingDay) {
    Recorder recorder;
    SearchTodayAndNext(LineList::Split(GetParam().calendar), GetParam().today, ScheduleYear(),
                       recorder);
    EXPECT_EQ(recorder.events, GetParam().events);
}

const char* const Year = "0105\r\n0111\r\n0512\r\n0517\r\n1228\r\n";

INSTANTIATE_TEST_SUITE_P(
    Outcomes, SearchTest,
    testing::Values(
        SearchCase{
            "MeetingDayWithALaterOne", Year, "20030512", {"today 0512", "settle 2", "next 0517"}},
        SearchCase{"FirstDay", Year, "20030105", {"today 0105", "settle 0", "next 0111"}},
        SearchCase{
            "LastMeetingDay", Year, "20031228", {"today 1228", "settle 4", "none this year"}},
        SearchCase{"BetweenMeetingDays", Year, "20030513", {"next 0517", "settle 3", "none today"}},
        SearchCase{"BeforeTheYear", Year, "20021231", {"next 0105", "settle 0", "none today"}},
        SearchCase{"AfterTheYear", Year, "20040105", {"none this year"}},
        SearchCase{"EmptyCalendar", "", "20030512", {}},
        // An empty line has the key 2003: never today, never later.
        SearchCase{"EmptyLinePassedOver",
                   "0105\r\n\r\n0111\r\n",
                   "20030106",
                   {"next 0111", "settle 2", "none today"}}),
    CaseName());

TEST(SearchFailure, LineWithoutANumericDateStopsTheSearchThere) {
    Recorder recorder;
    const LineList calendar = LineList::Split("0105\r\n0111\r\n01x2\r\n0118\r\n");
    try {
        SearchTodayAndNext(calendar, "20030111", ScheduleYear(), recorder);
        FAIL() << "no exception";
    } catch (const NotAnIntegerError& e) {
        EXPECT_STREQ(e.what(), "'200301x2' は整数ではありません");
    }
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"today 0111", "settle 1"}));
}

TEST(CheckDateKeysTest, PlacesTheFirstDateThatIsNoNumberInItsFile) {
    LineList calendar = LineList::Split("0105\r\n0111\r\n01x2 \x82\xa0\r\n01y8\r\n");
    calendar.SetSource("/d/Cal1.dat");
    try {
        CheckDateKeys(calendar, ScheduleYear(2004));
        FAIL() << "no exception";
    } catch (const NotAnIntegerError& e) {
        // The window's message keeps the key; the place holds what the file holds.
        EXPECT_STREQ(e.what(), "'200401x2' は整数ではありません");
        EXPECT_EQ(e.kind(), FailureKind::NotAnInteger);
        EXPECT_EQ(e.place().path, "/d/Cal1.dat");
        EXPECT_EQ(e.place().line, 3u);
        EXPECT_EQ(e.place().column, 1u);
        EXPECT_EQ(e.place().text, "01x2");
    }
}

TEST(TodayTextTest, IsYearMonthDayWithSlashes) {
    EXPECT_EQ(TodayText({2003, 5, 12}), "2003/05/12");
    EXPECT_EQ(TodayKey({2003, 5, 12}), "20030512");
    EXPECT_EQ(TodayKey({2004, 12, 1}), "20041201");
}

TEST(DateKeyTest, IsTheYearAndTheFirstFourBytes) {
    EXPECT_EQ(DateKey("0512 anything", ScheduleYear()), "20030512");
    EXPECT_EQ(DateKey("05", ScheduleYear()), "200305");
    EXPECT_EQ(DateKey("", ScheduleYear()), "2003");
    EXPECT_EQ(DateKey("0229", ScheduleYear(1000)), "10000229");
}

TEST(MonthDayTest, IsFourDigitsWhateverFollows) {
    const std::optional<MonthDay> date = ParseMonthDay("1231\x8b\x9e");
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(date->month, 12);
    EXPECT_EQ(date->day, 31);
    // Whether it is a day of the year is asked elsewhere.
    EXPECT_EQ(ParseMonthDay("0099")->day, 99);
    for (const char* notFourDigits : {"123", "", " 105", "+105", "01x5",
                                      "\x82\x4f"
                                      "105"}) {
        EXPECT_FALSE(ParseMonthDay(notFourDigits).has_value()) << notFourDigits;
    }
}

struct KeyCase {
    const char* text;
    bool valid;
    std::int32_t value;
};

class KeyValueTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyValueTest, AcceptsOnlyDecimalIntegers) {
    const auto& c = GetParam();
    if (c.valid) {
        EXPECT_EQ(KeyValue(c.text), c.value);
    } else {
        try {
            KeyValue(c.text);
            FAIL() << "accepted " << c.text;
        } catch (const NotAnIntegerError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(c.text) + "' は整数ではありません");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyValueTest,
                         testing::Values(KeyCase{"20030512", true, 20030512},
                                         KeyCase{"2003", true, 2003}, KeyCase{"  2003", true, 2003},
                                         KeyCase{"+2003", true, 2003}, KeyCase{"-12", true, -12},
                                         KeyCase{"2147483647", true, 2147483647},
                                         KeyCase{"-2147483648", true, -2147483647 - 1},
                                         KeyCase{"2147483648", false, 0},
                                         KeyCase{"99999999999999999999", false, 0},
                                         KeyCase{"", false, 0}, KeyCase{"+", false, 0},
                                         KeyCase{"2003 ", false, 0}, KeyCase{"2003+1 5", false, 0},
                                         KeyCase{"2003-001", false, 0}, KeyCase{"\t2003", false, 0},
                                         KeyCase{"2003ab", false, 0}, KeyCase{"0x10", false, 0}));

struct ScrollCase {
    const char* name;
    const char* today;
    std::size_t row;
};

class FirstDayOnOrAfterTest : public testing::TestWithParam<ScrollCase> {};

TEST_P(FirstDayOnOrAfterTest, FindsTheFirstDayNotBeforeToday) {
    const LineList lines = LineList::Split("0105\r\n0111\r\n0112\r\n1228\r\n");
    EXPECT_EQ(FirstDayOnOrAfter(lines, GetParam().today, ScheduleYear()), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(Days, FirstDayOnOrAfterTest,
                         testing::Values(ScrollCase{"OnAMeetingDay", "20030111", 1},
                                         ScrollCase{"BetweenDays", "20030106", 1},
                                         ScrollCase{"BeforeTheYear", "20020101", 0},
                                         ScrollCase{"LastDay", "20031228", 3},
                                         ScrollCase{"AfterTheYear", "20040101", 0}),
                         CaseName());

TEST(FirstDayOnOrAfterFailure, DateThatIsNoNumber) {
    const LineList lines = LineList::Split("0105\r\n01x1\r\n");
    EXPECT_THROW(FirstDayOnOrAfter(lines, "20030110", ScheduleYear()), NotAnIntegerError);
}

} // namespace
