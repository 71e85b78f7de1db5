// The parts of an axis that ask its chart: repaint requests, the loading flag, the chart's
// label events, and the series drawn against the axis (automatic ends, label style, date-time).
#include "chart/axis/TCustomChartAxis.h"

#include "chart/canvas/TChartCanvas.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/TChartSeries.h"
#include "chart/series/TChartValueList.h"

#include <algorithm>

namespace rna::chart {

namespace {

constexpr double NextLabelTolerance = 1e-7;
constexpr int NextLabelLastIndex = 2000;

}  // namespace

void TCustomChartAxis::ScheduleRedraw() const
{
    if (chart_ != nullptr)
        chart_->ScheduleRedraw();
}

void TCustomChartAxis::NotifyChange() const
{
    if (chart_ != nullptr)
        chart_->ChangeNotify();
}

bool TCustomChartAxis::ChartLoading() const
{
    return chart_ != nullptr && chart_->IsLoading();
}

void TCustomChartAxis::PlaceAxisEnds()
{
    if (chart_ == nullptr)
        return;
    const TRect& r = chart_->PlotRect();
    if (IsHorizontal())
        PlaceAxisEnds(r.Left, r.Width());
    else
        PlaceAxisEnds(r.Top, r.Height());
}

double TCustomChartAxis::AutomaticValue(bool upper) const
{
    if (chart_ == nullptr)
        return 0;
    bool anyActive = false;
    for (const TChartSeries* s : chart_->SeriesList())
        anyActive = anyActive || (s->Active() && s->AssociatedToAxis(*this));
    bool found = false;
    double result = 0;
    for (const TChartSeries* s : chart_->SeriesList()) {
        if (s->PointCount() == 0 || (anyActive && !s->Active()) || !s->AssociatedToAxis(*this))
            continue;
        const double v = IsDepth()        ? (upper ? s->HighestZ() : s->LowestZ())
                         : IsHorizontal() ? (upper ? s->HighestX() : s->LowestX())
                                          : (upper ? s->HighestY() : s->LowestY());
        result = !found ? v : (upper ? std::max(result, v) : std::min(result, v));
        found = true;
    }
    return result;
}

TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() const
{
    if (labelStyle_ != TAxisLabelStyle::talAuto)
        return labelStyle_;
    if (chart_ == nullptr)
        return IsDepth() ? TAxisLabelStyle::talText : TAxisLabelStyle::talNone;
    if (IsDepth()) {
        for (const TChartSeries* s : chart_->SeriesList())
            if (s->Active() && s->LowestZ() != s->HighestZ())
                return TAxisLabelStyle::talValue;
        return TAxisLabelStyle::talText;
    }
    TAxisLabelStyle result = TAxisLabelStyle::talNone;
    for (const TChartSeries* s : chart_->SeriesList()) {
        if (!s->Active() || !s->AssociatedToAxis(*this))
            continue;
        result = TAxisLabelStyle::talValue;
        // Text labels along the axis of the series' x values (the other values for a series
        // whose main values are x).
        if (IsHorizontal() == s->IsVertical() && s->PointCount() > 0 && !s->PointLabel(0).isEmpty())
            return TAxisLabelStyle::talText;
    }
    return result;
}

void TCustomChartAxis::RefreshDateTime()
{
    isDateTime_ = false;
    if (chart_ == nullptr)
        return;
    for (const TChartSeries* s : chart_->SeriesList()) {
        if (s->Active() && s->AssociatedToAxis(*this)) {
            isDateTime_ = IsHorizontal() ? s->XValues().DateTime() : s->YValues().DateTime();
            return;
        }
    }
}

void TCustomChartAxis::CallGetAxisLabel(QString& text) const
{
    if (chart_ != nullptr && chart_->OnGetAxisLabel())
        chart_->OnGetAxisLabel()(const_cast<TCustomChartAxis&>(*this), nullptr, -1, text);
}

bool TCustomChartAxis::ForEachNextAxisLabel(const std::function<void(double)>& label)
{
    if (chart_ == nullptr || !chart_->OnGetNextAxisLabel())
        return false;
    double value = scale_.RangeLow;
    bool stop = true;
    for (int index = 0; index <= NextLabelLastIndex; ++index) {
        chart_->OnGetNextAxisLabel()(*this, index, value, stop);
        if (stop)
            return index > 0;
        const bool inRange =
            value >= scale_.RangeLow - NextLabelTolerance && value <= scale_.RangeHigh + NextLabelTolerance;
        if (!inRange)
            break;
        label(value);
    }
    return true;
}

void TCustomChartAxis::ForEachPointLabel(const std::function<void(double, const QString&)>& label) const
{
    if (chart_ == nullptr)
        return;
    const bool marks = EffectiveLabelStyle() == TAxisLabelStyle::talMark;
    for (const TChartSeries* s : chart_->SeriesList()) {
        if (!s->Active() || !s->AssociatedToAxis(*this))
            continue;
        const TChartValueList& along = IsHorizontal() ? s->XValues() : s->YValues();
        for (int i = 0; i < s->PointCount(); ++i) {
            const QString text = marks ? FormatAxisLabel(along.ValueAt(i)) : s->PointLabel(i);
            if (!text.isEmpty())
                label(along.ValueAt(i), text);
        }
        return;  // the first series drawn against the axis gives the labels
    }
}

int TCustomChartAxis::WidestPointLabel(const TChartCanvas& canvas) const
{
    int widest = 0;
    ForEachPointLabel([&](double, const QString& text) { widest = std::max(widest, canvas.TextWidthOf(text)); });
    return widest;
}

}  // namespace rna::chart
