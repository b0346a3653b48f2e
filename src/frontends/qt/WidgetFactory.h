#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <span>

class QGroupBox;
class QLineEdit;
class QPushButton;

class StringGrid;

// Small helpers that lay out the windows' controls the way their design
// places them: absolute pixel rectangles inside the parent's client area.

// Creates a widget of type W with the layout name as objectName.
template <typename W> W* Place(QWidget* parent, const char* name, const QRect& rect) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect);
    return widget;
}

// The design's colours were chosen on the standard light palette: text on
// white cells and edits, captions on the button-face grey of windows and
// group boxes. A window built on this palette keeps them readable whatever
// colour scheme the desktop has.
void UseDesignPalette(QWidget* window);

// Gives a control the font colour of its design, caption and text together,
// on the backgrounds that colour was designed for.
void SetTextColor(QWidget* widget, const QColor& color);

QGroupBox* PlaceGroupBox(QWidget* parent, const char* name, const QRect& rect,
                         const QString& caption);
// A read-only edit (see ReadOnlyEdit) showing text. A screen reader reads
// the text as the edit's value, after the spoken name, which says which of
// the box's edits it is; a name repeating the text would have it read twice.
QLineEdit* PlaceReadOnlyEdit(QWidget* parent, const char* name, const QRect& rect,
                             const QString& spokenName, const QString& text = {});
// Space presses a focused button, and so do Enter and Return, as users of
// the program have always pressed them.
QPushButton* PlaceButton(QWidget* parent, const char* name, const QRect& rect,
                         const QString& caption);

// Tab and Shift+Tab visit the controls in this order and wrap around at the
// ends; the first has the focus when the window opens.
void SetFocusOrder(std::initializer_list<QWidget*> order);

// The string grids of both windows: rows 18 pixels high, the pale yellow
// fixed cells, the given columns, 130 empty rows until filled. A grid in a
// group box takes the box's caption as its accessible name.
struct GridDesign {
    int colCount;
    int fixedRows;
    int defaultColWidth;
    std::span<const int> colWidths; // from the first; the rest defaultColWidth
    QFont font;
};
StringGrid* PlaceGrid(QWidget* parent, const char* name, const QRect& rect,
                      const GridDesign& design);
