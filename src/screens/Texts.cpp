#include "Texts.h"

#include "core/Cp932.h"

namespace turvane::screens {

std::u16string ToUtf16(std::string_view cp932) {
    std::u16string text(cp932.size(), u'\0');
    text.resize(DecodeCp932(cp932, text.data()));
    return text;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string text;
    text.reserve(utf8.size());
    while (!utf8.empty()) {
        char32_t c = 0;
        std::size_t length = Utf8CharLength(utf8, &c);
        if (length == 0) {
            c = U'\xfffd';
            length = 1;
        }
        if (c >= 0x10000) {
            text.push_back(static_cast<char16_t>(0xd800 + ((c - 0x10000) >> 10)));
            text.push_back(static_cast<char16_t>(0xdc00 + ((c - 0x10000) & 0x3ff)));
        } else {
            text.push_back(static_cast<char16_t>(c));
        }
        utf8.remove_prefix(length);
    }
    return text;
}

namespace {

// White space as Unicode has it: the separators and the control blanks.
bool IsBlank(char16_t c) {
    return c == u' ' || (c >= 0x09 && c <= 0x0d) || c == 0x85 || c == 0xa0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200a) || c == 0x2028 || c == 0x2029 || c == 0x202f ||
           c == 0x205f || c == 0x3000;
}

bool IsLatin(char16_t c) {
    return c < 0x80;
}

} // namespace

std::u16string SpokenText(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return std::u16string(text);
}

std::u16string SpokenGridCell(std::u16string_view text, std::u16string_view rowLabel) {
    std::u16string spoken = SpokenText(text);
    if (spoken.empty()) {
        spoken = SpokenEmptyCell;
    }
    const std::u16string label = SpokenText(rowLabel);
    return label.empty() ? spoken : label + u' ' + spoken;
}

std::u16string SpokenCaption(std::u16string_view caption) {
    while (!caption.empty() && IsBlank(caption.front())) {
        caption.remove_prefix(1);
    }
    while (!caption.empty() && IsBlank(caption.back())) {
        caption.remove_suffix(1);
    }
    std::u16string spoken;
    spoken.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (!IsBlank(caption[i])) {
            spoken += caption[i];
            continue;
        }
        std::size_t end = i;
        while (end < caption.size() && IsBlank(caption[end])) {
            ++end;
        }
        // Trimmed: a run of blanks has a character on either side.
        if (IsLatin(caption[i - 1]) || IsLatin(caption[end])) {
            spoken += caption.substr(i, end - i);
        }
        i = end - 1;
    }
    return spoken;
}

std::u16string ErrorBoxText(std::string_view utf8Message) {
    std::u16string text = Utf8ToUtf16(utf8Message);
    if (!text.empty() && text.back() > u'.') {
        text += u'.';
    }
    return text;
}

namespace {

// Lower case for the letters an executable's name may hold: Latin (ASCII,
// Latin-1, Latin Extended-A), Greek, Cyrillic and full-width Latin.
char16_t ToLower(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xc0 && c <= 0xde && c != 0xd7) ||
        (c >= 0x391 && c <= 0x3ab && c != 0x3a2) || (c >= 0x410 && c <= 0x42f)) {
        return static_cast<char16_t>(c + 0x20);
    }
    if (c >= 0x400 && c <= 0x40f) {
        return static_cast<char16_t>(c + 0x50);
    }
    if (c >= 0xff21 && c <= 0xff3a) {
        return static_cast<char16_t>(c + 0x20);
    }
    // Latin Extended-A pairs its letters upper then lower, the odd ones out
    // between U+0139 and U+0148.
    if (((c >= 0x100 && c <= 0x12f) || (c >= 0x14a && c <= 0x177)) && (c & 1) == 0) {
        return static_cast<char16_t>(c + 1);
    }
    if (c >= 0x139 && c <= 0x148 && (c & 1) == 1) {
        return static_cast<char16_t>(c + 1);
    }
    return c;
}

} // namespace

std::u16string ApplicationTitle(std::string_view utf8ExecutablePath) {
#ifdef _WIN32
    const std::size_t slash = utf8ExecutablePath.find_last_of("/\\");
#else
    const std::size_t slash = utf8ExecutablePath.rfind('/');
#endif
    if (slash != std::string_view::npos) {
        utf8ExecutablePath.remove_prefix(slash + 1);
    }
    std::u16string name = Utf8ToUtf16(utf8ExecutablePath.substr(0, utf8ExecutablePath.find('.')));
    for (std::size_t i = 1; i < name.size(); ++i) {
        name[i] = ToLower(name[i]);
    }
    return name;
}

TextTable::TextTable() : texts_(1) {}

TextTable::Index TextTable::add(std::string_view cp932) {
    if (cp932.empty()) {
        return Empty;
    }
    if (const auto it = remembered_.find(cp932); it != remembered_.end()) {
        return it->second;
    }
    const auto index = static_cast<Index>(texts_.size());
    texts_.push_back(ToUtf16(cp932));
    if (remembered_.size() < MaxRemembered) {
        remembered_.emplace(std::string(cp932), index);
    }
    return index;
}

TextTable::Index TextTable::addUtf16(std::u16string text) {
    if (text.empty()) {
        return Empty;
    }
    texts_.push_back(std::move(text));
    return static_cast<Index>(texts_.size() - 1);
}

} // namespace turvane::screens
