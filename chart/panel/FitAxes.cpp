#include "chart/panel/FitAxes.h"

#include "chart/axis/AxisLayout.h"
#include "chart/axis/TCustomChartAxis.h"
#include "chart/panel/TCustomAxisPanel.h"

namespace rna::chart {

void FitAxes(TCustomAxisPanel& chart)
{
    for (TCustomChartAxis* axis : chart.AxesList())
        axis->ResolveRange();
    chart.NormalizePlotRect();
    std::vector<AxisSlot> axisSlots;
    axisSlots.reserve(chart.AxesList().size());
    for (TCustomChartAxis* axis : chart.AxesList())
        axisSlots.push_back({axis, chart.AxisInUse(*axis), chart.AxisWallSize(*axis)});
    chart.SetPlotRect(LayoutAxes(axisSlots, chart.PlotRect(), chart.Canvas()));
    chart.NormalizePlotRect();
    for (TCustomChartAxis* axis : chart.AxesList())
        axis->PlaceAxisEnds(chart.PlotRect());
}

}  // namespace rna::chart
