#include "MessageLoop.h"

#include "DesignedWindow.h"

std::optional<int> RunMessages(HWND window, DesignedWindow& controls, const bool& done) {
    MSG msg;
    while (!done) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            const int code = got == 0 ? static_cast<int>(msg.wParam) : 1;
            // An outer loop must see it too.
            PostQuitMessage(code);
            return code;
        }
        if (controls.handleTab(msg) || IsDialogMessageW(window, &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return std::nullopt;
}
