#include "chart/canvas/CanvasStateSaver.h"

namespace rna::chart {

CanvasStateSaver::CanvasStateSaver(TChartCanvas3D& canvas)
    : canvas_(canvas), alternatePen_(canvas.AlternatePen()), textAlign_(canvas.TextAlign()),
      textBackMode_(canvas.TextBackMode()), textBackColor_(canvas.TextBackColor()), clipped_(canvas.Clipped()),
      clipRect_(canvas.ClipRect())
{
    pen_.Assign(canvas.Pen());
    brush_.Assign(canvas.Brush());
    font_.Assign(canvas.Font());
}

CanvasStateSaver::~CanvasStateSaver()
{
    canvas_.Pen().Assign(pen_);
    if (alternatePen_) {
        pen_.SetSmallDots(true);
        canvas_.UseVisiblePen(pen_);
    }
    canvas_.Brush().Assign(brush_);
    canvas_.Font().Assign(font_);
    canvas_.SetTextAlign(textAlign_);
    canvas_.SetTextBackMode(textBackMode_);
    canvas_.SetTextBackColor(textBackColor_);
    if (clipped_)
        canvas_.ClipToRect(clipRect_);
    else if (canvas_.Clipped())
        canvas_.RemoveClip();
}

}  // namespace rna::chart
