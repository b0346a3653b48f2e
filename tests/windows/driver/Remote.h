#pragma once

// Reading the program under test from outside, as a screen reader or a test
// tool does: its windows, its controls by design name, their texts, the
// cells of its lists (through memory in its process), its focus, its message
// boxes and menus; and pressing its keys and buttons.

#include "Resources.h"
#include "Win32Util.h"
#include "screens/Design.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

std::string Utf8(std::wstring_view text);
std::string Utf8(std::u16string_view text);

// Polls until ready holds; false when it never did. A limit only for a
// program that hangs: nothing waits on it otherwise.
bool WaitFor(const std::function<bool()>& ready);

class Program {
public:
    Program(const std::wstring& exe, const std::wstring& arguments);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return info_.hProcess != nullptr; }
    DWORD threadId() const { return info_.dwThreadId; }
    // A top-level window of the program with that class; nullptr if none.
    HWND window(const wchar_t* className, bool visibleOnly = true) const;
    HWND waitWindow(const wchar_t* className) const;
    // The window with the keyboard focus in the program.
    HWND focus() const;
    // Waits for the program to end; its exit code, or -1 if it did not end.
    int waitExit();

    // A list's cell (item, column) and header text, and an item's state.
    std::wstring cell(HWND list, int item, int column) const;
    std::wstring header(HWND list, int column) const;
    // The height of a list's rows, from its first item.
    int rowHeight(HWND list) const;

private:
    PROCESS_INFORMATION info_{};
    // Memory in the program's process for the list's answers.
    void* remote_ = nullptr;
};

// A control of a window by its design name.
HWND Control(HWND window, const turvane::screens::WindowDesign& design, std::string_view name);
std::wstring Text(HWND window);
std::wstring ClassOf(HWND window);
// A control's rectangle in window's client area.
turvane::screens::Rect RectIn(HWND control, HWND window);
turvane::screens::Size ClientSize(HWND window);

// Presses the keys together (the first ones held while the last goes down).
void Press(std::initializer_list<WORD> keys);
// Brings the window forward so that keys go to it.
void Activate(HWND window);
void Click(HWND button);
std::wstring ClipboardText();
// Presses Ctrl+C and waits for the program to put its text on the clipboard.
std::wstring CopyWithCtrlC();

// The texts of the items of a shown popup menu of the program.
std::vector<std::wstring> MenuItems(HWND menuWindow);
