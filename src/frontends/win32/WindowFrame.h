#pragma once

// The top-level windows' frames: their class, their outer size from the
// design's client size at the window's dots per inch, their first place.

#include "Win32Util.h"
#include "screens/Design.h"

#include <windows.h>

// Creates a hidden window of the class (registered here on first use) whose
// client area has the design's size, centred on the screen or on its owner
// as the design places it. self comes back through SelfOf in its procedure.
HWND CreateFrame(const wchar_t* className, WNDPROC procedure,
                 const turvane::screens::WindowDesign& design, DWORD style, HWND owner, void* self);

// The object given to CreateFrame, from the first message on.
template <typename T> T* SelfOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        return self;
    }
    return UserDataOf<T>(window);
}
