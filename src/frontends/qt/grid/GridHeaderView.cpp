#include "GridHeaderView.h"

#include "GridPainting.h"
#include "GridRoles.h"

#include <QPainter>

GridHeaderView::GridHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionsMovable(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(1);
}

void GridHeaderView::setFixedColor(const QColor& color) {
    fixedColor_ = color;
    viewport()->update();
}

void GridHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation(), StoredTextRole).toString()
                : QString();
    painter->setFont(font());
    DrawFixedCell(*painter, rect, fixedColor_, palette(), text);
}
