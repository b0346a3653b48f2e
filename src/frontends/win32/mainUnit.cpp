#include "mainUnit.h"

#include "ErrorBox.h"
#include "GUnit.h"
#include "MessageLoop.h"
#include "WindowFrame.h"
#include "screens/Fill.h"

#include <array>

using namespace turvane;

namespace {

// Fixed size: a caption, a system menu and a minimise box.
constexpr DWORD MainStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

} // namespace

TForm1::TForm1(AppContext context) : context_(std::move(context)) {
    window_ =
        CreateFrame(L"TForm1", WindowProc, screens::MainWindowDesign(), MainStyle, nullptr, this);
    if (!window_) {
        return;
    }
    controls_ = std::make_unique<DesignedWindow>(window_, screens::MainWindowDesign());
    // The window is shown with whatever was filled before a failure.
    RunReportingErrors([this] { FormCreate(); });
}

TForm1::~TForm1() {
    if (window_ && IsWindow(window_)) {
        DestroyWindow(window_);
    }
}

// The screens layer runs the creation handler's steps and says what the
// window shows after them; the window puts it into its controls and shows a
// failure as the handler's own would be.
void TForm1::FormCreate() {
    const CivilDate today = context_.today();
    const std::u16string shownDate = ShortDateText(today.year, today.month, today.day);
    const screens::MainWindowFill fill =
        screens::FillMainWindow(*context_.files, today, context_.year, shownDate);
    controls_->setLabelText("Label1", fill.Label1);
    controls_->grid("StringGrid1")->apply(fill.StringGrid1, fill.texts);
    controls_->grid("StringGrid2")->apply(fill.StringGrid2, fill.texts);
    SetWindowTextW((*controls_)["GroupBox4"], Wide(fill.GroupBox4).c_str());
    SetWindowTextW((*controls_)["GroupBox5"], Wide(fill.GroupBox5).c_str());
    const std::array<std::string_view, 6> edits{"Edit1", "Edit2", "Edit3",
                                                "Edit4", "Edit5", "Edit6"};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        SetWindowTextW((*controls_)[edits[i]], Wide(fill.edits[i]).c_str());
    }
    if (fill.failure) {
        throw ScheduleError(fill.failure->message);
    }
}

int TForm1::run(int showCommand) {
    if (!window_) {
        return 1;
    }
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    controls_->focusFirst();
    return RunMessages(window_, *controls_, closed_).value_or(0);
}

void TForm1::Button2Click() {
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

void TForm1::Button3Click() {
    // A new list for every press, read afresh, released when it closes.
    TForm2 form(context_, window_);
    form.showModal();
}

LRESULT CALLBACK TForm1::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TForm1* self = SelfOf<TForm1>(window, message, lParam);
    if (!self || !self->controls_) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT TForm1::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = controls_->handle(message, wParam, lParam)) {
        return *handled;
    }
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            const std::string_view name = controls_->nameOf(LOWORD(wParam));
            if (name == "Button2") {
                RunReportingErrors([this] { Button2Click(); });
            } else if (name == "Button3") {
                RunReportingErrors([this] { Button3Click(); });
            }
        }
        return 0;
    case WM_DESTROY:
        closed_ = true;
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}
