// A wall of the plotting area: the back wall frames and fills it; the side walls show only in 3D.
#pragma once

#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/core/ChangeNotifier.h"

namespace rna::chart {

class TChartWall {
public:
    // onChange: the chart's change callback, for the wall's settings, brush and pen.
    TChartWall(const TNotifyChange& onChange, TColor defaultColor)
        : defaultColor_(defaultColor), color_(defaultColor), brush_(onChange), pen_(onChange), changes_(onChange)
    {}
    TChartWall(const TChartWall&) = delete;
    TChartWall& operator=(const TChartWall&) = delete;

    TColor Color() const { return color_; }
    void SetColor(TColor value) { changes_.Store(color_, value); }
    // The colour a wall starts with; Color is written to a description only when it differs.
    TColor DefaultColor() const { return defaultColor_; }
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value) { changes_.Store(dark3D_, value); }
    int Size() const { return size_; }
    void SetSize(int value) { changes_.Store(size_, value); }
    TChartBrush& Brush() { return brush_; }
    TChartPen& Pen() { return pen_; }
    const TChartBrush& Brush() const { return brush_; }
    const TChartPen& Pen() const { return pen_; }

private:
    TColor defaultColor_;
    TColor color_;
    bool dark3D_ = true;
    int size_ = 0;
    TChartBrush brush_;
    TChartPen pen_;
    ChangeNotifier changes_;
};

}  // namespace rna::chart
