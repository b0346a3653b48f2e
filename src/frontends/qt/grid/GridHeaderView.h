#pragma once

#include <QColor>
#include <QHeaderView>

// A fixed row or fixed column of a string grid: sections drawn as fixed
// cells, never clicked, moved or resized by the user.
class GridHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit GridHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

    void setFixedColor(const QColor& color);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QColor fixedColor_;
};
