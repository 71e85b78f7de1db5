// The chart panel: canvas, margins, plotting rectangle, panel bevels and the buffered paint sequence.
#pragma once

#include <QRegion>
#include <memory>

#include "chart/canvas/TChartCanvas3D.h"
#include "chart/core/ChangeNotifier.h"
#include "chart/core/ChartColor.h"
#include "chart/core/ChartGeometry.h"
#include "chart/panel/ChartWidget.h"
#include "chart/panel/TView3DOptions.h"

namespace rna::chart {

struct ChartLayout;

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomChartPanel : public ChartWidget {
    Q_OBJECT
public:
    explicit TCustomChartPanel(QWidget* parent = nullptr);
    ~TCustomChartPanel() override;

    // A setting changed: marks the chart image stale and asks for one repaint later; never draws.
    void ScheduleRedraw();
    // The same for a change of the series' points or settings, which leaves the chart's settings as they were.
    void ScheduleSeriesRedraw();
    // How many times a setting changed (ScheduleRedraw) since construction: what the drawing kept as an
    // image layer was drawn from settings that are still current while this count stays the same.
    unsigned SettingsChanges() const { return settingsChanges_; }
    // How many redraw requests took effect since construction (a diagnostic for tests and benchmarks).
    int RedrawRequests() const { return redrawRequests_; }
    // The callback every owned pen, brush, font, title and wall calls when it changes.
    TNotifyChange ChangeHandler()
    {
        return [this] { ScheduleRedraw(); };
    }

    // Draws the whole chart into rect of target (null: only into the image): lays it out, then renders it, at
    // the device pixel ratio of target (without one, of the screen the control is on).
    void DrawChart(QPainter* target, const Rect& rect);
    // The device pixels to each of the chart's own that a drawing onto target rasterises at, and to each of the
    // control's pixels, which its image says it has.
    double DeviceRatio(const QPainter* target) const;
    double ShownRatio(const QPainter* target) const;
    // The paint handler: copies the image onto painter, all of it or only `area` (the control's pixels), after
    // drawing it when it is stale. What such a drawing changed beyond `area` is shown by a repaint it asks for.
    void PaintTo(QPainter& painter);
    void PaintTo(QPainter& painter, const QRegion& area);
    // Draws a stale image (without copying it anywhere) at the device pixel ratio of ratioOf (null: of the
    // screen) and answers the part of the control it changed: what a target that shows the image as it was
    // needs copied (PaintTo with that area) to show it as it is. Nothing when the image is current; all of the
    // control when it is drawn straight onto the target.
    QRegion RedrawImage(const QPainter* ratioOf = nullptr);
    // Gives the font the canvas' resolution and selects it into the canvas.
    virtual void SelectChartFont(const TChartFont& font);
    void NormalizePlotRect();

    TChartCanvas3D& Canvas() { return *canvas_; }
    const TChartCanvas3D& Canvas() const { return *canvas_; }
    const Rect& DrawBounds() const { return drawBounds_; }
    Rect& PlotRect() { return plotRect_; }
    const Rect& PlotRect() const { return plotRect_; }
    void SetPlotRect(const Rect& rect) { plotRect_ = rect; }
    int PlotWidth() const { return plotWidth_; }
    int PlotHeight() const { return plotHeight_; }
    int PlotCenterX() const { return plotCenterX_; }
    int PlotCenterY() const { return plotCenterY_; }
    bool Printing() const { return printing_; }

    TColor Color() const { return color_; }
    void SetColor(TColor value) { changes_.Store(color_, value); }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value) { changes_.Store(bevelOuter_, value); }
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value) { changes_.Store(bevelInner_, value); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value) { changes_.Store(bevelWidth_, value); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value) { changes_.Store(borderWidth_, value); }
    int MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(int value) { changes_.Store(marginLeft_, value); }
    int MarginTop() const { return marginTop_; }
    void SetMarginTop(int value) { changes_.Store(marginTop_, value); }
    int MarginRight() const { return marginRight_; }
    void SetMarginRight(int value) { changes_.Store(marginRight_, value); }
    int MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(int value) { changes_.Store(marginBottom_, value); }
    bool View3D() const { return view3D_; }
    void SetView3D(bool value) { changes_.Store(view3D_, value); }
    // 1 to 100; anything else raises ChartException and keeps the old value.
    int Chart3DPercent() const { return chart3DPercent_; }
    void SetChart3DPercent(int value);
    bool PrintProportional() const { return printProportional_; }
    void SetPrintProportional(bool value) { printProportional_ = value; }
    bool Monochrome() const { return canvas_->Monochrome(); }
    void SetMonochrome(bool value) { canvas_->SetMonochrome(value); }
    TView3DOptions& View3DOptions() { return *view3DOptions_; }

protected:
    // Lays the chart out in the given bounds, in the chart's own pixels, once PlotRect holds what the margins
    // leave, and answers what it worked out: whatever the rendering and the mouse read (plotting rectangles,
    // axis ranges and positions). The value stays as it is until the next layout.
    virtual const ChartLayout& LayOutChart(const Rect& bounds) = 0;
    // Draws everything into the given bounds of the canvas from that layout; it changes no setting.
    virtual void RenderChart(const Rect& bounds, const ChartLayout& layout) = 0;
    // Bevels and border just inside rect, which shrinks by their width.
    virtual void DrawPanelBorder(Rect& rect);

    void PaintControl(QPainter& painter, const QRegion& area) override { PaintTo(painter, area); }
    // Qt may deliver a resize without a change of size (a hidden control's first event): no redraw then.
    void ControlResized() override
    {
        if (!canvas_->ImageFits(ChartWidth(), ChartHeight(), DeviceRatio(nullptr), ShownRatio(nullptr)))
            ScheduleRedraw();
    }
    void ContentScaleChanged() override { ScheduleRedraw(); }
    void ControlShown() override;
    void BeforeRepaint() override;

    // The store-and-notify of the chart's setters: a changed setting schedules a redraw.
    const ChangeNotifier& Changes() const { return changes_; }

private:
    void DrawBevelFrame(Rect& rect, TBevelCut cut);
    // DrawChart at the ratios of ratioOf, copying only `area` (null: all) onto target.
    void Draw(const QPainter* ratioOf, QPainter* target, const Rect& rect, const QRegion* area);
    void Paint(QPainter& painter, const QRegion* area);
    bool ImageCurrent(const QPainter* ratioOf) const;
    // Asks Qt for a repaint of the window, once until it comes (BeforeRepaint).
    void RequestRepaint();

    std::unique_ptr<TChartCanvas3D> canvas_ = std::make_unique<TChartCanvas3D>();
    std::unique_ptr<TView3DOptions> view3DOptions_;
    Rect drawBounds_;
    Rect plotRect_;
    int plotWidth_ = 0;
    int plotHeight_ = 0;
    int plotCenterX_ = 0;
    int plotCenterY_ = 0;
    bool printing_ = false;
    bool constructed_ = false;
    bool repaintRequested_ = false;  // Qt was asked for a window repaint that has not come yet
    // What drawings changed in the image that Qt has not been asked to repaint, in the control's pixels.
    QRegion unshown_;
    int redrawRequests_ = 0;
    unsigned settingsChanges_ = 0;
    ChangeNotifier changes_{ChangeHandler()};
    TColor color_ = clBtnFace;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    int marginLeft_ = 3;
    int marginTop_ = 4;
    int marginRight_ = 3;
    int marginBottom_ = 4;
    bool view3D_ = true;
    int chart3DPercent_ = 15;
    bool printProportional_ = true;
};

}  // namespace rna::chart
