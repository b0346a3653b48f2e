#include "CaseName.h"
#include "TestData.h"
#include "grid/CellText.h"
#include "grid/StringGrid.h"
#include "mainUnit.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Body cells by model (row, column); the grid below has a fixed row and column.
struct Cell {
    int row;
    int column;
};

struct TextCase {
    const char* name;
    std::vector<Cell> cells;
    const char* text;
};

class CopiedText : public testing::TestWithParam<TextCase> {};

TEST_P(CopiedText, IsTabSeparatedRowsOfTheCells) {
    StringGrid grid;
    grid.setColCount(5);
    grid.setRowCount(5);
    const char* const rows[][5] = {{"", "A", "B", "C", "D"},
                                   {"1", "a1", "b1", "", "d1"},
                                   {"2", "a2", "b\t2", "c\n2", "say \"2\""},
                                   {"3", "a3", "b3", "c3", "　d3 "},
                                   {"4", "a4", "b4", "c4", "d4"}};
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            grid.setCell(c, r, QString::fromUtf8(rows[r][c]));
        }
    }
    QModelIndexList cells;
    for (const Cell& cell : GetParam().cells) {
        cells.append(grid.model()->index(cell.row, cell.column));
    }
    EXPECT_EQ(TabSeparatedText(cells), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Selections, CopiedText,
    testing::Values(
        TextCase{"Nothing", {}, ""}, TextCase{"OneCell", {{0, 0}}, "a1"},
        TextCase{"PartOfARow", {{0, 1}, {0, 2}, {0, 3}}, "b1\t\td1"},
        TextCase{"PartOfAColumn", {{2, 0}, {3, 0}}, "a3\na4"},
        TextCase{"RectangleInAnyOrder", {{3, 1}, {2, 0}, {3, 0}, {2, 1}}, "a3\tb3\na4\tb4"},
        TextCase{"UnselectedCellsInsideStayEmpty", {{0, 0}, {3, 2}}, "a1\t\t\n\t\t\n\t\t\n\t\tc4"},
        TextCase{"BlanksStayAsStored", {{2, 3}}, "　d3 "},
        TextCase{"AwkwardCellsAreQuoted",
                 {{1, 1}, {1, 2}, {1, 3}},
                 "\"b\t2\"\t\"c\n2\"\t\"say \"\"2\"\"\""}),
    CaseName());

// Ctrl+C in a shown grid, through the application's clipboard.
class GridCopy : public testing::Test {
protected:
    void SetUp() override { QApplication::clipboard()->setText(QStringLiteral("before")); }

    static QString CopyFrom(QWidget* grid) {
        QTest::keySequence(grid, QKeySequence::Copy);
        return QApplication::clipboard()->text();
    }
};

TEST_F(GridCopy, CopiesTheRangeSelectedWithTheKeyboard) {
    StringGrid grid;
    grid.setColCount(4);
    grid.setRowCount(4);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            grid.setCell(c, r, QStringLiteral("%1%2").arg(QChar(u'a' + c)).arg(r));
        }
    }
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.setFocus();
    EXPECT_EQ(CopyFrom(&grid), "b1");
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(CopyFrom(&grid), "b1\tc1\nb2\tc2");
}

TEST_F(GridCopy, SelectAllCopiesTheBodyWithoutTheFixedCells) {
    MemoryDataDir dir;
    dir.CopySampleYear();
    TestContext ctx(dir.source(), {2003, 5, 17});
    TForm1 form(ctx.context);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* courses = form.findChild<StringGrid*>("StringGrid2");
    courses->setFocus();
    EXPECT_EQ(CopyFrom(courses), "３回 ８日目");
    QTest::keySequence(courses, QKeySequence::SelectAll);
    const QStringList lines = CopyFrom(courses).split('\n');
    ASSERT_EQ(lines.size(), 110);
    EXPECT_EQ(lines[0].split('\t').size(), 10);
    EXPECT_EQ(lines[0].split('\t')[0], "１回 １日目");
    EXPECT_EQ(lines[40].split('\t')[4], "２回 ８日目");
    EXPECT_EQ(lines[40].split('\t')[1], "　   　    "); // not racing at Hanshin
    EXPECT_FALSE(lines.join('\n').contains("京都"));
    EXPECT_FALSE(lines.join('\n').contains("５月１７日"));
}

} // namespace
