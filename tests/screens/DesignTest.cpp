#include "screens/Design.h"
#include "CaseName.h"
#include "screens/Fill.h"
#include "screens/Texts.h"

#include <gtest/gtest.h>

using namespace turvane::screens;

namespace {

struct ClientRectCase {
    const char* name;
    const WindowDesign& window;
    const char* control;
    Rect rect;
};

class ClientRects : public testing::TestWithParam<ClientRectCase> {};

TEST_P(ClientRects, AddUpThePlacesOfTheDesignParents) {
    EXPECT_EQ(GetParam().window.clientRect(GetParam().control), GetParam().rect);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ClientRects,
    testing::Values(
        ClientRectCase{"OnTheWindow", MainWindowDesign(), "GroupBox2", {0, 261, 762, 292}},
        ClientRectCase{"InABox", MainWindowDesign(), "StringGrid2", {2, 275, 751, 276}},
        ClientRectCase{"InABoxInABox", MainWindowDesign(), "Edit6", {488, 216, 169, 20}},
        ClientRectCase{"ListButton", ListWindowDesign(), "Button1", {8, 181, 729, 33}},
        ClientRectCase{"NoSuchControl", MainWindowDesign(), "Edit7", {}}),
    CaseName());

struct ResizeCase {
    const char* name;
    Size client;
    ListWindowPlaces places;
};

class ListWindowResize : public testing::TestWithParam<ResizeCase> {};

TEST_P(ListWindowResize, GivesTheListWhatTheButtonBoxDoesNotNeed) {
    const ListWindowPlaces places = ListWindowLayout(GetParam().client);
    EXPECT_EQ(places.GroupBox1, GetParam().places.GroupBox1);
    EXPECT_EQ(places.StringGrid1, GetParam().places.StringGrid1);
    EXPECT_EQ(places.GroupBox2, GetParam().places.GroupBox2);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ListWindowResize,
    testing::Values(
        ResizeCase{"Design", {742, 223}, {{0, 0, 742, 161}, {2, 15, 738, 144}, {0, 167, 742, 56}}},
        // The button box moves down and keeps its height; no row is under it.
        ResizeCase{"Larger", {800, 263}, {{0, 0, 800, 201}, {2, 15, 796, 184}, {0, 207, 800, 56}}},
        ResizeCase{
            "Maximised", {1920, 1017}, {{0, 0, 1920, 955}, {2, 15, 1916, 938}, {0, 961, 1920, 56}}},
        ResizeCase{"Smaller", {600, 150}, {{0, 0, 600, 88}, {2, 15, 596, 71}, {0, 94, 600, 56}}},
        ResizeCase{"Tiny", {3, 10}, {{0, 0, 3, 0}, {2, 15, 0, 0}, {0, 0, 3, 56}}}),
    CaseName());

struct SelectCase {
    const char* name;
    int row;
    bool selected;
};

class GridFillRow : public testing::TestWithParam<SelectCase> {};

TEST_P(GridFillRow, OutsideTheRowsFailsWithTheGridMessage) {
    GridFill grid(4, 5);
    if (GetParam().selected) {
        grid.selectRow(GetParam().row);
        EXPECT_EQ(grid.selectedRow(), GetParam().row);
        return;
    }
    try {
        grid.selectRow(GetParam().row);
        FAIL() << "accepted";
    } catch (const GridIndexError& e) {
        EXPECT_STREQ(e.what(), "グリッドインデックス が範囲を超えています");
    }
    EXPECT_FALSE(grid.selectedRow());
}

INSTANTIATE_TEST_SUITE_P(Rows, GridFillRow,
                         testing::Values(SelectCase{"BeforeTheFirst", -1, false},
                                         SelectCase{"First", 0, true}, SelectCase{"Last", 4, true},
                                         SelectCase{"PastTheLast", 5, false},
                                         SelectCase{"FarPast", 100, false}),
                         CaseName());

struct CaptionCase {
    const char* name;
    const char* caption;
    const char* spoken;
};

class SpokenCaptions : public testing::TestWithParam<CaptionCase> {};

TEST_P(SpokenCaptions, DropOnlyTheBlanksThatSpreadJapaneseOut) {
    EXPECT_EQ(SpokenCaption(Utf8ToUtf16(GetParam().caption)), Utf8ToUtf16(GetParam().spoken));
}

INSTANTIATE_TEST_SUITE_P(
    Captions, SpokenCaptions,
    testing::Values(CaptionCase{"OneBlankApart", "閉 じ る", "閉じる"},
                    CaptionCase{"WideGap", "戻     る", "戻る"},
                    CaptionCase{"FullWidthBlanks", "閉　じ　る", "閉じる"},
                    CaptionCase{"BlanksAtTheEnds", "  重賞日程 ", "重賞日程"},
                    CaptionCase{"LatinWords", "Turvane version 0.90", "Turvane version 0.90"},
                    CaptionCase{"JapaneseBeforeLatin", "重賞 GⅠ", "重賞 GⅠ"},
                    CaptionCase{"LatinBeforeJapanese", "2003 開催", "2003 開催"},
                    CaptionCase{"Empty", "", ""}),
    CaseName());

// What a screen reader is told for a grid's body cell: the text, or the
// word for an empty cell; the row's label first on the row's first cell.
// Never the column's label, which the screen reader says itself.
struct SpokenCellCase {
    const char* name;
    const char* text;
    const char* rowLabel;
    const char* spoken;
};

class SpokenGridCells : public testing::TestWithParam<SpokenCellCase> {};

TEST_P(SpokenGridCells, SayEmptyCellsAndTheRowOnce) {
    EXPECT_EQ(SpokenGridCell(Utf8ToUtf16(GetParam().text), Utf8ToUtf16(GetParam().rowLabel)),
              Utf8ToUtf16(GetParam().spoken));
}

INSTANTIATE_TEST_SUITE_P(
    Cells, SpokenGridCells,
    testing::Values(SpokenCellCase{"Meeting", "□新潟 １回 ３日目", "", "□新潟 １回 ３日目"},
                    SpokenCellCase{"CourseSlotAlone", "　２回　８日目    ", "", "２回　８日目"},
                    SpokenCellCase{"FirstCellWithItsDate", "■中山 １回 １日目", "　１月　５日",
                                   "１月　５日 ■中山 １回 １日目"},
                    SpokenCellCase{"Empty", "", "", "空白"},
                    SpokenCellCase{"BlanksOnly", "       　　 ", "", "空白"},
                    SpokenCellCase{"EmptyFirstCellOfADay", "", "１月１１日", "１月１１日 空白"},
                    SpokenCellCase{"NoDate", "　", "　　", "空白"}),
    CaseName());

// The names screen readers call controls by, decided here for every
// front-end.
struct SpokenNameCase {
    const char* name;
    const WindowDesign& window;
    const char* control;
    const char* spoken; // empty: the toolkit's own
};

class SpokenNames : public testing::TestWithParam<SpokenNameCase> {};

TEST_P(SpokenNames, ComeFromTheDesign) {
    const ControlDesign* control = GetParam().window.find(GetParam().control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(SpokenName(GetParam().window, *control), Utf8ToUtf16(GetParam().spoken));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, SpokenNames,
    testing::Values(SpokenNameCase{"GivenName", MainWindowDesign(), "Edit1", "本日の開催 1"},
                    SpokenNameCase{"Button", MainWindowDesign(), "Button2", "閉じる"},
                    SpokenNameCase{"BoxFramingOneButton", ListWindowDesign(), "GroupBox2", "戻る"},
                    SpokenNameCase{"TitledBox", ListWindowDesign(), "GroupBox1", ""},
                    SpokenNameCase{"UntitledBoxWithAName", MainWindowDesign(), "GroupBox3",
                                   "本日の開催と次の開催"},
                    SpokenNameCase{"Label", MainWindowDesign(), "Label2", ""}),
    CaseName());

struct TextCase {
    const char* input;
    const char* expected;
};

class ErrorBoxTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ErrorBoxTextTest, AddsAPeriodAfterCharactersAboveIt) {
    EXPECT_EQ(ErrorBoxText(GetParam().input), Utf8ToUtf16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Messages, ErrorBoxTextTest,
                         testing::Values(TextCase{"は開けません", "は開けません."},
                                         TextCase{"範囲を超えています (3)",
                                                  "範囲を超えています (3)"},
                                         TextCase{"done.", "done."}, TextCase{"a-", "a-"},
                                         TextCase{"a/", "a/."}, TextCase{"", ""}));

class ApplicationTitleTest : public testing::TestWithParam<TextCase> {};

TEST_P(ApplicationTitleTest, IsTheFileNameCutAtItsFirstDot) {
    EXPECT_EQ(ApplicationTitle(GetParam().input), Utf8ToUtf16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Names, ApplicationTitleTest,
                         testing::Values(TextCase{"/usr/lib/turvane/turvane", "turvane"},
                                         TextCase{"/x/TURVANE.EXE", "Turvane"},
                                         TextCase{"/x/my.app.bin", "my"},
                                         TextCase{"/x.y/Prog", "Prog"},
                                         TextCase{"/x/ÉTÉ.EXE", "Été"}));

struct TopRowCase {
    const char* name;
    int wanted;
    int fixedRows;
    int scrollableRows;
    int shown;
};

class TopRowPullBack : public testing::TestWithParam<TopRowCase> {};

TEST_P(TopRowPullBack, FillsTheLastPageAndNeverCoversTheFixedRow) {
    const auto& c = GetParam();
    EXPECT_EQ(PulledBackTopRow(c.wanted, c.fixedRows, c.scrollableRows), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Rows, TopRowPullBack,
                         testing::Values(TopRowCase{"WithinTheRows", 5, 1, 20, 5},
                                         TopRowCase{"OnTheLastPage", 30, 1, 20, 21},
                                         TopRowCase{"ExactlyTheLastTop", 21, 1, 20, 21},
                                         TopRowCase{"OnTheFixedRow", 0, 1, 20, 1},
                                         TopRowCase{"AllRowsFit", 7, 1, 0, 1},
                                         TopRowCase{"NoFixedRow", 30, 0, 20, 20},
                                         TopRowCase{"NegativeMaximum", 3, 1, -1, 1}),
                         CaseName());

} // namespace
