// Where the chart's own pixels lie among the pixels of an image drawn at a device pixel ratio.
#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>

#include "chart/core/ChartGeometry.h"

namespace rna::chart {

// The chart lays out in its own (logical) pixels; its image may have `ratio` device pixels to each of them,
// 1.25, 1.5, 2 or 3 for instance. Every logical pixel edge x lies at the device edge Edge(x) = round(ratio * x),
// so logical pixel x is the cell of device pixels Edge(x) .. Edge(x + 1) - 1: cells tile the image without gaps,
// though at a fractional ratio their sizes alternate. Lines keep one width everywhere instead: a line w logical
// pixels wide is LineWidth(w) = round(ratio * w) device pixels wide, so that it stays crisp. At ratio 1 every
// mapping is the identity.
class DeviceGrid {
public:
    DeviceGrid() = default;
    explicit DeviceGrid(double ratio) : ratio_(ratio > 0 ? ratio : 1.0) {}

    double Ratio() const { return ratio_; }
    bool Identity() const { return ratio_ == 1.0; }

    int Edge(int x) const { return Identity() ? x : int(std::floor(ratio_ * x + 0.5)); }
    QPoint Edge(QPoint p) const { return {Edge(p.x()), Edge(p.y())}; }
    // The device pixels of the logical rectangle (right and bottom edges excluded), as a QRect.
    QRect Cells(const Rect& r) const
    {
        const int left = Edge(r.Left);
        const int top = Edge(r.Top);
        return {left, top, Edge(r.Right) - left, Edge(r.Bottom) - top};
    }
    QRect Cells(int x, int y, int width, int height) const { return Cells(Rect{x, y, x + width, y + height}); }
    int LineWidth(int width) const
    {
        const int w = Identity() ? width : int(std::floor(ratio_ * width + 0.5));
        return w < 1 ? 1 : w;
    }
    // The logical rectangle whose cells cover the device rectangle: what to repaint for a change of device pixels.
    Rect Covering(const QRect& device) const
    {
        if (Identity())
            return {device.left(), device.top(), device.right() + 1, device.bottom() + 1};
        return {Logical(device.left()), Logical(device.top()), Logical(device.right()) + 1,
                Logical(device.bottom()) + 1};
    }
    // The logical pixel whose cell holds device pixel d.
    int Logical(int d) const
    {
        int x = int(std::floor((d + 0.5) / ratio_));
        while (Edge(x) > d)
            --x;
        while (Edge(x + 1) <= d)
            ++x;
        return x;
    }

private:
    double ratio_ = 1.0;
};

}  // namespace rna::chart
