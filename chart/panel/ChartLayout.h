// What the layout of one drawing worked out, as one value: the rendering, the axis painting, the mouse and the
// background layer read it; none of them writes it.
#pragma once

#include <vector>

#include "chart/axis/TCustomChartAxis.h"
#include "chart/core/ChartGeometry.h"
#include "chart/scale/AxisScale.h"

namespace rna::chart {

class TCustomAxisPanel;

struct ChartLayout {
    // One axis of the chart's axis list: whether it is drawn and takes space, how its labels are made, and
    // where its layout placed it (range in use and pixel ends, label and title bands).
    struct Axis {
        bool InUse = false;
        TAxisLabelStyle LabelStyle = TAxisLabelStyle::talAuto;
        TCustomChartAxis::LayoutState Placed;
        friend bool operator==(const Axis&, const Axis&) = default;
    };

    Rect PlotRectAfterTitles;  // where the titles left the plotting rectangle
    Rect PlotRect;  // the plotting rectangle the axes left
    std::vector<Axis> Axes;  // in the order of the chart's axis list

    // The entry of the axis, found in the chart's axis list; null for an axis not in it or before any layout.
    const Axis* Of(const TCustomAxisPanel& chart, const TCustomChartAxis& axis) const;
    // The range in use and the pixel ends of the axis in this layout: the axis' own before any layout.
    const AxisScale& ScaleOf(const TCustomAxisPanel& chart, const TCustomChartAxis& axis) const;

    friend bool operator==(const ChartLayout&, const ChartLayout&) = default;
};

// The chart's layout as its axes hold it right after the layout steps, into `layout` (its storage reused).
void CaptureLayout(const TCustomAxisPanel& chart, const Rect& plotRectAfterTitles, ChartLayout& layout);

}  // namespace rna::chart
