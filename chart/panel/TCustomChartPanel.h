// The chart panel: canvas, margins, plotting rectangle, panel bevels and the buffered paint sequence.
#pragma once

#include <memory>

#include "chart/canvas/TChartCanvas3D.h"
#include "chart/core/ChartColor.h"
#include "chart/core/ChartGeometry.h"
#include "chart/panel/TChartWidget.h"
#include "chart/panel/TView3DOptions.h"

namespace rna::chart {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomChartPanel : public TChartWidget {
    Q_OBJECT
public:
    explicit TCustomChartPanel(QWidget* parent = nullptr);
    ~TCustomChartPanel() override;

    // Marks the chart image stale and asks for one repaint later; never draws.
    void ScheduleRedraw();
    // How many redraw requests took effect since construction (a diagnostic for tests and benchmarks).
    int RedrawRequests() const { return redrawRequests_; }
    // The handler every owned pen, brush, font and text calls when it changes.
    void ChangeNotify() { ScheduleRedraw(); }
    TNotifyChange ChangeHandler()
    {
        return [this] { ChangeNotify(); };
    }

    // Draws the whole chart into rect of target (null: only into the image).
    void DrawChart(QPainter* target, const TRect& rect);
    // The paint handler: one image copy when nothing changed, else a full DrawChart.
    void PaintTo(QPainter& painter);
    // Gives the font the canvas' resolution and selects it into the canvas.
    virtual void SelectChartFont(const TChartFont& font);
    void NormalizePlotRect();

    TChartCanvas3D& Canvas() { return *canvas_; }
    const TRect& DrawBounds() const { return drawBounds_; }
    TRect& PlotRect() { return plotRect_; }
    const TRect& PlotRect() const { return plotRect_; }
    void SetPlotRect(const TRect& rect) { plotRect_ = rect; }
    int PlotWidth() const { return plotWidth_; }
    int PlotHeight() const { return plotHeight_; }
    int PlotCenterX() const { return plotCenterX_; }
    int PlotCenterY() const { return plotCenterY_; }
    bool Printing() const { return printing_; }

    // True while a layout description is being read: range checks are off.
    bool IsLoading() const { return loading_; }
    void SetLoading(bool value) { loading_ = value; }

    TColor Color() const { return color_; }
    void SetColor(TColor value) { Store(color_, value); }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value) { Store(bevelOuter_, value); }
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value) { Store(bevelInner_, value); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value) { Store(bevelWidth_, value); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value) { Store(borderWidth_, value); }
    int MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(int value) { Store(marginLeft_, value); }
    int MarginTop() const { return marginTop_; }
    void SetMarginTop(int value) { Store(marginTop_, value); }
    int MarginRight() const { return marginRight_; }
    void SetMarginRight(int value) { Store(marginRight_, value); }
    int MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(int value) { Store(marginBottom_, value); }
    bool View3D() const { return view3D_; }
    void SetView3D(bool value) { Store(view3D_, value); }
    // 1 to 100; anything else raises ChartException and keeps the old value.
    int Chart3DPercent() const { return chart3DPercent_; }
    void SetChart3DPercent(int value);
    bool PrintProportional() const { return printProportional_; }
    void SetPrintProportional(bool value) { printProportional_ = value; }
    bool Monochrome() const { return canvas_->Monochrome(); }
    void SetMonochrome(bool value) { canvas_->SetMonochrome(value); }
    TView3DOptions& View3DOptions() { return *view3DOptions_; }

protected:
    // Draws everything into the given bounds of the canvas.
    virtual void RenderChart(const TRect& bounds) = 0;
    // Bevels and border just inside rect, which shrinks by their width.
    virtual void DrawPanelBorder(TRect& rect);

    void PaintControl(QPainter& painter, const QRect& clientRect) override;
    // Qt may deliver a resize without a change of size (a hidden control's first event): no redraw then.
    void ControlResized() override
    {
        if (canvas_->Image().size() != size())
            ScheduleRedraw();
    }

    template <typename T>
    void Store(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        ScheduleRedraw();
    }

private:
    void DrawBevelFrame(TRect& rect, TBevelCut cut);

    std::unique_ptr<TChartCanvas3D> canvas_ = std::make_unique<TChartCanvas3D>();
    std::unique_ptr<TView3DOptions> view3DOptions_;
    TRect drawBounds_;
    TRect plotRect_;
    int plotWidth_ = 0;
    int plotHeight_ = 0;
    int plotCenterX_ = 0;
    int plotCenterY_ = 0;
    bool printing_ = false;
    bool constructed_ = false;
    int redrawRequests_ = 0;
    bool loading_ = false;
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
