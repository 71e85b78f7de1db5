#include "chart/panel/TCustomAxisPanel.h"

#include <algorithm>

#include "chart/canvas/CanvasStateSaver.h"
#include "chart/core/ChartException.h"
#include "chart/series/TChartSeries.h"
#include "chart/series/TChartValueList.h"

namespace rna::chart {

TCustomAxisPanel::TCustomAxisPanel(QWidget* parent) : TCustomChartPanelExtended(parent)
{
    CreateAxes();
}

TCustomAxisPanel::~TCustomAxisPanel()
{
    for (TChartSeries* series : series_)
        series->ChartAttached(nullptr);
}

void TCustomAxisPanel::CreateAxes()
{
    bottomAxis_ = std::make_unique<TChartAxis>(this);
    bottomAxis_->SetIsHorizontal(true);
    topAxis_ = std::make_unique<TChartAxis>(this);
    topAxis_->SetIsHorizontal(true);
    topAxis_->SetIsFarSide(true);
    leftAxis_ = std::make_unique<TChartAxis>(this);
    leftAxis_->SetDefaultTitleAngle(90);
    rightAxis_ = std::make_unique<TChartAxis>(this);
    rightAxis_->SetIsFarSide(true);
    rightAxis_->SetDefaultTitleAngle(270);
    depthAxis_ = std::make_unique<TChartDepthAxis>(this);
    axes_ = {bottomAxis_.get(), topAxis_.get(), leftAxis_.get(), rightAxis_.get(), depthAxis_.get()};
}

void TCustomAxisPanel::RemoveAxis(TCustomChartAxis* axis)
{
    const auto found = std::find(axes_.begin() + 5, axes_.end(), axis);
    if (found != axes_.end())
        axes_.erase(found);
}

// ---- series list

void TCustomAxisPanel::AttachSeries(TChartSeries* series)
{
    if (series == nullptr || std::find(series_.begin(), series_.end(), series) != series_.end())
        return;
    if (series->SeriesColor() == clUseSeriesColor)
        series->SetSeriesColor(FreeSeriesColor());
    series->ChartAttached(this);
    series_.push_back(series);
    ForgetLayers();
    ScheduleRedraw();
}

void TCustomAxisPanel::DetachSeries(TChartSeries* series)
{
    const auto found = std::find(series_.begin(), series_.end(), series);
    if (found == series_.end())
        return;
    series_.erase(found);
    series->ChartAttached(nullptr);
    ForgetLayers();
    ScheduleRedraw();
}

bool TCustomAxisPanel::IsFreeSeriesColor(TColor color) const
{
    if (color == Color())
        return false;
    return std::none_of(series_.begin(), series_.end(),
                        [color](const TChartSeries* s) { return s->SeriesColor() == color; });
}

// The first palette colour no series uses, or the first palette colour when none is free.
TColor TCustomAxisPanel::FreeSeriesColor() const
{
    for (TColor color : DefaultPalette)
        if (IsFreeSeriesColor(color))
            return color;
    return DefaultPalette[0];
}

// ---- axes

bool TCustomAxisPanel::AxisInUse(const TCustomChartAxis& axis) const
{
    if (!axisVisible_ || !axis.Visible())
        return false;
    if (axis.IsDepth())
        return View3D();
    bool seriesUseAxes = false;
    for (const TChartSeries* series : series_) {
        if (!series->Active() || !series->UseAxis())
            continue;
        if (series->AssociatedToAxis(axis))
            return true;
        seriesUseAxes = true;
    }
    return !seriesUseAxes;
}

// ---- paging

void TCustomAxisPanel::SetMaxPointsPerPage(int value)
{
    if (value < 0)
        throw ChartException("MaxPointsPerPage must be >= 0");
    if (Changes().Store(maxPointsPerPage_, value))
        page_ = std::min(page_, NumPages());
}

int TCustomAxisPanel::NumPages() const
{
    if (maxPointsPerPage_ <= 0)
        return 1;
    int pages = 1;
    for (const TChartSeries* series : series_)
        if (series->Active())
            pages = std::max(pages, (series->PointCount() + maxPointsPerPage_ - 1) / maxPointsPerPage_);
    return pages;
}

void TCustomAxisPanel::SetPage(int value)
{
    Changes().Store(page_, std::clamp(value, 1, NumPages()));
}

// ---- drawing

// The layout of a drawing: titles, then the axes and the series' margins, worked out on the chart's plotting
// rectangle and its axes and answered as one value. It measures texts in the canvas' fonts, and the rendering
// starts from the canvas' state as the drawing found it.
const ChartLayout& TCustomAxisPanel::LayOutChart(const Rect& bounds)
{
    CanvasStateSaver keepState(Canvas());
    if (!ReuseLayout(bounds)) {
        layoutIsLayers_ = false;
        LayOutTitleBlocks();
        const Rect afterTitles = PlotRect();
        FitAxes();
        FitSeriesMargins();
        CaptureLayout(*this, afterTitles, layout_);
    }
    Canvas().SetProjection(0, bounds, PlotRect());
    return layout_;
}

// The axis layout is worked out anew, since the series may have moved automatic axis ends, unless
// everything it reads is as it was when the layer's layout was last worked out: then the layer's layout is
// put back.
bool TCustomAxisPanel::ReuseLayout(const Rect& bounds)
{
    if (!BackgroundLayer::MayKeep(*this) || !background_.MatchesStart(SettingsChanges(), bounds, Canvas()))
        return false;
    SetPlotRect(background_.Layout().PlotRectAfterTitles);
    NormalizePlotRect();
    const Rect afterTitles = PlotRect();
    if (background_.LayoutInputsMatch(*this)) {
        PutBackLayout(background_.Layout());
        layoutIsLayers_ = true;
        return true;
    }
    FitAxes();
    FitSeriesMargins();
    CaptureLayout(*this, afterTitles, layout_);
    layoutIsLayers_ = layout_ == background_.Layout();
    if (layoutIsLayers_)
        background_.KeepLayoutInputs();
    return true;
}

void TCustomAxisPanel::PutBackLayout(const ChartLayout& layout)
{
    for (std::size_t i = 0; i < axes_.size() && i < layout.Axes.size(); ++i)
        axes_[i]->SetLayout(layout.Axes[i].Placed);
    SetPlotRect(layout.PlotRect);
    NormalizePlotRect();
    layout_ = layout;
}

// The drawing order: background, titles, walls, axes, then the series in list order. Everything before the
// series is copied from the image layer instead while it would draw the same, and so are the first series
// while they would, unless a chart event runs before or while they are drawn.
void TCustomAxisPanel::RenderChart(const Rect& bounds, const ChartLayout& layout)
{
    const bool mayHoldSeries = !onBeforeDrawSeries_;
    if (!ReuseBackground(layout, mayHoldSeries))
        DrawBackground(bounds, layout);
    if (onBeforeDrawSeries_)
        onBeforeDrawSeries_();
    PaintSeries(layout, mayHoldSeries && BackgroundLayer::MayKeep(*this));
    Canvas().ResetDrawingState();
    if (onAfterDraw_)
        onAfterDraw_();
}

void TCustomAxisPanel::DrawBackground(const Rect& bounds, const ChartLayout& layout)
{
    const bool keep = BackgroundLayer::MayKeep(*this);
    ForgetLayers();
    if (keep)
        background_.BeginKeeping(SettingsChanges(), bounds, Canvas());
    else
        Canvas().DiscardLayer();
    DrawPanelBackground(bounds);
    DrawTitleBlocks();
    PaintWalls();
    if (axisVisible_) {
        if (onBeforeDrawAxes_)
            onBeforeDrawAxes_();
        PaintAxes(layout);
    }
    if (keep) {
        background_.EndKeeping(layout, Canvas());
        SaveBackgroundLayer();
    }
}

// The layer is kept for the drawings that move only the series. While the background changes at every drawing (a
// drag that pans, a setting changing at every step) no drawing uses it, and copying the image for it is wasted:
// after a layer no drawing used, one is saved again only when this drawing finds the layout of the last one,
// which the next drawing then restores.
void TCustomAxisPanel::SaveBackgroundLayer()
{
    if (layoutIsLayers_ || Canvas().LayerUsed() || !layerSaved_) {
        layerSaved_ = Canvas().SaveLayer() || layerSaved_;
        return;
    }
    Canvas().DiscardLayer();
}

bool TCustomAxisPanel::ReuseBackground(const ChartLayout& layout, bool mayHoldSeries)
{
    if (!layoutIsLayers_ || !seriesLayer_.HeldSeriesMatch(series_, layout.PlotRect, clipPoints_, mayHoldSeries) ||
        !Canvas().RestoreLayer())
        return false;
    background_.RestoreEndState(Canvas());
    return true;
}

void TCustomAxisPanel::PaintAxes(const ChartLayout& layout)
{
    for (std::size_t i = 0; i < axes_.size() && i < layout.Axes.size(); ++i)
        if (layout.Axes[i].InUse)
            PaintAxis(*axes_[i], layout, layout.Axes[i].Placed);
}

// Every series paints with the mappings its axes fixed for this drawing, except those the image layer
// holds: they came with it. A leading series drawn as the drawing before drew it joins the layer.
void TCustomAxisPanel::PaintSeries(const ChartLayout& layout, bool mayHold)
{
    const std::size_t held = seriesLayer_.Held();
    if (held > 0)
        seriesLayer_.RestoreEndState(Canvas());
    bool leading = true;
    for (std::size_t i = held; i < series_.size(); ++i) {
        TChartSeries* series = series_[i];
        const TCustomChartAxis* horiz = series->GetHorizAxis();
        const TCustomChartAxis* vert = series->GetVertAxis();
        if (series->Active() && horiz != nullptr && vert != nullptr)
            series->Paint({Canvas(), layout.ScaleOf(*this, *horiz), layout.ScaleOf(*this, *vert), layout.PlotRect},
                          clipPoints_);
        if (leading)
            leading = seriesLayer_.Drawn(i, *series, layout.PlotRect, clipPoints_, mayHold, Canvas());
    }
}

void TCustomAxisPanel::ForgetLayers()
{
    background_.Forget();
    seriesLayer_.Forget();
}

// ---- what the axes ask

const TChartSeries* TCustomAxisPanel::FirstSeriesOf(const TCustomChartAxis& axis) const
{
    for (const TChartSeries* s : series_)
        if (s->Active() && s->AssociatedToAxis(axis))
            return s;
    return nullptr;
}

double TCustomAxisPanel::SeriesExtreme(const TCustomChartAxis& axis, bool upper) const
{
    const bool anyActive = FirstSeriesOf(axis) != nullptr;
    bool found = false;
    double result = 0;
    for (const TChartSeries* s : series_) {
        if (s->PointCount() == 0 || (anyActive && !s->Active()) || !s->AssociatedToAxis(axis))
            continue;
        const double v = axis.IsDepth()        ? (upper ? s->HighestZ() : s->LowestZ())
                         : axis.IsHorizontal() ? (upper ? s->HighestX() : s->LowestX())
                                               : (upper ? s->HighestY() : s->LowestY());
        result = !found ? v : (upper ? std::max(result, v) : std::min(result, v));
        found = true;
    }
    return result;
}

TAxisLabelStyle TCustomAxisPanel::AutomaticLabelStyle(const TCustomChartAxis& axis) const
{
    if (axis.IsDepth()) {
        for (const TChartSeries* s : series_)
            if (s->Active() && s->LowestZ() != s->HighestZ())
                return TAxisLabelStyle::talValue;
        return TAxisLabelStyle::talText;
    }
    TAxisLabelStyle result = TAxisLabelStyle::talNone;
    for (const TChartSeries* s : series_) {
        if (!s->Active() || !s->AssociatedToAxis(axis))
            continue;
        result = TAxisLabelStyle::talValue;
        // Text labels along the axis of the series' x values (the other values for a series
        // whose main values are x).
        if (axis.IsHorizontal() == s->IsVertical() && s->PointCount() > 0 && !s->PointLabel(0).isEmpty())
            return TAxisLabelStyle::talText;
    }
    return result;
}

bool TCustomAxisPanel::SeriesDateTime(const TCustomChartAxis& axis) const
{
    const TChartSeries* s = FirstSeriesOf(axis);
    if (s == nullptr)
        return false;
    return axis.IsHorizontal() ? s->XValues().DateTime() : s->YValues().DateTime();
}

void TCustomAxisPanel::ForEachSeriesPoint(const TCustomChartAxis& axis,
                                          const std::function<void(double, const QString&)>& point) const
{
    const TChartSeries* s = FirstSeriesOf(axis);
    if (s == nullptr)
        return;
    const TChartValueList& along = axis.IsHorizontal() ? s->XValues() : s->YValues();
    for (int i = 0; i < s->PointCount(); ++i)
        point(along.ValueAt(i), s->PointLabel(i));
}

void TCustomAxisPanel::GetAxisLabel(TCustomChartAxis& axis, QString& text) const
{
    if (onGetAxisLabel_)
        onGetAxisLabel_(axis, nullptr, -1, text);
}

void TCustomAxisPanel::GetNextAxisLabel(TCustomChartAxis& axis, int index, double& value, bool& stop) const
{
    onGetNextAxisLabel_(axis, index, value, stop);
}

}  // namespace rna::chart
