#include "chart/panel/TCustomAxisPanel.h"

#include <algorithm>

#include "chart/axis/TChartAxis.h"
#include "chart/axis/TChartDepthAxis.h"
#include "chart/core/ChartException.h"
#include "chart/series/TChartSeries.h"

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
    ScheduleRedraw();
}

void TCustomAxisPanel::DetachSeries(TChartSeries* series)
{
    const auto found = std::find(series_.begin(), series_.end(), series);
    if (found == series_.end())
        return;
    series_.erase(found);
    series->ChartAttached(nullptr);
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
    if (value == maxPointsPerPage_)
        return;
    maxPointsPerPage_ = value;
    page_ = std::min(page_, NumPages());
    ScheduleRedraw();
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
    Store(page_, std::clamp(value, 1, NumPages()));
}

// ---- drawing

// The drawing order: background, titles, axis layout, walls, axes, then the series in list order.
void TCustomAxisPanel::RenderChart(const TRect& bounds)
{
    DrawPanelBackground(bounds);
    DrawTitleBlocks();
    FitAxes();
    FitSeriesMargins();
    Canvas().SetProjection(0, bounds, PlotRect());
    PaintWalls();
    if (axisVisible_) {
        if (onBeforeDrawAxes_)
            onBeforeDrawAxes_();
        PaintAxes();
    }
    if (onBeforeDrawSeries_)
        onBeforeDrawSeries_();
    PaintSeries();
    Canvas().ResetDrawingState();
    if (onAfterDraw_)
        onAfterDraw_();
}

void TCustomAxisPanel::PaintAxes()
{
    for (TCustomChartAxis* axis : axes_)
        if (AxisInUse(*axis))
            PaintAxis(*axis);
}

void TCustomAxisPanel::PaintSeries()
{
    for (TChartSeries* series : series_)
        if (series->Active())
            series->Paint(Canvas(), PlotRect(), clipPoints_);
}

}  // namespace rna::chart
