#pragma once

// A window's controls created from its design: standard controls, each a
// child of its design parent (group boxes pass their children's commands and
// notifications on to the window), with the design's places, captions, fonts
// and colours at the window's dots per inch, and Tab moving in the design's
// focus order. The window's procedure hands this class the messages it
// answers for its controls.

#include "GridView.h"
#include "Win32Util.h"
#include "screens/Design.h"

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

class DesignedWindow {
public:
    // Creates the design's controls in window, whose client area already
    // has the design's size.
    DesignedWindow(HWND window, const turvane::screens::WindowDesign& design);
    DesignedWindow(const DesignedWindow&) = delete;
    DesignedWindow& operator=(const DesignedWindow&) = delete;

    // The control of that design name; nullptr when there is none.
    HWND operator[](std::string_view name) const;
    GridView* grid(std::string_view name) const;
    // The design name of a control's identifier (WM_COMMAND); empty if none.
    std::string_view nameOf(int id) const;
    int dpi() const { return dpi_; }

    // Places a control at rect (design pixels, in its design parent).
    void place(std::string_view name, const turvane::screens::Rect& rect);
    // Sets a label's text and lets the label grow to fit it.
    void setLabelText(std::string_view name, std::u16string_view text);

    // Answers the messages the window receives for its controls: colours,
    // the bevel's frame, the grids' notifications, a change of dots per inch.
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);

    // Tab and Shift+Tab in the design's focus order; true when msg was one.
    bool handleTab(const MSG& msg);
    // Gives the first control of the focus order the focus.
    void focusFirst() const;

private:
    struct Control {
        const turvane::screens::ControlDesign* design = nullptr;
        HWND hwnd = nullptr;
        HWND parent = nullptr;
        turvane::screens::Font font;
        COLORREF textColor = 0;
        std::unique_ptr<GridView> grid;
        // A group box's own procedure, behind GroupBoxProc.
        WNDPROC next = nullptr;
    };

    static LRESULT CALLBACK GroupBoxProc(HWND, UINT, WPARAM, LPARAM);

    const Control* find(std::string_view name) const;
    const Control* find(HWND hwnd) const;
    HFONT fontFor(const turvane::screens::Font& font);
    void createControl(const turvane::screens::ControlDesign& design);
    void applyDpi(int dpi);
    void placeAll();

    HWND window_;
    const turvane::screens::WindowDesign& design_;
    int dpi_;
    std::vector<Control> controls_;
    // One font per face, size and weight, at the current dots per inch.
    std::map<std::tuple<std::u16string_view, int, bool>, UniqueFont> fonts_;
    // Where each control is now, in design pixels (the list window moves some).
    std::map<std::string_view, turvane::screens::Rect> places_;
    UniqueIcon icon_;
    HWND lastFocus_ = nullptr;
};
