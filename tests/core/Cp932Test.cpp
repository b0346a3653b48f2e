#include "core/Cp932.h"
#include "CaseName.h"

#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

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
    CaseName());

TEST(Cp932DecodeLong, ConvertsPastTheInternalBuffer) {
    std::string bytes;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        bytes += "\x8c\x8e";
        expected += "月";
    }
    EXPECT_EQ(Cp932ToUtf8(bytes), expected);
}

// The system's own converter for code page 932: Windows' on Windows, the C
// library's elsewhere.
#ifdef _WIN32
class SystemConverter {
public:
    bool available() const { return true; }
    // The code's UTF-16 unit, or 0 when the converter refuses it.
    char16_t Decode(const std::string& bytes) const {
        wchar_t units[2] = {};
        const int n = ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(),
                                            static_cast<int>(bytes.size()), units, 2);
        return n == 1 ? static_cast<char16_t>(units[0]) : 0;
    }
};
#else
class SystemConverter {
public:
    SystemConverter() : cd_(iconv_open("UTF-16LE", "CP932")) {}
    ~SystemConverter() {
        if (available()) {
            iconv_close(cd_);
        }
    }
    SystemConverter(const SystemConverter&) = delete;
    SystemConverter& operator=(const SystemConverter&) = delete;

    bool available() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    // The code's UTF-16 unit, or 0 when the converter refuses it.
    char16_t Decode(const std::string& bytes) const {
        char16_t unit = 0;
        auto* in = const_cast<char*>(bytes.data());
        auto* out = reinterpret_cast<char*>(&unit);
        std::size_t inLeft = bytes.size();
        std::size_t outLeft = sizeof unit;
        const std::size_t rc = iconv(cd_, &in, &inLeft, &out, &outLeft);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return rc == static_cast<std::size_t>(-1) || inLeft != 0 || outLeft != 0 ? 0 : unit;
    }

private:
    iconv_t cd_;
};
#endif

TEST(Cp932Table, MatchesTheSystemConverterOnEveryCode) {
    const SystemConverter converter;
    if (!converter.available()) {
        GTEST_SKIP() << "this system has no CP932 converter to compare with";
    }
    int defined = 0;
    // From 1: the converter's answer for NUL is the 0 that means "refused".
    for (int lead = 1; lead < 256; ++lead) {
        const auto l = static_cast<unsigned char>(lead);
        if (!IsLeadByte(l)) {
            // The converter leaves out the single bytes only Windows defines.
            if (lead != 0x80 && lead != 0xa0 && lead < 0xfd) {
                const std::string byte(1, static_cast<char>(lead));
                const char16_t expected = converter.Decode(byte);
                char16_t unit = 0;
                ASSERT_EQ(DecodeCp932(byte, &unit), 1u);
                EXPECT_EQ(unit, expected ? expected : u'\ufffd') << "byte " << lead;
                EXPECT_EQ(IsDefinedSingle(l), expected != 0) << "byte " << lead;
            }
            continue;
        }
        for (int trail = 0; trail < 256; ++trail) {
            const auto t = static_cast<unsigned char>(trail);
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            const char16_t expected = converter.Decode(pair);
            ASSERT_EQ(IsDefinedPair(l, t), expected != 0) << "pair " << lead << " " << trail;
            if (expected != 0) {
                char16_t unit = 0;
                ASSERT_EQ(DecodeCp932(pair, &unit), 1u);
                ASSERT_EQ(unit, expected) << "pair " << lead << " " << trail;
                ++defined;
            }
        }
    }
    // JIS X 0208, the NEC and IBM extensions and the user-defined area.
    EXPECT_EQ(defined, 9604);
}

} // namespace
