#pragma once

// TForm1, the main window: the meeting grid, the course grid, the today and
// next panel, "閉 じ る" and "重賞日程".

#include "AppContext.h"
#include "DesignedWindow.h"

#include <windows.h>

#include <memory>

class TForm1 {
public:
    // Creates the window and fills it; a failure is shown before the window
    // is, and the window then shows what was filled until then.
    explicit TForm1(AppContext context);
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    HWND hwnd() const { return window_; }
    // Shows the window and runs the program until it is closed.
    int run(int showCommand);

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void FormCreate();
    void Button2Click();
    void Button3Click();

    AppContext context_;
    HWND window_ = nullptr;
    std::unique_ptr<DesignedWindow> controls_;
    bool closed_ = false;
};
