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

// Blanks around texts, trimmed in one place. Every form is safe on code page
// 932 bytes and on UTF-8: neither has a blank, a tab or the ideographic
// space's bytes inside another character.

// Without the ASCII blanks at its end: a field as the files pad it.
std::string_view TrimTrailingBlanks(std::string_view text);

// Whether it holds nothing but ASCII blanks.
bool IsBlank(std::string_view text);

// Without blanks and tabs at either end: a cell as a spreadsheet saves it.
std::string_view TrimCell(std::string_view text);

// Without ASCII blanks and ideographic spaces (U+3000) at either end, of a
// UTF-8 text.
std::string_view TrimUtf8Blanks(std::string_view utf8);

} // namespace turvane
