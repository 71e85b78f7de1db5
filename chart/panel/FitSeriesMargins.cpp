#include "chart/panel/FitSeriesMargins.h"

#include "chart/axis/TChartAxis.h"
#include "chart/axis/TCustomChartAxis.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/TChartSeries.h"

#include <algorithm>

namespace rna::chart {

void SeriesMargins(const TCustomAxisPanel& chart, const TCustomChartAxis& axis, int& start, int& end)
{
    start = 0;
    end = 0;
    for (const TChartSeries* s : chart.SeriesList()) {
        if (!s->Active() || !s->AssociatedToAxis(axis))
            continue;
        int a = 0;
        int b = 0;
        if (axis.IsHorizontal())
            s->CalcHorizMargins(a, b);
        else
            s->CalcVerticalMargins(a, b);
        start = std::max(start, a);
        end = std::max(end, b);
    }
    // A horizontal axis starts at its minimum, a vertical one (top) at its maximum.
    const bool startAutomatic = axis.IsHorizontal() ? axis.AutomaticMinimum() : axis.AutomaticMaximum();
    const bool endAutomatic = axis.IsHorizontal() ? axis.AutomaticMaximum() : axis.AutomaticMinimum();
    if (!startAutomatic)
        start = 0;
    if (!endAutomatic)
        end = 0;
}

void FitSeriesMargins(TCustomAxisPanel& chart)
{
    const std::initializer_list<TCustomChartAxis*> axes{chart.TopAxis(), chart.LeftAxis(), chart.RightAxis(),
                                                        chart.BottomAxis()};
    for (TCustomChartAxis* axis : axes) {
        int start = 0;
        int end = 0;
        SeriesMargins(chart, *axis, start, end);
        axis->ShrinkRangeByMargins(start, end);
    }
}

}  // namespace rna::chart
