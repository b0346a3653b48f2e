#include "ByteText.h"

#include <array>
#include <initializer_list>

namespace turvane {

namespace {

void AppendCode(std::string& out, std::uint16_t code) {
    out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xff));
}

// Full-width forms of 0x20..0x7E. U+FF02 and U+FF07 exist only among the IBM
// extensions (0xFA57, 0xFA56), which is where Windows encodes them.
constexpr std::array<std::uint16_t, 95> AsciiFullWidth = {
    0x8140, 0x8149, 0xfa57, 0x8194, 0x8190, 0x8193, 0x8195, 0xfa56, 0x8169, 0x816a, 0x8196, 0x817b,
    0x8143, 0x817c, 0x8144, 0x815e, 0x824f, 0x8250, 0x8251, 0x8252, 0x8253, 0x8254, 0x8255, 0x8256,
    0x8257, 0x8258, 0x8146, 0x8147, 0x8183, 0x8181, 0x8184, 0x8148, 0x8197, 0x8260, 0x8261, 0x8262,
    0x8263, 0x8264, 0x8265, 0x8266, 0x8267, 0x8268, 0x8269, 0x826a, 0x826b, 0x826c, 0x826d, 0x826e,
    0x826f, 0x8270, 0x8271, 0x8272, 0x8273, 0x8274, 0x8275, 0x8276, 0x8277, 0x8278, 0x8279, 0x816d,
    0x815f, 0x816e, 0x814f, 0x8151, 0x814d, 0x8281, 0x8282, 0x8283, 0x8284, 0x8285, 0x8286, 0x8287,
    0x8288, 0x8289, 0x828a, 0x828b, 0x828c, 0x828d, 0x828e, 0x828f, 0x8290, 0x8291, 0x8292, 0x8293,
    0x8294, 0x8295, 0x8296, 0x8297, 0x8298, 0x8299, 0x829a, 0x816f, 0x8162, 0x8170, 0x8160,
};

struct Kana {
    std::uint16_t plain;
    std::uint16_t voiced;     // with a following 0xDE, 0 where none exists
    std::uint16_t semiVoiced; // with a following 0xDF, 0 where none exists
};

// Half-width katakana 0xA1..0xDF.
constexpr std::array<Kana, 63> KatakanaFullWidth = {{
    {0x8142, 0, 0},           {0x8175, 0, 0},           {0x8176, 0, 0},
    {0x8141, 0, 0},           {0x8145, 0, 0},           {0x8392, 0, 0},
    {0x8340, 0, 0},           {0x8342, 0, 0},           {0x8344, 0, 0},
    {0x8346, 0, 0},           {0x8348, 0, 0},           {0x8383, 0, 0},
    {0x8385, 0, 0},           {0x8387, 0, 0},           {0x8362, 0, 0},
    {0x815b, 0, 0},           {0x8341, 0, 0},           {0x8343, 0, 0},
    {0x8345, 0x8394, 0},      {0x8347, 0, 0},           {0x8349, 0, 0},
    {0x834a, 0x834b, 0},      {0x834c, 0x834d, 0},      {0x834e, 0x834f, 0},
    {0x8350, 0x8351, 0},      {0x8352, 0x8353, 0},      {0x8354, 0x8355, 0},
    {0x8356, 0x8357, 0},      {0x8358, 0x8359, 0},      {0x835a, 0x835b, 0},
    {0x835c, 0x835d, 0},      {0x835e, 0x835f, 0},      {0x8360, 0x8361, 0},
    {0x8363, 0x8364, 0},      {0x8365, 0x8366, 0},      {0x8367, 0x8368, 0},
    {0x8369, 0, 0},           {0x836a, 0, 0},           {0x836b, 0, 0},
    {0x836c, 0, 0},           {0x836d, 0, 0},           {0x836e, 0x836f, 0x8370},
    {0x8371, 0x8372, 0x8373}, {0x8374, 0x8375, 0x8376}, {0x8377, 0x8378, 0x8379},
    {0x837a, 0x837b, 0x837c}, {0x837d, 0, 0},           {0x837e, 0, 0},
    {0x8380, 0, 0},           {0x8381, 0, 0},           {0x8382, 0, 0},
    {0x8384, 0, 0},           {0x8386, 0, 0},           {0x8388, 0, 0},
    {0x8389, 0, 0},           {0x838a, 0, 0},           {0x838b, 0, 0},
    {0x838c, 0, 0},           {0x838d, 0, 0},           {0x838f, 0, 0},
    {0x8393, 0, 0},           {0x814a, 0, 0},           {0x814b, 0, 0},
}};

constexpr unsigned char VoicedMark = 0xde;
constexpr unsigned char SemiVoicedMark = 0xdf;

} // namespace

std::string_view Slice(std::string_view text, std::size_t start, std::size_t count) {
    if (start == 0 || start > text.size()) {
        return {};
    }
    return text.substr(start - 1, count);
}

std::string ToFullWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x20 && b <= 0x7e) {
            AppendCode(out, AsciiFullWidth[b - 0x20]);
        } else if (b >= 0xa1 && b <= 0xdf) {
            const Kana& kana = KatakanaFullWidth[b - 0xa1];
            const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
            if (next == VoicedMark && kana.voiced != 0) {
                AppendCode(out, kana.voiced);
                ++i;
            } else if (next == SemiVoicedMark && kana.semiVoiced != 0) {
                AppendCode(out, kana.semiVoiced);
                ++i;
            } else {
                AppendCode(out, kana.plain);
            }
        } else if (IsLeadByte(b) && i + 1 < text.size()) {
            out.append(text.substr(i, 2));
            ++i;
        } else {
            out.push_back(static_cast<char>(b));
        }
    }
    return out;
}

namespace {

// Takes any of the blanks off the chosen ends until none is left there.
std::string_view Trim(std::string_view text, std::initializer_list<std::string_view> blanks,
                      bool start) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank : blanks) {
            if (start && text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                trimmed = true;
            }
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return text;
}

} // namespace

std::string_view TrimTrailingBlanks(std::string_view text) {
    return Trim(text, {" "}, false);
}

bool IsBlank(std::string_view text) {
    return TrimTrailingBlanks(text).empty();
}

std::string_view TrimCell(std::string_view text) {
    return Trim(text, {" ", "\t"}, true);
}

std::string_view TrimUtf8Blanks(std::string_view utf8) {
    return Trim(utf8, {" ", "\u3000"}, true);
}

} // namespace turvane
