// What a mouse press on a chart hits: a series point, an axis, a title, the plotting area, the legend.
#pragma once

#include "chart/axis/TCustomChartAxis.h"
#include "chart/core/ChartGeometry.h"

namespace rna::chart {

class TChartSeries;
class TCustomChart;

struct ChartHit {
    enum class Part { Nothing, Series, Axis, Title, Foot, PlotArea, Legend };
    Part What = Part::Nothing;
    TChartSeries* Series = nullptr;
    int ValueIndex = -1;
    TCustomChartAxis* Axis = nullptr;
};

// Pixels beyond the axis line, into the plotting area, that still count as a click on the axis.
inline constexpr int AxisClickGap = 3;

// The band that takes an axis' clicks where a layout placed it: along the axis from its first to its last
// pixel, across from its labels to its line and AxisClickGap beyond it; right and bottom edges outside.
Rect AxisClickBand(const TCustomChartAxis& axis, const TCustomChartAxis::LayoutState& placed, const Rect& plotRect);

// Tested in this order: the active series from the last to the first (their point hit test), the axes in
// use in list order, the title, the foot, the plotting area when a series is active, the legend. Axes and
// plotting area are where the last drawing's layout put them.
ChartHit HitTest(TCustomChart& chart, int x, int y);

}  // namespace rna::chart
