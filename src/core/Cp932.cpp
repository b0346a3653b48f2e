#include "Cp932.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace turvane {

namespace {

constexpr char16_t Undefined = 0xffff; // not a character of code page 932
constexpr char16_t Replacement = 0xfffd;
constexpr unsigned FirstTrail = 0x40;
constexpr unsigned LastTrail = 0xfc;
constexpr unsigned char NoRow = 0xff;

// The table is kept as source rather than asked of the system's converter,
// so the program decodes the same everywhere and needs no converter at all.
#include "Cp932Table.inc"

char16_t Single(unsigned char b) {
    // ASCII and the half-width katakana, plus the single bytes only Windows
    // defines (to U+0080 and the private-use U+F8F0..U+F8F3).
    if (b < 0x80) {
        return b;
    }
    if (b >= 0xa1 && b <= 0xdf) {
        return static_cast<char16_t>(0xff61 + (b - 0xa1));
    }
    switch (b) {
    case 0x80:
        return 0x0080;
    case 0xa0:
        return 0xf8f0;
    case 0xfd:
        return 0xf8f1;
    case 0xfe:
        return 0xf8f2;
    case 0xff:
        return 0xf8f3;
    default:
        return Undefined;
    }
}

char16_t Pair(unsigned char lead, unsigned char trail) {
    const unsigned char row = PairRowOfLead[lead];
    if (row == NoRow || trail < FirstTrail || trail > LastTrail) {
        return Undefined;
    }
    return PairRows[row][trail - FirstTrail];
}

bool IsNecSelectedIbm(std::uint16_t code) {
    return (code >> 8) == 0xed || (code >> 8) == 0xee;
}

// Every character of the Basic Multilingual Plane to its code (a single byte
// below 0x100), 0 where there is none. Built once, from the decoding table,
// so the two directions can never disagree.
const std::array<std::uint16_t, 0x10000>& EncodeTable() {
    static const auto table = [] {
        std::array<std::uint16_t, 0x10000> codes{};
        const auto add = [&](char16_t unit, std::uint16_t code) {
            std::uint16_t& slot = codes[unit];
            if (slot == 0 || (IsNecSelectedIbm(slot) && !IsNecSelectedIbm(code))) {
                slot = code;
            }
        };
        for (unsigned b = 1; b < 0x100; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            if (!IsLeadByte(byte) && Single(byte) != Undefined) {
                add(Single(byte), static_cast<std::uint16_t>(b));
            }
        }
        for (unsigned lead = 0x81; lead < 0x100; ++lead) {
            for (unsigned trail = FirstTrail; trail <= LastTrail; ++trail) {
                const char16_t unit =
                    Pair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
                if (unit != Undefined) {
                    add(unit, static_cast<std::uint16_t>(lead << 8 | trail));
                }
            }
        }
        return codes;
    }();
    return table;
}

} // namespace

bool IsDefinedSingle(unsigned char b) {
    return !IsLeadByte(b) && Single(b) != Undefined;
}

bool IsDefinedPair(unsigned char lead, unsigned char trail) {
    return Pair(lead, trail) != Undefined;
}

Cp932Step StepCp932(std::string_view bytes, std::size_t at) {
    using Kind = Cp932Step::Kind;
    const auto b = static_cast<unsigned char>(bytes[at]);
    if (!IsLeadByte(b)) {
        const char16_t unit = Single(b);
        return unit == Undefined ? Cp932Step{Kind::UndefinedSingle, Replacement, 1}
                                 : Cp932Step{Kind::Single, unit, 1};
    }
    if (at + 1 == bytes.size()) {
        return {Kind::CutByEnd, Replacement, 1};
    }
    const auto trail = static_cast<unsigned char>(bytes[at + 1]);
    const char16_t unit = Pair(b, trail);
    if (unit != Undefined) {
        return {Kind::Pair, unit, 2};
    }
    return {Kind::UndefinedPair, Replacement, trail >= 0x80 ? std::size_t{2} : std::size_t{1}};
}

std::size_t DecodeCp932(std::string_view bytes, char16_t* out) {
    std::size_t written = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const Cp932Step step = StepCp932(bytes, i);
        out[written++] = step.unit;
        i += step.length;
    }
    return written;
}

std::string Cp932ToUtf8(std::string_view bytes) {
    std::u16string units(bytes.size(), u'\0');
    units.resize(DecodeCp932(bytes, units.data()));
    std::string out;
    out.reserve(units.size() * 3);
    for (const char16_t u : units) {
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xc0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3f));
        } else {
            out += static_cast<char>(0xe0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3f));
            out += static_cast<char>(0x80 | (u & 0x3f));
        }
    }
    return out;
}

std::string EncodeCp932(char32_t c) {
    if (c == 0) {
        return std::string(1, '\0');
    }
    if (c > 0xffff) {
        return {};
    }
    const std::uint16_t code = EncodeTable()[c];
    if (code == 0) {
        return {};
    }
    if (code < 0x100) {
        return std::string(1, static_cast<char>(code));
    }
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xff)};
}

std::size_t Utf8CharLength(std::string_view text, char32_t* c) {
    if (text.empty()) {
        return 0;
    }
    const auto b = static_cast<unsigned char>(text[0]);
    const std::size_t length = b < 0x80           ? 1
                               : (b >> 5) == 0x6  ? 2
                               : (b >> 4) == 0xe  ? 3
                               : (b >> 3) == 0x1e ? 4
                                                  : 0;
    char32_t value = length == 1 ? b : length == 2 ? b & 0x1f : length == 3 ? b & 0x0f : b & 0x07;
    bool valid = length != 0 && length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[k]);
        valid = (next & 0xc0) == 0x80;
        value = value << 6 | (next & 0x3f);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!valid || value < Smallest[length] || (value >= 0xd800 && value <= 0xdfff) ||
        value > 0x10ffff) {
        return 0;
    }
    if (c != nullptr) {
        *c = value;
    }
    return length;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8, std::size_t* failedAt) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t length = Utf8CharLength(utf8.substr(i), &c);
        const std::string code = length == 0 ? std::string() : EncodeCp932(c);
        if (code.empty()) {
            if (failedAt != nullptr) {
                *failedAt = i;
            }
            return std::nullopt;
        }
        out += code;
        i += length;
    }
    return out;
}

} // namespace turvane
