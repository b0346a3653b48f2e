#include "WidgetFactory.h"

#include "ReadOnlyEdit.h"
#include "grid/StringGrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
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

bool IsLatin(QChar c) {
    return c.unicode() < 0x80;
}

// A push button takes Enter only while it is a dialog's default button; the
// windows have none, so that Enter in a grid presses nothing.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            auto* button = qobject_cast<QAbstractButton*>(watched);
            if (enter && button && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QString SpokenCaption(const QString& caption) {
    const QString text = caption.trimmed();
    QString spoken;
    spoken.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isSpace()) {
            spoken += text[i];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text[end].isSpace()) {
            ++end;
        }
        // trimmed() leaves no blanks at either end, so both neighbours exist.
        if (IsLatin(text[i - 1]) || IsLatin(text[end])) {
            spoken += text.mid(i, end - i);
        }
        i = end - 1;
    }
    return spoken;
}

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
    button->installEventFilter(new EnterPressesButton(button));
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
