#include "ConsoleTexts.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace turvane::win {

namespace {

struct Entry {
    const char* context;
    const char* source;
    const char* japanese;
};

constexpr Entry Japanese[] = {
#include "ConsoleTexts.inc"
};

bool Before(const Entry& entry, const char* context, const char* source) {
    const int byContext = std::strcmp(entry.context, context);
    return byContext < 0 || (byContext == 0 && std::strcmp(entry.source, source) < 0);
}

} // namespace

Language UserLanguage() {
    return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::Japanese
                                                                        : Language::English;
}

std::string Translate(Language language, const char* context, const char* source) {
    if (language == Language::Japanese) {
        const Entry* found = std::lower_bound(std::begin(Japanese), std::end(Japanese), source,
                                              [context](const Entry& entry, const char* text) {
                                                  return Before(entry, context, text);
                                              });
        if (found != std::end(Japanese) && std::strcmp(found->context, context) == 0 &&
            std::strcmp(found->source, source) == 0) {
            return found->japanese;
        }
    }
    return source;
}

std::string Format(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '0') : 0;
        if (text[i] == '%' && n >= 1 && n <= arguments.size() && n <= 9) {
            result += *(arguments.begin() + (n - 1));
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace turvane::win
