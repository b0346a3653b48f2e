#pragma once

#include <windows.h>

#include <optional>

class DesignedWindow;

// Runs the thread's messages until done is set or the program quits; Tab,
// Enter, Space and Escape work in window as in a dialog. Returns the quit
// code once WM_QUIT arrived (and leaves it for any outer loop).
std::optional<int> RunMessages(HWND window, DesignedWindow& controls, const bool& done);
