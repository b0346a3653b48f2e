#include "Design.h"

#include "Texts.h"
#include "core/Version.h"

#include <algorithm>
#include <array>

// Each control names only what it has; the members it leaves out keep their
// defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace turvane::screens {

namespace {

using enum ControlKind;

constexpr Font Proportional12{ProportionalGothic, 12};

// The meeting grid: the date, then three meetings.
constexpr std::array MeetingColWidths{80, 116, 116, 116};
// The list: the date, then the races of three meetings.
constexpr std::array RaceColWidths{64, 229, 225, 193};

constexpr std::array MainControls{
    ControlDesign{.name = "GroupBox2",
                  .kind = GroupBox,
                  .rect = {0, 261, 762, 292},
                  .text = u"競馬場別開催日程",
                  .textColor = Red},
    ControlDesign{.name = "StringGrid2",
                  .kind = StringGrid,
                  .parent = "GroupBox2",
                  .rect = {2, 14, 751, 276},
                  .font = Proportional12,
                  .textColor = Black,
                  .grid = GridShape{.colCount = 11, .defaultColWidth = 65, .fixedRows = 1},
                  .spokenName = u"競馬場別開催日程"},
    ControlDesign{.name = "GroupBox1",
                  .kind = GroupBox,
                  .rect = {0, 0, 465, 261},
                  .text = u"開催日程",
                  .textColor = Red},
    ControlDesign{.name = "StringGrid1",
                  .kind = StringGrid,
                  .parent = "GroupBox1",
                  .rect = {2, 14, 455, 245},
                  .font = Font{FixedGothic, 12},
                  .textColor = Black,
                  .grid = GridShape{.colCount = 4, .colWidths = MeetingColWidths},
                  .spokenName = u"開催日程"},
    // Untitled on screen, where its contents speak for themselves.
    ControlDesign{.name = "GroupBox3",
                  .kind = GroupBox,
                  .rect = {472, 0, 290, 261},
                  .spokenName = u"本日の開催と次の開催"},
    ControlDesign{
        .name = "Bevel1", .kind = Bevel, .parent = "GroupBox3", .rect = {200, 16, 81, 129}},
    ControlDesign{.name = "Label1",
                  .kind = Label,
                  .parent = "GroupBox3",
                  .rect = {208, 24, 69, 16},
                  .text = u"開催日程",
                  .font = Font{ProportionalGothic, 16, true},
                  .textColor = Red},
    ControlDesign{.name = "Image1",
                  .kind = Image,
                  .parent = "GroupBox3",
                  .rect = {224, 72, 33, 33},
                  .spokenName = u"Turvane"},
    ControlDesign{.name = "Label2",
                  .kind = Label,
                  .parent = "GroupBox3",
                  .rect = {206, 120, 70, 13},
                  .text = u"oakhollow",
                  .font = Font{ProportionalGothic, 13},
                  .textColor = Yellow},
    ControlDesign{.name = "Button2",
                  .kind = Button,
                  .parent = "GroupBox3",
                  .rect = {200, 200, 81, 49},
                  .text = u"閉 じ る"},
    ControlDesign{.name = "GroupBox4",
                  .kind = GroupBox,
                  .parent = "GroupBox3",
                  .rect = {8, 16, 185, 113},
                  .text = u"本日の開催",
                  .textColor = Red},
    // The edits take their box's font and colour. Each is named for a screen
    // reader by the box's caption and its place; the text is read as its value.
    ControlDesign{.name = "Edit1",
                  .kind = ReadOnlyEdit,
                  .parent = "GroupBox4",
                  .rect = {8, 16, 169, 20},
                  .text = u"なし",
                  .spokenName = u"本日の開催 1"},
    ControlDesign{.name = "Edit2",
                  .kind = ReadOnlyEdit,
                  .parent = "GroupBox4",
                  .rect = {8, 48, 169, 20},
                  .spokenName = u"本日の開催 2"},
    ControlDesign{.name = "Edit3",
                  .kind = ReadOnlyEdit,
                  .parent = "GroupBox4",
                  .rect = {8, 80, 169, 20},
                  .spokenName = u"本日の開催 3"},
    ControlDesign{.name = "GroupBox5",
                  .kind = GroupBox,
                  .parent = "GroupBox3",
                  .rect = {8, 136, 185, 113},
                  .text = u"次の開催",
                  .textColor = Blue},
    ControlDesign{.name = "Edit4",
                  .kind = ReadOnlyEdit,
                  .parent = "GroupBox5",
                  .rect = {8, 16, 169, 20},
                  .text = u"なし",
                  .spokenName = u"次の開催 1"},
    ControlDesign{.name = "Edit5",
                  .kind = ReadOnlyEdit,
                  .parent = "GroupBox5",
                  .rect = {8, 48, 169, 20},
                  .spokenName = u"次の開催 2"},
    ControlDesign{.name = "Edit6",
                  .kind = ReadOnlyEdit,
                  .parent = "GroupBox5",
                  .rect = {8, 80, 169, 20},
                  .spokenName = u"次の開催 3"},
    ControlDesign{.name = "Button3",
                  .kind = Button,
                  .parent = "GroupBox3",
                  .rect = {200, 160, 81, 41},
                  .text = u"重賞日程",
                  .textColor = Black},
};

// The course grid, the meeting grid, then the panel.
constexpr std::array<std::string_view, 10> MainFocusOrder{
    "StringGrid2", "StringGrid1", "Button2", "Edit1", "Edit2",
    "Edit3",       "Edit4",       "Edit5",   "Edit6", "Button3"};

constexpr Size ListClientSize{742, 223};
constexpr int ListHeight = 161; // GroupBox1 at the design size
constexpr int ButtonBoxTop = 167;
constexpr int ButtonBoxHeight = 56;
// Where the grid sits in its box, and how much of the box it leaves around it.
constexpr int ListGridLeft = 2;
constexpr int ListGridTop = 15;
constexpr int ListGridMarginX = 4;
constexpr int ListGridMarginY = 17;

constexpr std::array ListControls{
    ControlDesign{.name = "GroupBox1",
                  .kind = GroupBox,
                  .rect = {0, 0, ListClientSize.width, ListHeight},
                  .text = u"重賞日程一覧",
                  .font = Font{ProportionalGothic, 13},
                  .textColor = Red},
    ControlDesign{.name = "StringGrid1",
                  .kind = StringGrid,
                  .parent = "GroupBox1",
                  .rect = {ListGridLeft, ListGridTop, ListClientSize.width - ListGridMarginX,
                           ListHeight - ListGridMarginY},
                  .font = Font{ProportionalGothic, 13},
                  .textColor = Black,
                  .grid = GridShape{.colCount = 4, .colWidths = RaceColWidths},
                  .spokenName = u"重賞日程一覧"},
    ControlDesign{.name = "GroupBox2",
                  .kind = GroupBox,
                  .rect = {0, ButtonBoxTop, ListClientSize.width, ButtonBoxHeight}},
    ControlDesign{.name = "Button1",
                  .kind = Button,
                  .parent = "GroupBox2",
                  .rect = {8, 14, 729, 33},
                  .text = u"戻     る"},
};

constexpr std::array<std::string_view, 2> ListFocusOrder{"StringGrid1", "Button1"};

constexpr WindowDesign Form1{.name = "Form1",
                             .caption = u"Turvane version " TURVANE_VERSION,
                             .clientSize = {762, 553},
                             .resizable = false,
                             .placement = Placement::CentredOnScreen,
                             .font = Proportional12,
                             .controls = MainControls,
                             .focusOrder = MainFocusOrder};

constexpr WindowDesign Form2{.name = "Form2",
                             .caption = u"Turvane 重賞日程一覧",
                             .clientSize = ListClientSize,
                             .resizable = true,
                             .placement = Placement::CentredOnOwner,
                             .font = Proportional12,
                             .controls = ListControls,
                             .focusOrder = ListFocusOrder};

} // namespace

const ControlDesign* WindowDesign::find(std::string_view controlName) const {
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [&](const ControlDesign& c) { return c.name == controlName; });
    return it == controls.end() ? nullptr : &*it;
}

Rect WindowDesign::clientRect(std::string_view controlName) const {
    const ControlDesign* control = find(controlName);
    if (!control) {
        return {};
    }
    Rect rect = control->rect;
    for (const ControlDesign* parent = find(control->parent); parent;
         parent = find(parent->parent)) {
        rect.left += parent->rect.left;
        rect.top += parent->rect.top;
    }
    return rect;
}

const WindowDesign& MainWindowDesign() {
    return Form1;
}

const WindowDesign& ListWindowDesign() {
    return Form2;
}

std::u16string SpokenName(const WindowDesign& window, const ControlDesign& control) {
    if (!control.spokenName.empty()) {
        return std::u16string(control.spokenName);
    }
    if (control.kind == ControlKind::Button) {
        return SpokenCaption(control.text);
    }
    if (control.kind == ControlKind::GroupBox && control.text.empty()) {
        const ControlDesign* framed = nullptr;
        for (const ControlDesign& c : window.controls) {
            if (c.parent == control.name) {
                if (framed != nullptr) {
                    return {};
                }
                framed = &c;
            }
        }
        if (framed != nullptr && framed->kind == ControlKind::Button) {
            return SpokenName(window, *framed);
        }
    }
    return {};
}

ListWindowPlaces ListWindowLayout(Size clientSize) {
    const int d = clientSize.height - ListClientSize.height;
    const int width = clientSize.width;
    const int listHeight = std::max(0, ListHeight + d);
    return {
        .GroupBox1 = {0, 0, width, listHeight},
        .StringGrid1 = {ListGridLeft, ListGridTop, std::max(0, width - ListGridMarginX),
                        std::max(0, listHeight - ListGridMarginY)},
        .GroupBox2 = {0, std::max(0, ButtonBoxTop + d), width, ButtonBoxHeight},
    };
}

} // namespace turvane::screens
