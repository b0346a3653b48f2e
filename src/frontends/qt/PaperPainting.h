#pragma once

// What the printed document and the poster share on the Qt side: sizes in
// points turned into a device's units, and texts measured in points.

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QRectF>

#include <map>
#include <string_view>
#include <utility>

// Points to the device's units, and back.
class PaperScale {
public:
    explicit PaperScale(const QPaintDevice& device) : perPoint_(device.logicalDpiX() / 72.0) {}
    qreal operator()(double points) const { return points * perPoint_; }
    QRectF rect(double x, double y, double width, double height) const {
        return {x * perPoint_, y * perPoint_, width * perPoint_, height * perPoint_};
    }
    double points(qreal units) const { return units / perPoint_; }

private:
    qreal perPoint_;
};

// Widths in points of texts in one family, at any size, regular or bold,
// measured on the device that paints them.
class TextMeasure {
public:
    TextMeasure(QFont family, const QPaintDevice& device)
        : family_(std::move(family)), device_(device), scale_(device) {}

    QFont font(double points, bool bold) const {
        QFont font = family_;
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }
    double width(std::u16string_view text, double points, bool bold) const;

private:
    QFont family_;
    const QPaintDevice& device_;
    PaperScale scale_;
    mutable std::map<std::pair<double, bool>, QFontMetricsF> metrics_;
};
