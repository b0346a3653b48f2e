#pragma once

class QPainter;
class QPalette;
class QColor;
class QRect;
class QString;

// How every cell of a string grid is drawn, fixed or not: the text on one
// line, 2 pixels in from the cell's left and top edges, clipped to the cell.
void DrawCellText(QPainter& painter, const QRect& cell, const QString& text);

// A fixed cell: the fixed-cell colour with a raised edge and the grid line
// along its right and bottom sides; rect includes the grid line.
void DrawFixedCell(QPainter& painter, const QRect& rect, const QColor& fill,
                   const QPalette& palette, const QString& text);
