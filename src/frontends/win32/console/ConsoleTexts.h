#pragma once

// The command line's texts on Windows: English as written in the sources,
// or Japanese from the table made at build time from the translation file
// that the Linux build uses as well.

#include "core/Translatable.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace turvane::win {

enum class Language { English, Japanese };

// Japanese when the user's interface language is Japanese, English
// otherwise.
Language UserLanguage();

// The text in language (UTF-8); the English source when there is no
// translation.
std::string Translate(Language language, const char* context, const char* source);

// text with %1, %2, ... replaced by the arguments in order.
std::string Format(std::string_view text, std::initializer_list<std::string_view> arguments);

} // namespace turvane::win
