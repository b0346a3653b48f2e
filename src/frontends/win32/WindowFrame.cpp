#include "WindowFrame.h"

#include "Resources.h"
#include "Win32Util.h"

using namespace turvane::screens;

namespace {

void RegisterOnce(const wchar_t* className, WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, className, &existing)) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_TURVANE), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_TURVANE),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    RegisterClassExW(&windowClass);
}

RECT WorkAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

} // namespace

HWND CreateFrame(const wchar_t* className, WNDPROC procedure, const WindowDesign& design,
                 DWORD style, HWND owner, void* self) {
    RegisterOnce(className, procedure);
    const std::wstring caption = Wide(design.caption);
    HWND window =
        CreateWindowExW(0, className, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                        owner, nullptr, GetModuleHandleW(nullptr), self);
    if (!window) {
        return nullptr;
    }
    // The window's own dots per inch: those of the screen it is on.
    const int dpi = DpiOf(owner ? owner : window);
    RECT frame{0, 0, Scale(design.clientSize.width, dpi), Scale(design.clientSize.height, dpi)};
    AdjustWindowRectExForDpi(&frame, style, FALSE, 0, static_cast<UINT>(dpi));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT around{};
    if (design.placement == Placement::CentredOnOwner && owner) {
        GetWindowRect(owner, &around);
    } else {
        around = WorkAreaOf(owner ? owner : window);
    }
    const int left = around.left + (around.right - around.left - width) / 2;
    const int top = around.top + (around.bottom - around.top - height) / 2;
    SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return window;
}
