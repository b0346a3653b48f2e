#pragma once

#include <QAccessible>
#include <QAccessibleTableCellInterface>
#include <QList>

// The header cells of a table cell. Qt hands them out without entering them
// in its accessibility cache, so nothing would ever free them; giving each an
// id enters it there, where every other interface lives and dies.
inline QList<QAccessibleInterface*> RowHeaderCells(QAccessibleTableCellInterface* cell) {
    const QList<QAccessibleInterface*> headers = cell->rowHeaderCells();
    for (QAccessibleInterface* header : headers) {
        QAccessible::uniqueId(header);
    }
    return headers;
}

inline QList<QAccessibleInterface*> ColumnHeaderCells(QAccessibleTableCellInterface* cell) {
    const QList<QAccessibleInterface*> headers = cell->columnHeaderCells();
    for (QAccessibleInterface* header : headers) {
        QAccessible::uniqueId(header);
    }
    return headers;
}
