#include "neuron/screens/ScreenChartBinding.h"

#include "chart/axis/TChartAxis.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "ui/AccessibleText.h"
#include "ui/HeldRepaints.h"

namespace rna::neuron {

ScreenChartBinding::ScreenChartBinding(rna::chart::TChart& chart, rna::chart::TLineSeries& curve,
                                       rna::chart::TLineSeries* marker)
    : chart_(chart), curve_(curve), marker_(marker)
{}

rna::chart::TLineSeries* ScreenChartBinding::SeriesOf(TransferSeries series) const
{
    return series == TransferSeries::Curve ? &curve_ : marker_;
}

void ScreenChartBinding::ClearPoints(TransferSeries series)
{
    if (auto* target = SeriesOf(series))
        target->ClearPoints();
}

void ScreenChartBinding::AddPoint(TransferSeries series, double x, double y)
{
    // No label, and the series' own colour.
    if (auto* target = SeriesOf(series))
        target->AddPoint(x, y);
}

void ScreenChartBinding::SetLeftAxisLimit(AxisLimit limit, double value)
{
    if (limit == AxisLimit::Maximum)
        chart_.LeftAxis()->SetMaximum(value);
    else
        chart_.LeftAxis()->SetMinimum(value);
}

double RefillTransferChart(ScreenChartBinding& chart, int selectedIndex, int halfRange, double netInput,
                           double& lastOutput)
{
    // The chart asks for a repaint at every point added; one request for the refilled chart shows the same.
    // Only Qt's repaint requests are held: the chart counts and handles its own redraw requests as before.
    const rna::ui::HeldRepaints held(chart.Chart());
    const double output = FillTransferChart(chart, chart.Marker(), selectedIndex, halfRange, netInput, lastOutput);
    chart.SetPlottedIndex(selectedIndex);
    rna::ui::accessibleFieldsChanged(chart.Chart());
    return output;
}

}  // namespace rna::neuron
