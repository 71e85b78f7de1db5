#include "chart/panel/ChartHitTest.h"

#include <algorithm>

#include "chart/axis/AxisLayout.h"
#include "chart/panel/TCustomChart.h"
#include "chart/series/TChartSeries.h"

namespace rna::chart {

Rect AxisClickBand(const TCustomChartAxis& axis, const TCustomChartAxis::LayoutState& placed, const Rect& plotRect)
{
    const int line = AxisLinePosition(axis, plotRect);
    const int labels = placed.LabelsPos;
    const int from = labels < line ? labels : line - AxisClickGap;
    const int to = labels < line ? line + AxisClickGap : labels;
    const int first = std::min(placed.Scale.StartPixel, placed.Scale.EndPixel);
    const int last = std::max(placed.Scale.StartPixel, placed.Scale.EndPixel);
    return axis.IsHorizontal() ? Rect{first, from, last, to} : Rect{from, first, to, last};
}

ChartHit HitTest(TCustomChart& chart, int x, int y)
{
    using Part = ChartHit::Part;
    const std::vector<TChartSeries*>& series = chart.SeriesList();
    bool anyActive = false;
    for (auto s = series.rbegin(); s != series.rend(); ++s) {
        if (!(*s)->Active())
            continue;
        anyActive = true;
        if (const int index = (*s)->Clicked(x, y); index >= 0)
            return {Part::Series, *s, index, nullptr};
    }
    const ChartLayout& layout = chart.Layout();
    const std::vector<TCustomChartAxis*>& axes = chart.AxesList();
    for (std::size_t i = 0; i < axes.size() && i < layout.Axes.size(); ++i)
        if (layout.Axes[i].InUse && AxisClickBand(*axes[i], layout.Axes[i].Placed, layout.PlotRect).Contains(x, y))
            return {Part::Axis, nullptr, -1, axes[i]};
    if (chart.Title().Clicked(x, y))
        return {Part::Title};
    if (chart.Foot().Clicked(x, y))
        return {Part::Foot};
    if (anyActive && layout.PlotRect.Contains(x, y))
        return {Part::PlotArea};
    // The legend is laid out and drawn by no chart of this engine, so it has no box to hit.
    return {};
}

}  // namespace rna::chart
