#pragma once

// Texts as the windows show them: UTF-16, which every front-end takes as it
// is. Bytes of code page 932 become UTF-16 here, once.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace turvane::screens {

std::u16string ToUtf16(std::string_view cp932);

// The program's own texts, written in UTF-8 (never a file's bytes); a byte
// that is not UTF-8 becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);

// A caption as a screen reader should say it. Japanese captions are spread
// out with blanks to fill their buttons ("閉 じ る"); read as they stand they
// would be spelt out character by character. Blanks next to Latin text stay.
std::u16string SpokenCaption(std::u16string_view caption);

// The word a screen reader says for a grid cell with nothing in it, as it
// says "blank" for an empty cell of a spreadsheet: silence would sound like a
// key that did nothing.
inline constexpr std::u16string_view SpokenEmptyCell = u"空白";

// A cell's text without the ASCII and ideographic blanks at its ends; a
// cell of blanks is then empty instead of a pause read out.
std::u16string SpokenText(std::u16string_view text);

// What a screen reader is told for a body cell of a grid: its spoken text,
// or SpokenEmptyCell. The first body cell of a row is led by the row's label
// (rowLabel, the fixed column's date), since a row read out skips the fixed
// column. The column's label is not added: a screen reader names a column's
// header as it moves into the column, and would say it twice.
std::u16string SpokenGridCell(std::u16string_view text, std::u16string_view rowLabel = {});

// The error box's text: the message (UTF-8, as failures carry it), with a
// period added when its last character is above '.' (so Japanese messages
// gain one, "(3)" does not).
std::u16string ErrorBoxText(std::string_view utf8Message);

// The error box's caption: the executable's file name (UTF-8 path) without its
// directory, cut at the first '.', every character after the first
// lower-cased.
std::u16string ApplicationTitle(std::string_view utf8ExecutablePath);

// The distinct texts of a window's fill. Texts that repeat (a blank course
// slot, the same meeting on many days, a date in two grids) are decoded once
// and stored once, so a front-end converts each one once and may share it.
class TextTable {
public:
    using Index = std::uint32_t;
    // The empty text, always at index 0.
    static constexpr Index Empty = 0;

    TextTable();
    Index add(std::string_view cp932);
    // A text that is not a file's, stored as it is.
    Index addUtf16(std::u16string text);
    const std::u16string& operator[](Index index) const { return texts_[index]; }
    std::size_t size() const { return texts_.size(); }

private:
    // Looks texts up by their bytes without first copying them into a key.
    struct BytesHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view bytes) const {
            return std::hash<std::string_view>{}(bytes);
        }
    };
    // Beyond this many, texts are stored without being looked up.
    static constexpr std::size_t MaxRemembered = 4096;
    std::vector<std::u16string> texts_;
    std::unordered_map<std::string, Index, BytesHash, std::equal_to<>> remembered_;
};

} // namespace turvane::screens
