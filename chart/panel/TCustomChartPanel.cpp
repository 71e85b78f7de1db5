#include "chart/panel/TCustomChartPanel.h"

#include "chart/panel/ChartLayout.h"

#include <QPainter>

#include "chart/core/ChartException.h"
#include "ui/PaintRatio.h"

namespace rna::chart {

namespace {
constexpr int MinChart3DPercent = 1;
constexpr int MaxChart3DPercent = 100;
}  // namespace

TCustomChartPanel::TCustomChartPanel(QWidget* parent) : ChartWidget(parent)
{
    resize(400, 250);
    view3DOptions_ = std::make_unique<TView3DOptions>(ChangeHandler());
    canvas_->SetOnChange([this] { RequestRepaint(); });
    constructed_ = true;
}

TCustomChartPanel::~TCustomChartPanel() = default;

void TCustomChartPanel::ScheduleRedraw()
{
    if (!constructed_)
        return;
    ++settingsChanges_;
    ScheduleSeriesRedraw();
}

void TCustomChartPanel::ScheduleSeriesRedraw()
{
    if (!constructed_)
        return;
    ++redrawRequests_;
    canvas_->MarkDirty();
    RequestRepaint();
}

// Qt repaints the window once for any number of requests made before it does, and a control that is hidden is
// repainted whole when it is shown; so one request per repaint is enough, and a refill of many points does not ask
// Qt once per point. Which part of the control to repaint is known only once the chart is drawn: just before the
// repaint (BeforeRepaint).
void TCustomChartPanel::RequestRepaint()
{
    if (repaintRequested_ || !isVisible())
        return;
    repaintRequested_ = true;
    RequestWindowRepaint();
}

// The chart is drawn now and only what that changed is marked for Qt's repaint, which follows at once: moving the
// marker repaints the rectangles the old and the new marker cover, not the whole control.
void TCustomChartPanel::BeforeRepaint()
{
    if (!repaintRequested_)
        return;
    repaintRequested_ = false;
    if (!isVisible())
        return;
    unshown_ += RedrawImage();
    if (!unshown_.isEmpty())
        update(unshown_);
    unshown_ = QRegion();
}

// Qt paints all of a control that is shown, so what the chart had still to show is shown then; a stale image is
// drawn now rather than in that paint, which would ask for a repaint of what it drew.
void TCustomChartPanel::ControlShown()
{
    if (canvas_->BufferedDisplay() && !printing_ && !ImageCurrent(nullptr))
        Draw(nullptr, nullptr, {0, 0, ChartWidth(), ChartHeight()}, nullptr);
    unshown_ = QRegion();
}

void TCustomChartPanel::SetChart3DPercent(int value)
{
    if (value < MinChart3DPercent || value > MaxChart3DPercent)
        throw ChartException(QStringLiteral("3D effect percent must be between %1 and %2")
                                 .arg(MinChart3DPercent)
                                 .arg(MaxChart3DPercent)
                                 .toStdString());
    changes_.Store(chart3DPercent_, value);
}

void TCustomChartPanel::PaintTo(QPainter& painter)
{
    Paint(painter, nullptr);
}

void TCustomChartPanel::PaintTo(QPainter& painter, const QRegion& area)
{
    Paint(painter, &area);
}

// A hidden control gets its resize event only when shown, and a move to a screen of another pixel ratio changes
// the image's pixels without any setting: the image's size and ratio are checked here too.
bool TCustomChartPanel::ImageCurrent(const QPainter* ratioOf) const
{
    return !canvas_->Dirty() &&
           canvas_->ImageFits(ChartWidth(), ChartHeight(), DeviceRatio(ratioOf), ShownRatio(ratioOf));
}

void TCustomChartPanel::Paint(QPainter& painter, const QRegion* area)
{
    if (printing_)
        return;
    if (ImageCurrent(&painter) && canvas_->ShowCachedImage(&painter, area))
        return;
    Draw(&painter, &painter, {0, 0, ChartWidth(), ChartHeight()}, area);
    // Whether the target was the window is not known here: the window is asked to show all the drawing changed.
    if (canvas_->BufferedDisplay()) {
        unshown_ += canvas_->ChangedArea();
        RequestRepaint();
    }
}

QRegion TCustomChartPanel::RedrawImage(const QPainter* ratioOf)
{
    if (printing_)
        return {};
    if (!canvas_->BufferedDisplay())
        return QRegion(rect());
    if (ImageCurrent(ratioOf))
        return {};
    Draw(ratioOf, nullptr, {0, 0, ChartWidth(), ChartHeight()}, nullptr);
    return canvas_->ChangedArea();
}

double TCustomChartPanel::DeviceRatio(const QPainter* target) const
{
    return ShownRatio(target) * ContentScale();
}

double TCustomChartPanel::ShownRatio(const QPainter* target) const
{
    return target != nullptr ? ui::paintRatio(*target) : devicePixelRatio();
}

void TCustomChartPanel::DrawChart(QPainter* target, const Rect& rect)
{
    Draw(target, target, rect, nullptr);
}

void TCustomChartPanel::Draw(const QPainter* ratioOf, QPainter* target, const Rect& rect, const QRegion* area)
{
    canvas_->SetView3D(view3D_, view3DOptions_->Zoom(), view3DOptions_->ZoomText());
    drawBounds_ = canvas_->BeginDrawing(target, rect, DeviceRatio(ratioOf), ShownRatio(ratioOf));
    const int w = drawBounds_.Width();
    const int h = drawBounds_.Height();
    const int b = borderWidth_;
    plotRect_ = {drawBounds_.Left + MulDiv(marginLeft_, w, 100) + b, drawBounds_.Top + MulDiv(marginTop_, h, 100) + b,
                 drawBounds_.Right - b - MulDiv(marginRight_, w, 100),
                 drawBounds_.Bottom - b - MulDiv(marginBottom_, h, 100)};
    NormalizePlotRect();
    const ChartLayout& layout = LayOutChart(drawBounds_);
    RenderChart(drawBounds_, layout);
    canvas_->EndDrawing(target, QPoint(rect.Left, rect.Top), area);
}

// Keeps the plotting rectangle inside the drawing and at least one pixel wide and high.
void TCustomChartPanel::NormalizePlotRect()
{
    Rect& r = plotRect_;
    r.Left = std::max(r.Left, drawBounds_.Left);
    r.Top = std::max(r.Top, drawBounds_.Top);
    if (r.Right < r.Left)
        r.Right = r.Left + 1;
    else if (r.Right == r.Left)
        r.Right = r.Left + ChartWidth();
    if (r.Bottom < r.Top)
        r.Bottom = r.Top + 1;
    else if (r.Bottom == r.Top)
        r.Bottom = r.Top + ChartHeight();
    plotWidth_ = r.Right - r.Left;
    plotHeight_ = r.Bottom - r.Top;
    plotCenterX_ = (r.Left + r.Right) / 2;
    plotCenterY_ = (r.Top + r.Bottom) / 2;
}

void TCustomChartPanel::SelectChartFont(const TChartFont& font)
{
    TChartFont& target = canvas_->Font();
    const int pixelsPerInch = target.PixelsPerInch();
    target.Assign(font);
    target.SetPixelsPerInch(pixelsPerInch);
}

void TCustomChartPanel::DrawPanelBorder(Rect& rect)
{
    TChartCanvas3D& canvas = *canvas_;
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetMode(TPenMode::pmCopy);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawBevelFrame(rect, bevelOuter_);
    if (borderWidth_ > 0) {
        canvas.DrawBevel(rect, color_, color_, borderWidth_);
        rect = {rect.Left + borderWidth_, rect.Top + borderWidth_, rect.Right - borderWidth_,
                rect.Bottom - borderWidth_};
    }
    DrawBevelFrame(rect, bevelInner_);
}

void TCustomChartPanel::DrawBevelFrame(Rect& rect, TBevelCut cut)
{
    if (cut == TBevelCut::bvNone)
        return;
    const TColor light = clBtnHighlight;
    const TColor dark = cut == TBevelCut::bvSpace ? clBtnHighlight : clBtnShadow;
    if (cut == TBevelCut::bvLowered)
        canvas_->DrawBevel(rect, dark, light, bevelWidth_);
    else
        canvas_->DrawBevel(rect, light, dark, bevelWidth_);
    rect = {rect.Left + bevelWidth_, rect.Top + bevelWidth_, rect.Right - bevelWidth_, rect.Bottom - bevelWidth_};
}

}  // namespace rna::chart
