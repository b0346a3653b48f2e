#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace turvane {

// Decodes Windows code page 932 bytes exactly as Windows does, NEC and IBM
// extensions included. A byte or pair that code page 932 does not define
// becomes U+FFFD; a lead byte followed by an ASCII byte loses only itself, so
// the ASCII character still shows. Every character of code page 932 lies in
// the Basic Multilingual Plane, so the output never holds more UTF-16 units
// than the input has bytes: out must have room for bytes.size() units.
// Returns the number of units written.
std::size_t DecodeCp932(std::string_view bytes, char16_t* out);

// The same, as UTF-8 (for messages).
std::string Cp932ToUtf8(std::string_view bytes);

} // namespace turvane
