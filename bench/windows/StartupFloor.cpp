// The floor of the Windows start-up: the main window of the design with the
// same standard controls, fonts and grid rows as the program, filled with
// fixed texts, reading nothing. What the program takes beyond it is what
// reading and filling cost.

#include "screens/Design.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <string>

namespace {

using namespace turvane::screens;

std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

HFONT FontOf(const Font& font) {
    static std::map<std::pair<std::u16string_view, int>, HFONT> fonts;
    HFONT& made = fonts[{font.face, font.pixelSize * (font.bold ? -1 : 1)}];
    if (!made) {
        made = ::CreateFontW(-font.pixelSize, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                             SHIFTJIS_CHARSET, 0, 0, 0, 0, Wide(font.face).c_str());
    }
    return made;
}

// The lists ask for their texts, as the program's do: one fixed date for
// the first column, one fixed meeting for the others.
void Fill(HWND list, const GridShape& grid) {
    for (int col = 0; col < grid.colCount; ++col) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        column.cx = grid.colWidth(col);
        ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(col),
                       reinterpret_cast<LPARAM>(&column));
    }
    ::SendMessageW(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(grid.rowCount - grid.fixedRows),
                   LVSICF_NOSCROLL);
}

LRESULT CellText(LVITEMW& item) {
    static const std::wstring date = L"１２月３１日";
    static const std::wstring meeting = L"◎中山　５回　８日目";
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        const std::wstring& text = item.iSubItem == 0 ? date : meeting;
        const std::size_t length =
            std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
        text.copy(item.pszText, length);
        item.pszText[length] = L'\0';
    }
    return 0;
}

void Build(HWND window, const WindowDesign& design) {
    for (const ControlDesign& control : design.controls) {
        const Rect place = design.clientRect(control.name);
        const wchar_t* kind = L"STATIC";
        DWORD style = WS_CHILD | WS_VISIBLE;
        switch (control.kind) {
        case ControlKind::GroupBox:
            kind = L"BUTTON";
            style |= BS_GROUPBOX;
            break;
        case ControlKind::StringGrid:
            kind = WC_LISTVIEWW;
            style |= LVS_REPORT | LVS_OWNERDATA | WS_BORDER | WS_TABSTOP |
                     (control.grid && control.grid->fixedRows == 0 ? LVS_NOCOLUMNHEADER : 0);
            break;
        case ControlKind::ReadOnlyEdit:
            kind = L"EDIT";
            style |= ES_READONLY | WS_BORDER | ES_AUTOHSCROLL;
            break;
        case ControlKind::Label:
            break;
        case ControlKind::Image:
            style |= SS_ICON;
            break;
        case ControlKind::Bevel:
            style |= SS_ETCHEDFRAME;
            break;
        case ControlKind::Button:
            kind = L"BUTTON";
            style |= BS_PUSHBUTTON | WS_TABSTOP;
            break;
        }
        HWND child =
            ::CreateWindowExW(0, kind, Wide(control.text).c_str(), style, place.left, place.top,
                              place.width, place.height, window, nullptr, nullptr, nullptr);
        ::SendMessageW(child, WM_SETFONT,
                       reinterpret_cast<WPARAM>(FontOf(control.font.value_or(design.font))), FALSE);
        if (control.kind == ControlKind::StringGrid && control.grid) {
            Fill(child, *control.grid);
        }
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == LVN_GETDISPINFOW) {
        return CellText(reinterpret_cast<NMLVDISPINFOW*>(lParam)->item);
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    const WindowDesign& design = MainWindowDesign();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"TurvaneFloor";
    ::RegisterClassW(&windowClass);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, design.clientSize.width, design.clientSize.height};
    ::AdjustWindowRect(&frame, style, FALSE);
    HWND window = ::CreateWindowExW(0, windowClass.lpszClassName, Wide(design.caption).c_str(),
                                    style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                    frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    Build(window, design);
    ::ShowWindow(window, showCommand);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
