#include "chart/panel/ChartLayout.h"

#include "chart/panel/TCustomAxisPanel.h"

namespace rna::chart {

const ChartLayout::Axis* ChartLayout::Of(const TCustomAxisPanel& chart, const TCustomChartAxis& axis) const
{
    const std::vector<TCustomChartAxis*>& list = chart.AxesList();
    for (std::size_t i = 0; i < list.size() && i < Axes.size(); ++i)
        if (list[i] == &axis)
            return &Axes[i];
    return nullptr;
}

const AxisScale& ChartLayout::ScaleOf(const TCustomAxisPanel& chart, const TCustomChartAxis& axis) const
{
    const Axis* entry = Of(chart, axis);
    return entry != nullptr ? entry->Placed.Scale : axis.Scale();
}

void CaptureLayout(const TCustomAxisPanel& chart, const Rect& plotRectAfterTitles, ChartLayout& layout)
{
    layout.PlotRectAfterTitles = plotRectAfterTitles;
    layout.PlotRect = chart.PlotRect();
    layout.Axes.clear();
    for (const TCustomChartAxis* axis : chart.AxesList())
        layout.Axes.push_back({chart.AxisInUse(*axis), axis->EffectiveLabelStyle(), axis->Layout()});
}

}  // namespace rna::chart
