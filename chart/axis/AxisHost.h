// What an axis asks of the chart it belongs to; the chart implements it, an axis on its own has none.
#pragma once

#include <QString>

#include <functional>

namespace rna::chart {

class TCustomChartAxis;
enum class TAxisLabelStyle;

class AxisHost {
public:
    // Something about the axis changed: the chart repaints later.
    virtual void ChangeNotify() = 0;
    // True while the chart reads its layout description: the range checks are off.
    virtual bool IsLoading() const = 0;

    // The lowest or highest value along the axis of the series drawn against it (0 when none applies).
    virtual double SeriesExtreme(const TCustomChartAxis& axis, bool upper) const = 0;
    // What talAuto stands for on this axis, from the series drawn against it.
    virtual TAxisLabelStyle AutomaticLabelStyle(const TCustomChartAxis& axis) const = 0;
    // True when the first active series drawn against the axis has date-time values along it.
    virtual bool SeriesDateTime(const TCustomChartAxis& axis) const = 0;
    // The points of the first active series drawn against the axis: value along the axis and label.
    virtual void ForEachSeriesPoint(const TCustomChartAxis& axis,
                                    const std::function<void(double, const QString&)>& point) const = 0;

    // The chart's OnGetAxisLabel, which may change the text of a label.
    virtual void GetAxisLabel(TCustomChartAxis& axis, QString& text) const = 0;
    // The chart's OnGetNextAxisLabel; HasNextAxisLabel is false when the chart has none.
    virtual bool HasNextAxisLabel() const = 0;
    virtual void GetNextAxisLabel(TCustomChartAxis& axis, int index, double& value, bool& stop) const = 0;

protected:
    ~AxisHost() = default;
};

}  // namespace rna::chart
