#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

// Calls back once every watched widget has painted at least once.
class FirstPaint : public QObject {
    Q_OBJECT
public:
    FirstPaint(std::vector<QWidget*> widgets, std::function<void()> done);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QWidget*> waiting_;
    std::function<void()> done_;
};

// The grids' viewports of a main window: what "painted" means for a start.
std::vector<QWidget*> GridViewports(QWidget* mainWindow);
