#include "chart/FitAxes.h"

#include "chart/AxisLayout.h"
#include "chart/TCustomAxisPanel.h"
#include "chart/TCustomChartAxis.h"

namespace rna::chart {

void FitAxes(TCustomAxisPanel& chart)
{
    for (TCustomChartAxis* axis : chart.AxesList())
        axis->ResolveRange();
    chart.NormalizePlotRect();
    std::vector<TAxisSlot> axisSlots;
    axisSlots.reserve(chart.AxesList().size());
    for (TCustomChartAxis* axis : chart.AxesList())
        axisSlots.push_back({axis, chart.AxisInUse(*axis), chart.AxisWallSize(*axis)});
    chart.SetPlotRect(LayoutAxes(axisSlots, chart.PlotRect(), chart.Canvas()));
    chart.NormalizePlotRect();
    for (TCustomChartAxis* axis : chart.AxesList())
        axis->PlaceAxisEnds();
}

}  // namespace rna::chart
