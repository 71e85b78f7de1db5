#include "chart/canvas/CanvasState.h"

namespace rna::chart {

void CanvasState::Capture(const TChartCanvas3D& canvas)
{
    pen_.Assign(canvas.Pen());
    alternatePen_ = canvas.AlternatePen();
    brush_.Assign(canvas.Brush());
    font_.Assign(canvas.Font());
    textAlign_ = canvas.TextAlign();
    textBackMode_ = canvas.TextBackMode();
    textBackColor_ = canvas.TextBackColor();
    clipped_ = canvas.Clipped();
    clipRect_ = canvas.ClipRect();
}

void CanvasState::Restore(TChartCanvas3D& canvas) const
{
    canvas.Pen().Assign(pen_);
    if (alternatePen_) {
        TChartPen smallDots;
        smallDots.Assign(pen_);
        smallDots.SetSmallDots(true);
        canvas.UseVisiblePen(smallDots);
    }
    canvas.Brush().Assign(brush_);
    canvas.Font().Assign(font_);
    canvas.SetTextAlign(textAlign_);
    canvas.SetTextBackMode(textBackMode_);
    canvas.SetTextBackColor(textBackColor_);
    if (clipped_)
        canvas.ClipToRect(clipRect_);
    else if (canvas.Clipped())
        canvas.RemoveClip();
}

bool CanvasState::Holds(const TChartCanvas3D& canvas) const
{
    return pen_ == canvas.Pen() && alternatePen_ == canvas.AlternatePen() && brush_ == canvas.Brush() &&
           font_ == canvas.Font() && textAlign_ == canvas.TextAlign() && textBackMode_ == canvas.TextBackMode() &&
           textBackColor_ == canvas.TextBackColor() && clipped_ == canvas.Clipped() &&
           (!clipped_ || clipRect_ == canvas.ClipRect());
}

}  // namespace rna::chart
