// Binds the numeric model's chart refill to one chart: its curve series, marker series and left axis.
#pragma once

#include "neuron/model/TransferChartBinding.h"

namespace rna::chart {
class TChart;
class TLineSeries;
}  // namespace rna::chart

class ScreenChartBinding : public rna::neuron::TransferChartBinding {
public:
    // marker may be null for charts without a net-input line.
    ScreenChartBinding(rna::chart::TChart& chart, rna::chart::TLineSeries& curve, rna::chart::TLineSeries* marker);

    void ClearPoints(rna::neuron::TransferSeries series) override;
    void AddPoint(rna::neuron::TransferSeries series, double x, double y) override;
    void SetLeftAxisLimit(rna::neuron::AxisLimit limit, double value) override;

private:
    rna::chart::TLineSeries* SeriesOf(rna::neuron::TransferSeries series) const;

    rna::chart::TChart& chart_;
    rna::chart::TLineSeries& curve_;
    rna::chart::TLineSeries* marker_;
};
