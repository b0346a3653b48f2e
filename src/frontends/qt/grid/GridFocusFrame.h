#pragma once

#include <QWidget>

// A frame in the palette's highlight colour over the edge of a grid, shown
// while the grid has the keyboard focus, so that a keyboard user sees which
// grid the arrow keys move in. It lies over the grid's own frame and the
// outermost pixel of what the grid shows, and takes no room of its own: the
// cells stay where they are. The mouse reaches the grid through it.
class GridFocusFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 2;

    explicit GridFocusFrame(QWidget* grid);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void cover();
};
