// FillTransferChart: clears the chart, sets the left axis for the selected function, samples the curve at
// the integers of [-R, R] with the marker at the net input, and gives the output for the net input.
#include "neuron/model/NumericModel.h"

#include <cstddef>
#include <vector>

namespace rna::neuron {

namespace {

bool IsTransferKind(int index)
{
    return index >= 0 && index <= 2;
}

void SetLeftAxisRange(TransferChartBinding& chart, TransferKind kind, int halfRange)
{
    long double maximum = 1.05L;
    long double minimum = -1.05L;
    if (kind == TransferKind::Identity) {
        maximum = halfRange + 0.05L;
        minimum = -maximum;
    } else if (kind == TransferKind::LogisticSigmoid) {
        minimum = -0.05L;
    }
    // Maximum first: with these ranges the minimum never exceeds the maximum at any step.
    chart.SetLeftAxisLimit(AxisLimit::Maximum, static_cast<double>(maximum));
    chart.SetLeftAxisLimit(AxisLimit::Minimum, static_cast<double>(minimum));
}

void AddCurvePoints(TransferChartBinding& chart, MarkerSeries marker, TransferKind kind, int halfRange, double netInput)
{
    const std::vector<double>& curve = chart.Curve().Values(kind, halfRange);
    for (int i = -halfRange; i <= halfRange; ++i) {
        const double y = curve[static_cast<std::size_t>(i + halfRange)];
        chart.AddPoint(TransferSeries::Curve, i, y);
        if (marker == MarkerSeries::Present)
            chart.AddPoint(TransferSeries::Marker, netInput, y);
    }
}

}  // namespace

double FillTransferChart(TransferChartBinding& chart, MarkerSeries marker, int selectedIndex, int halfRange,
                         double netInput, double& lastOutput)
{
    chart.ClearPoints(TransferSeries::Curve);
    if (marker == MarkerSeries::Present)
        chart.ClearPoints(TransferSeries::Marker);
    if (!IsTransferKind(selectedIndex))
        return lastOutput;
    const auto kind = static_cast<TransferKind>(selectedIndex);
    SetLeftAxisRange(chart, kind, halfRange);
    AddCurvePoints(chart, marker, kind, halfRange, netInput);
    lastOutput = kind == TransferKind::Identity ? netInput : static_cast<double>(TransferValue(kind, netInput));
    return lastOutput;
}

}  // namespace rna::neuron
