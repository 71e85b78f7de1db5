// Drawing one axis: title, labels, axis line, ticks, grid and minor ticks, in that order.
#pragma once

#include "chart/axis/TCustomChartAxis.h"
#include "chart/core/ChartColor.h"
#include "chart/core/ChartGeometry.h"

#include <QString>

#include <array>

namespace rna::chart {

class TChartCanvas;

// What an axis is drawn with: the canvas, the final plotting area and the chart's colour
// (the background of label texts).
struct AxisPaintContext {
    TChartCanvas& Canvas;
    Rect PlotRect;
    TColor ChartColor = clWhite;
};

// The pixel positions at which an axis has drawn labels, highest value first. Room for 2000;
// positions beyond that are ignored.
class TickPositions {
public:
    static constexpr int Capacity = 2000;
    void Clear() { count_ = 0; }
    void Add(int position)
    {
        if (count_ < Capacity)
            positions_[count_++] = position;
    }
    int Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    int operator[](int i) const { return positions_[i]; }

private:
    std::array<int, Capacity> positions_{};
    int count_ = 0;
};

// Draws the axis completely where a layout placed it (range in use, pixel ends, label and title bands) and
// answers the positions of the ticks it drew.
TickPositions PaintAxis(TCustomChartAxis& axis, const AxisPaintContext& context,
                        const TCustomChartAxis::LayoutState& placed);

// Draws a label or title text anchored at (x, y) for the axis' side; lines separated by
// character 13. The canvas' text alignment is back to left/top afterwards.
void PlaceAxisText(const TCustomChartAxis& axis, TChartCanvas& canvas, int x, int y, int angle, const QString& text);

}  // namespace rna::chart
