#include "Cp932.h"

#include "ByteText.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace turvane {

namespace {

constexpr char16_t Undefined = 0xffff; // not a character of code page 932
constexpr char16_t Replacement = 0xfffd;
constexpr int FirstTrail = 0x40;
constexpr int LastTrail = 0xfc;
constexpr int TrailCount = LastTrail - FirstTrail + 1;

// glibc's converter matches Windows on every double-byte code but leaves out
// the single bytes Windows maps to U+0080 and the private-use U+F8F0..U+F8F3.
char16_t WindowsOnlySingleByte(unsigned char b) {
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

// The whole code page as two lookup tables, filled once from the system's
// converter: a call per cell to the converter costs far more than the cell.
class Cp932Table {
public:
    Cp932Table() : pairs_(256 * TrailCount, Undefined) {
        iconv_t cd = iconv_open("UTF-16LE", "CP932");
        if (cd == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("code page 932 converter unavailable");
        }
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            singles_[static_cast<std::size_t>(b)] =
                IsLeadByte(static_cast<unsigned char>(b)) ? Undefined : Convert(cd, &byte, 1);
            if (singles_[static_cast<std::size_t>(b)] == Undefined) {
                singles_[static_cast<std::size_t>(b)] =
                    WindowsOnlySingleByte(static_cast<unsigned char>(b));
            }
        }
        for (int lead = 0x81; lead <= 0xfc; ++lead) {
            if (IsLeadByte(static_cast<unsigned char>(lead))) {
                FillRow(cd, lead);
            }
        }
        iconv_close(cd);
    }

    char16_t Single(unsigned char b) const { return singles_[b]; }
    char16_t Pair(unsigned char lead, unsigned char trail) const {
        if (trail < FirstTrail || trail > LastTrail) {
            return Undefined;
        }
        return pairs_[static_cast<std::size_t>(lead) * TrailCount + (trail - FirstTrail)];
    }

private:
    static char16_t Convert(iconv_t cd, const char* in, std::size_t size) {
        char16_t unit = Undefined;
        auto* inPtr = const_cast<char*>(in);
        auto* outPtr = reinterpret_cast<char*>(&unit);
        std::size_t inLeft = size;
        std::size_t outLeft = sizeof unit;
        const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        return rc == static_cast<std::size_t>(-1) || inLeft != 0 || outLeft != 0 ? Undefined : unit;
    }

    // One call for a whole row of pairs; an undefined pair stops the
    // converter, is left Undefined, and the rest of the row goes on.
    void FillRow(iconv_t cd, int lead) {
        std::string row;
        for (int trail = FirstTrail; trail <= LastTrail; ++trail) {
            row += static_cast<char>(lead);
            row += static_cast<char>(trail);
        }
        std::vector<char16_t> units(TrailCount);
        std::size_t pair = 0;
        while (pair < static_cast<std::size_t>(TrailCount)) {
            auto* inPtr = row.data() + 2 * pair;
            std::size_t inLeft = row.size() - 2 * pair;
            auto* outPtr = reinterpret_cast<char*>(units.data() + pair);
            std::size_t outLeft = (units.size() - pair) * sizeof(char16_t);
            const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
            const std::size_t done = (row.size() - inLeft) / 2;
            for (std::size_t i = pair; i < done; ++i) {
                pairs_[static_cast<std::size_t>(lead) * TrailCount + i] = units[i];
            }
            pair = done;
            if (rc == static_cast<std::size_t>(-1)) {
                ++pair; // the pair the converter refused stays Undefined
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
            }
        }
    }

    std::array<char16_t, 256> singles_{};
    std::vector<char16_t> pairs_;
};

const Cp932Table& Table() {
    static const Cp932Table table;
    return table;
}

} // namespace

std::size_t DecodeCp932(std::string_view bytes, char16_t* out) {
    const Cp932Table& table = Table();
    std::size_t written = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (!IsLeadByte(b)) {
            const char16_t unit = table.Single(b);
            out[written++] = unit == Undefined ? Replacement : unit;
            ++i;
            continue;
        }
        if (i + 1 == bytes.size()) {
            out[written++] = Replacement;
            break;
        }
        const auto trail = static_cast<unsigned char>(bytes[i + 1]);
        const char16_t unit = table.Pair(b, trail);
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
