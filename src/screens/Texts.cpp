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
