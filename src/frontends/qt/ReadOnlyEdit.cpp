#include "ReadOnlyEdit.h"

#include <QFocusEvent>

ReadOnlyEdit::ReadOnlyEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
}

void ReadOnlyEdit::focusInEvent(QFocusEvent* event) {
    // A line edit selects all of its text when the keyboard brings the focus
    // to it; any other reason leaves the selection alone.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason) {
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&plain);
        return;
    }
    QLineEdit::focusInEvent(event);
}
