#pragma once
// The three chart operations the transfer-function chart refill needs, bound by each screen to its chart.
#include "neuron/model/TransferCurve.h"

namespace rna::neuron {

enum class TransferSeries { Curve, Marker };
enum class AxisLimit { Maximum, Minimum };

class TransferChartBinding {
public:
    virtual ~TransferChartBinding() = default;

    // Removes every point of the series.
    virtual void ClearPoints(TransferSeries series) = 0;
    // Appends the point (x, y), with no label and drawn in the series' own colour.
    virtual void AddPoint(TransferSeries series, double x, double y) = 0;
    // Sets the left axis' maximum or minimum; the refill always sets the maximum first.
    virtual void SetLeftAxisLimit(AxisLimit limit, double value) = 0;

    // The curve the chart was last filled with, kept for its next refill.
    TransferCurve& Curve() { return curve_; }

private:
    TransferCurve curve_;
};

}  // namespace rna::neuron
