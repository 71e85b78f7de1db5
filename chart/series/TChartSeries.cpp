#include "chart/series/TChartSeries.h"

#include "chart/axis/TCustomChartAxis.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/core/ChartException.h"
#include "chart/core/ListIndexError.h"
#include "chart/scale/AxisScale.h"
#include "chart/series/TSeriesMarks.h"

#include <QRandomGenerator>

#include <algorithm>

namespace rna::chart {

TChartSeries::TChartSeries(QObject* parent)
    : QObject(parent), marks_(std::make_unique<TSeriesMarks>([this] { ChangeNotify(); }))
{
    CreateValueList(QStringLiteral("X")).SetOrder(TChartListOrder::loAscending);
    CreateValueList(QStringLiteral("Y"));
}

TChartSeries::~TChartSeries()
{
    for (TChartSeries* source : std::vector<TChartSeries*>(dataSources_))
        RemoveDataSource(*source);
    for (TChartSeries* dependent : std::vector<TChartSeries*>(dependents_))
        dependent->RemoveDataSource(*this);
    // Nothing may reach a chart or dependents while this object is half destroyed.
    ClearStorage();
    if (chart_ != nullptr)
        chart_->DetachSeries(this);
}

TChartValueList& TChartSeries::CreateValueList(const QString& name)
{
    valueLists_.push_back(std::make_unique<TChartValueList>(*this, name));
    return *valueLists_.back();
}

TChartValueList* TChartSeries::FindValueList(const QString& name) const
{
    for (const auto& list : valueLists_) {
        if (list->Name() == name)
            return list.get();
    }
    return nullptr;
}

void TChartSeries::SetXValues(const TChartValueList& source)
{
    XValues().Assign(source);
    ChangeNotify();
}

void TChartSeries::SetYValues(const TChartValueList& source)
{
    YValues().Assign(source);
    ChangeNotify();
}

void TChartSeries::Assign(const TChartSeries& source)
{
    for (int i = 0; i < std::min(ValueListCount(), source.ValueListCount()); ++i)
        ValueList(i).Assign(source.ValueList(i));
    SetActive(source.active_);
    SetColorEachPoint(source.colorEachPoint_);
    SetSeriesColor(source.seriesColor_);
    SetShowInLegend(source.showInLegend_);
    SetTitle(source.title_);
    SetHorizAxis(source.horizAxisKind_);
    SetVertAxis(source.vertAxisKind_);
    SetCursor(source.cursor_);
    SetPercentFormat(source.percentFormat_);
    SetValueFormat(source.valueFormat_);
    SetZOrder(source.zOrder_);
    marks_->Assign(*source.marks_);
    ChangeNotify();
}

// ---------------------------------------------------------------- points

int TChartSeries::AddPoint(double x, double y, const QString& label, TColor color)
{
    XValues().SetPendingValue(x);
    YValues().SetPendingValue(y);
    if (OnBeforeAdd && !OnBeforeAdd(*this))
        return -1;
    const int index = XValues().AddInOrder(XValues().PendingValue());
    YValues().InsertAt(index, YValues().PendingValue());
    AddPendingExtraValues(index);
    colors_.insert(colors_.begin() + index, color);
    labels_.insert(labels_.begin() + index, label.isEmpty() ? std::nullopt : std::optional<QString>(label));
    NotifyValueAdded(index);
    return index;
}

void TChartSeries::AddPendingExtraValues(int index)
{
    for (size_t i = 2; i < valueLists_.size(); ++i)
        valueLists_[i]->InsertAt(index, valueLists_[i]->PendingValue());
}

void TChartSeries::NotifyValueAdded(int index)
{
    if (OnAfterAdd)
        OnAfterAdd(*this, index);
    NotifyDependents(SeriesChange::Add, index);
    if (active_)
        PointsChangeNotify();
}

int TChartSeries::AddValue(double value, const QString& label, TColor color)
{
    const double count = PointCount();
    return IsVertical() ? AddPoint(count, value, label, color) : AddPoint(value, count, label, color);
}

int TChartSeries::AddEmptyPointXY(double x, double y, const QString& label)
{
    return AddPoint(x, y, label, clNone);
}

int TChartSeries::AddEmptyPoint(const QString& label)
{
    return AddValue(0, label, clNone);
}

void TChartSeries::ClearStorage()
{
    for (const auto& list : valueLists_)
        list->RemoveAll();
    // Colours and labels keep small buffers as the value lists do.
    if (colors_.capacity() > TChartValueList::KeptCapacity)
        std::vector<TColor>().swap(colors_);
    else
        colors_.clear();
    if (labels_.capacity() > TChartValueList::KeptCapacity)
        std::vector<std::optional<QString>>().swap(labels_);
    else
        labels_.clear();
}

void TChartSeries::ClearPoints()
{
    ClearStorage();
    if (OnClearValues)
        OnClearValues(*this);
    NotifyDependents(SeriesChange::Clear, 0);
    if (active_)
        PointsChangeNotify();
}

void TChartSeries::CheckPointIndex(int index) const
{
    if (index < 0 || index >= PointCount())
        throw ListIndexError(index);
}

void TChartSeries::DeletePoint(int index)
{
    CheckPointIndex(index);
    for (const auto& list : valueLists_)
        list->RemoveAt(index);
    if (index < static_cast<int>(colors_.size()))
        colors_.erase(colors_.begin() + index);
    if (index < static_cast<int>(labels_.size()))
        labels_.erase(labels_.begin() + index);
    NotifyDependents(SeriesChange::Delete, index);
    if (active_)
        ChangeNotify();
}

void TChartSeries::ExchangePoints(int i, int j)
{
    CheckPointIndex(i);
    CheckPointIndex(j);
    for (const auto& list : valueLists_)
        list->Exchange(i, j);
    const auto colorCount = static_cast<int>(colors_.size());
    if (i < colorCount && j < colorCount)
        std::swap(colors_[static_cast<size_t>(i)], colors_[static_cast<size_t>(j)]);
    const auto labelCount = static_cast<int>(labels_.size());
    if (i < labelCount && j < labelCount)
        std::swap(labels_[static_cast<size_t>(i)], labels_[static_cast<size_t>(j)]);
}

void TChartSeries::FillSampleValues(int numValues)
{
    if (numValues <= 0)
        throw ChartException("FillSampleValues NumValues must be > 0");
    ClearPoints();
    // A gentle random walk, so the sample looks like data rather than noise.
    auto* random = QRandomGenerator::global();
    double value = random->bounded(1000);
    for (int i = 0; i < numValues; ++i) {
        value += random->bounded(200) - 100;
        AddValue(value);
    }
}

TColor TChartSeries::StoredPointColor(int index) const
{
    if (index < 0 || index >= static_cast<int>(colors_.size()))
        return clUseSeriesColor;
    return colors_[static_cast<size_t>(index)];
}

TColor TChartSeries::PointColor(int index) const
{
    const TColor stored = StoredPointColor(index);
    if (stored != clUseSeriesColor)
        return stored;
    if (colorEachPoint_ && index >= 0 && index < static_cast<int>(colors_.size()))
        return DefaultPalette[static_cast<size_t>(index) % DefaultPalette.size()];
    return seriesColor_;
}

void TChartSeries::SetPointColor(int index, TColor color)
{
    CheckPointIndex(index);
    if (colors_.size() < static_cast<size_t>(PointCount()))
        colors_.resize(static_cast<size_t>(PointCount()), clUseSeriesColor);
    changes_.Store(colors_[static_cast<size_t>(index)], color);
}

QString TChartSeries::PointLabel(int index) const
{
    if (index < 0 || index >= static_cast<int>(labels_.size()) || !labels_[static_cast<size_t>(index)])
        return QString();
    return *labels_[static_cast<size_t>(index)];
}

void TChartSeries::SetPointLabel(int index, const QString& label)
{
    CheckPointIndex(index);
    if (labels_.size() < static_cast<size_t>(PointCount()))
        labels_.resize(static_cast<size_t>(PointCount()));
    // A point without a label keeps none, so equal texts are equal entries.
    changes_.Store(labels_[static_cast<size_t>(index)], label.isEmpty() ? std::nullopt : std::optional<QString>(label));
}

// ---------------------------------------------------------------- settings

void TChartSeries::SetActive(bool value)
{
    changes_.Store(active_, value);
}

// Leaving ColorEachPoint forgets the points' own colours, asking for a repaint for each of them.
void TChartSeries::SetColorEachPoint(bool value)
{
    if (!changes_.Store(colorEachPoint_, value) || value)
        return;
    for (TColor& color : colors_) {
        color = clUseSeriesColor;
        ChangeNotify();
    }
}

void TChartSeries::SetSeriesColor(TColor value)
{
    changes_.Store(seriesColor_, value);
}

void TChartSeries::SetShowInLegend(bool value)
{
    changes_.Store(showInLegend_, value);
}

void TChartSeries::SetTitle(const QString& value)
{
    changes_.Store(title_, value);
}

void TChartSeries::SetColorSource(const QString& value)
{
    StoreSetting(colorSource_, value, [this] { ReloadFromSources(); });
}

void TChartSeries::SetXLabelsSource(const QString& value)
{
    StoreSetting(xLabelsSource_, value, [this] { ReloadFromSources(); });
}

void TChartSeries::SetHorizAxis(THorizAxis value)
{
    StoreSetting(horizAxisKind_, value, [this] { AxesChanged(); });
}

void TChartSeries::SetVertAxis(TVertAxis value)
{
    StoreSetting(vertAxisKind_, value, [this] { AxesChanged(); });
}

void TChartSeries::SetPercentFormat(const QString& value)
{
    changes_.Store(percentFormat_, value);
}

void TChartSeries::SetValueFormat(const QString& value)
{
    changes_.Store(valueFormat_, value);
}

void TChartSeries::SetZOrder(int value)
{
    changes_.Store(zOrder_, value);
}

// ---------------------------------------------------------------- chart link

void TChartSeries::SetParentChart(SeriesHost* chart)
{
    if (chart == chart_)
        return;
    if (chart_ != nullptr)
        chart_->DetachSeries(this);
    ChartAttached(chart);
    if (chart != nullptr)
        chart->AttachSeries(this);
}

void TChartSeries::ChartAttached(SeriesHost* chart)
{
    chart_ = chart;
    ResolveAxes();
}

void TChartSeries::ChangeNotify() const
{
    ++drawingChanges_;
    PointsChangeNotify();
}

void TChartSeries::PointsChangeNotify() const
{
    if (chart_ != nullptr)
        chart_->SeriesChanged();
}

void TChartSeries::AxesChanged()
{
    ResolveAxes();
    ChangeNotify();
}

void TChartSeries::ResolveAxes()
{
    horizAxis_ = vertAxis_ = nullptr;
    if (chart_ == nullptr)
        return;
    horizAxis_ = chart_->BottomAxis();
    if (horizAxisKind_ == THorizAxis::aTopAxis)
        horizAxis_ = chart_->TopAxis();
    else if (horizAxisKind_ == THorizAxis::aCustomHorizAxis && customHorizAxis_ != nullptr)
        horizAxis_ = customHorizAxis_;
    vertAxis_ = chart_->LeftAxis();
    if (vertAxisKind_ == TVertAxis::aRightAxis)
        vertAxis_ = chart_->RightAxis();
    else if (vertAxisKind_ == TVertAxis::aCustomVertAxis && customVertAxis_ != nullptr)
        vertAxis_ = customVertAxis_;
}

void TChartSeries::SetCustomHorizAxis(TCustomChartAxis* axis)
{
    StoreSetting(customHorizAxis_, axis, [this] { AxesChanged(); });
}

void TChartSeries::SetCustomVertAxis(TCustomChartAxis* axis)
{
    StoreSetting(customVertAxis_, axis, [this] { AxesChanged(); });
}

bool TChartSeries::AssociatedToAxis(const TCustomChartAxis& axis) const
{
    if (axis.IsDepth())
        return false;
    if (axis.IsHorizontal())
        return horizAxisKind_ == THorizAxis::aBothHorizAxis || horizAxis_ == &axis;
    return vertAxisKind_ == TVertAxis::aBothVertAxis || vertAxis_ == &axis;
}

// ---------------------------------------------------------------- dependent series

namespace {

// True when `series` takes its points, directly or through others, from `source`.
bool FeedsFrom(const TChartSeries& series, const TChartSeries& source)
{
    if (&series == &source)
        return true;
    for (const TChartSeries* next : series.DataSources()) {
        if (FeedsFrom(*next, source))
            return true;
    }
    return false;
}

}  // namespace

void TChartSeries::AddDataSource(TChartSeries& source)
{
    // A series never feeds itself, not even through others: that would notify in a circle.
    if (FeedsFrom(source, *this) || std::find(dataSources_.begin(), dataSources_.end(), &source) != dataSources_.end())
        return;
    dataSources_.push_back(&source);
    source.dependents_.push_back(this);
    ReloadFromSources();
}

void TChartSeries::RemoveDataSource(TChartSeries& source)
{
    std::erase(dataSources_, &source);
    std::erase(source.dependents_, this);
}

void TChartSeries::UpdateDependents(SeriesChange change, int index)
{
    for (TChartSeries* dependent : std::vector<TChartSeries*>(dependents_)) {
        const TSeriesUpdateFlags& flags = dependent->updateFlags_;
        switch (change) {
        case SeriesChange::Clear:
            if (flags.OnClear)
                dependent->ClearPoints();
            break;
        case SeriesChange::Add:
            if (flags.OnInsert)
                dependent->CopyPointFrom(*this, index);
            break;
        case SeriesChange::Delete:
            if (flags.OnDelete && index < dependent->PointCount())
                dependent->DeletePoint(index);
            break;
        case SeriesChange::Modify:
            if (flags.OnModify)
                dependent->AddValuesFrom(*this);
            break;
        case SeriesChange::Refresh:
            dependent->AddValuesFrom(*this);
            break;
        }
    }
}

int TChartSeries::CopyPointFrom(const TChartSeries& source, int index)
{
    double x = source.XValueAt(index);
    double y = source.YValueAt(index);
    if (source.IsVertical() != IsVertical())
        std::swap(x, y);
    return AddPoint(x, y, source.PointLabel(index), source.StoredPointColor(index));
}

void TChartSeries::AddValuesFrom(const TChartSeries& source)
{
    if (&source == this)
        return;
    ClearPoints();
    for (int i = 0; i < source.PointCount(); ++i)
        CopyPointFrom(source, i);
    NotifyDependents(SeriesChange::Refresh, 0);
}

void TChartSeries::ReloadFromSources()
{
    if (dataSources_.empty())
        return;
    ClearPoints();
    for (const TChartSeries* source : dataSources_) {
        for (int i = 0; i < source->PointCount(); ++i)
            CopyPointFrom(*source, i);
    }
    NotifyDependents(SeriesChange::Refresh, 0);
}

// ---------------------------------------------------------------- drawing

void TChartSeries::CalcFirstLastVisibleIndex(const AxisScale& horiz, const Rect& plotRect)
{
    ResetVisibleRange();
    const int count = PointCount();
    if (count == 0)
        return;
    firstVisible_ = 0;
    lastVisible_ = count - 1;
    // Only an ascending x order tells which points lie outside; other orders draw every point.
    if (XValues().Order() != TChartListOrder::loAscending || !calcVisiblePoints_)
        return;
    const double low = horiz.PixelToValue(horiz.Inverted ? plotRect.Right : plotRect.Left);
    const double high = horiz.PixelToValue(horiz.Inverted ? plotRect.Left : plotRect.Right);
    while (XValueAt(firstVisible_) < low) {
        if (++firstVisible_ == count) {
            ResetVisibleRange();
            return;
        }
    }
    if (XValueAt(count - 1) <= high)
        return;
    lastVisible_ = firstVisible_;
    while (XValueAt(lastVisible_) < high && lastVisible_ < count - 1)
        ++lastVisible_;
    if (!drawBetweenPoints_ && XValueAt(lastVisible_) > high)
        --lastVisible_;
}

void TChartSeries::Paint(const SeriesPaintContext& context, bool clip)
{
    CalcFirstLastVisibleIndex(context.Horiz, context.PlotRect);
    if (firstVisible_ == -1)
        return;
    if (BeforeDrawValues)
        BeforeDrawValues(*this);
    if (clip)
        context.Canvas.ClipToPlotArea(context.PlotRect, 0, 0);
    DrawAllValues(context);
    if (clip)
        context.Canvas.RemoveClip();
    if (AfterDrawValues)
        AfterDrawValues(*this);
}

void TChartSeries::DrawAllValues(const SeriesPaintContext&)
{}

int TChartSeries::CalcXPos(int index) const
{
    return horizAxis_ != nullptr ? horizAxis_->ValueToPixel(XValueAt(index)) : 0;
}

int TChartSeries::CalcYPos(int index) const
{
    return vertAxis_ != nullptr ? vertAxis_->ValueToPixel(YValueAt(index)) : 0;
}

int TChartSeries::Clicked(int, int)
{
    return -1;
}

void TChartSeries::CalcHorizMargins(int&, int&) const
{}

void TChartSeries::CalcVerticalMargins(int&, int&) const
{}

}  // namespace rna::chart
