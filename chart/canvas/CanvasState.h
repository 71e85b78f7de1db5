// A copy of the canvas' drawing state: pen, brush, font, text settings and clip.
#pragma once

#include "chart/canvas/TChartCanvas3D.h"

namespace rna::chart {

class CanvasState {
public:
    CanvasState() = default;
    explicit CanvasState(const TChartCanvas3D& canvas) { Capture(canvas); }
    CanvasState(const CanvasState&) = delete;
    CanvasState& operator=(const CanvasState&) = delete;

    void Capture(const TChartCanvas3D& canvas);
    // Gives the canvas this state again (selections go through the canvas' own setters).
    void Restore(TChartCanvas3D& canvas) const;
    // True when the canvas is in this state.
    bool Holds(const TChartCanvas3D& canvas) const;

private:
    TChartPen pen_;
    bool alternatePen_ = false;
    TChartBrush brush_;
    TChartFont font_;
    int textAlign_ = 0;
    int textBackMode_ = 0;
    TColor textBackColor_ = clWhite;
    bool clipped_ = false;
    Rect clipRect_;
};

}  // namespace rna::chart
