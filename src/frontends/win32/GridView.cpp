#include "GridView.h"

#include <windowsx.h>

#include <algorithm>

using namespace turvane::screens;

namespace {

// Grid lines are one pixel wide and belong to the cell on their left or top.
constexpr int GridLineWidth = 1;
enum MenuCommand : UINT { CopyCommand = 1, SelectAllCommand };

bool KeyDown(int key) {
    return GetKeyState(key) < 0;
}

// One cell's text on the clipboard: quoted when it holds a tab, a line break
// or a quote, so that a spreadsheet reads it back as one cell.
std::wstring Field(const std::wstring& text) {
    if (text.find_first_of(L"\t\r\n\"") == std::wstring::npos) {
        return text;
    }
    std::wstring quoted = L"\"";
    for (const wchar_t c : text) {
        quoted += c;
        if (c == L'"') {
            quoted += L'"';
        }
    }
    return quoted + L'"';
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    SetDCBrushColor(dc, color);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
    SetDCPenColor(dc, color);
    const HGDIOBJ old = SelectObject(dc, GetStockObject(DC_PEN));
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
}

} // namespace

bool GridView::Range::contains(int col, int row) const {
    return col >= std::min(from.col, to.col) && col <= std::max(from.col, to.col) &&
           row >= std::min(from.row, to.row) && row <= std::max(from.row, to.row);
}

GridView::GridView(HWND parent, int id, const RECT& place, const GridShape& shape, HFONT font,
                   COLORREF textColor, int dpi)
    : font_(font), textColor_(textColor), fixedColor_(ToColorRef(shape.fixedColor)), dpi_(dpi),
      shape_(shape), colCount_(std::max(1, shape.colCount)), rowCount_(0),
      fixedRows_(std::clamp(shape.fixedRows, 0, 1)), fixedCols_(std::clamp(shape.fixedCols, 0, 1)) {
    // Without a fixed row the list has no header; sorting, editing and
    // reordering are the list's own and the grid has none of them. The list
    // holds no texts of its own: it asks for a cell's text when it draws or
    // is asked for it (LVN_GETDISPINFO), so filling a grid costs one count
    // instead of a message per cell (under Wine half a millisecond each: a
    // third of the start-up).
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT |
                        LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER |
                        (fixedRows_ > 0 ? 0 : LVS_NOCOLUMNHEADER);
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", style, place.left, place.top,
                            place.right - place.left, place.bottom - place.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_DOUBLEBUFFER);
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    header_ = ListView_GetHeader(list_);
    listNext_ = HookWindow(list_, ListProc, this);
    if (header_) {
        headerNext_ = HookWindow(header_, HeaderProc, this);
    }
    for (int c = 0; c < colCount_; ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.cx = Scale(shape_.colWidth(c) + GridLineWidth, dpi_);
        column.pszText = const_cast<wchar_t*>(L"");
        column.iSubItem = c;
        ListView_InsertColumn(list_, c, &column);
    }
    setRowCount(shape_.rowCount);
    setRowHeight();
    current_ = {std::min(fixedCols_, colCount_ - 1), std::min(fixedRows_, rowCount_ - 1)};
    anchor_ = current_;
    selection_ = {current_, current_};
    showCurrentState();
}

const std::wstring& GridView::cell(int col, int row) const {
    static const std::wstring empty;
    if (row < 0 || row >= static_cast<int>(cells_.size()) || col < 0 || col >= colCount_) {
        return empty;
    }
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void GridView::setRowHeight() {
    // A list's rows are as high as its small icons and a little more, by an
    // amount that differs between systems: a blank image list sets the
    // height, measured once on a row and corrected.
    const int pitch = Scale(shape_.rowHeight + GridLineWidth, dpi_);
    int imageHeight = pitch;
    for (int attempt = 0; attempt < 2; ++attempt) {
        HIMAGELIST images = ImageList_Create(1, imageHeight, ILC_COLOR32, 1, 0);
        ListView_SetImageList(list_, images, LVSIL_SMALL);
        if (rowHeightImages_) {
            ImageList_Destroy(rowHeightImages_);
        }
        rowHeightImages_ = images;
        RECT row{};
        if (ListView_GetItemCount(list_) == 0 ||
            !ListView_GetItemRect(list_, 0, &row, LVIR_BOUNDS) || row.bottom - row.top == pitch) {
            break;
        }
        imageHeight = std::max(1, imageHeight + pitch - static_cast<int>(row.bottom - row.top));
    }
}

void GridView::layoutColumns() {
    for (int c = 0; c < colCount_; ++c) {
        ListView_SetColumnWidth(list_, c, Scale(shape_.colWidth(c) + GridLineWidth, dpi_));
    }
}

void GridView::setDpi(HFONT font, int dpi) {
    font_ = font;
    dpi_ = dpi;
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    setRowHeight();
    layoutColumns();
    InvalidateRect(list_, nullptr, TRUE);
}

void GridView::setRowCount(int rows) {
    rows = std::max(1, rows);
    if (static_cast<int>(cells_.size()) < rows) {
        cells_.resize(static_cast<std::size_t>(rows),
                      std::vector<std::wstring>(static_cast<std::size_t>(colCount_)));
    }
    // Cells cut off by a smaller count come back with their texts.
    ListView_SetItemCountEx(list_, rows - fixedRows_, LVSICF_NOSCROLL);
    rowCount_ = rows;
    current_.row = std::min(current_.row, rowCount_ - 1);
    anchor_.row = std::min(anchor_.row, rowCount_ - 1);
    selection_.from.row = std::min(selection_.from.row, rowCount_ - 1);
    selection_.to.row = std::min(selection_.to.row, rowCount_ - 1);
    InvalidateRect(list_, nullptr, TRUE);
}

void GridView::setCell(int col, int row, const std::wstring& text) {
    if (col < 0 || col >= colCount_ || row < 0) {
        return;
    }
    if (row >= static_cast<int>(cells_.size())) {
        cells_.resize(static_cast<std::size_t>(row) + 1,
                      std::vector<std::wstring>(static_cast<std::size_t>(colCount_)));
    }
    std::wstring& stored = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    if (stored == text) {
        return;
    }
    stored = text;
    if (row < fixedRows_) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = const_cast<wchar_t*>(stored.c_str());
        ListView_SetColumn(list_, col, &column);
    }
    // A body cell is drawn from cells_ when the list next paints: apply()
    // redraws the whole list once.
}

void GridView::apply(const GridFill& fill, const TextTable& texts) {
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    setRowCount(fill.rowCount());
    for (int r = 0; r < fill.filledRows(); ++r) {
        const auto row = fill.row(r);
        for (std::size_t c = 0; c < row.size(); ++c) {
            setCell(static_cast<int>(c), r, Wide(texts[row[c]]));
        }
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    if (fill.selectedRow() && *fill.selectedRow() != current_.row) {
        current_.row = *fill.selectedRow();
        anchor_ = current_;
        selection_ = {current_, current_};
        showCurrentState();
    }
    if (fill.topRow()) {
        scrollToTop(*fill.topRow());
    }
    InvalidateRect(list_, nullptr, TRUE);
}

void GridView::scrollToTop(int row) {
    // The list never scrolls past its last page, so a row near the end is
    // pulled back to the one that fills it.
    const int item = std::max(0, row - fixedRows_);
    if (ListView_GetItemCount(list_) == 0) {
        return;
    }
    RECT first{};
    ListView_GetItemRect(list_, 0, &first, LVIR_BOUNDS);
    const int height = first.bottom - first.top;
    const int top = ListView_GetTopIndex(list_);
    if (height > 0 && item != top) {
        ListView_Scroll(list_, 0, (item - top) * height);
    }
}

void GridView::showCurrentState() {
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    const int item = current_.row - fixedRows_;
    if (item >= 0 && item < ListView_GetItemCount(list_)) {
        ListView_SetItemState(list_, item, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    }
    InvalidateRect(list_, nullptr, FALSE);
}

void GridView::moveTo(Cell cell, bool extend) {
    cell.col = std::clamp(cell.col, fixedCols_, std::max(fixedCols_, colCount_ - 1));
    cell.row = std::clamp(cell.row, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
    current_ = cell;
    if (!extend) {
        anchor_ = cell;
    }
    selection_ = {anchor_, current_};
    showCurrentState();
    const int item = current_.row - fixedRows_;
    if (item >= 0) {
        ListView_EnsureVisible(list_, item, FALSE);
    }
}

void GridView::selectAll() {
    selection_ = {{fixedCols_, fixedRows_}, {colCount_ - 1, rowCount_ - 1}};
    InvalidateRect(list_, nullptr, FALSE);
}

void GridView::copySelection() const {
    const int left = std::min(selection_.from.col, selection_.to.col);
    const int right = std::max(selection_.from.col, selection_.to.col);
    const int top = std::min(selection_.from.row, selection_.to.row);
    const int bottom = std::max(selection_.from.row, selection_.to.row);
    std::wstring text;
    for (int r = top; r <= bottom; ++r) {
        if (r > top) {
            text += L"\r\n";
        }
        for (int c = left; c <= right; ++c) {
            if (c > left) {
                text += L'\t';
            }
            text += Field(cell(c, r));
        }
    }
    if (!OpenClipboard(list_)) {
        return;
    }
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* target = GlobalLock(memory)) {
            std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(target));
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_UNICODETEXT, memory)) {
                GlobalFree(memory);
            }
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

bool GridView::onKey(WPARAM key) {
    const bool control = KeyDown(VK_CONTROL);
    const bool shift = KeyDown(VK_SHIFT);
    const int page = std::max(1, ListView_GetCountPerPage(list_));
    Cell to = current_;
    switch (key) {
    case VK_UP:
        --to.row;
        break;
    case VK_DOWN:
        ++to.row;
        break;
    case VK_LEFT:
        --to.col;
        break;
    case VK_RIGHT:
        ++to.col;
        break;
    case VK_PRIOR:
        to.row -= page;
        break;
    case VK_NEXT:
        to.row += page;
        break;
    case VK_HOME:
        to.col = fixedCols_;
        if (control) {
            to.row = fixedRows_;
        }
        break;
    case VK_END:
        to.col = colCount_ - 1;
        if (control) {
            to.row = rowCount_ - 1;
        }
        break;
    case 'C':
    case VK_INSERT:
        if (!control) {
            return false;
        }
        copySelection();
        return true;
    case 'A':
        if (!control) {
            return false;
        }
        selectAll();
        return true;
    case VK_APPS:
        openMenu(currentCellCorner());
        return true;
    default:
        return false;
    }
    moveTo(to, shift);
    return true;
}

std::optional<GridView::Cell> GridView::cellAt(POINT client) const {
    const int count = ListView_GetItemCount(list_);
    if (count == 0) {
        return std::nullopt;
    }
    const int top = ListView_GetTopIndex(list_);
    RECT first{};
    ListView_GetItemRect(list_, top, &first, LVIR_BOUNDS);
    const int height = first.bottom - first.top;
    if (height <= 0 || client.y < first.top) {
        return std::nullopt;
    }
    const int item = top + (client.y - first.top) / height;
    if (item >= count) {
        return std::nullopt;
    }
    int x = first.left;
    for (int c = 0; c < colCount_; ++c) {
        const int width = ListView_GetColumnWidth(list_, c);
        if (client.x >= x && client.x < x + width) {
            return Cell{c, item + fixedRows_};
        }
        x += width;
    }
    return std::nullopt;
}

POINT GridView::currentCellCorner() const {
    POINT corner{0, 0};
    const int item = current_.row - fixedRows_;
    RECT bounds{};
    if (item >= 0 && ListView_GetItemRect(list_, item, &bounds, LVIR_BOUNDS)) {
        RECT client{};
        GetClientRect(list_, &client);
        int x = bounds.left;
        for (int c = 0; c < current_.col; ++c) {
            x += ListView_GetColumnWidth(list_, c);
        }
        if (bounds.bottom > 0 && bounds.top < client.bottom) {
            corner = {std::max(0, x), std::min<LONG>(bounds.bottom, client.bottom)};
        }
    }
    ClientToScreen(list_, &corner);
    return corner;
}

void GridView::openMenu(POINT screen) {
    HMENU menu = CreatePopupMenu();
    const std::wstring copy = Wide(GridMenu.copy) + L"\tCtrl+C";
    const std::wstring selectAllText = Wide(GridMenu.selectAll) + L"\tCtrl+A";
    AppendMenuW(menu, MF_STRING, CopyCommand, copy.c_str());
    AppendMenuW(menu, MF_STRING, SelectAllCommand, selectAllText.c_str());
    const UINT command = static_cast<UINT>(
        TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                         screen.x, screen.y, list_, nullptr));
    DestroyMenu(menu);
    if (command == CopyCommand) {
        copySelection();
    } else if (command == SelectAllCommand) {
        selectAll();
    }
}

std::optional<LRESULT> GridView::onListMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (onKey(wParam)) {
            return 0;
        }
        break;
    case WM_KEYUP:
        // The menu key opened the menu as it went down.
        if (wParam == VK_APPS) {
            return 0;
        }
        break;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F10 && KeyDown(VK_SHIFT)) {
            openMenu(currentCellCorner());
            return 0;
        }
        break;
    case WM_CHAR:
        // No search by typing: the grid's keys move between cells.
        return 0;
    case WM_CONTEXTMENU: {
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        openMenu(lParam == -1 ? currentCellCorner() : at);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: {
        SetFocus(list_);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const auto cell = cellAt(at);
        const bool body = cell && cell->col >= fixedCols_ && cell->row >= fixedRows_;
        if (message == WM_RBUTTONDOWN) {
            // A right click inside the selection keeps it for the menu.
            if (body && !selection_.contains(cell->col, cell->row)) {
                moveTo(*cell, false);
            }
            return 0;
        }
        if (body) {
            moveTo(*cell, KeyDown(VK_SHIFT));
            SetCapture(list_);
            dragging_ = true;
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (dragging_) {
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (const auto cell = cellAt(at)) {
                moveTo(*cell, true);
            }
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (dragging_) {
            dragging_ = false;
            ReleaseCapture();
        }
        return 0;
    case WM_RBUTTONUP: {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(list_, &at);
        openMenu(at);
        return 0;
    }
    case WM_CAPTURECHANGED:
        dragging_ = false;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(list_, nullptr, FALSE);
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom != header_) {
            break;
        }
        switch (header->code) {
        case NM_CUSTOMDRAW:
            return drawHeader(*reinterpret_cast<NMCUSTOMDRAW*>(lParam));
        // The fixed row's cells keep their widths.
        case HDN_BEGINTRACKW:
        case HDN_BEGINTRACKA:
            return TRUE;
        case HDN_DIVIDERDBLCLICKW:
        case HDN_DIVIDERDBLCLICKA:
            return 0;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
    return std::nullopt;
}

LRESULT CALLBACK GridView::ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* grid = UserDataOf<GridView>(window);
    if (message == WM_NCDESTROY) {
        grid->list_ = nullptr;
        return CallWindowProcW(grid->listNext_, window, message, wParam, lParam);
    }
    if (const auto result = grid->onListMessage(message, wParam, lParam)) {
        return *result;
    }
    return CallWindowProcW(grid->listNext_, window, message, wParam, lParam);
}

LRESULT CALLBACK GridView::HeaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* grid = UserDataOf<GridView>(window);
    switch (message) {
    case HDM_LAYOUT: {
        // The fixed row is as high as any other row.
        const LRESULT result = CallWindowProcW(grid->headerNext_, window, message, wParam, lParam);
        auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
        const int height = Scale(grid->shape_.rowHeight + GridLineWidth, grid->dpi_);
        if (layout->pwpos) {
            layout->pwpos->cy = height;
        }
        if (layout->prc) {
            layout->prc->top = layout->pwpos ? layout->pwpos->y + height : layout->prc->top;
        }
        return result;
    }
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
    case WM_NCDESTROY:
        grid->header_ = nullptr;
        break;
    default:
        break;
    }
    return CallWindowProcW(grid->headerNext_, window, message, wParam, lParam);
}

std::optional<LRESULT> GridView::onNotify(const NMHDR& header) {
    if (header.hwndFrom != list_) {
        return std::nullopt;
    }
    if (header.code == LVN_GETDISPINFOW) {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item;
        if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
            const std::wstring& text = cell(item.iSubItem, item.iItem + fixedRows_);
            const std::size_t length =
                std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
            text.copy(item.pszText, length);
            item.pszText[length] = L'\0';
        }
        return 0;
    }
    if (header.code != NM_CUSTOMDRAW) {
        return std::nullopt;
    }
    return drawItem(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
}

LRESULT GridView::drawItem(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
        // The whole row at once, every cell from its column's left edge.
        const int item = static_cast<int>(draw.nmcd.dwItemSpec);
        RECT bounds{};
        if (!ListView_GetItemRect(list_, item, &bounds, LVIR_BOUNDS)) {
            return CDRF_SKIPDEFAULT;
        }
        int x = bounds.left;
        for (int c = 0; c < colCount_; ++c) {
            const int width = ListView_GetColumnWidth(list_, c);
            const RECT cellRect{x, bounds.top, x + width, bounds.bottom};
            drawCell(draw.nmcd.hdc, cellRect, c, item + fixedRows_, c < fixedCols_);
            x += width;
        }
        return CDRF_SKIPDEFAULT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

LRESULT GridView::drawHeader(NMCUSTOMDRAW& draw) {
    switch (draw.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        drawCell(draw.hdc, draw.rc, static_cast<int>(draw.dwItemSpec), 0, true);
        return CDRF_SKIPDEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

void GridView::drawCell(HDC dc, const RECT& rect, int col, int row, bool fixed) const {
    const RECT inner{rect.left, rect.top, rect.right - GridLineWidth, rect.bottom - GridLineWidth};
    const bool selected = !fixed && selection_.contains(col, row);
    COLORREF text = textColor_;
    if (fixed) {
        FillSolid(dc, inner, fixedColor_);
        // Raised, as fixed cells are drawn, with a dark grid line.
        Line(dc, inner.left, inner.bottom - 1, inner.left, inner.top, GetSysColor(COLOR_3DHILIGHT));
        Line(dc, inner.left, inner.top, inner.right, inner.top, GetSysColor(COLOR_3DHILIGHT));
        Line(dc, inner.right - 1, inner.top, inner.right - 1, inner.bottom,
             GetSysColor(COLOR_3DSHADOW));
        Line(dc, inner.left, inner.bottom - 1, inner.right, inner.bottom - 1,
             GetSysColor(COLOR_3DSHADOW));
        Line(dc, rect.right - 1, rect.top, rect.right - 1, rect.bottom,
             GetSysColor(COLOR_3DDKSHADOW));
        Line(dc, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1,
             GetSysColor(COLOR_3DDKSHADOW));
    } else {
        FillSolid(dc, inner, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (selected) {
            text = GetSysColor(COLOR_HIGHLIGHTTEXT);
        }
        Line(dc, rect.right - 1, rect.top, rect.right - 1, rect.bottom, GetSysColor(COLOR_3DFACE));
        Line(dc, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1,
             GetSysColor(COLOR_3DFACE));
    }
    const std::wstring& content = cell(col, row);
    if (!content.empty()) {
        // Clipped at the cell's edge, never shortened: trailing blanks are the
        // data's own.
        RECT textRect{inner.left + Scale(2, dpi_), inner.top + Scale(2, dpi_), inner.right,
                      inner.bottom};
        const HGDIOBJ oldFont = SelectObject(dc, font_);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, text);
        DrawTextW(dc, content.c_str(), static_cast<int>(content.size()), &textRect,
                  DT_NOPREFIX | DT_SINGLELINE | DT_LEFT | DT_TOP);
        SelectObject(dc, oldFont);
    }
    if (!fixed && col == current_.col && row == current_.row && GetFocus() == list_) {
        SetTextColor(dc, RGB(0, 0, 0));
        DrawFocusRect(dc, &inner);
    }
}
