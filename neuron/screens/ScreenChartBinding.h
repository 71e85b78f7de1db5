// Binds the numeric model's chart refill to one chart of a screen: its curve series, marker series and left axis.
#pragma once

#include "neuron/model/NumericModel.h"

namespace rna::chart {
class TChart;
class TLineSeries;
}  // namespace rna::chart

namespace rna::neuron {

class ScreenChartBinding : public TransferChartBinding {
public:
    // marker may be null for charts without a net-input line.
    ScreenChartBinding(rna::chart::TChart& chart, rna::chart::TLineSeries& curve, rna::chart::TLineSeries* marker);

    MarkerSeries Marker() const { return marker_ ? MarkerSeries::Present : MarkerSeries::Absent; }
    rna::chart::TChart& Chart() const { return chart_; }
    // The list index the chart was last refilled for: the function it draws; -1 before the first refill and while
    // it draws none (no item selected).
    int PlottedIndex() const { return plottedIndex_; }
    void SetPlottedIndex(int index) { plottedIndex_ = index; }

    void ClearPoints(TransferSeries series) override;
    void AddPoint(TransferSeries series, double x, double y) override;
    void SetLeftAxisLimit(AxisLimit limit, double value) override;

private:
    rna::chart::TLineSeries* SeriesOf(TransferSeries series) const;

    rna::chart::TChart& chart_;
    rna::chart::TLineSeries& curve_;
    rna::chart::TLineSeries* marker_;
    int plottedIndex_ = -1;
};

// FillTransferChart on the bound chart, with its marker series when it has one; the chart's description is then
// owed to assistive technology.
double RefillTransferChart(ScreenChartBinding& chart, int selectedIndex, int halfRange, double netInput,
                           double& lastOutput);
// DrawTransferChart on the bound chart, likewise.
void RedrawTransferChart(ScreenChartBinding& chart, int selectedIndex, int halfRange, double netInput);

}  // namespace rna::neuron
