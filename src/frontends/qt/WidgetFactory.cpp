#include "WidgetFactory.h"

#include "Fonts.h"
#include "Keyboard.h"
#include "ReadOnlyEdit.h"
#include "grid/StringGrid.h"
#include "screens/Fill.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

using namespace turvane::screens;

namespace {

// Every role for every state, so nothing of the desktop's scheme shows through.
QPalette DesignPalette() {
    QPalette palette = QApplication::style()->standardPalette();
    palette.setResolveMask(~QPalette::ResolveMask{0});
    return palette;
}

QFont ToQFont(const Font& font) {
    return DesignFont(ToQString(font.face), font.pixelSize, font.bold);
}

void ShapeGrid(StringGrid* grid, const GridShape& shape) {
    grid->setFixedColor(ToQColor(shape.fixedColor));
    grid->setDefaultRowHeight(shape.rowHeight);
    grid->setDefaultColWidth(shape.defaultColWidth);
    grid->setColCount(shape.colCount);
    grid->setFixedRows(shape.fixedRows);
    grid->setFixedCols(shape.fixedCols);
    int col = 0;
    for (const int width : shape.colWidths) {
        grid->setColWidth(col++, width);
    }
    grid->setRowCount(shape.rowCount);
}

QWidget* CreateControl(const ControlDesign& design, QWidget* parent) {
    const QString text = ToQString(design.text);
    switch (design.kind) {
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(parent);
        box->setTitle(text);
        return box;
    }
    case ControlKind::StringGrid:
        return new StringGrid(parent);
    case ControlKind::ReadOnlyEdit: {
        // A screen reader reads the text as the edit's value, after the
        // spoken name; a name repeating the text would have it read twice.
        auto* edit = new ReadOnlyEdit(parent);
        edit->setText(text);
        return edit;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setText(text);
        return label;
    }
    case ControlKind::Image: {
        auto* image = new QLabel(parent);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return image;
    }
    case ControlKind::Bevel: {
        auto* bevel = new QFrame(parent);
        bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        return bevel;
    }
    case ControlKind::Button: {
        // Space presses a focused button, and so do Enter and Return, as users
        // of the program have always pressed them.
        auto* button = new QPushButton(parent);
        button->setText(text);
        button->setAutoDefault(false);
        PressWithEnter(button);
        return button;
    }
    }
    return nullptr;
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

QWidget* DesignedControls::find(std::string_view name) const {
    for (const auto& [controlName, widget] : controls_) {
        if (controlName == name) {
            return widget;
        }
    }
    return nullptr;
}

DesignedControls BuildWindow(QWidget* window, const WindowDesign& design) {
    window->setObjectName(
        QString::fromLatin1(design.name.data(), static_cast<qsizetype>(design.name.size())));
    window->setWindowTitle(ToQString(design.caption));
    UseDesignPalette(window);
    window->setFont(ToQFont(design.font));
    const QSize size(design.clientSize.width, design.clientSize.height);
    if (design.resizable) {
        window->resize(size);
    } else {
        window->setFixedSize(size);
    }

    DesignedControls controls;
    for (const ControlDesign& control : design.controls) {
        QWidget* parent = control.parent.empty() ? window : controls.find(control.parent);
        QWidget* widget = CreateControl(control, parent);
        widget->setObjectName(
            QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size())));
        widget->setGeometry(ToQRect(control.rect));
        if (const std::u16string spoken = SpokenName(design, control); !spoken.empty()) {
            widget->setAccessibleName(ToQString(spoken));
        }
        if (control.font) {
            widget->setFont(ToQFont(*control.font));
        }
        if (control.textColor) {
            SetTextColor(widget, ToQColor(*control.textColor));
        }
        if (control.grid) {
            ShapeGrid(static_cast<StringGrid*>(widget), *control.grid);
        }
        controls.add(control.name, widget);
    }

    QWidget* previous = nullptr;
    for (const std::string_view name : design.focusOrder) {
        QWidget* widget = controls.find(name);
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
    if (!design.focusOrder.empty()) {
        controls.find(design.focusOrder.front())->setFocus(Qt::OtherFocusReason);
    }
    return controls;
}

void ApplyGridFill(StringGrid& grid, const GridFill& fill, const std::vector<QString>& texts) {
    grid.setRowCount(fill.rowCount());
    std::vector<QString> row(static_cast<std::size_t>(fill.colCount()));
    for (int r = 0; r < fill.filledRows(); ++r) {
        const std::span<const TextTable::Index> indexes = fill.row(r);
        for (std::size_t c = 0; c < indexes.size(); ++c) {
            row[c] = texts[indexes[c]];
        }
        grid.setCells(0, r, row);
    }
    if (fill.selectedRow()) {
        grid.setRow(*fill.selectedRow());
    }
    if (fill.topRow()) {
        grid.setTopRow(*fill.topRow());
    }
}
