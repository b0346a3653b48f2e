#include "GridFocusFrame.h"

#include <QEvent>
#include <QPainter>
#include <QRegion>

GridFocusFrame::GridFocusFrame(QWidget* grid) : QWidget(grid) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    grid->installEventFilter(this);
    cover();
}

bool GridFocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) {
        cover();
    }
    return QWidget::eventFilter(watched, event);
}

void GridFocusFrame::cover() {
    const QRect whole = parentWidget()->rect();
    setGeometry(whole);
    // Only the ring is part of the frame, so the cells inside repaint and
    // scroll as if it were not there.
    const QRect ring(QPoint(), whole.size());
    setMask(QRegion(ring).subtracted(ring.adjusted(Width, Width, -Width, -Width)));
}

void GridFocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor color = palette().color(QPalette::Active, QPalette::Highlight);
    const QRect ring = rect();
    painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), Width), color);
    painter.fillRect(QRect(ring.left(), ring.bottom() - Width + 1, ring.width(), Width), color);
    painter.fillRect(QRect(ring.left(), ring.top(), Width, ring.height()), color);
    painter.fillRect(QRect(ring.right() - Width + 1, ring.top(), Width, ring.height()), color);
}
