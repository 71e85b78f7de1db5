// A wall of the plotting area: the back wall frames and fills it; the side walls show only in 3D.
#pragma once

#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"

namespace rna::chart {

class TCustomAxisPanel;

class TChartWall {
public:
    TChartWall(TCustomAxisPanel& chart, TColor defaultColor);
    TChartWall(const TChartWall&) = delete;
    TChartWall& operator=(const TChartWall&) = delete;

    TCustomAxisPanel& ParentChart() const { return chart_; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Store(color_, value); }
    // The colour a wall starts with; Color is written to a description only when it differs.
    TColor DefaultColor() const { return defaultColor_; }
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value) { Store(dark3D_, value); }
    int Size() const { return size_; }
    void SetSize(int value) { Store(size_, value); }
    TChartBrush& Brush() { return brush_; }
    TChartPen& Pen() { return pen_; }
    const TChartBrush& Brush() const { return brush_; }
    const TChartPen& Pen() const { return pen_; }

private:
    template <typename T>
    void Store(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    void Changed();

    TCustomAxisPanel& chart_;
    TColor defaultColor_;
    TColor color_;
    bool dark3D_ = true;
    int size_ = 0;
    TChartBrush brush_;
    TChartPen pen_;
};

}  // namespace rna::chart
