#include "neuron/screens/ScreenChartBinding.h"

#include "chart/axis/TChartAxis.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "ui/AccessibleText.h"

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
    // The refill sets the maximum, then the minimum: an order every range the refills leave accepts. The user
    // may have scrolled the axis since (the wheel, a right drag) until its minimum lies above the new maximum,
    // which the axis would refuse ("Axis Maximum Value must be >= Minimum"): the minimum comes down to it
    // first, and the minimum set next puts it in its place.
    auto& axis = *chart_.LeftAxis();
    if (limit == AxisLimit::Maximum) {
        if (value < axis.Minimum())
            axis.SetMinimum(value);
        axis.SetMaximum(value);
    } else
        axis.SetMinimum(value);
}

namespace {

void Refilled(ScreenChartBinding& chart, int selectedIndex)
{
    chart.SetPlottedIndex(selectedIndex);
    rna::ui::accessibleFieldsChanged(chart.Chart());
}

}  // namespace

double RefillTransferChart(ScreenChartBinding& chart, int selectedIndex, int halfRange, double netInput,
                           double& lastOutput)
{
    const double output = FillTransferChart(chart, chart.Marker(), selectedIndex, halfRange, netInput, lastOutput);
    Refilled(chart, selectedIndex);
    return output;
}

void RedrawTransferChart(ScreenChartBinding& chart, int selectedIndex, int halfRange, double netInput)
{
    DrawTransferChart(chart, chart.Marker(), selectedIndex, halfRange, netInput);
    Refilled(chart, selectedIndex);
}

}  // namespace rna::neuron
