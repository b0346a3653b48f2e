#pragma once

// Cutting and widening code page 932 byte text, shared by the three file
// readers. Positions and lengths are 1-based byte positions and byte counts,
// taken on the raw bytes.

#include "Cp932.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace turvane {

// The bytes from 1-based position start for count bytes, cut at the end of
// text. Never fails: a start beyond the end gives an empty text.
std::string_view Slice(std::string_view text, std::size_t start, std::size_t count);

// Maps every half-width character to its full-width double-byte form:
// printable ASCII to U+FF01..U+FF5E (blank to the ideographic space) and
// half-width katakana to katakana, a following voiced or semi-voiced mark
// folded in where a composed kana exists. Everything else is copied.
std::string ToFullWidth(std::string_view text);

} // namespace turvane
