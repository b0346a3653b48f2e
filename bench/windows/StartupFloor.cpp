// The floor of the Windows start-up: the main window of the design with the
// same standard controls, fonts and grid rows as the program, showing the
// very texts the program shows on the sample year at 2003-05-17, compiled in
// (FloorTexts, made by the Linux benchmarks from a real start), reading
// nothing. What the program takes beyond it is what reading, filling and its
// own drawing of the grids cost.

#include "FloorTexts.h"
#include "screens/Design.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// A grid's texts by row and column, the fixed row included.
struct FloorTable {
    int fixedRows = 0;
    std::vector<std::vector<std::wstring>> rows;
};
std::map<HWND, FloorTable> tables;

const FloorGrid* FloorGridNamed(std::string_view name) {
    for (const FloorGrid& grid : FloorGrids) {
        if (name == grid.name) {
            return &grid;
        }
    }
    return nullptr;
}

const FloorText* FloorTextNamed(std::string_view name) {
    for (const auto& texts :
         {std::span<const FloorText>(FloorEdits), std::span<const FloorText>(FloorCaptions)}) {
        for (const FloorText& text : texts) {
            if (name == text.name) {
                return &text;
            }
        }
    }
    return nullptr;
}

// The lists ask for their texts, as the program's do; the fixed row is the
// header's, scrolled and selected where the program has them.
void Fill(HWND list, const GridShape& shape, const FloorGrid& grid) {
    FloorTable& table = tables[list];
    table.fixedRows = shape.fixedRows;
    table.rows.assign(static_cast<std::size_t>(grid.rowCount),
                      std::vector<std::wstring>(static_cast<std::size_t>(shape.colCount)));
    for (std::size_t i = 0; i < grid.cellCount; ++i) {
        const FloorCell& cell = grid.cells[i];
        table.rows[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.col)] =
            Wide(cell.text);
    }
    for (int col = 0; col < shape.colCount; ++col) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH | LVCF_TEXT;
        column.cx = shape.colWidth(col);
        column.pszText = shape.fixedRows > 0 ? table.rows[0][static_cast<std::size_t>(col)].data()
                                             : const_cast<wchar_t*>(L"");
        ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(col),
                       reinterpret_cast<LPARAM>(&column));
    }
    ::SendMessageW(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(grid.rowCount - shape.fixedRows),
                   LVSICF_NOSCROLL);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = state.stateMask;
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(grid.row - shape.fixedRows),
                   reinterpret_cast<LPARAM>(&state));
    RECT first{};
    first.left = LVIR_BOUNDS;
    ::SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    // The list scrolls by whole rows; asked again until the top row is right.
    const int wanted = grid.topRow - shape.fixedRows;
    for (int tries = 0; tries < 3; ++tries) {
        const int top = static_cast<int>(::SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
        if (top == wanted) {
            break;
        }
        ::SendMessageW(list, LVM_SCROLL, 0, (wanted - top) * (first.bottom - first.top));
    }
}

LRESULT CellText(HWND list, LVITEMW& item) {
    const auto table = tables.find(list);
    if (table == tables.end() || (item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr ||
        item.cchTextMax <= 0) {
        return 0;
    }
    const std::size_t row = static_cast<std::size_t>(item.iItem + table->second.fixedRows);
    const std::wstring& text =
        table->second.rows.at(row).at(static_cast<std::size_t>(item.iSubItem));
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
    text.copy(item.pszText, length);
    item.pszText[length] = L'\0';
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
        const FloorText* shown = FloorTextNamed(control.name);
        HWND child = ::CreateWindowExW(0, kind, Wide(shown ? shown->text : control.text).c_str(),
                                       style, place.left, place.top, place.width, place.height,
                                       window, nullptr, nullptr, nullptr);
        ::SendMessageW(child, WM_SETFONT,
                       reinterpret_cast<WPARAM>(FontOf(control.font.value_or(design.font))), FALSE);
        if (control.kind == ControlKind::StringGrid && control.grid) {
            if (const FloorGrid* grid = FloorGridNamed(control.name)) {
                Fill(child, *control.grid, *grid);
            }
        }
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == LVN_GETDISPINFOW) {
        const auto* info = reinterpret_cast<NMLVDISPINFOW*>(lParam);
        return CellText(info->hdr.hwndFrom, const_cast<LVITEMW&>(info->item));
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
