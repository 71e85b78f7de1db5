// The chart with its title, foot, walls and legend: lays out the titles and draws the back wall.
#pragma once

#include "chart/panel/ChartMouse.h"
#include "chart/panel/TChartLegend.h"
#include "chart/panel/TChartTitle.h"
#include "chart/panel/TChartWall.h"
#include "chart/panel/TCustomAxisPanel.h"

namespace rna::chart {

class TCustomChart : public TCustomAxisPanel {
    Q_OBJECT
public:
    explicit TCustomChart(QWidget* parent = nullptr);
    ~TCustomChart() override;

    TChartTitle& Title() { return title_; }
    TChartTitle& Foot() { return foot_; }
    TChartWall& BackWall() { return backWall_; }
    TChartWall& LeftWall() { return leftWall_; }
    TChartWall& BottomWall() { return bottomWall_; }
    TChartLegend& Legend() { return legend_; }
    // The back wall's colour; set outside loading it also makes the back wall brush solid.
    TColor BackColor() const { return backWall_.Color(); }
    void SetBackColor(TColor value);
    TChartPen& Frame() { return backWall_.Pen(); }

    // ---- mouse zoom and panning (ChartMouse)
    // Zooms the axes to the rectangle dragged with the zoom button.
    virtual void ZoomToRect() { mouse_.ZoomToRect(); }
    // Restores the axis ranges from before the first zoom or pan.
    void UndoZoom() { mouse_.UndoZoom(); }
    const ChartMouse& Mouse() const { return mouse_; }
    void SetOnClickSeries(ChartMouseEvents::TClickSeries handler)
    {
        mouse_.Events().OnClickSeries = std::move(handler);
    }
    void SetOnClickAxis(ChartMouseEvents::TClickAxis handler) { mouse_.Events().OnClickAxis = std::move(handler); }
    void SetOnClickLegend(ChartMouseEvents::TClick handler) { mouse_.Events().OnClickLegend = std::move(handler); }
    void SetOnClickBackground(ChartMouseEvents::TClick handler)
    {
        mouse_.Events().OnClickBackground = std::move(handler);
    }
    void SetOnZoom(TChartEvent handler) { mouse_.Events().OnZoom = std::move(handler); }
    void SetOnUndoZoom(TChartEvent handler) { mouse_.Events().OnUndoZoom = std::move(handler); }
    void SetOnAllowScroll(ChartMouseEvents::TAllowScroll handler)
    {
        mouse_.Events().OnAllowScroll = std::move(handler);
    }
    void SetOnScroll(TChartEvent handler) { mouse_.Events().OnScroll = std::move(handler); }

    bool IsFreeSeriesColor(TColor color) const override;
    int AxisWallSize(const TCustomChartAxis&) const override { return 0; }

protected:
    void FitAxes() override;
    void FitSeriesMargins() override;
    void LayOutTitleBlocks() override;
    void DrawTitleBlocks() override;
    void PaintWalls() override;
    void PaintAxis(TCustomChartAxis& axis, const ChartLayout& layout,
                   const TCustomChartAxis::LayoutState& placed) override;
    void PaintOverlay(QPainter& painter) override { mouse_.PaintRubberBand(painter); }
    void MouseDown(const ChartMouseInput& input) override { mouse_.Press(input); }
    void MouseMove(const ChartMouseInput& input) override { mouse_.Move(input); }
    void MouseUp(const ChartMouseInput& input) override { mouse_.Release(input); }
    void MouseWheel(int notches) override { mouse_.Wheel(notches); }
    void MouseInputLost() override { mouse_.CancelDrag(); }

    // Where a title's lines go and whether its box is drawn, as the layout fixed them.
    struct TitlePlacement {
        Rect Lines;  // the working box: the lines' left and right edges, and their top (title) or bottom (foot)
        bool AtTop = true;
        bool BoxDrawn = false;
    };
    // Lays out a title at the top or the foot at the bottom: PlotRect gives up its space, the title's box is set.
    TitlePlacement LayOutTitle(TChartTitle& title, bool atTop);
    void DrawTitle(const TChartTitle& title, const TitlePlacement& placement);

private:
    static bool Framed(const TChartTitle& title);
    static bool Filled(const TChartTitle& title);
    // Sets the canvas brush for the title box.
    void PrepareTitleFill(const TChartTitle& title);
    void DrawTitleLines(const TChartTitle& title, const Rect& box, bool atTop);
    void AdjustTitleBox(const TChartTitle& title, Rect& box);
    void PrepareBackWallBrush();

    TitlePlacement titlePlacement_;
    TitlePlacement footPlacement_;

    TChartTitle title_{ChangeHandler()};
    TChartTitle foot_{ChangeHandler()};
    TChartWall backWall_{ChangeHandler(), clUseSeriesColor};
    TChartWall leftWall_{ChangeHandler(), 0x80FFFF};
    TChartLegend legend_{ChangeHandler()};
    TChartWall bottomWall_{ChangeHandler(), clWhite};
    ChartMouse mouse_{*this};
};

}  // namespace rna::chart
