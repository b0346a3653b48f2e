// The Windows program end to end, from outside: starts turvane.exe on a data
// folder, reads every control and list cell through messages, presses its
// buttons and keys and reads its message boxes. One group of cases per run:
//   turvane_driver GROUP TURVANE_EXE SAMPLE_DIR
// Prints each failed check and exits 1 when any failed.

#include "ConsoleSeason.h"
#include "Remote.h"
#include "core/DataDir.h"
#include "core/Platform.h"
#include "core/Seasons.h"
#include "screens/Fill.h"
#include "screens/Texts.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace turvane;
using namespace turvane::screens;
namespace fs = std::filesystem;

namespace {

const CivilDate Today{2003, 5, 17};
const wchar_t* const MeetingDayArgument = L"--date 2003-05-17";

int failures = 0;

void Fail(const std::string& what) {
    std::printf("FAIL: %s\n", what.c_str());
    ++failures;
}

#define CHECK(condition, what)                                                                     \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            Fail(std::string(#condition " -- ") + (what));                                         \
        }                                                                                          \
    } while (0)

template <typename A, typename B>
void CheckEqual(const A& actual, const B& expected, const std::string& what) {
    if (!(actual == expected)) {
        Fail(what);
    }
}

void CheckText(HWND window, std::u16string_view expected, const std::string& what) {
    const std::wstring actual = Text(window);
    if (actual != Wide(expected)) {
        Fail(what + ": \"" + Utf8(actual) + "\", expected \"" + Utf8(expected) + "\"");
    }
}

std::string Str(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
           "x" + std::to_string(r.height);
}

struct Setup {
    std::wstring exe;
    fs::path sample;
    fs::path scratch;
};

std::wstring Quoted(const fs::path& path) {
    return L"\"" + path.wstring() + L"\"";
}

std::u16string UserShortDate(const CivilDate& date) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    wchar_t text[128] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, 128, nullptr);
    return std::u16string(text, text + wcslen(text));
}

// A folder with the sample year, changed by edit.
fs::path DataFolder(const Setup& setup, const std::wstring& name,
                    const std::function<void(const fs::path&)>& edit = {}) {
    const fs::path folder = setup.scratch / name;
    fs::create_directories(folder);
    for (const char* file : {"Cal1.dat", "Cal2.dat", "jyuusyou.dat"}) {
        fs::copy_file(setup.sample / file, folder / file, fs::copy_options::overwrite_existing);
    }
    if (edit) {
        edit(folder);
    }
    return folder;
}

// The kind of standard control each design kind is made of.
bool IsKind(HWND control, ControlKind kind, const GridShape* grid) {
    const std::wstring name = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    switch (kind) {
    case ControlKind::GroupBox:
        return name == L"Button" && (style & BS_TYPEMASK) == BS_GROUPBOX;
    case ControlKind::StringGrid:
        return name == L"SysListView32" && (style & LVS_TYPEMASK) == LVS_REPORT &&
               ((style & LVS_NOCOLUMNHEADER) != 0) == (grid->fixedRows == 0);
    case ControlKind::ReadOnlyEdit:
        return name == L"Edit" && (style & ES_READONLY);
    case ControlKind::Label:
    case ControlKind::Image:
    case ControlKind::Bevel:
        return name == L"Static";
    case ControlKind::Button:
        return name == L"Button" && (style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON;
    }
    return false;
}

// Every control of the design, of its kind, at its place (a label that grew
// to fit its text keeps its corner).
void CheckLayout(HWND window, const WindowDesign& design) {
    for (const ControlDesign& control : design.controls) {
        const std::string name(control.name);
        const HWND hwnd = Control(window, design, control.name);
        if (!hwnd) {
            Fail(name + " missing");
            continue;
        }
        CHECK(IsKind(hwnd, control.kind, control.grid ? &*control.grid : nullptr), name);
        const Rect expected = design.clientRect(control.name);
        const Rect actual = RectIn(hwnd, window);
        const bool grows = control.kind == ControlKind::Label;
        if (grows ? actual.left != expected.left || actual.top != expected.top
                  : !(actual == expected)) {
            Fail(name + " at " + Str(actual) + ", designed " + Str(expected));
        }
    }
}

// Every cell of a list as the fill has it, the header for a fixed row, and
// the selected row's item selected and focused.
void CheckGrid(const Program& program, HWND list, const GridFill& fill, const TextTable& texts,
               int fixedRows, const std::string& name) {
    const int items = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    CheckEqual(items, fill.rowCount() - fixedRows, name + " items " + std::to_string(items));
    // Every grid of the design has rows 18 pixels high and a grid line.
    const int height = program.rowHeight(list);
    CheckEqual(height, 19, name + " row height " + std::to_string(height));
    int wrong = 0;
    for (int r = 0; r < fill.rowCount() && wrong < 5; ++r) {
        for (int c = 0; c < fill.colCount(); ++c) {
            const std::wstring actual =
                r < fixedRows ? program.header(list, c) : program.cell(list, r - fixedRows, c);
            const std::wstring expected = Wide(texts[fill.cell(c, r)]);
            if (actual != expected) {
                Fail(name + " cell " + std::to_string(c) + "," + std::to_string(r) + ": \"" +
                     Utf8(actual) + "\", expected \"" + Utf8(expected) + "\"");
                ++wrong;
            }
        }
    }
    if (fill.selectedRow()) {
        const int item = *fill.selectedRow() - fixedRows;
        const auto state = SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item),
                                        LVIS_SELECTED | LVIS_FOCUSED);
        CheckEqual(state, LVIS_SELECTED | LVIS_FOCUSED, name + " selected item");
        CheckEqual(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1, name + " one selected");
    }
    if (fill.topRow()) {
        const int perPage = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
        const int wanted = std::min(*fill.topRow() - fixedRows, std::max(0, items - perPage));
        const int top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
        CheckEqual(top, wanted, name + " first visible item " + std::to_string(top));
    }
}

void CheckMainWindow(const Program& program, HWND main, const fs::path& folder,
                     const MainWindowFill& fill) {
    const WindowDesign& design = MainWindowDesign();
    CheckText(main, design.caption, "caption");
    CheckEqual(ClientSize(main), design.clientSize, "client size");
    CheckLayout(main, design);
    CheckText(Control(main, design, "Label1"), fill.Label1, "Label1");
    CheckText(Control(main, design, "GroupBox4"), fill.GroupBox4, "GroupBox4");
    CheckText(Control(main, design, "GroupBox5"), fill.GroupBox5, "GroupBox5");
    const char* edits[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"};
    for (std::size_t i = 0; i < 6; ++i) {
        CheckText(Control(main, design, edits[i]), fill.edits[i], edits[i]);
    }
    CheckGrid(program, Control(main, design, "StringGrid1"), fill.StringGrid1, fill.texts, 0,
              "StringGrid1");
    CheckGrid(program, Control(main, design, "StringGrid2"), fill.StringGrid2, fill.texts, 1,
              "StringGrid2");
    (void)folder;
}

// The error box of the program: its text, the program's name as caption, an
// icon and every other window of the program disabled while it shows.
HWND CheckErrorBox(const Program& program, std::u16string_view text) {
    const HWND box = program.waitWindow(L"#32770");
    if (!box) {
        Fail("no error box");
        return nullptr;
    }
    CheckText(box, u"turvane", "box caption");
    CheckText(GetDlgItem(box, 0xFFFF), text, "box text");
    // The icon's static has no fixed identifier across systems.
    HWND icon = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child && !icon;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"Static" &&
            (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            SendMessageW(child, STM_GETICON, 0, 0) != 0) {
            icon = child;
        }
    }
    CHECK(icon, "an icon");
    for (const wchar_t* form : {L"TForm1", L"TForm2"}) {
        if (const HWND window = program.window(form, false)) {
            CHECK(!IsWindowEnabled(window), Utf8(std::wstring_view(form)) + " disabled");
        }
    }
    return box;
}

void CloseBox(HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    WaitFor([&] { return !IsWindow(box); });
}

void CloseMain(Program& program, HWND main) {
    Click(Control(main, MainWindowDesign(), "Button2"));
    CheckEqual(program.waitExit(), 0, "exit code after 閉 じ る");
}

// ---------------------------------------------------------------- groups

// A meeting day of the sample year: every control and cell, the focus order,
// the grid's keys, copying and its menu.
void MeetingDay(const Setup& setup) {
    Program program(setup.exe, L"--data " + Quoted(setup.sample) + L" " + MeetingDayArgument);
    const HWND main = program.waitWindow(L"TForm1");
    if (!main) {
        return Fail("no main window");
    }
    const MainWindowFill fill =
        FillMainWindow(DataDir(setup.sample), Today, ScheduleYear(), UserShortDate(Today));
    CheckMainWindow(program, main, setup.sample, fill);
    CHECK(!program.window(L"#32770"), "no error box");
    // A few texts spelt out, so a fault shared with the fill shows too.
    const WindowDesign& design = MainWindowDesign();
    CheckText(Control(main, design, "Edit1"), u"◆東京 ２回 ８日目", "Edit1 spelt out");
    CheckText(Control(main, design, "GroupBox5"), u"次の開催 [2003/05/18]", "GroupBox5 spelt out");
    CheckText(Control(main, design, "Label1"), u"開催日程\n　２００３", "Label1 spelt out");
    const HWND meetings = Control(main, design, "StringGrid1");
    CheckEqual(program.cell(meetings, 40, 1), std::wstring(L"◆東京 ２回 ８日目"), "row 40");

    // Tab visits the design's focus order and wraps.
    Activate(main);
    const auto& order = design.focusOrder;
    CHECK(program.focus() == Control(main, design, order[0]), "first focus");
    for (std::size_t i = 1; i <= order.size(); ++i) {
        const HWND next = Control(main, design, order[i % order.size()]);
        Press({VK_TAB});
        if (!WaitFor([&] { return program.focus() == next; })) {
            Fail("Tab to " + std::string(order[i % order.size()]));
        }
    }
    Press({VK_SHIFT, VK_TAB});
    CHECK(WaitFor([&] { return program.focus() == Control(main, design, order.back()); }),
          "Shift+Tab back");

    // The meeting grid's keys, copying the selection.
    Press({VK_TAB});
    Press({VK_TAB});
    CHECK(WaitFor([&] { return program.focus() == meetings; }), "meeting grid focused");
    Press({VK_DOWN});
    CHECK(WaitFor([&] {
              return SendMessageW(meetings, LVM_GETITEMSTATE, 41, LVIS_SELECTED | LVIS_FOCUSED) ==
                     (LVIS_SELECTED | LVIS_FOCUSED);
          }),
          "Down selects the next day");
    const auto cell = [&](int c, int r) { return Wide(fill.texts[fill.StringGrid1.cell(c, r)]); };
    CheckEqual(CopyWithCtrlC(), cell(1, 41), "Ctrl+C copies the cell");
    Press({VK_SHIFT, VK_RIGHT});
    Press({VK_SHIFT, VK_DOWN});
    CheckEqual(CopyWithCtrlC(),
               cell(1, 41) + L"\t" + cell(2, 41) + L"\r\n" + cell(1, 42) + L"\t" + cell(2, 42),
               "Ctrl+C copies the range, tab separated: " + Utf8(ClipboardText()));
    Press({VK_END});
    CheckEqual(CopyWithCtrlC(), cell(3, 42), "End goes to the last column");
    Press({VK_NEXT});
    const int perPage = static_cast<int>(SendMessageW(meetings, LVM_GETCOUNTPERPAGE, 0, 0));
    CHECK(WaitFor([&] {
              return SendMessageW(meetings, LVM_GETITEMSTATE, 42 + perPage, LVIS_SELECTED) != 0;
          }),
          "Page Down moves a page");
    Press({VK_CONTROL, VK_HOME});
    CHECK(WaitFor([&] { return SendMessageW(meetings, LVM_GETITEMSTATE, 0, LVIS_SELECTED) != 0; }),
          "Ctrl+Home goes to the first row");

    // The menu, from Shift+F10 and from the menu key; its entries by their
    // keys: "&C" copies, "&A" selects every cell.
    const std::vector<std::wstring> entries{Wide(GridMenu.copy) + L"\tCtrl+C",
                                            Wide(GridMenu.selectAll) + L"\tCtrl+A"};
    const auto openMenu = [&](bool menuKey) {
        if (menuKey) {
            Press({VK_APPS});
        } else {
            Press({VK_SHIFT, VK_F10});
        }
        const HWND menu = program.waitWindow(L"#32768");
        CHECK(menu, menuKey ? "menu from the menu key" : "menu from Shift+F10");
        // Wine keeps a menu's items inside its own process; Windows lets
        // another read them.
        if (const auto items = MenuItems(menu); menu && !items.empty()) {
            CheckEqual(items, entries, "menu entries");
        }
        return menu != nullptr;
    };
    const auto choose = [&](WORD key) {
        Press({key});
        WaitFor([&] { return !program.window(L"#32768"); });
    };
    Press({VK_DOWN});
    if (openMenu(false)) {
        const DWORD before = GetClipboardSequenceNumber();
        choose('C');
        CHECK(WaitFor([&] { return GetClipboardSequenceNumber() != before; }), "コピー copies");
        CheckEqual(ClipboardText(), cell(1, 1), "コピー copies the cell");
    }
    if (openMenu(true)) {
        choose('A');
        const std::wstring all = CopyWithCtrlC();
        CheckEqual(std::count(all.begin(), all.end(), L'\n'), 109, "すべて選択: 110 rows copied");
        CHECK(all.starts_with(cell(1, 0) + L"\t" + cell(2, 0)), "from the first body cell");
    }
    if (openMenu(true)) {
        choose(VK_ESCAPE);
    }
    CloseMain(program, main);
}

// The list: owned, modal, centred, filled, resized by the layout rule,
// closed by Escape and by 戻     る.
void ListWindow(const Setup& setup) {
    Program program(setup.exe, L"--data " + Quoted(setup.sample) + L" " + MeetingDayArgument);
    const HWND main = program.waitWindow(L"TForm1");
    if (!main) {
        return Fail("no main window");
    }
    const WindowDesign& design = ListWindowDesign();
    const ListWindowFill fill = FillListWindow(DataDir(setup.sample), Today, ScheduleYear());
    for (int opening = 0; opening < 2; ++opening) {
        Click(Control(main, MainWindowDesign(), "Button3"));
        const HWND list = program.waitWindow(L"TForm2");
        if (!list) {
            return Fail("no list window");
        }
        CHECK(GetWindow(list, GW_OWNER) == main, "owned by the main window");
        CHECK(!IsWindowEnabled(main), "main window disabled");
        CheckText(list, design.caption, "list caption");
        CheckEqual(ClientSize(list), design.clientSize, "list client size");
        RECT outer{}, owner{};
        GetWindowRect(list, &outer);
        GetWindowRect(main, &owner);
        CHECK(std::abs((outer.left + outer.right) - (owner.left + owner.right)) <= 2 &&
                  std::abs((outer.top + outer.bottom) - (owner.top + owner.bottom)) <= 2,
              "centred on the main window");
        CheckLayout(list, design);
        CheckGrid(program, Control(list, design, "StringGrid1"), fill.StringGrid1, fill.texts, 0,
                  "list");
        if (opening == 0) {
            // Taller, wider, then shorter than at the start.
            for (const Size change : {Size{50, 100}, Size{0, -20}, Size{-100, -60}}) {
                const Size client{design.clientSize.width + change.width,
                                  design.clientSize.height + change.height};
                RECT frame{0, 0, client.width, client.height};
                AdjustWindowRectEx(&frame, GetWindowLongW(list, GWL_STYLE), FALSE,
                                   GetWindowLongW(list, GWL_EXSTYLE));
                SetWindowPos(list, nullptr, 0, 0, frame.right - frame.left,
                             frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
                WaitFor([&] { return ClientSize(list) == client; });
                const ListWindowPlaces places = ListWindowLayout(ClientSize(list));
                const std::string at =
                    " at " + std::to_string(client.width) + "x" + std::to_string(client.height);
                CheckEqual(RectIn(Control(list, design, "GroupBox1"), list), places.GroupBox1,
                           "GroupBox1" + at);
                CheckEqual(RectIn(Control(list, design, "GroupBox2"), list), places.GroupBox2,
                           "GroupBox2" + at);
                CheckEqual(RectIn(Control(list, design, "StringGrid1"), list), places.StringGrid1,
                           "StringGrid1" + at);
                // The button rides in its box, at its designed place there.
                Rect button = design.find("Button1")->rect;
                button.left += places.GroupBox2.left;
                button.top += places.GroupBox2.top;
                CheckEqual(RectIn(Control(list, design, "Button1"), list), button, "Button1" + at);
            }
            Activate(list);
            Press({VK_ESCAPE});
        } else {
            Click(Control(list, design, "Button1"));
        }
        CHECK(WaitFor([&] { return !program.window(L"TForm2", false); }), "list closed");
        CHECK(WaitFor([&] { return IsWindowEnabled(main) != FALSE; }), "main window enabled");
    }
    CloseMain(program, main);
}

// A failure in a window's creation, or a year file that records no year:
// the box with the message, then the window with what was filled until then.
struct ErrorCase {
    enum class From { MainWindow, ListWindow, YearFile };
    const char* name;
    std::function<void(const fs::path&)> damage;
    // The list window's box comes once the main one shows without a box.
    From from;
    // The message's end, spelt out.
    std::u16string ending;
};

void ErrorBoxes(const Setup& setup) {
    using From = ErrorCase::From;
    const std::vector<ErrorCase> cases{
        {"MissingCourseFile", [](const fs::path& f) { fs::remove(f / "Cal2.dat"); },
         From::MainWindow, u"Cal2.dat は開けません."},
        {"MissingMeetingFile", [](const fs::path& f) { fs::remove(f / "Cal1.dat"); },
         From::MainWindow, u"Cal1.dat は開けません."},
        {"DamagedDate",
         [](const fs::path& f) {
             std::ifstream in(f / "Cal1.dat", std::ios::binary);
             std::stringstream bytes;
             bytes << in.rdbuf();
             in.close();
             std::string text = bytes.str();
             text.replace(text.find("\n0517") + 1, 4, "05x7");
             std::ofstream(f / "Cal1.dat", std::ios::binary) << text;
         },
         From::MainWindow, u"'200305x7' は整数ではありません."},
        {"MissingRaceFile", [](const fs::path& f) { fs::remove(f / "jyuusyou.dat"); },
         From::ListWindow, u"jyuusyou.dat は開けません."},
        // The window then shows the files in 2003.
        {"YearFileWithoutAYear",
         [](const fs::path& f) { std::ofstream(f / "year.txt", std::ios::binary) << "twenty\n"; },
         From::YearFile,
         u"'twenty' です。そこに日程の年を 2027 のように 4 桁で書くか、--year "
         u"を指定してください."},
    };
    for (const ErrorCase& c : cases) {
        const int before = failures;
        const fs::path folder = DataFolder(setup, Wide(Utf8ToUtf16(c.name)), c.damage);
        Program program(setup.exe, L"--data " + Quoted(folder) + L" " + MeetingDayArgument);
        const MainWindowFill mainFill =
            FillMainWindow(DataDir(folder), Today, ScheduleYear(), UserShortDate(Today));
        const ListWindowFill listFill = FillListWindow(DataDir(folder), Today, ScheduleYear());
        const bool inList = c.from == From::ListWindow;
        std::optional<std::string> message;
        if (c.from == From::YearFile) {
            message = win::SeasonProblem(win::ChooseSeason(folder, std::nullopt, Today),
                                         win::Language::Japanese);
        } else if (inList && listFill.failure) {
            message = listFill.failure->message;
        } else if (!inList && mainFill.failure) {
            message = mainFill.failure->message;
        }
        if (!message) {
            Fail(std::string(c.name) + ": neither the fill nor the year file failed");
            continue;
        }
        const std::u16string text = ErrorBoxText(*message);
        CHECK(text.ends_with(c.ending), std::string(c.name) + " message " + Utf8(text));
        HWND main = nullptr;
        if (inList) {
            main = program.waitWindow(L"TForm1");
            if (!main) {
                Fail(std::string(c.name) + ": no main window");
                continue;
            }
            CHECK(!program.window(L"#32770"), "no box before the list");
            Click(Control(main, MainWindowDesign(), "Button3"));
        }
        // The box comes before the window it belongs to shows.
        const HWND box = CheckErrorBox(program, text);
        CHECK(!program.window(inList ? L"TForm2" : L"TForm1"), "window not shown yet");
        CloseBox(box);
        if (inList) {
            const HWND list = program.waitWindow(L"TForm2");
            CHECK(list, "list opens after the box");
            if (list) {
                CheckGrid(program, Control(list, ListWindowDesign(), "StringGrid1"),
                          listFill.StringGrid1, listFill.texts, 0, "list");
                Click(Control(list, ListWindowDesign(), "Button1"));
                WaitFor([&] { return !program.window(L"TForm2", false); });
            }
        } else {
            main = program.waitWindow(L"TForm1");
            if (!main) {
                Fail(std::string(c.name) + ": no main window after the box");
                continue;
            }
            CheckMainWindow(program, main, folder, mainFill);
        }
        CloseMain(program, main);
        std::printf("%s %s\n", failures == before ? "ok  " : "FAIL", c.name);
    }
}

// The program beside its files in a folder whose name holds characters whose
// code page 932 second byte is a backslash, started without --data.
void FolderNames(const Setup& setup) {
    for (const std::wstring name : {L"表 ソ 能", L"турване ✓"}) {
        const fs::path folder = DataFolder(setup, name);
        const fs::path exe = folder / L"turvane.exe";
        fs::copy_file(setup.exe, exe, fs::copy_options::overwrite_existing);
        Program program(exe.wstring(), MeetingDayArgument);
        const HWND main = program.waitWindow(L"TForm1");
        if (!main) {
            Fail("no main window in " + Utf8(name));
            continue;
        }
        CHECK(!program.window(L"#32770"), "no error box in " + Utf8(name));
        const MainWindowFill fill =
            FillMainWindow(DataDir(folder), Today, ScheduleYear(), UserShortDate(Today));
        CheckEqual(fill.failure.has_value(), false, "the fill reads the folder");
        CheckMainWindow(program, main, folder, fill);
        CloseMain(program, main);
    }
}

// Started without --data in a year the user has a season of: the window
// shows that season, in the year its year file records, rather than the
// files beside the program.
void SeasonOfToday(const Setup& setup) {
    const CivilDate day{2031, 5, 17};
    const fs::path season = SeasonFolder(UserSeasonsDirectory(), ScheduleYear(day.year));
    std::error_code ignored;
    fs::remove_all(season, ignored);
    fs::create_directories(season.parent_path());
    fs::copy(DataFolder(setup, L"2031"), season);
    std::ofstream(season / "year.txt", std::ios::binary) << "2031\r\n";
    Program program(setup.exe, L"--date 2031-05-17");
    if (const HWND main = program.waitWindow(L"TForm1")) {
        CHECK(!program.window(L"#32770"), "no error box");
        const MainWindowFill fill =
            FillMainWindow(DataDir(season), day, ScheduleYear(day.year), UserShortDate(day));
        CHECK(fill.Label1.ends_with(u"２０３１"), "the season's year in Label1");
        CheckMainWindow(program, main, season, fill);
        CloseMain(program, main);
    } else {
        Fail("no main window for the season of 2031");
    }
    fs::remove_all(season, ignored);
}

// Short date formats other than yyyy/MM/dd: the caption writes today the
// user's way, the panel still finds today.
void ShortDateFormats(const Setup& setup) {
    const wchar_t* key = L"Control Panel\\International";
    wchar_t saved[80] = {};
    DWORD size = sizeof saved;
    const bool hadOne = RegGetValueW(HKEY_CURRENT_USER, key, L"sShortDate", RRF_RT_REG_SZ, nullptr,
                                     saved, &size) == ERROR_SUCCESS;
    const std::map<std::wstring, std::u16string> formats{
        {L"d/M/yyyy", u"本日の開催 [17/5/2003]"},
        {L"yyyy-MM-dd", u"本日の開催 [2003-05-17]"},
        {L"M/d/yy", u"本日の開催 [5/17/03]"},
    };
    for (const auto& [format, caption] : formats) {
        RegSetKeyValueW(HKEY_CURRENT_USER, key, L"sShortDate", REG_SZ, format.c_str(),
                        static_cast<DWORD>((format.size() + 1) * sizeof(wchar_t)));
        Program program(setup.exe, L"--data " + Quoted(setup.sample) + L" " + MeetingDayArgument);
        const HWND main = program.waitWindow(L"TForm1");
        if (!main) {
            Fail("no main window with " + Utf8(format));
            continue;
        }
        const WindowDesign& design = MainWindowDesign();
        CheckText(Control(main, design, "GroupBox4"), caption, Utf8(format));
        CheckText(Control(main, design, "Edit1"), u"◆東京 ２回 ８日目",
                  "Edit1 with " + Utf8(format));
        CheckText(Control(main, design, "GroupBox5"), u"次の開催 [2003/05/18]",
                  "GroupBox5 with " + Utf8(format));
        CheckEqual(
            SendMessageW(Control(main, design, "StringGrid1"), LVM_GETITEMSTATE, 40, LVIS_SELECTED),
            LVIS_SELECTED, "today selected with " + Utf8(format));
        CloseMain(program, main);
    }
    if (hadOne) {
        RegSetKeyValueW(HKEY_CURRENT_USER, key, L"sShortDate", REG_SZ, saved,
                        static_cast<DWORD>((wcslen(saved) + 1) * sizeof(wchar_t)));
    } else {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key, L"sShortDate");
    }
}

// Where the design's Japanese fonts are not installed (Wine), their names
// stand for the IPA fonts, as the Linux build has them.
void ReplaceMissingFonts() {
    const wchar_t* key = L"Software\\Wine\\Fonts\\Replacements";
    const std::pair<std::u16string_view, const wchar_t*> fonts[] = {
        {ProportionalGothic, L"IPAPGothic"}, {FixedGothic, L"IPAGothic"}};
    for (const auto& [face, replacement] : fonts) {
        const std::wstring name = Wide(face);
        // Written only when it differs: a change makes Wine's next program
        // read every font again, seconds before its first window.
        wchar_t current[LF_FACESIZE] = {};
        DWORD size = sizeof current;
        if (RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), RRF_RT_REG_SZ, nullptr, current,
                         &size) == ERROR_SUCCESS &&
            wcscmp(current, replacement) == 0) {
            continue;
        }
        RegSetKeyValueW(HKEY_CURRENT_USER, key, name.c_str(), REG_SZ, replacement,
                        static_cast<DWORD>((wcslen(replacement) + 1) * sizeof(wchar_t)));
    }
}

// Not a test: shows the main window, then the list, each until a line comes
// on standard input, so that screenshots can be taken of them.
void Screenshots(const Setup& setup) {
    Program program(setup.exe, L"--data " + Quoted(setup.sample) + L" " + MeetingDayArgument);
    const HWND main = program.waitWindow(L"TForm1");
    if (!main) {
        return Fail("no main window");
    }
    char line[16];
    std::printf("main window shown\n");
    std::fflush(stdout);
    std::fgets(line, sizeof line, stdin);
    Click(Control(main, MainWindowDesign(), "Button3"));
    program.waitWindow(L"TForm2");
    std::printf("list window shown\n");
    std::fflush(stdout);
    std::fgets(line, sizeof line, stdin);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::printf("usage: turvane_driver GROUP TURVANE_EXE SAMPLE_DIR\n");
        return 2;
    }
    const std::map<std::wstring, void (*)(const Setup&)> groups{
        {L"meeting-day", MeetingDay},        {L"list-window", ListWindow},
        {L"error-boxes", ErrorBoxes},        {L"folder-names", FolderNames},
        {L"short-date", ShortDateFormats},   {L"screenshots", Screenshots},
        {L"season-of-today", SeasonOfToday},
    };
    const auto group = groups.find(argv[1]);
    if (group == groups.end()) {
        std::printf("no group %s\n", Utf8(std::wstring_view(argv[1])).c_str());
        return 2;
    }
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const Setup setup{argv[2], argv[3],
                      fs::path(temp) /
                          (L"turvane-driver-" + std::to_wstring(GetCurrentProcessId()))};
    ReplaceMissingFonts();
    group->second(setup);
    std::error_code ignored;
    fs::remove_all(setup.scratch, ignored);
    std::printf("%s: %d failed checks\n", Utf8(std::wstring_view(argv[1])).c_str(), failures);
    return failures == 0 ? 0 : 1;
}
