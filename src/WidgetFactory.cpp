#include "WidgetFactory.h"

#include "grid/StringGrid.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int DesignRowHeight = 18;
constexpr int DesignRowCount = 130;
const QColor FixedCellColor(255, 255, 187);
} // namespace

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, color);
    }
    widget->setPalette(palette);
}

QGroupBox* PlaceGroupBox(QWidget* parent, const char* name, const QRect& rect,
                         const QString& caption) {
    auto* box = Place<QGroupBox>(parent, name, rect);
    box->setTitle(caption);
    return box;
}

QLineEdit* PlaceReadOnlyEdit(QWidget* parent, const char* name, const QRect& rect,
                             const QString& text) {
    auto* edit = Place<QLineEdit>(parent, name, rect);
    edit->setReadOnly(true);
    edit->setText(text);
    return edit;
}

QPushButton* PlaceButton(QWidget* parent, const char* name, const QRect& rect,
                         const QString& caption) {
    auto* button = Place<QPushButton>(parent, name, rect);
    button->setText(caption);
    button->setAutoDefault(false);
    return button;
}

StringGrid* PlaceGrid(QWidget* parent, const char* name, const QRect& rect,
                      const GridDesign& design) {
    auto* grid = Place<StringGrid>(parent, name, rect);
    grid->setFont(design.font);
    SetTextColor(grid, Qt::black);
    grid->setFixedColor(FixedCellColor);
    grid->setDefaultRowHeight(DesignRowHeight);
    grid->setDefaultColWidth(design.defaultColWidth);
    grid->setColCount(design.colCount);
    grid->setFixedRows(design.fixedRows);
    grid->setFixedCols(1);
    int col = 0;
    for (const int width : design.colWidths) {
        grid->setColWidth(col++, width);
    }
    grid->setRowCount(DesignRowCount);
    return grid;
}
