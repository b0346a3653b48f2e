#include "grid/StringGrid.h"
#include "CaseName.h"
#include "grid/StringGridModel.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct PlaceCase {
    const char* name;
    int col;
    int row;
    GridPlace::Area area;
    int modelRow;
    int modelCol;
};

class GridLocate : public testing::TestWithParam<PlaceCase> {};

TEST_P(GridLocate, MapsGridCellsToHeadersAndBodyAndBack) {
    const auto& c = GetParam();
    const GridPlace place = StringGridModel::Locate(c.col, c.row, 1, 1);
    EXPECT_EQ(place.area, c.area);
    EXPECT_EQ(place.modelRow, c.modelRow);
    EXPECT_EQ(place.modelCol, c.modelCol);
    EXPECT_EQ(StringGridModel::CellOf(c.modelCol, c.modelRow, 1, 1), (GridCell{c.col, c.row}));
}

INSTANTIATE_TEST_SUITE_P(
    Areas, GridLocate,
    testing::Values(PlaceCase{"Corner", 0, 0, GridPlace::Area::Corner, -1, -1},
                    PlaceCase{"FixedRow", 3, 0, GridPlace::Area::FixedRow, -1, 2},
                    PlaceCase{"FixedCol", 0, 4, GridPlace::Area::FixedCol, 3, -1},
                    PlaceCase{"Body", 2, 5, GridPlace::Area::Body, 4, 1}),
    CaseName());

// A grid like the course grid: 11 columns, fixed row and column, rows 18 high.
std::unique_ptr<StringGrid> MakeGrid(int rows, int fixedRows = 1) {
    auto grid = std::make_unique<StringGrid>();
    grid->setDefaultRowHeight(18);
    grid->setColCount(4);
    grid->setFixedRows(fixedRows);
    grid->setRowCount(rows);
    grid->resize(300, 19 * 10 + 40);
    return grid;
}

TEST(StringGridCells, AreAddressedWithTheFixedCells) {
    auto grid = MakeGrid(5);
    grid->setCell(0, 0, "corner");
    grid->setCell(2, 0, "head");
    grid->setCell(0, 3, "side");
    grid->setCell(3, 4, "body");
    auto* model = grid->model();
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "head");
    EXPECT_EQ(model->headerData(2, Qt::Vertical).toString(), "side");
    EXPECT_EQ(model->index(3, 2).data().toString(), "body");
    EXPECT_EQ(grid->cell(0, 0), "corner");
    EXPECT_EQ(grid->cell(1, 1), "");
    EXPECT_EQ(grid->cell(-1, 99), "");
}

TEST(StringGridCells, RowsCutOffComeBack) {
    auto grid = MakeGrid(10);
    grid->setCell(1, 8, "kept");
    grid->setCell(1, 20, "beyond");
    grid->setRowCount(0);
    EXPECT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->model()->rowCount(), 0);
    grid->setRowCount(30);
    EXPECT_EQ(grid->cell(1, 8), "kept");
    EXPECT_EQ(grid->model()->index(19, 0).data().toString(), "beyond");
}

// The model tester reports through Qt's messages; every report it makes
// while the grid changes shape is a failure of this test.
QStringList* testerReports = nullptr;

void CollectTesterReports(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (testerReports && type != QtDebugMsg) {
        testerReports->append(message);
    }
}

TEST(StringGridCells, ModelPassesTheModelTester) {
    auto grid = MakeGrid(6);
    QStringList reports;
    testerReports = &reports;
    const QtMessageHandler previous = qInstallMessageHandler(CollectTesterReports);
    {
        QAbstractItemModelTester tester(grid->model(),
                                        QAbstractItemModelTester::FailureReportingMode::Warning);
        grid->setCell(1, 1, "a");
        grid->setRowCount(2);
        grid->setRowCount(40);
        grid->setColCount(7);
        grid->setFixedRows(0);
        grid->setFixedCols(0);
        grid->setRowCount(1);
    }
    qInstallMessageHandler(previous);
    testerReports = nullptr;
    EXPECT_TRUE(reports.isEmpty()) << reports.join(QLatin1Char('\n')).toStdString();
}

TEST(StringGridRow, OutsideTheRowsIsRefused) {
    auto grid = MakeGrid(5);
    for (int bad : {-1, 5, 100}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(grid->setRow(bad));
        EXPECT_EQ(grid->row(), 1);
    }
    EXPECT_TRUE(grid->setRow(4));
    EXPECT_EQ(grid->property("row").toInt(), 4);
    // Through the property system a bad row is refused without an exception.
    EXPECT_TRUE(grid->setProperty("row", 7));
    EXPECT_TRUE(grid->setProperty("row", -1));
    EXPECT_EQ(grid->row(), 4);
    EXPECT_EQ(grid->currentIndex().row(), 3);
    EXPECT_EQ(grid->currentIndex().column(), grid->col() - 1);
}

TEST(StringGridRow, SettingTheCurrentRowAgainChangesNothing) {
    auto grid = MakeGrid(5);
    grid->setRow(3);
    grid->selectionModel()->clearSelection();
    grid->setRow(3);
    EXPECT_FALSE(grid->selectionModel()->hasSelection());
}

TEST(StringGridTopRow, IsStoredUntilShownThenPulledBackToFillTheLastPage) {
    auto grid = MakeGrid(100);
    grid->setTopRow(98);
    EXPECT_EQ(grid->topRow(), 98);
    grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    const int visibleRows = grid->viewport()->height() / 19;
    EXPECT_EQ(grid->topRow(), 100 - visibleRows);
    EXPECT_EQ(grid->rowAt(0) + 1, grid->topRow());
    // Further away from the end it stays where it was put.
    grid->setTopRow(40);
    EXPECT_EQ(grid->topRow(), 40);
    EXPECT_EQ(grid->rowAt(0) + 1, 40);
}

TEST(StringGridTopRow, FixedRowStaysPaintedAtTheTopAfterScrolling) {
    auto grid = MakeGrid(200);
    grid->setCell(1, 0, "header");
    grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    EXPECT_GT(grid->topRow(), 150);
    // The first visible row is whole, not cut under the fixed row.
    EXPECT_EQ(grid->rowViewportPosition(grid->topRow() - 1), 0);
    const QImage image = grid->grab().toImage();
    QHeaderView* header = grid->horizontalHeader();
    const QPoint inEmptySection(header->sectionViewportPosition(2) + 20, header->height() - 5);
    EXPECT_EQ(image.pixelColor(header->mapTo(grid.get(), inEmptySection)), QColor(255, 255, 187));
    EXPECT_TRUE(grid->horizontalHeader()->isVisible());
}

TEST(StringGridLook, RowsAndColumnsHaveTheirDesignSizes) {
    auto grid = MakeGrid(5);
    grid->setColWidth(0, 80);
    grid->setColWidth(2, 116);
    EXPECT_EQ(grid->colWidth(0), 80);
    EXPECT_EQ(grid->colWidth(1), grid->defaultColWidth());
    EXPECT_EQ(grid->property("defaultRowHeight").toInt(), 18);
    // One pixel of grid line follows every cell.
    EXPECT_EQ(grid->verticalHeader()->width(), 81);
    EXPECT_EQ(grid->columnWidth(1), 117);
    EXPECT_EQ(grid->rowHeight(0), 19);
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
}

TEST(StringGridLook, GridWithoutFixedRowHidesItsHeader) {
    auto grid = MakeGrid(5, 0);
    grid->setCell(1, 0, "first");
    EXPECT_FALSE(grid->horizontalHeader()->isVisibleTo(grid.get()));
    EXPECT_EQ(grid->model()->index(0, 0).data().toString(), "first");
}

} // namespace
