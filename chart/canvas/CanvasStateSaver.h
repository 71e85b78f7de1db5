// Saves the canvas' pen, brush, font, text settings and clip, and restores them when it goes out of scope.
#pragma once

#include "chart/canvas/TChartCanvas3D.h"

namespace rna::chart {

class CanvasStateSaver {
public:
    explicit CanvasStateSaver(TChartCanvas3D& canvas);
    ~CanvasStateSaver();
    CanvasStateSaver(const CanvasStateSaver&) = delete;
    CanvasStateSaver& operator=(const CanvasStateSaver&) = delete;

private:
    TChartCanvas3D& canvas_;
    TChartPen pen_;
    bool alternatePen_;
    TChartBrush brush_;
    TChartFont font_;
    int textAlign_;
    int textBackMode_;
    TColor textBackColor_;
    bool clipped_;
    Rect clipRect_;
};

}  // namespace rna::chart
