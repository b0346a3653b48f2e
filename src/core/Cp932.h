#pragma once

// The facts of Windows code page 932 (Shift-JIS with the NEC and IBM
// extensions) that the rest of the data layer builds on: which bytes start a
// double-byte character, which codes are defined, and how they decode.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace turvane {

// Whether a byte starts a double-byte character in code page 932.
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc);
}

// Whether a single byte (not a lead byte) is a character of code page 932.
bool IsDefinedSingle(unsigned char b);

// Whether lead and trail together are a character of code page 932.
bool IsDefinedPair(unsigned char lead, unsigned char trail);

// One step through code page 932 bytes: what the character at a position is
// and how many bytes it takes. A lead byte before an ASCII byte is a step of
// one byte, so the ASCII character still shows; a lead byte at the end is a
// step of one byte too. Every undefined step decodes to U+FFFD.
struct Cp932Step {
    enum class Kind { Single, Pair, UndefinedSingle, UndefinedPair, CutByEnd };
    Kind kind;
    char16_t unit;      // the character, or U+FFFD
    std::size_t length; // 1 or 2
    // Whether the step starts with a lead byte that has a second byte.
    bool startsPair() const { return kind == Kind::Pair || kind == Kind::UndefinedPair; }
};
// The step at bytes[at]; at must lie inside bytes.
Cp932Step StepCp932(std::string_view bytes, std::size_t at);

// Decodes code page 932 bytes exactly as Windows does. A byte or pair that
// code page 932 does not define becomes U+FFFD; a lead byte followed by an
// ASCII byte loses only itself, so the ASCII character still shows. Every
// character of code page 932 lies in the Basic Multilingual Plane, so the
// output never holds more UTF-16 units than the input has bytes: out must
// have room for bytes.size() units. Returns the number of units written.
std::size_t DecodeCp932(std::string_view bytes, char16_t* out);

// The same, as UTF-8 (for messages).
std::string Cp932ToUtf8(std::string_view bytes);

// The code page 932 form of one character: one byte, two, or none (empty)
// when code page 932 has no code for it. Some characters have two or three
// codes; this gives the one Windows writes: the lowest, except that the NEC
// selection of IBM extensions (lead bytes 0xED and 0xEE) yields to the IBM
// extensions themselves.
std::string EncodeCp932(char32_t c);

// The byte count of the UTF-8 character text starts with, and (if c is
// given) its value; 0 when text does not start with one (a stray or cut
// byte, an overlong form, a surrogate).
std::size_t Utf8CharLength(std::string_view text, char32_t* c = nullptr);

// Encodes UTF-8 text character by character with EncodeCp932. Returns nothing
// when the text is not UTF-8 or holds a character with no code page 932 form;
// failedAt (if given) then holds the byte offset of the first such
// character, or of the byte that is not UTF-8.
std::optional<std::string> Utf8ToCp932(std::string_view utf8, std::size_t* failedAt = nullptr);

} // namespace turvane
