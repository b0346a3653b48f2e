#include "ErrorBox.h"

#include "Win32Util.h"
#include "core/DataDir.h"
#include "screens/Texts.h"

#include <windows.h>

void ShowErrorBox(std::string_view utf8Message) {
    const std::wstring text = Wide(turvane::screens::ErrorBoxText(utf8Message));
    const std::wstring caption =
        Wide(turvane::screens::ApplicationTitle(turvane::ExecutablePath()));
    // Task modal without an owner: every window of the program is disabled,
    // also the one whose creation failed and is not shown yet.
    MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

std::u16string ShortDateText(int year, int month, int day) {
    SYSTEMTIME date{};
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    wchar_t text[128] = {};
    if (GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, text,
                        static_cast<int>(std::size(text)), nullptr) == 0) {
        return {};
    }
    return FromWide(text);
}
