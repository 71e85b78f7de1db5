// FillTransferChart and DrawTransferChart: clear the chart, set the left axis for the selected function, samples the
// curve at the integers of [-R, R] with the marker at the net input; the first also gives the output for the net input.
#include "neuron/model/NumericModel.h"

#include <cstddef>
#include <vector>

namespace rna::neuron {

namespace {

void SetLeftAxisRange(TransferChartBinding& chart, const TransferAxisRange& axis, int halfRange)
{
    long double maximum = axis.maximum;
    long double minimum = axis.minimum;
    if (axis.spansHalfRange) {
        maximum += halfRange;
        minimum -= halfRange;
    }
    // Maximum first: with these ranges the minimum never exceeds the maximum at any step.
    chart.SetLeftAxisLimit(AxisLimit::Maximum, static_cast<double>(maximum));
    chart.SetLeftAxisLimit(AxisLimit::Minimum, static_cast<double>(minimum));
}

void AddCurvePoints(TransferChartBinding& chart, MarkerSeries marker, const TransferFunction& function, int halfRange,
                    double netInput)
{
    const std::vector<double>& curve = chart.Curve().Values(function.kind, halfRange);
    for (int i = -halfRange; i <= halfRange; ++i) {
        const double y = curve[static_cast<std::size_t>(i + halfRange)];
        chart.AddPoint(TransferSeries::Curve, i, y);
        if (marker == MarkerSeries::Present)
            chart.AddPoint(TransferSeries::Marker, netInput, y);
    }
}

}  // namespace

void DrawTransferChart(TransferChartBinding& chart, MarkerSeries marker, int selectedIndex, int halfRange,
                       double netInput)
{
    chart.ClearPoints(TransferSeries::Curve);
    if (marker == MarkerSeries::Present)
        chart.ClearPoints(TransferSeries::Marker);
    if (!IsTransferKind(selectedIndex))
        return;
    const TransferFunction& function = TransferFunctions[static_cast<std::size_t>(selectedIndex)];
    SetLeftAxisRange(chart, function.axis, halfRange);
    AddCurvePoints(chart, marker, function, halfRange, netInput);
}

double FillTransferChart(TransferChartBinding& chart, MarkerSeries marker, int selectedIndex, int halfRange,
                         double netInput, double& lastOutput)
{
    DrawTransferChart(chart, marker, selectedIndex, halfRange, netInput);
    if (const std::optional<TransferKind> kind = TransferKindAt(selectedIndex))
        lastOutput = TransferOutput(*kind, netInput);
    return lastOutput;
}

}  // namespace rna::neuron
