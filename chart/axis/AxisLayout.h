// How axes take their bands (title, labels, ticks) out of the plotting area.
#pragma once

#include "chart/core/ChartGeometry.h"

#include <vector>

namespace rna::chart {

class TChartCanvas;
class TCustomChartAxis;

// Axis line width (when visible) + outer tick length (when visible), at least the minor tick
// length when minor ticks are visible. 6 with the defaults.
int TickBandSize(const TCustomChartAxis& axis);
// LabelsSize, or the labels' font height / widest label, measured with the labels font.
int LabelBandSize(const TCustomChartAxis& axis, TChartCanvas& canvas);
// TitleSize, or the title's font height / caption width, measured with the title font.
int TitleBandSize(const TCustomChartAxis& axis, TChartCanvas& canvas);

// q moved by PositionPercent of `extent` (the plotting area's other dimension).
int AxisPositionOffset(const TCustomChartAxis& axis, int q, int extent);
// The side of r the axis lies on (r.Bottom for the bottom axis, r.Left for the left one, ...).
int AxisEdge(const TCustomChartAxis& axis, const Rect& r);
// Where the axis line lies for that plotting rectangle: its edge, moved by PositionPercent.
int AxisLinePosition(const TCustomChartAxis& axis, const Rect& plotRect);

// Takes the axis' title, label and tick bands from r and fixes TitlePos and LabelsPos.
void ReserveAxisSpace(TCustomChartAxis& axis, Rect& r, TChartCanvas& canvas, int wallSize = 0);
// An axis that takes no space: its line on the edge of r, labels and title outward of it.
void PlaceAxisOutside(TCustomChartAxis& axis, const Rect& r, TChartCanvas& canvas);

struct AxisSlot {
    TCustomChartAxis* Axis = nullptr;
    bool InUse = true;
    int WallSize = 0;
};

// Lays the axes out in list order (the first five take space) and answers the plotting area
// that is left; an axis whose bands would use up the area takes nothing.
Rect LayoutAxes(const std::vector<AxisSlot>& axes, Rect plotRect, TChartCanvas& canvas);

}  // namespace rna::chart
