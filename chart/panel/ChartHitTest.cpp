#include "chart/panel/ChartHitTest.h"

#include <algorithm>

#include "chart/axis/AxisLayout.h"
#include "chart/panel/TCustomChart.h"
#include "chart/series/TChartSeries.h"

namespace rna::chart {

Rect AxisClickBand(const TCustomChartAxis& axis, const Rect& plotRect)
{
    const int line = AxisLinePosition(axis, plotRect);
    const int labels = axis.LabelsPos;
    const int from = labels < line ? labels : line - AxisClickGap;
    const int to = labels < line ? line + AxisClickGap : labels;
    const int first = std::min(axis.StartPixel(), axis.EndPixel());
    const int last = std::max(axis.StartPixel(), axis.EndPixel());
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
    for (TCustomChartAxis* axis : chart.AxesList())
        if (chart.AxisInUse(*axis) && AxisClickBand(*axis, chart.PlotRect()).Contains(x, y))
            return {Part::Axis, nullptr, -1, axis};
    if (chart.Title().Clicked(x, y))
        return {Part::Title};
    if (chart.Foot().Clicked(x, y))
        return {Part::Foot};
    if (anyActive && chart.PlotRect().Contains(x, y))
        return {Part::PlotArea};
    // The legend is laid out and drawn by no chart of this engine, so it has no box to hit.
    return {};
}

}  // namespace rna::chart
