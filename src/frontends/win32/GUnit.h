#pragma once

// TForm2, the graded-race list: modal, owned by the main window, centred on
// it, resizable; "戻     る", its close box and Escape close it.

#include "AppContext.h"
#include "DesignedWindow.h"

#include <windows.h>

#include <memory>

class TForm2 {
public:
    // Creates the window (hidden) and fills it; a failure is shown at once.
    TForm2(const AppContext& context, HWND owner);
    ~TForm2();
    TForm2(const TForm2&) = delete;
    TForm2& operator=(const TForm2&) = delete;

    // Shows the window with its owner disabled until it is closed.
    void showModal();

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void FormCreate();
    void Button1Click();
    void layout();

    const AppContext& context_;
    HWND owner_;
    HWND window_ = nullptr;
    std::unique_ptr<DesignedWindow> controls_;
    bool closed_ = false;
};
