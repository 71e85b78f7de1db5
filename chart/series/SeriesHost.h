// The chart a series is drawn by, as the series sees it; the chart implements it.
#pragma once

namespace rna::chart {

class TChartSeries;
class TCustomChartAxis;

class SeriesHost {
public:
    // Something about one of the chart's series changed: the chart repaints later.
    virtual void SeriesChanged() = 0;
    // Adds the series to the chart's list, or takes it out (the series keeps its link itself).
    virtual void AttachSeries(TChartSeries* series) = 0;
    virtual void DetachSeries(TChartSeries* series) = 0;
    // The axes a series can be drawn against.
    virtual TCustomChartAxis* BottomAxis() const = 0;
    virtual TCustomChartAxis* TopAxis() const = 0;
    virtual TCustomChartAxis* LeftAxis() const = 0;
    virtual TCustomChartAxis* RightAxis() const = 0;

protected:
    ~SeriesHost() = default;
};

}  // namespace rna::chart
