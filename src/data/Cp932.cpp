#include "Cp932.h"

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

} // namespace

bool IsDefinedSingle(unsigned char b) {
    return !IsLeadByte(b) && Single(b) != Undefined;
}

bool IsDefinedPair(unsigned char lead, unsigned char trail) {
    return Pair(lead, trail) != Undefined;
}

std::size_t DecodeCp932(std::string_view bytes, char16_t* out) {
    std::size_t written = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (!IsLeadByte(b)) {
            const char16_t unit = Single(b);
            out[written++] = unit == Undefined ? Replacement : unit;
            ++i;
            continue;
        }
        if (i + 1 == bytes.size()) {
            out[written++] = Replacement;
            break;
        }
        const auto trail = static_cast<unsigned char>(bytes[i + 1]);
        const char16_t unit = Pair(b, trail);
        if (unit != Undefined) {
            out[written++] = unit;
            i += 2;
        } else {
            out[written++] = Replacement;
            i += trail >= 0x80 ? 2 : 1;
        }
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

} // namespace turvane
