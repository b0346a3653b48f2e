#pragma once

#include <QStyledItemDelegate>

// Draws the body cells of a string grid the way its fixed cells are drawn:
// text 2 pixels in from the top-left corner, one line, clipped.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
