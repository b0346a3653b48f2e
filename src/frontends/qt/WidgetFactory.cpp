#include "WidgetFactory.h"

#include "Accessibility.h"
#include "Keyboard.h"
#include "ReadOnlyEdit.h"
#include "grid/StringGrid.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {
constexpr int DesignRowHeight = 18;
constexpr int DesignRowCount = 130;
const QColor FixedCellColor(255, 255, 187);

// Every role for every state, so nothing of the desktop's scheme shows through.
QPalette DesignPalette() {
    QPalette palette = QApplication::style()->standardPalette();
    palette.setResolveMask(~QPalette::ResolveMask{0});
    return palette;
}

} // namespace

void UseDesignPalette(QWidget* window) {
    window->setPalette(DesignPalette());
}

void SetTextColor(QWidget* widget, const QColor& color) {
    const QPalette design = DesignPalette();
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setBrush(role, design.brush(role));
    }
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
                             const QString& spokenName, const QString& text) {
    auto* edit = Place<ReadOnlyEdit>(parent, name, rect);
    edit->setText(text);
    edit->setAccessibleName(spokenName);
    return edit;
}

QPushButton* PlaceButton(QWidget* parent, const char* name, const QRect& rect,
                         const QString& caption) {
    auto* button = Place<QPushButton>(parent, name, rect);
    button->setText(caption);
    button->setAutoDefault(false);
    PressWithEnter(button);
    button->setAccessibleName(SpokenCaption(caption));
    return button;
}

void SetFocusOrder(std::initializer_list<QWidget*> order) {
    if (order.size() == 0) {
        return;
    }
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
    (*order.begin())->setFocus(Qt::OtherFocusReason);
}

StringGrid* PlaceGrid(QWidget* parent, const char* name, const QRect& rect,
                      const GridDesign& design) {
    auto* grid = Place<StringGrid>(parent, name, rect);
    if (const auto* box = qobject_cast<const QGroupBox*>(parent)) {
        grid->setAccessibleName(box->title());
    }
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
