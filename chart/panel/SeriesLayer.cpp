#include "chart/panel/SeriesLayer.h"

#include "chart/axis/TCustomChartAxis.h"
#include "chart/series/TChartSeries.h"

#include <algorithm>
#include <cstring>

namespace rna::chart {

namespace {

// Values compared bit for bit: a NaN matches itself, and 0 and -0 (which could map apart) do not match.
// Empty lists may hold no storage at all, and memcmp must not be given a null pointer even for no bytes.
bool SameBits(const std::vector<double>& a, const std::vector<double>& b)
{
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

}  // namespace

bool SeriesLayer::Record::SameAs(const Record& other) const
{
    return Series == other.Series && Horiz == other.Horiz && Vert == other.Vert && HorizScale == other.HorizScale &&
           VertScale == other.VertScale && PlotRect == other.PlotRect && Active == other.Active && Clip == other.Clip &&
           Changes == other.Changes && First == other.First && Last == other.Last && SameBits(X, other.X) &&
           SameBits(Y, other.Y) && Colors == other.Colors && Labels == other.Labels;
}

void SeriesLayer::RecordSeries(TChartSeries& series, const Rect& plotRect, bool clip, Record& record)
{
    record.Series = &series;
    record.Horiz = series.GetHorizAxis();
    record.Vert = series.GetVertAxis();
    record.PlotRect = plotRect;
    record.Active = series.Active();
    record.Clip = clip;
    record.Changes = series.DrawingChanges();
    record.First = record.Last = -1;
    if (record.Active && record.Horiz != nullptr && record.Vert != nullptr) {
        record.HorizScale = record.Horiz->Scale();
        record.VertScale = record.Vert->Scale();
        series.CalcFirstLastVisibleIndex(record.HorizScale, plotRect);
        record.First = series.FirstValueIndex();
        record.Last = series.LastValueIndex();
    }
    const auto count = static_cast<std::size_t>(series.PointCount());
    record.X.resize(count);
    record.Y.resize(count);
    record.Colors.resize(count);
    record.Labels.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const int index = static_cast<int>(i);
        record.X[i] = series.XValueAt(index);
        record.Y[i] = series.YValueAt(index);
        record.Colors[i] = series.PointColor(index);
        record.Labels[i] = series.PointLabel(index);
    }
}

bool SeriesLayer::HeldSeriesMatch(const std::vector<TChartSeries*>& series, const Rect& plotRect, bool clip,
                                  bool mayHold)
{
    if (held_ == 0)
        return true;
    if (!mayHold || series.size() < held_)
        return false;
    for (std::size_t i = 0; i < held_; ++i) {
        if (series[i]->HasDrawingEvents())
            return false;
        RecordSeries(*series[i], plotRect, clip, scratch_);
        if (!records_[i].SameAs(scratch_))
            return false;
    }
    return true;
}

void SeriesLayer::RestoreEndState(TChartCanvas3D& canvas) const
{
    endState_.Restore(canvas);
    canvas.MovePenTo(endPenPos_.x(), endPenPos_.y());
}

bool SeriesLayer::Drawn(std::size_t index, TChartSeries& series, const Rect& plotRect, bool clip, bool mayHold,
                        TChartCanvas3D& canvas)
{
    if (!mayHold || series.HasDrawingEvents() || index != held_) {
        recorded_ = std::min(recorded_, index);
        return false;
    }
    RecordSeries(series, plotRect, clip, scratch_);
    const bool same = index < recorded_ && records_[index].SameAs(scratch_);
    if (records_.size() <= index)
        records_.resize(index + 1);
    std::swap(records_[index], scratch_);
    recorded_ = index + 1;
    if (!same || !canvas.SaveLayer())
        return false;
    endState_.Capture(canvas);
    endPenPos_ = canvas.PenPosition();
    held_ = index + 1;
    return true;
}

}  // namespace rna::chart
