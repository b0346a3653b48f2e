#include "DesignedWindow.h"

#include "Resources.h"

#include <algorithm>

using namespace turvane::screens;

namespace {

constexpr int FirstControlId = TURVANE_FIRST_CONTROL_ID;

// A box drawn as the design draws it: the etched frame and the caption in the
// box's own colour. (A group box left to itself takes its caption's colour
// from the theme, or, in some implementations, from nowhere at all.)
void PaintGroupBox(HWND box, COLORREF textColor) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(box, &paint);
    RECT client{};
    GetClientRect(box, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2 - 1;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = WindowText(box);
    if (!caption.empty()) {
        const int dpi = DpiOf(box);
        RECT label{client.left + Scale(8, dpi), client.top, client.right - Scale(8, dpi),
                   client.top + metrics.tmHeight};
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &label,
                  DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
        RECT behind = label;
        behind.right = std::min<LONG>(behind.right + 1, client.right);
        FillRect(dc, &behind, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, IsWindowEnabled(box) ? textColor : GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &label,
                  DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP);
    }
    SelectObject(dc, oldFont);
    EndPaint(box, &paint);
}

bool IsShownAndEnabled(HWND window) {
    return IsWindowVisible(window) && IsWindowEnabled(window);
}

} // namespace

// A group box holds its children, yet their commands, notifications and
// colour requests are the window's business: they go on to the window.
LRESULT CALLBACK DesignedWindow::GroupBoxProc(HWND box, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    auto* self = UserDataOf<DesignedWindow>(box);
    const Control* control = self->find(box);
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
        return SendMessageW(self->window_, message, wParam, lParam);
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        PaintGroupBox(box, control->textColor);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = CallWindowProcW(control->next, box, message, wParam, lParam);
        InvalidateRect(box, nullptr, TRUE);
        return result;
    }
    default:
        return CallWindowProcW(control->next, box, message, wParam, lParam);
    }
}

DesignedWindow::DesignedWindow(HWND window, const WindowDesign& design)
    : window_(window), design_(design), dpi_(DpiOf(window)) {
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(design_.font)), FALSE);
    icon_.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                              MAKEINTRESOURCEW(IDI_TURVANE), IMAGE_ICON,
                                              Scale(32, dpi_), Scale(32, dpi_), LR_DEFAULTCOLOR)));
    controls_.reserve(design_.controls.size());
    for (const ControlDesign& control : design_.controls) {
        createControl(control);
    }
}

const DesignedWindow::Control* DesignedWindow::find(std::string_view name) const {
    const auto it = std::find_if(controls_.begin(), controls_.end(),
                                 [&](const Control& c) { return c.design->name == name; });
    return it == controls_.end() ? nullptr : &*it;
}

const DesignedWindow::Control* DesignedWindow::find(HWND hwnd) const {
    const auto it = std::find_if(controls_.begin(), controls_.end(),
                                 [&](const Control& c) { return c.hwnd == hwnd; });
    return it == controls_.end() ? nullptr : &*it;
}

HWND DesignedWindow::operator[](std::string_view name) const {
    const Control* control = find(name);
    return control ? control->hwnd : nullptr;
}

GridView* DesignedWindow::grid(std::string_view name) const {
    const Control* control = find(name);
    return control ? control->grid.get() : nullptr;
}

std::string_view DesignedWindow::nameOf(int id) const {
    const int index = id - FirstControlId;
    if (index < 0 || index >= static_cast<int>(controls_.size())) {
        return {};
    }
    return controls_[static_cast<std::size_t>(index)].design->name;
}

HFONT DesignedWindow::fontFor(const Font& font) {
    auto& slot = fonts_[{font.face, font.pixelSize, font.bold}];
    if (!slot) {
        slot = CreateDesignFont(font, dpi_);
    }
    return slot.get();
}

void DesignedWindow::createControl(const ControlDesign& design) {
    const Control* parent = find(design.parent);
    Control control;
    control.design = &design;
    control.parent = parent ? parent->hwnd : window_;
    control.font = design.font ? *design.font : parent ? parent->font : design_.font;
    control.textColor = design.textColor ? ToColorRef(*design.textColor)
                        : parent         ? parent->textColor
                                         : GetSysColor(COLOR_WINDOWTEXT);
    const int id = FirstControlId + static_cast<int>(controls_.size());
    const HFONT font = fontFor(control.font);
    const std::wstring text = Wide(design.text);
    const Rect& r = design.rect;
    const HMENU menuId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // Siblings may overlap (the list window's boxes do as it shrinks): each
    // paints only what the ones above it leave.
    const DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    // Made in its place: a list lays itself out once, not again when moved.
    const RECT place{Scale(r.left, dpi_), Scale(r.top, dpi_), Scale(r.left + r.width, dpi_),
                     Scale(r.top + r.height, dpi_)};
    const auto create = [&](DWORD exStyle, const wchar_t* className, DWORD style) {
        return CreateWindowExW(exStyle, className, text.c_str(), child | style, place.left,
                               place.top, place.right - place.left, place.bottom - place.top,
                               control.parent, menuId, instance, nullptr);
    };
    switch (design.kind) {
    case ControlKind::GroupBox:
        control.hwnd = create(WS_EX_CONTROLPARENT, L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN);
        break;
    case ControlKind::StringGrid:
        control.grid = std::make_unique<GridView>(control.parent, id, place, *design.grid, font,
                                                  control.textColor, dpi_);
        control.hwnd = control.grid->hwnd();
        break;
    case ControlKind::ReadOnlyEdit:
        control.hwnd =
            create(WS_EX_CLIENTEDGE, L"EDIT", WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL | ES_LEFT);
        break;
    case ControlKind::Label:
        control.hwnd = create(0, L"STATIC", SS_LEFT | SS_NOPREFIX);
        break;
    case ControlKind::Image:
        control.hwnd = create(0, L"STATIC", SS_ICON | SS_REALSIZECONTROL);
        SendMessageW(control.hwnd, STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
        break;
    case ControlKind::Bevel:
        control.hwnd = create(0, L"STATIC", SS_OWNERDRAW);
        break;
    case ControlKind::Button:
        control.hwnd = create(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON);
        break;
    }
    SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // A later control is drawn over an earlier one, as the design stacks them.
    SetWindowPos(control.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    places_[design.name] = r;
    controls_.push_back(std::move(control));
    // Hooked once it is among the controls, where its procedure finds it.
    if (design.kind == ControlKind::GroupBox) {
        Control& box = controls_.back();
        box.next = HookWindow(box.hwnd, GroupBoxProc, this);
    }
}

void DesignedWindow::place(std::string_view name, const Rect& rect) {
    const Control* control = find(name);
    if (!control) {
        return;
    }
    places_[control->design->name] = rect;
    SetWindowPos(control->hwnd, nullptr, Scale(rect.left, dpi_), Scale(rect.top, dpi_),
                 Scale(rect.width, dpi_), Scale(rect.height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
}

void DesignedWindow::placeAll() {
    for (const Control& control : controls_) {
        place(control.design->name, places_[control.design->name]);
    }
}

void DesignedWindow::setLabelText(std::string_view name, std::u16string_view text) {
    const Control* control = find(name);
    if (!control) {
        return;
    }
    const std::wstring wide = Wide(text);
    SetWindowTextW(control->hwnd, wide.c_str());
    // A label grows to fit its text, every line of it.
    RECT size{};
    const HDC dc = GetDC(control->hwnd);
    const HGDIOBJ old = SelectObject(dc, fontFor(control->font));
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &size,
              DT_CALCRECT | DT_NOPREFIX | DT_LEFT | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(control->hwnd, dc);
    Rect rect = places_[control->design->name];
    rect.width = Unscale(size.right - size.left, dpi_) + 1;
    rect.height = Unscale(size.bottom - size.top, dpi_) + 1;
    place(name, rect);
}

void DesignedWindow::applyDpi(int dpi) {
    if (dpi == dpi_) {
        return;
    }
    dpi_ = dpi;
    // The old fonts live until every control has its new one.
    auto oldFonts = std::move(fonts_);
    fonts_.clear();
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(design_.font)), FALSE);
    UniqueIcon icon(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TURVANE),
                                      IMAGE_ICON, Scale(32, dpi_), Scale(32, dpi_), 0)));
    for (const Control& control : controls_) {
        const HFONT font = fontFor(control.font);
        if (control.grid) {
            control.grid->setDpi(font, dpi_);
        } else {
            SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        }
        if (control.design->kind == ControlKind::Image) {
            SendMessageW(control.hwnd, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
        }
    }
    icon_ = std::move(icon);
    placeAll();
}

std::optional<LRESULT> DesignedWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
        const Control* control = find(reinterpret_cast<HWND>(lParam));
        if (!control) {
            break;
        }
        const HDC dc = reinterpret_cast<HDC>(wParam);
        // Read-only edits keep the white of an edit; the rest the window's
        // button face.
        const int background =
            control->design->kind == ControlKind::ReadOnlyEdit ? COLOR_WINDOW : COLOR_BTNFACE;
        SetTextColor(dc, control->textColor);
        SetBkColor(dc, GetSysColor(background));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const Control* control = find(item->hwndItem);
        if (!control || control->design->kind != ControlKind::Bevel) {
            break;
        }
        RECT frame = item->rcItem;
        FillRect(item->hDC, &frame, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(item->hDC, &frame, BDR_RAISEDINNER, BF_RECT);
        return TRUE;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        for (const Control& control : controls_) {
            if (control.grid && control.hwnd == header->hwndFrom) {
                return control.grid->onNotify(*header);
            }
        }
        break;
    }
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        applyDpi(HIWORD(wParam));
        return 0;
    }
    case WM_ACTIVATE:
        // The focus comes back to where it was when the window was left.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(window_, focus)) {
                lastFocus_ = focus;
            }
        } else if (!HIWORD(wParam)) {
            if (lastFocus_ && IsWindow(lastFocus_)) {
                SetFocus(lastFocus_);
            } else {
                focusFirst();
            }
        }
        return 0;
    default:
        break;
    }
    return std::nullopt;
}

bool DesignedWindow::handleTab(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || GetKeyState(VK_CONTROL) < 0 ||
        GetKeyState(VK_MENU) < 0 || (msg.hwnd != window_ && !IsChild(window_, msg.hwnd))) {
        return false;
    }
    const auto& order = design_.focusOrder;
    const int count = static_cast<int>(order.size());
    if (count == 0) {
        return false;
    }
    const HWND focus = GetFocus();
    int at = -1;
    for (int i = 0; i < count; ++i) {
        const HWND candidate = (*this)[order[static_cast<std::size_t>(i)]];
        if (candidate && (candidate == focus || IsChild(candidate, focus))) {
            at = i;
            break;
        }
    }
    const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
    int next = at < 0 ? 0 : (at + step) % count;
    for (int tried = 0; tried < count; ++tried, next = (next + step) % count) {
        const HWND candidate = (*this)[order[static_cast<std::size_t>(next)]];
        if (candidate && IsShownAndEnabled(candidate)) {
            SetFocus(candidate);
            // As a dialog does: an edit reached by Tab has its text selected,
            // and the focus is drawn from now on.
            if (SendMessageW(candidate, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
                SendMessageW(candidate, EM_SETSEL, 0, -1);
            }
            SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
            break;
        }
    }
    return true;
}

void DesignedWindow::focusFirst() const {
    if (!design_.focusOrder.empty()) {
        if (const HWND first = (*this)[design_.focusOrder.front()]) {
            SetFocus(first);
        }
    }
}
