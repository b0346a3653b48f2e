#include "GridPainting.h"

#include <QPainter>
#include <QPalette>

void DrawCellText(QPainter& painter, const QRect& cell, const QString& text) {
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.drawText(cell.adjusted(2, 2, 0, 0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
    painter.restore();
}

void DrawFixedCell(QPainter& painter, const QRect& rect, const QColor& fill,
                   const QPalette& palette, const QString& text) {
    const QRect cell = rect.adjusted(0, 0, -1, -1); // without the grid line
    painter.save();
    painter.fillRect(cell, fill);
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(cell.topLeft(), cell.topRight());
    painter.drawLine(cell.topLeft(), cell.bottomLeft());
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawLine(cell.topRight(), cell.bottomRight());
    painter.drawLine(cell.bottomLeft(), cell.bottomRight());
    painter.setPen(palette.color(QPalette::Text));
    DrawCellText(painter, cell, text);
    painter.restore();
}
