#include "Cp932.h"

#include "ByteText.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace turvane {

namespace {

// glibc's converter matches Windows on every double-byte code but leaves out
// the single bytes Windows maps to U+0080 and the private-use U+F8F0..U+F8F3.
std::string_view WindowsOnlySingleByte(unsigned char b) {
    switch (b) {
    case 0x80:
        return "\xc2\x80";
    case 0xa0:
        return "\xef\xa3\xb0";
    case 0xfd:
        return "\xef\xa3\xb1";
    case 0xfe:
        return "\xef\xa3\xb2";
    case 0xff:
        return "\xef\xa3\xb3";
    default:
        return {};
    }
}

constexpr std::string_view ReplacementCharacter = "\xef\xbf\xbd";

// One converter per thread, opened on first use: opening costs far more than
// converting a cell.
class Converter {
public:
    Converter() : cd_(iconv_open("UTF-8", "CP932")) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("code page 932 converter unavailable");
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string Convert(std::string_view bytes) {
        std::string out;
        out.reserve(bytes.size() * 3 / 2 + 4);
        char buffer[1024];
        auto* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, outPtr);
            if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL: decide ourselves what the byte at `in` means.
            const auto b = static_cast<unsigned char>(*in);
            std::size_t skip = 1;
            if (const auto mapped = WindowsOnlySingleByte(b); !mapped.empty()) {
                out += mapped;
            } else {
                out += ReplacementCharacter;
                if (IsLeadByte(b) && inLeft > 1 && static_cast<unsigned char>(in[1]) >= 0x80) {
                    skip = 2;
                }
            }
            in += skip;
            inLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

bool IsAscii(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
    if (IsAscii(bytes)) {
        return std::string(bytes);
    }
    thread_local Converter converter;
    return converter.Convert(bytes);
}

} // namespace turvane
