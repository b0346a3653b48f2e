#pragma once

#include <string>
#include <string_view>

namespace turvane {

// Decodes Windows code page 932 bytes to UTF-8, exactly as Windows does,
// NEC and IBM extensions included. A byte or pair that code page 932 does not
// define becomes U+FFFD; a lead byte followed by an ASCII byte loses only
// itself, so the ASCII character still shows.
std::string Cp932ToUtf8(std::string_view bytes);

} // namespace turvane
