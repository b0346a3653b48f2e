#include "Remote.h"

#include <algorithm>

namespace {

constexpr SIZE_T RemoteBytes = 64 * 1024;
constexpr int TextChars = 4096;

struct Found {
    DWORD pid;
    const wchar_t* className;
    bool visibleOnly;
    HWND window = nullptr;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<Found*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == found->pid && ClassOf(window) == found->className &&
        (!found->visibleOnly || IsWindowVisible(window))) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

struct ById {
    int id;
    HWND window = nullptr;
};

BOOL CALLBACK FindById(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<ById*>(data);
    if (GetDlgCtrlID(window) == found->id) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::string Utf8(std::wstring_view text) {
    return Utf8FromWide(text);
}

std::string Utf8(std::u16string_view text) {
    return Utf8(Wide(text));
}

// A program busy for seconds is not hung: Wine counts one as hung after five
// seconds without a message, which a first font load on a busy machine takes.
constexpr UINT AnswerMilliseconds = 30000;

// Up to a minute: Wine may start its desktop process and load its fonts
// before the first window of a program shows, seconds on a busy machine.
bool WaitFor(const std::function<bool()>& ready) {
    for (int i = 0; i < 3000; ++i) {
        if (ready()) {
            return true;
        }
        Sleep(20);
    }
    return ready();
}

Program::Program(const std::wstring& exe, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info_)) {
        info_ = {};
        return;
    }
    WaitForInputIdle(info_.hProcess, 30000);
    remote_ = VirtualAllocEx(info_.hProcess, nullptr, RemoteBytes, MEM_COMMIT, PAGE_READWRITE);
}

Program::~Program() {
    if (!info_.hProcess) {
        return;
    }
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 10000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND Program::window(const wchar_t* className, bool visibleOnly) const {
    Found found{info_.dwProcessId, className, visibleOnly};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

HWND Program::waitWindow(const wchar_t* className) const {
    HWND found = nullptr;
    WaitFor([&] { return (found = window(className)) != nullptr; });
    if (found) {
        // Shown is not yet settled: the window may still be filling or
        // loading its fonts. Its thread answers once it is waiting for input.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(found, WM_NULL, 0, 0, SMTO_NORMAL, AnswerMilliseconds, &ignored);
    }
    return found;
}

HWND Program::focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(info_.dwThreadId, &info);
    return info.hwndFocus;
}

int Program::waitExit() {
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, 30000) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<int>(code);
}

std::wstring Program::cell(HWND list, int item, int column) const {
    LVITEMW request{};
    request.iSubItem = column;
    request.cchTextMax = TextChars;
    request.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote_) + sizeof(LVITEMW));
    WriteProcessMemory(info_.hProcess, remote_, &request, sizeof request, nullptr);
    const auto length = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                                     reinterpret_cast<LPARAM>(remote_));
    std::wstring text(static_cast<std::size_t>(std::clamp<LRESULT>(length, 0, TextChars - 1)),
                      L'\0');
    ReadProcessMemory(info_.hProcess, request.pszText, text.data(), text.size() * sizeof(wchar_t),
                      nullptr);
    return text;
}

std::wstring Program::header(HWND list, int column) const {
    LVCOLUMNW request{};
    request.mask = LVCF_TEXT;
    request.cchTextMax = TextChars;
    request.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote_) + sizeof(LVCOLUMNW));
    WriteProcessMemory(info_.hProcess, remote_, &request, sizeof request, nullptr);
    std::wstring text(TextChars, L'\0');
    if (SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(remote_))) {
        ReadProcessMemory(info_.hProcess, request.pszText, text.data(),
                          text.size() * sizeof(wchar_t), nullptr);
    }
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

int Program::rowHeight(HWND list) const {
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    WriteProcessMemory(info_.hProcess, remote_, &rect, sizeof rect, nullptr);
    if (!SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(remote_))) {
        return 0;
    }
    ReadProcessMemory(info_.hProcess, remote_, &rect, sizeof rect, nullptr);
    return rect.bottom - rect.top;
}

HWND Control(HWND window, const turvane::screens::WindowDesign& design, std::string_view name) {
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
        if (design.controls[i].name == name) {
            ById found{TURVANE_FIRST_CONTROL_ID + static_cast<int>(i)};
            EnumChildWindows(window, FindById, reinterpret_cast<LPARAM>(&found));
            return found.window;
        }
    }
    return nullptr;
}

std::wstring Text(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, AnswerMilliseconds, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_NORMAL, AnswerMilliseconds, &got);
    text.resize(std::min<std::size_t>(got, length));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

turvane::screens::Rect RectIn(HWND control, HWND window) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

turvane::screens::Size ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

void Press(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *it;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(50);
}

void Activate(HWND window) {
    SetForegroundWindow(window);
    WaitFor([&] { return GetForegroundWindow() == window; });
}

void Click(HWND button) {
    // Posted: the click may open a modal window that keeps the program busy.
    PostMessageW(button, BM_CLICK, 0, 0);
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

std::wstring CopyWithCtrlC() {
    const DWORD before = GetClipboardSequenceNumber();
    Press({VK_CONTROL, 'C'});
    std::wstring text;
    WaitFor([&] {
        return GetClipboardSequenceNumber() != before && !(text = ClipboardText()).empty();
    });
    return text;
}

std::vector<std::wstring> MenuItems(HWND menuWindow) {
    std::vector<std::wstring> items;
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        items.emplace_back(text);
    }
    return items;
}
