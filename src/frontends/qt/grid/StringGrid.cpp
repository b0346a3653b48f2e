#include "StringGrid.h"

#include "CellText.h"
#include "GridCellDelegate.h"
#include "GridFocusFrame.h"
#include "GridHeaderView.h"
#include "GridPainting.h"
#include "StringGridModel.h"
#include "screens/Fill.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>

#include <algorithm>

namespace {
// Grid lines are one pixel wide and belong to the cell on their left or top.
constexpr int GridLineWidth = 1;
} // namespace

StringGrid::StringGrid(QWidget* parent)
    : QTableView(parent), model_(new StringGridModel(this)),
      fixedRowHeader_(new GridHeaderView(Qt::Horizontal, this)),
      fixedColHeader_(new GridHeaderView(Qt::Vertical, this)),
      focusFrame_(new GridFocusFrame(this)) {
    setHorizontalHeader(fixedRowHeader_);
    setVerticalHeader(fixedColHeader_);
    setModel(model_);
    setItemDelegate(new GridCellDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the next control, as in any dialog; the arrow
    // and paging keys move inside it.
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    if ((corner_ = findChild<QAbstractButton*>())) {
        corner_->installEventFilter(this);
    }
    fixedRowHeader_->setFixedColor(fixedColor_);
    fixedColHeader_->setFixedColor(fixedColor_);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { followCurrent(current); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { followScrollBar(value); });
    model_->setGridSize(5, 5);
    setFixedCols(1);
    setFixedRows(1);
}

StringGrid::~StringGrid() = default;

int StringGrid::rowCount() const {
    return model_->gridRows();
}
int StringGrid::colCount() const {
    return model_->gridCols();
}
int StringGrid::fixedRows() const {
    return model_->fixedRows();
}
int StringGrid::fixedCols() const {
    return model_->fixedCols();
}

void StringGrid::setRowCount(int rows) {
    rows = std::max(1, rows);
    if (rows == rowCount()) {
        return;
    }
    model_->setGridSize(colCount(), rows);
    row_ = std::min(row_, rows - 1);
    placeTopRow();
}

void StringGrid::setColCount(int cols) {
    cols = std::max(1, cols);
    if (cols == colCount()) {
        return;
    }
    model_->setGridSize(cols, rowCount());
    col_ = std::min(col_, cols - 1);
    applyLayout();
}

void StringGrid::setFixedRows(int rows) {
    model_->setFixed(fixedCols(), std::clamp(rows, 0, 1));
    resetPosition();
    applyLayout();
    selectCurrentCell();
}

void StringGrid::setFixedCols(int cols) {
    model_->setFixed(std::clamp(cols, 0, 1), fixedRows());
    resetPosition();
    applyLayout();
    selectCurrentCell();
}

void StringGrid::resetPosition() {
    // A change of the fixed cells starts again at the first cell after them.
    const GridCell first = model_->cellOf(0, 0);
    row_ = first.row;
    col_ = first.col;
    topRow_ = first.row;
}

bool StringGrid::setRow(int row) {
    if (row == row_) {
        return true;
    }
    if (row < 0 || row >= rowCount()) {
        return false;
    }
    row_ = row;
    selectCurrentCell();
    return true;
}

void StringGrid::selectCurrentCell() {
    const GridPlace place = model_->locate(col_, row_);
    if (place.area == GridPlace::Area::Body && place.modelRow < model_->rowCount() &&
        place.modelCol < model_->columnCount()) {
        const QModelIndex index = model_->index(place.modelRow, place.modelCol);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
}

void StringGrid::setTopRow(int row) {
    topRow_ = row;
    if (isVisible()) {
        showTopRow();
    }
}

void StringGrid::setDefaultRowHeight(int height) {
    defaultRowHeight_ = height;
    applyLayout();
}

void StringGrid::setDefaultColWidth(int width) {
    defaultColWidth_ = width;
    colWidths_.clear();
    applyLayout();
}

int StringGrid::colWidth(int col) const {
    if (col < 0) {
        return 0;
    }
    const auto c = static_cast<std::size_t>(col);
    return c < colWidths_.size() ? colWidths_[c] : defaultColWidth_;
}

void StringGrid::setColWidth(int col, int width) {
    if (col < 0) {
        return;
    }
    const auto c = static_cast<std::size_t>(col);
    if (c >= colWidths_.size()) {
        colWidths_.resize(c + 1, defaultColWidth_);
    }
    colWidths_[c] = width;
    applyLayout();
}

void StringGrid::setFixedColor(const QColor& color) {
    fixedColor_ = color;
    fixedRowHeader_->setFixedColor(color);
    fixedColHeader_->setFixedColor(color);
}

void StringGrid::setCells(int firstCol, int row, std::span<const QString> texts) {
    model_->setCells(firstCol, row, texts);
}

QString StringGrid::cell(int col, int row) const {
    return model_->cell(col, row);
}

void StringGrid::setCell(int col, int row, const QString& text) {
    model_->setCell(col, row, text);
}

void StringGrid::applyLayout() {
    const int rowPitch = defaultRowHeight_ + GridLineWidth;
    fixedColHeader_->setDefaultSectionSize(rowPitch);
    fixedRowHeader_->setVisible(fixedRows() > 0);
    fixedRowHeader_->setFixedHeight(rowPitch);
    fixedColHeader_->setVisible(fixedCols() > 0);
    fixedColHeader_->setFixedWidth(colWidth(0) + GridLineWidth);
    for (int c = fixedCols(); c < colCount(); ++c) {
        fixedRowHeader_->resizeSection(model_->locate(c, 0).modelCol, colWidth(c) + GridLineWidth);
    }
}

void StringGrid::placeTopRow() {
    // Only a shown grid knows how many rows fill its last page.
    if (isVisible()) {
        // The scroll bar's maximum counts the body rows that can scroll away.
        topRow_ = turvane::screens::PulledBackTopRow(topRow_, fixedRows(),
                                                     verticalScrollBar()->maximum());
    }
    showTopRow();
}

void StringGrid::showTopRow() {
    QScopedValueRollback guard(syncingScroll_, true);
    verticalScrollBar()->setValue(model_->locate(0, topRow_).modelRow);
}

void StringGrid::updateGeometries() {
    {
        QScopedValueRollback guard(syncingScroll_, true);
        QTableView::updateGeometries();
    }
    placeTopRow();
    alignFirstVisibleCells();
}

void StringGrid::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    alignFirstVisibleCells();
}

void StringGrid::alignFirstVisibleCells() {
    // At the end of its range an item view lines the last row up with the
    // bottom edge, cutting the first visible row in half under the fixed row.
    // A grid always starts with whole cells and leaves the spare pixels at
    // the bottom and the right instead.
    const int top = verticalHeader()->sectionPosition(verticalScrollBar()->value());
    const int left = horizontalHeader()->sectionPosition(horizontalScrollBar()->value());
    if (top >= 0 && top != verticalHeader()->offset()) {
        verticalHeader()->setOffset(top);
        viewport()->update();
    }
    if (left >= 0 && left != horizontalHeader()->offset()) {
        horizontalHeader()->setOffset(left);
        viewport()->update();
    }
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    if (!event->matches(QKeySequence::Copy)) {
        QTableView::keyPressEvent(event);
        return;
    }
    copySelection();
    event->accept();
}

void StringGrid::copySelection() {
    // Item views would copy the current cell alone.
    QModelIndexList cells = selectedIndexes();
    if (cells.isEmpty() && currentIndex().isValid()) {
        cells.append(currentIndex());
    }
    if (!cells.isEmpty()) {
        QGuiApplication::clipboard()->setText(TabSeparatedText(cells));
    }
}

bool StringGrid::event(QEvent* event) {
    if (event->type() != QEvent::Show) {
        return QTableView::event(event);
    }
    // Item views scroll to their current cell when shown; a grid keeps the
    // first visible row it was given, pulled back only to fill the last page.
    bool handled = false;
    {
        QScopedValueRollback guard(syncingScroll_, true);
        handled = QTableView::event(event);
    }
    updateGeometries();
    return handled;
}

void StringGrid::followCurrent(const QModelIndex& current) {
    if (current.isValid()) {
        const GridCell at = model_->cellOf(current.column(), current.row());
        row_ = at.row;
        col_ = at.col;
    }
}

void StringGrid::followScrollBar(int value) {
    if (!syncingScroll_ && isVisible()) {
        topRow_ = model_->cellOf(0, value).row;
    }
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
    // The corner above the fixed column is a fixed cell like the others.
    if (watched == corner_ && event->type() == QEvent::Paint) {
        QPainter painter(corner_);
        painter.setFont(font());
        DrawFixedCell(painter, corner_->rect(), fixedColor_, palette(), cell(0, 0));
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void StringGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fixedRowHeader_->setFont(font());
        fixedColHeader_->setFont(font());
    }
}

void StringGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    focusFrame_->raise(); // over the headers, the cells and the scroll bars
    focusFrame_->show();
    // Qt tells screen readers that the table has the focus only after this
    // handler, and says nothing of the cell a user would act on: the current
    // cell is announced after that, as if the user had just moved to it.
    if (QAccessible::isActive()) {
        QMetaObject::invokeMethod(
            this, [this] { announceCurrentCell(); }, Qt::QueuedConnection);
    }
}

void StringGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    focusFrame_->hide();
}

void StringGrid::announceCurrentCell() {
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid()) {
        return;
    }
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
    QAccessibleInterface* cell = cells ? cells->cellAt(current.row(), current.column()) : nullptr;
    if (cell) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}
