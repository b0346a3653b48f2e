#include "CaseName.h"
#include "Cp932Text.h"
#include "core/CourseCalendar.h"
#include "core/Errors.h"
#include "core/GradedRaces.h"
#include "core/MeetingCalendar.h"

#include <gtest/gtest.h>

#include <string>

using namespace turvane;
using namespace cp932text;

namespace {

const std::string FwBlank = "\x81\x40";

std::string Blanks(std::size_t n) {
    return std::string(n, ' ');
}

std::string Digit(char d) {
    return std::string("\x82") + static_cast<char>(0x4f + (d - '0'));
}

TEST(MeetingTextTest, RendersNumeralsFullWidthAndTheRestAsStored) {
    const std::string line =
        "0105" + Meeting(Tokyo, '1', '5', Star) + Meeting(Kyoto, '2', '8', Star);
    EXPECT_EQ(MeetingText(line, 1), Star + Tokyo + " " + Digit('1') + Kai + Digit('5') + Nichime);
    EXPECT_EQ(MeetingText(line, 2), Star + Kyoto + " " + Digit('2') + Kai + Digit('8') + Nichime);
    EXPECT_EQ(MeetingText(line, 3), "");
    EXPECT_EQ(MeetingCourseName(line, 2), Kyoto);
}

TEST(MeetingTextTest, BlankSlotIsWhitespaceWithFullWidthNumerals) {
    const std::string line = "0105" + Blanks(48);
    EXPECT_EQ(MeetingText(line, 3), Blanks(7) + FwBlank + Blanks(3) + FwBlank + Blanks(4));
}

TEST(MeetingTextTest, HalfWidthInTheLabelStaysHalfWidth) {
    const std::string line = "0105"
                             "*AB C  1" +
                             Kai + "2" + Nichime;
    EXPECT_EQ(MeetingText(line, 1), "*AB C  " + Digit('1') + Kai + Digit('2') + Nichime);
}

// The numbered words of a slot, as both readers show them: every form the
// original layout has shows as it always did, and a digit in place of the
// blank after "回" is the day number's tens digit when a digit follows it.
struct WordsCase {
    const char* name;
    std::string words; // the slot's last 9 bytes
    std::string shown;
};

class NumberedWordsTest : public testing::TestWithParam<WordsCase> {};

TEST_P(NumberedWordsTest, ShowsTheSameInMeetingAndCourseSlots) {
    const WordsCase& c = GetParam();
    const std::string label = Star + Tokyo + " ";
    EXPECT_EQ(MeetingText("0105" + Blanks(16) + label + c.words, 2), label + c.shown);
    EXPECT_EQ(CourseDayText("0105" + Blanks(9) + c.words, 2), c.shown);
}

const std::string KaiWord = Kai.substr(0, 2); // "回" without its blank

INSTANTIATE_TEST_SUITE_P(
    Forms, NumberedWordsTest,
    testing::Values(
        WordsCase{"OneDigitDay", Words('2', '8'), Digit('2') + Kai + Digit('8') + Nichime},
        WordsCase{"BlankNumerals", Words(' ', ' '), FwBlank + Kai + FwBlank + Nichime},
        WordsCase{"BlankMeetingNumber", Words(' ', '3'), FwBlank + Kai + Digit('3') + Nichime},
        WordsCase{"AllBlanks", Blanks(9), FwBlank + Blanks(3) + FwBlank + Blanks(4)},
        WordsCase{"OtherByteAfterKaiStaysAsStored", "1" + KaiWord + "x5" + Nichime,
                  Digit('1') + KaiWord + "x" + Digit('5') + Nichime},
        WordsCase{"TwelfthDay", Words('2', '2', '1'),
                  Digit('2') + KaiWord + Digit('1') + Digit('2') + Nichime},
        WordsCase{"TenthDay", Words('3', '0', '1'),
                  Digit('3') + KaiWord + Digit('1') + Digit('0') + Nichime},
        WordsCase{"TensWithoutOnesStaysAsStored", "1" + KaiWord + "1 " + Nichime,
                  Digit('1') + KaiWord + "1" + FwBlank + Nichime},
        WordsCase{"TensBeforeABlankMeetingNumber", Words(' ', '1', '1'),
                  FwBlank + KaiWord + Digit('1') + Digit('1') + Nichime},
        WordsCase{"LineEndsAfterTheTens", "2" + KaiWord + "1", Digit('2') + KaiWord + "1"}),
    CaseName());

TEST(MeetingDateTextTest, KeepsTheLinesOwnZeros) {
    EXPECT_EQ(MeetingDateText("0503xyz", ScheduleYear()), "2003/05/03");
    EXPECT_EQ(MeetingDateText("0503xyz", ScheduleYear(1999)), "1999/05/03");
}

TEST(CourseDayTextTest, ReadsEachOfTheTenSlots) {
    std::string line = "0105";
    for (char c = '1'; c <= '9'; ++c) {
        line += std::string(1, c) + Kai + c + Nichime;
    }
    line += Blanks(9);
    EXPECT_EQ(line.size(), 94u);
    EXPECT_EQ(CourseDayText(line, 1), Digit('1') + Kai + Digit('1') + Nichime);
    EXPECT_EQ(CourseDayText(line, 9), Digit('9') + Kai + Digit('9') + Nichime);
    // A course without racing shows only blanks, never a zero.
    EXPECT_EQ(CourseDayText(line, 10), FwBlank + Blanks(3) + FwBlank + Blanks(4));
}

TEST(CourseDayTextTest, ShortLinesLoseTheirMissingBytes) {
    const std::string line = "0105" + Blanks(81) + "3" + Kai + "4" + Nichime; // 94 bytes
    ASSERT_EQ(line.size(), 94u);
    EXPECT_EQ(CourseDayText(line, 10), Digit('3') + Kai + Digit('4') + Nichime);
    const std::string cut = line.substr(0, 93);
    EXPECT_EQ(CourseDayText(cut, 10), Digit('3') + Kai + Digit('4') + "\x93\xfa\x96");
    EXPECT_EQ(CourseDayText("0105", 1), "");
}

struct EmptySlotCase {
    const char* name;
    std::string line;
    int slot;
    bool empty;
};

class RaceSlotEmpty : public testing::TestWithParam<EmptySlotCase> {};

TEST_P(RaceSlotEmpty, DependsOnTheNameOnly) {
    EXPECT_EQ(RaceSlotIsEmpty(GetParam().line, GetParam().slot), GetParam().empty);
}

INSTANTIATE_TEST_SUITE_P(
    Slots, RaceSlotEmpty,
    testing::Values(EmptySlotCase{"Named", "0105" + Race(Tokyo, " X"), 1, false},
                    EmptySlotCase{"FourBlanksWithTextBehind", "0105    text", 1, true},
                    EmptySlotCase{"LineEndsBeforeTheSlot", "0105" + Race(Tokyo, " X"), 2, true},
                    EmptySlotCase{"LineEndsInsideTheName", "0105" + EmptyRace + "  ", 2, true},
                    EmptySlotCase{"ExactlyOneSlotLong", "0105" + Race(Tokyo, "X"), 3, true}),
    CaseName());

struct PlaceCase {
    const char* name;
    std::string raceLine;
    std::string calendarLine;
    std::array<std::string, 4> columns; // "-" where nothing is written
};

class PlaceRacesTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceRacesTest, PutsEachRaceInTheColumnOfItsMeeting) {
    const LineList calendar = LineList::Split(GetParam().calendarLine);
    const RaceRow placed = PlaceRaces(GetParam().raceLine, calendar, 0);
    for (int column = 1; column <= 3; ++column) {
        SCOPED_TRACE(column);
        const auto& text = placed[static_cast<std::size_t>(column)];
        EXPECT_EQ(text ? std::string(*text) : "-", GetParam().columns[column]);
    }
}

const std::string Day = "0105" + Meeting(Tokyo, '1', '1', Star) + Meeting(Kyoto, '1', '1', Star) +
                        Meeting(Hanshin, '1', '1', Star);

INSTANTIATE_TEST_SUITE_P(
    Placement, PlaceRacesTest,
    testing::Values(PlaceCase{"EachInItsOwnColumn",
                              "0105" + Race(Tokyo, "a") + Race(Kyoto, "b") + Race(Hanshin, "c"),
                              Day,
                              {"", Race(Tokyo, "a"), Race(Kyoto, "b"), Race(Hanshin, "c")}},
                    PlaceCase{"SlotOneMatchingMeetingTwo",
                              "0105" + Race(Kyoto, "b"),
                              Day,
                              {"", "-", Race(Kyoto, "b"), "-"}},
                    PlaceCase{"SlotOneMatchingNothingGoesToThree",
                              "0105" + Race(Hanshin, "c"),
                              Day,
                              {"", "-", "-", Race(Hanshin, "c")}},
                    PlaceCase{"LaterSlotReplacesColumnThree",
                              "0105" + EmptyRace + Race(Hanshin, "x") + Race(Hanshin, "y"),
                              Day,
                              {"", "-", "-", Race(Hanshin, "y")}},
                    PlaceCase{"SlotThreeMismatchIsNotShown",
                              "0105" + EmptyRace + EmptyRace + Race(Tokyo, "z"),
                              Day,
                              {"", "-", "-", "-"}},
                    // A line trimmed after its last race must not blank that race.
                    PlaceCase{"TrimmedLineKeepsItsRace",
                              "0105" + EmptyRace + Race(Kyoto, "b"),
                              Day,
                              {"", "-", Race(Kyoto, "b"), "-"}},
                    PlaceCase{"NoRaces", "0105", Day, {"", "-", "-", "-"}}),
    CaseName());

TEST(PlaceRacesFailure, RaceWithoutACalendarLineNamesTheRow) {
    LineList calendar = LineList::Split(Day);
    calendar.SetSource("/d/Cal1.dat");
    try {
        PlaceRaces("0111" + Race(Tokyo, "a"), calendar, 1);
        FAIL() << "no exception";
    } catch (const ListIndexError& e) {
        EXPECT_STREQ(e.what(), "リストのインデックスが範囲を超えています (1)");
        // Where the calendar's missing line would be, and how many it has.
        EXPECT_EQ(e.kind(), FailureKind::ListIndex);
        EXPECT_EQ(e.place().path, "/d/Cal1.dat");
        EXPECT_EQ(e.place().line, 2u);
        EXPECT_EQ(e.size, 1u);
    }
}

TEST(PlaceRacesFailure, EmptyRowNeedsNoCalendarLine) {
    const LineList calendar;
    const RaceRow placed = PlaceRaces("0111" + EmptyRace + "  ", calendar, 5);
    EXPECT_FALSE(placed[1] || placed[2] || placed[3]);
}

} // namespace
