#include "GUnit.h"

#include "ErrorBox.h"
#include "MessageLoop.h"
#include "WindowFrame.h"
#include "screens/Fill.h"

using namespace turvane;

namespace {

constexpr DWORD ListStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;

} // namespace

TForm2::TForm2(const AppContext& context, HWND owner) : context_(context), owner_(owner) {
    window_ =
        CreateFrame(L"TForm2", WindowProc, screens::ListWindowDesign(), ListStyle, owner_, this);
    if (!window_) {
        return;
    }
    controls_ = std::make_unique<DesignedWindow>(window_, screens::ListWindowDesign());
    layout();
    // The window opens even when filling it failed; "戻     る" still closes it.
    RunReportingErrors([this] { FormCreate(); });
}

TForm2::~TForm2() {
    if (window_ && IsWindow(window_)) {
        DestroyWindow(window_);
    }
}

void TForm2::FormCreate() {
    const screens::ListWindowFill fill =
        screens::FillListWindow(*context_.files, context_.today(), context_.year);
    controls_->grid("StringGrid1")->apply(fill.StringGrid1, fill.texts);
    if (fill.failure) {
        throw ScheduleError(fill.failure->message);
    }
}

void TForm2::showModal() {
    if (!window_) {
        return;
    }
    EnableWindow(owner_, FALSE);
    ShowWindow(window_, SW_SHOW);
    controls_->focusFirst();
    RunMessages(window_, *controls_, closed_);
    // The owner takes the activation back before this window goes.
    EnableWindow(owner_, TRUE);
    ShowWindow(window_, SW_HIDE);
    SetActiveWindow(owner_);
}

void TForm2::Button1Click() {
    closed_ = true;
}

void TForm2::layout() {
    RECT client{};
    GetClientRect(window_, &client);
    const int dpi = controls_->dpi();
    const screens::ListWindowPlaces places = screens::ListWindowLayout(
        {Unscale(client.right - client.left, dpi), Unscale(client.bottom - client.top, dpi)});
    controls_->place("GroupBox1", places.GroupBox1);
    controls_->place("GroupBox2", places.GroupBox2);
    controls_->place("StringGrid1", places.StringGrid1);
}

LRESULT CALLBACK TForm2::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TForm2* self = SelfOf<TForm2>(window, message, lParam);
    if (!self || !self->controls_) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT TForm2::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = controls_->handle(message, wParam, lParam)) {
        if (message == WM_DPICHANGED) {
            layout();
        }
        return *handled;
    }
    switch (message) {
    case WM_SIZE:
        layout();
        return 0;
    case WM_COMMAND:
        // Escape comes as the cancel command.
        if (LOWORD(wParam) == IDCANCEL ||
            (HIWORD(wParam) == BN_CLICKED && controls_->nameOf(LOWORD(wParam)) == "Button1")) {
            RunReportingErrors([this] { Button1Click(); });
        }
        return 0;
    case WM_CLOSE:
        closed_ = true;
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}
