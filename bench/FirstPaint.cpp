#include "FirstPaint.h"

#include "grid/StringGrid.h"

#include <QEvent>

#include <algorithm>

FirstPaint::FirstPaint(std::vector<QWidget*> widgets, std::function<void()> done)
    : waiting_(std::move(widgets)), done_(std::move(done)) {
    for (QWidget* widget : waiting_) {
        widget->installEventFilter(this);
    }
}

bool FirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        const auto it = std::find(waiting_.begin(), waiting_.end(), watched);
        if (it != waiting_.end()) {
            (*it)->removeEventFilter(this);
            waiting_.erase(it);
            if (waiting_.empty() && done_) {
                // After this paint has finished, not inside it.
                QMetaObject::invokeMethod(this, done_, Qt::QueuedConnection);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

std::vector<QWidget*> GridViewports(QWidget* mainWindow) {
    std::vector<QWidget*> viewports;
    for (const char* name : {"StringGrid1", "StringGrid2"}) {
        viewports.push_back(mainWindow->findChild<StringGrid*>(name)->viewport());
    }
    return viewports;
}
