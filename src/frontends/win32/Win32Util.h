#pragma once

// Small helpers shared by the windows: UTF-16 text as Win32 takes it, owned
// GDI and USER handles, and sizes at the window's dots per inch.

#include "screens/Design.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

// wchar_t is 16 bits here, so the screens layer's UTF-16 is Win32's text.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

inline std::u16string FromWide(std::wstring_view text) {
    return {text.begin(), text.end()};
}

// UTF-8 (the core's messages and paths) to UTF-16.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

inline COLORREF ToColorRef(turvane::screens::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// A length of the design (pixels at 96 dpi) at dpi, and back.
inline int Scale(int value, int dpi) {
    return MulDiv(value, dpi, USER_DEFAULT_SCREEN_DPI);
}
inline int Unscale(int value, int dpi) {
    return MulDiv(value, USER_DEFAULT_SCREEN_DPI, dpi);
}

// The window's dots per inch; 96 where the system cannot tell.
int DpiOf(HWND window);

// The design's font at dpi: the pixel size is the em height, as the design
// names it.
UniqueFont CreateDesignFont(const turvane::screens::Font& font, int dpi);

// Puts procedure in front of a control's own procedure, which it returns:
// procedure finds data with UserDataOf and passes on what it leaves with
// CallWindowProcW. The common controls' SetWindowSubclass looks its data up
// among the window's properties on every message, which under Wine asks its
// server each time, thousands of times in one start; the user data is the
// program's own and no standard control uses it.
WNDPROC HookWindow(HWND window, WNDPROC procedure, void* data);

template <typename T> T* UserDataOf(HWND window) {
    return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The window's text; empty when it has none.
std::wstring WindowText(HWND window);
