#include "ConsoleOutput.h"

#include <algorithm>
#include <string>

namespace turvane::win {

void WriteText(DWORD standardHandle, std::string_view utf8) {
    const HANDLE handle = ::GetStdHandle(standardHandle);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || utf8.empty()) {
        return;
    }
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode) != 0) {
        const int size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(),
                                               static_cast<int>(utf8.size()), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(std::max(size, 0)), L'\0');
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                              size);
        DWORD written = 0;
        ::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    // A pipe may take less than asked at a time.
    while (!utf8.empty()) {
        DWORD written = 0;
        if (::WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) ==
                0 ||
            written == 0) {
            return;
        }
        utf8.remove_prefix(written);
    }
}

} // namespace turvane::win
