// The chart with its title, foot, walls and legend: lays out the titles and draws the back wall.
#pragma once

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

    bool IsFreeSeriesColor(TColor color) const override;
    int AxisWallSize(const TCustomChartAxis&) const override { return 0; }

protected:
    void FitAxes() override;
    void FitSeriesMargins() override;
    void DrawTitleBlocks() override;
    void PaintWalls() override;
    void PaintAxis(TCustomChartAxis& axis) override;
    // Lays out and draws a title at the top or the foot at the bottom; PlotRect gives up its space.
    void RenderTitle(TChartTitle& title, bool atTop);

private:
    bool PrepareTitleFill(const TChartTitle& title);
    void DrawTitleLines(const TChartTitle& title, const Rect& box, bool atTop);
    void AdjustTitleBox(const TChartTitle& title, Rect& box);
    void PrepareBackWallBrush();

    TChartTitle title_{ChangeHandler()};
    TChartTitle foot_{ChangeHandler()};
    TChartWall backWall_{ChangeHandler(), clUseSeriesColor};
    TChartWall leftWall_{ChangeHandler(), 0x80FFFF};
    TChartLegend legend_{ChangeHandler()};
    TChartWall bottomWall_{ChangeHandler(), clWhite};
};

}  // namespace rna::chart
