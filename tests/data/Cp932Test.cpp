#include "data/Cp932.h"

#include <gtest/gtest.h>

#include <string>

using namespace turvane;
using namespace std::string_literals;

namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string utf8;
};

class Cp932Decode : public testing::TestWithParam<DecodeCase> {};

TEST_P(Cp932Decode, MatchesWindows) {
    EXPECT_EQ(Cp932ToUtf8(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Cp932Decode,
    testing::Values(DecodeCase{"Ascii", "abc 123", "abc 123"},
                    DecodeCase{"BackslashStaysBackslash", "\x5c", "\\"},
                    DecodeCase{"TildeStaysTilde", "\x7e", "~"},
                    DecodeCase{"ControlBytesUnchanged", "\x1a\x1c\x7f", "\x1a\x1c\x7f"},
                    DecodeCase{"Kanji", "\x8c\x8e\x93\xfa", "月日"},
                    DecodeCase{"FullWidthReverseSolidus", "\x81\x5f", "＼"},
                    DecodeCase{"FullWidthTilde", "\x81\x60", "～"},
                    DecodeCase{"ParallelTo", "\x81\x61", "∥"},
                    DecodeCase{"FullWidthMinus", "\x81\x7c", "－"},
                    DecodeCase{"NecCircledOne", "\x87\x40", "①"},
                    DecodeCase{"NecRomanThree", "\x87\x56", "Ⅲ"},
                    DecodeCase{"IbmSmallRomanOne", "\xfa\x40", "ⅰ"},
                    DecodeCase{"SecondByteIsBackslash", "\x83\x5c", "ソ"},
                    DecodeCase{"HalfWidthKatakana", "\xb1", "ｱ"},
                    DecodeCase{"WindowsOnlySingleBytes", "\x80\xa0\xfd\xfe\xff",
                               "\u0080\uf8f0\uf8f1\uf8f2\uf8f3"},
                    DecodeCase{"CutLeadAtEnd", "a\x82", "a\ufffd"},
                    DecodeCase{"LeadBeforeAsciiKeepsTheAscii",
                               "\x82"
                               "A",
                               "\ufffdA"},
                    DecodeCase{"UnassignedPairIsOneReplacement", "\x85\x80x", "\ufffdx"},
                    DecodeCase{"UnassignedPairKeepsAnAsciiTrail", "\x85\x40x", "\ufffd@x"},
                    DecodeCase{"NulPassesThrough", "a\0b"s, "a\0b"s}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cp932DecodeLong, ConvertsPastTheInternalBuffer) {
    std::string bytes;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        bytes += "\x8c\x8e";
        expected += "月";
    }
    EXPECT_EQ(Cp932ToUtf8(bytes), expected);
}

} // namespace
