#pragma once

// The windows as their design draws them, for every front-end: each window's
// caption, size and font, each control's design name, kind, parent, place,
// text, font and colour, the grids' shape and the focus order. A front-end
// creates its controls from these tables and adds nothing of its own.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace turvane::screens {

// Pixels at 96 dots per inch.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Yellow{255, 255, 0};
inline constexpr Rgb Black{0, 0, 0};
// The fixed cells of every grid: a pale yellow.
inline constexpr Rgb FixedCellColor{255, 255, 187};

// The Japanese desktop fonts the design names.
inline constexpr std::u16string_view ProportionalGothic = u"ＭＳ Ｐゴシック";
inline constexpr std::u16string_view FixedGothic = u"ＭＳ ゴシック";

struct Font {
    std::u16string_view face;
    int pixelSize = 12;
    bool bold = false;
};

enum class ControlKind { GroupBox, StringGrid, ReadOnlyEdit, Label, Image, Bevel, Button };

// A string grid's shape when it is created: columns (the first ones with
// widths of their own, the rest defaultColWidth), rows, and fixed cells.
struct GridShape {
    int colCount = 0;
    int defaultColWidth = 64;
    std::span<const int> colWidths;
    int rowHeight = 18;
    int rowCount = 130;
    int fixedRows = 0;
    int fixedCols = 1;
    Rgb fixedColor = FixedCellColor;

    int colWidth(int col) const {
        return col < static_cast<int>(colWidths.size()) ? colWidths[static_cast<std::size_t>(col)]
                                                        : defaultColWidth;
    }
};

struct ControlDesign {
    std::string_view name;
    ControlKind kind = ControlKind::Label;
    // The design parent's name; empty for the window itself. A parent is
    // listed before its children.
    std::string_view parent;
    // Relative to the design parent's client area.
    Rect rect;
    // The caption or the initial text.
    std::u16string_view text;
    // Without one, the parent's.
    std::optional<Font> font;
    std::optional<Rgb> textColor;
    std::optional<GridShape> grid;
    // What a screen reader calls the control where its caption alone would
    // not say it (a grid by its box, an edit by its box and place); empty
    // for the toolkit's own.
    std::u16string_view spokenName;
};

enum class Placement { CentredOnScreen, CentredOnOwner };

struct WindowDesign {
    std::string_view name;
    std::u16string_view caption;
    Size clientSize;
    bool resizable = false;
    Placement placement = Placement::CentredOnScreen;
    Font font;
    // In the order they are created, which is also their stacking order:
    // a later sibling is drawn over an earlier one.
    std::span<const ControlDesign> controls;
    // Tab visits these in order and wraps; the first has the focus at start.
    std::span<const std::string_view> focusOrder;

    // The control of that name; nullptr when there is none.
    const ControlDesign* find(std::string_view controlName) const;
    // A control's rectangle in the window's client area: its place added up
    // through its design parents.
    Rect clientRect(std::string_view controlName) const;
};

// What a screen reader calls a control: its design's spoken name; else, for
// a button, its spoken caption, and for a box without a caption that only
// frames one button, that button's (the box says nothing of its own); else
// nothing, leaving the toolkit's own name.
std::u16string SpokenName(const WindowDesign& window, const ControlDesign& control);

// The entries of every grid's context menu, "&" before each one's key.
struct GridMenuTexts {
    std::u16string_view copy = u"コピー(&C)";
    std::u16string_view selectAll = u"すべて選択(&A)";
    std::u16string_view print = u"印刷(&P)...";
    // The whole season on one page.
    std::u16string_view printPoster = u"ポスターを印刷(&O)...";
    std::u16string_view exportCalendar = u"カレンダーに書き出す(&E)...";
};
inline constexpr GridMenuTexts GridMenu;

// TForm1 (mainUnit) and TForm2 (GUnit).
const WindowDesign& MainWindowDesign();
const WindowDesign& ListWindowDesign();

// The list window's places at a client size: the button box keeps its height
// at the bottom and the list's box takes the rest above it, so a window made
// taller shows more rows and one made smaller fewer (the box grown over the
// list, as the window once did, hid the rows it gained). Both span the width,
// the grid fills its box, and its columns keep their widths.
struct ListWindowPlaces {
    Rect GroupBox1;
    Rect StringGrid1;
    Rect GroupBox2;
};
ListWindowPlaces ListWindowLayout(Size clientSize);

} // namespace turvane::screens
