// Saves the canvas' pen, brush, font, text settings and clip, and restores them when it goes out of scope.
#pragma once

#include "chart/canvas/CanvasState.h"

namespace rna::chart {

class CanvasStateSaver {
public:
    explicit CanvasStateSaver(TChartCanvas3D& canvas) : canvas_(canvas), state_(canvas) {}
    ~CanvasStateSaver() { state_.Restore(canvas_); }
    CanvasStateSaver(const CanvasStateSaver&) = delete;
    CanvasStateSaver& operator=(const CanvasStateSaver&) = delete;

private:
    TChartCanvas3D& canvas_;
    CanvasState state_;
};

}  // namespace rna::chart
