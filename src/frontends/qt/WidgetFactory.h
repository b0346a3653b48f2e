#pragma once

#include "FromScreens.h"
#include "screens/Design.h"
#include "screens/Texts.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <string_view>
#include <utility>
#include <vector>

class StringGrid;

namespace turvane::screens {
class GridFill;
}

// Builds a window's controls from its design in the screens layer, and puts
// what the screens layer decides into them. Nothing of the design is written
// here: only how each kind of control becomes a Qt widget.

// The design's colours were chosen on the standard light palette: text on
// white cells and edits, captions on the button-face grey of windows and
// group boxes. A window built on this palette keeps them readable whatever
// colour scheme the desktop has.
void UseDesignPalette(QWidget* window);

// Gives a control the font colour of its design, caption and text together,
// on the backgrounds that colour was designed for.
void SetTextColor(QWidget* widget, const QColor& color);

// The controls of a built window, found by their design names.
class DesignedControls {
public:
    template <typename W> W* get(std::string_view name) const {
        return qobject_cast<W*>(find(name));
    }
    QWidget* find(std::string_view name) const;
    void add(std::string_view name, QWidget* widget) { controls_.emplace_back(name, widget); }

private:
    std::vector<std::pair<std::string_view, QWidget*>> controls_;
};

// Gives window the design's name, caption, font, palette and size (fixed
// when the design is not resizable), then creates every control in the
// design's order, each a child of its design parent, and sets the focus
// order. Group boxes, edits, labels, buttons and grids come out ready; the
// window adds pictures and handlers.
DesignedControls BuildWindow(QWidget* window, const turvane::screens::WindowDesign& design);

// Puts a grid's fill into a grid: its row count, every row's texts, then its
// selected and first visible rows where the fill moved them.
void ApplyGridFill(StringGrid& grid, const turvane::screens::GridFill& fill,
                   const std::vector<QString>& texts);
