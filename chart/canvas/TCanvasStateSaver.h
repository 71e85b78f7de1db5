// Saves the canvas' pen, brush, font, text settings and clip, and restores them when it goes out of scope.
#pragma once

#include "chart/canvas/TChartCanvas3D.h"

namespace rna::chart {

class TCanvasStateSaver {
public:
    explicit TCanvasStateSaver(TChartCanvas3D& canvas);
    ~TCanvasStateSaver();
    TCanvasStateSaver(const TCanvasStateSaver&) = delete;
    TCanvasStateSaver& operator=(const TCanvasStateSaver&) = delete;

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
    TRect clipRect_;
};

}  // namespace rna::chart
