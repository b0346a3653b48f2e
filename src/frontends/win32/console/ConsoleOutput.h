#pragma once

#include <windows.h>

#include <string_view>

namespace turvane::win {

// Writes UTF-8 text to a standard handle (STD_OUTPUT_HANDLE,
// STD_ERROR_HANDLE): as characters to a console, whatever its code page, and
// as the UTF-8 bytes themselves to a file or pipe.
void WriteText(DWORD standardHandle, std::string_view utf8);

} // namespace turvane::win
