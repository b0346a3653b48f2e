#include "core/ByteText.h"
#include "CaseName.h"
#include "core/Errors.h"
#include "core/Labels.h"
#include "core/LineList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace turvane;
using namespace std::string_literals;

namespace {

struct SplitCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class SplitLines : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, YieldsTheLinesBetweenBreaks) {
    const LineList list = LineList::Split(GetParam().bytes);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < list.size(); ++i) {
        lines.emplace_back(list[i]);
    }
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, SplitLines,
    testing::Values(
        SplitCase{"EmptyFile", "", {}}, SplitCase{"CrLfAtEnd", "a\r\nb\r\n", {"a", "b"}},
        SplitCase{"NoFinalBreak", "a\r\nb", {"a", "b"}}, SplitCase{"CrOnly", "a\rb\r", {"a", "b"}},
        SplitCase{"LfOnly", "a\nb\n", {"a", "b"}},
        SplitCase{"MixedBreaks", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        SplitCase{"TwoBreaksGiveAnEmptyLine", "a\r\n\r\nb", {"a", "", "b"}},
        SplitCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
        SplitCase{"OnlyABreak", "\r\n", {""}},
        SplitCase{"NulEndsTheText", "a\r\nb\0c\r\nd"s, {"a", "b"}},
        SplitCase{"NulFirst", "\0abc\r\n"s, {}}, SplitCase{"CrBeforeNul", "a\r\0\nb"s, {"a"}}),
    CaseName());

TEST(LineListAt, PastTheEndNamesTheIndex) {
    const LineList list = LineList::Split("a\r\nb");
    EXPECT_EQ(list.at(1), "b");
    try {
        (void)list.at(2);
        FAIL() << "no exception";
    } catch (const ListIndexError& e) {
        EXPECT_STREQ(e.what(), "リストのインデックスが範囲を超えています (2)");
    }
}

struct SliceCase {
    const char* text;
    std::size_t start;
    std::size_t count;
    const char* expected;
};

class SliceTest : public testing::TestWithParam<SliceCase> {};

TEST_P(SliceTest, ClampsToTheText) {
    const auto& c = GetParam();
    EXPECT_EQ(Slice(c.text, c.start, c.count), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ranges, SliceTest,
                         testing::Values(SliceCase{"0105", 3, 2, "05"}, SliceCase{"01", 3, 2, ""},
                                         SliceCase{"abc", 2, 5, "bc"}, SliceCase{"abc", 3, 1, "c"},
                                         SliceCase{"abc", 4, 1, ""}, SliceCase{"", 1, 1, ""},
                                         SliceCase{"abc", 0, 2, ""}));

struct MappingCase {
    const char* name;
    std::string input;
    std::string expected;
};

class FullWidth : public testing::TestWithParam<MappingCase> {};

TEST_P(FullWidth, MapsHalfWidthCharacters) {
    EXPECT_EQ(ToFullWidth(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, FullWidth,
    testing::Values(MappingCase{"Empty", "", ""}, MappingCase{"Blank", " ", "\x81\x40"},
                    MappingCase{"Digits", "09", "\x82\x4f\x82\x58"},
                    MappingCase{"Letters", "Az", "\x82\x60\x82\x9a"},
                    MappingCase{"Backslash", "\\", "\x81\x5f"},
                    MappingCase{"Tilde", "~", "\x81\x60"}, MappingCase{"Minus", "-", "\x81\x7c"},
                    MappingCase{"QuoteFromIbmExtensions", "\"'", "\xfa\x57\xfa\x56"},
                    MappingCase{"KatakanaA", "\xb1", "\x83\x41"},
                    MappingCase{"VoicedKaComposes", "\xb6\xde", "\x83\x4b"},
                    MappingCase{"SemiVoicedHaComposes", "\xca\xdf", "\x83\x70"},
                    MappingCase{"VoicedMarkAlone", "\xde", "\x81\x4a"},
                    MappingCase{"MarkThatCannotCompose", "\xb1\xde", "\x83\x41\x81\x4a"},
                    MappingCase{"DoubleByteUnchanged",
                                "\x8c\x8e"
                                "1",
                                "\x8c\x8e\x82\x50"},
                    MappingCase{"DoubleByteWithAsciiTrail", "\x83\x5c", "\x83\x5c"},
                    MappingCase{"LoneLeadByteKept", "\x82", "\x82"},
                    MappingCase{"ControlByteKept", "\t", "\t"}),
    CaseName());

// Each trim takes off only its own blanks, and only at its own ends.
struct TrimCase {
    const char* name;
    std::string_view (*trim)(std::string_view);
    std::string input;
    std::string expected;
};

class Trims : public testing::TestWithParam<TrimCase> {};

TEST_P(Trims, TakeTheirBlanksOffTheirEnds) {
    EXPECT_EQ(GetParam().trim(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Blanks, Trims,
    testing::Values(TrimCase{"FieldKeepsLeadingBlanks", TrimTrailingBlanks, "  \x8b\x9e  ",
                             "  \x8b\x9e"},
                    TrimCase{"FieldOfBlanksOnly", TrimTrailingBlanks, "   ", ""},
                    TrimCase{"FieldKeepsTabs", TrimTrailingBlanks, "a\t", "a\t"},
                    TrimCase{"CellBlanksAndTabs", TrimCell, " \t1\t ", "1"},
                    TrimCase{"CellKeepsInnerBlanks", TrimCell, " a b ", "a b"},
                    TrimCase{"TextIdeographicSpaces", TrimUtf8Blanks, "\u3000 京都\u3000", "京都"},
                    TrimCase{"TextKeepsTabs", TrimUtf8Blanks, "\t京都 ", "\t京都"}),
    CaseName());

class MonthDay : public testing::TestWithParam<MappingCase> {};

TEST_P(MonthDay, BlanksLeadingZeros) {
    EXPECT_EQ(MonthDayLabel(GetParam().input), GetParam().expected);
}

// "１２月　５日" and friends, spelled in code page 932.
INSTANTIATE_TEST_SUITE_P(
    Labels, MonthDay,
    testing::Values(
        MappingCase{"LeadingZeros", "0105xyz", "\x81\x40\x82\x50\x8c\x8e\x81\x40\x82\x54\x93\xfa"},
        MappingCase{"NoZeros", "1123", "\x82\x50\x82\x50\x8c\x8e\x82\x51\x82\x52\x93\xfa"},
        MappingCase{"DayZero", "1205", "\x82\x50\x82\x51\x8c\x8e\x81\x40\x82\x54\x93\xfa"},
        MappingCase{"MonthZero", "0110", "\x81\x40\x82\x50\x8c\x8e\x82\x50\x82\x4f\x93\xfa"},
        MappingCase{"EmptyLine", "", "\x8c\x8e\x93\xfa"},
        MappingCase{"OnlyAZero", "0", "\x81\x40\x8c\x8e\x93\xfa"}),
    CaseName());

TEST(NumberedWords, SharedShapeOfMeetingAndCourseSlots) {
    EXPECT_EQ(NumberedWordsText("1\x89\xf1 5\x93\xfa\x96\xda", 1),
              "\x82\x50\x89\xf1 \x82\x54\x93\xfa\x96\xda"); // "１回 ５日目"
    EXPECT_EQ(NumberedWordsText("         ", 1), "\x81\x40   \x81\x40    ");
    EXPECT_EQ(NumberedWordsText("abc", 5), "");
}

} // namespace
